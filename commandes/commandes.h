// The user's actions, as the windows and the driver deliver them.  Each
// checks that a user could perform it at that moment, runs the program's
// own handler, and returns an empty string, or the reason of a refusal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace terraflot {

struct Programme;

// Why a user could not act on the window `fenetre` now; empty when they can.
std::string Accessible(const Programme& p, std::string_view fenetre);

std::string Menu(Programme& p, std::string_view nom);
std::string Clique(Programme& p, std::string_view nom);
std::string Appuie(Programme& p, double x, double y,
                  std::optional<double> altitude = std::nullopt);
// A press in the middle of column c at altitude a (metres).
std::string AppuieAlt(Programme& p, double c, double a);
std::string Survole(Programme& p, double x, double y);
std::string SurvoleAlt(Programme& p, double c, double a);
std::string BougeBarre(Programme& p, std::string_view nom, int v);
std::string Redimensionne(Programme& p, int largeur, int hauteur);
// Closing the frame window (its close box).
std::string Fermeture(Programme& p);
// Timer ticks are not user actions: delivered while the timer is enabled.
void Tic(Programme& p);
void TicAvertissement(Programme& p);

// Smallest frame size (twips) that keeps the drawing area's height positive.
inline constexpr int LARGEUR_CADRE_MIN = 3000;
inline constexpr int HAUTEUR_CADRE_MIN = 2400;

} // namespace terraflot
