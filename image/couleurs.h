// The drawing colours of the section, fixed at start-up.
#pragma once

#include <cstdint>

namespace terraflot {

using Rgb = std::uint32_t;  // 0xRRGGBB
constexpr Rgb RGB(int r, int g, int b) { return Rgb((r << 16) | (g << 8) | b); }

inline constexpr Rgb CouleurFond = RGB(190, 200, 190);
inline constexpr Rgb CouleurCiel = RGB(220, 230, 250);
inline constexpr Rgb CouleurGlace = RGB(255, 255, 255);
inline constexpr Rgb CouleurSediments = RGB(247, 243, 52);
inline constexpr Rgb CouleurEau = RGB(0, 0, 128);
inline constexpr Rgb CouleurCroute = RGB(190, 120, 45);
inline constexpr Rgb CouleurManteau = RGB(110, 117, 130);
inline constexpr Rgb CouleurSousCompensation = CouleurManteau;
inline constexpr Rgb CouleurContour = RGB(15, 60, 95);
inline constexpr Rgb CouleurAxes = RGB(5, 105, 152);
inline constexpr Rgb CouleurQuadrillage = RGB(167, 181, 198);
inline constexpr Rgb CouleurNiveauIntermediaire = RGB(255, 150, 50);
inline constexpr Rgb CouleurNiveauProfond = RGB(200, 20, 100);
inline constexpr Rgb CouleurLimiteInitiale = RGB(239, 47, 33);
inline constexpr Rgb CouleurNoire = RGB(0, 0, 0);

// Legend panel Picture4 and its captions.
inline constexpr Rgb CouleurLegende = RGB(255, 224, 192);
inline constexpr Rgb CouleurTexteLegende = RGB(0, 0, 128);

// Anomaly classes of the dashboard strip.
inline constexpr Rgb CouleurEquilibre = RGB(0, 255, 0);
inline constexpr Rgb CouleurAnomaliePositive = RGB(255, 0, 0);
inline constexpr Rgb CouleurAnomalieNegative = RGB(0, 0, 255);

} // namespace terraflot
