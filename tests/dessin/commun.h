// Helpers of the picture and dashboard tests.
#pragma once

#include <QColor>
#include <QImage>
#include <string>

#include "etat.h"
#include "isostasie.h"
#include "couleurs.h"

namespace terraflot::essai {

inline std::string Hex(Rgb c) {
    char b[8];
    std::snprintf(b, sizeof b, "#%06X", unsigned(c));
    return b;
}

// Colour of the picture at (x, y) twips, as 0xRRGGBB.
inline Rgb Pixel(const QImage& im, double x, double y) {
    const int px = int(x / 15), py = int(y / 15);
    if (px < 0 || py < 0 || px >= im.width() || py >= im.height()) return 0xFFFFFFFFu;
    return Rgb(im.pixel(px, py) & 0xFFFFFF);
}

// Middle of column i, twips.
inline double MilieuColonne(const Modele& m, int i) {
    return m.OrigineX + (i - 0.5) * double(m.LargeurGraphe) / m.NbColonnes;
}

// Puts column i in a given state without re-balancing it.
inline void PoseColonne(Modele& m, int i, double altSocle, double epSocle, double epGlace,
                        double epSediments) {
    m.AltSocle[i] = altSocle;
    m.EpSocle[i] = epSocle;
    m.EpGlace[i] = epGlace;
    m.EpSediments[i] = epSediments;
    m.AltSurface[i] = altSocle + epGlace + epSediments;
    m.AltProfil[i] = m.AltSurface[i];
    m.ProfMoho[i] = epSocle - altSocle;
    m.EpCroute[i] = epSocle + epGlace + epSediments;
    m.EpManteau[i] = m.NivCompensation - m.ProfMoho[i];
    const double top = m.AltSurface[i];
    m.HauteurEau[i] = top >= 0 ? 0 : -top * 1000;
}

inline void Redessine(Programme& p, int i) {
    Modele& m = p.m;
    p.dessin.DessineRectangle2(i, m.AltSocle[i], m.EpSocle[i], m.EpGlace[i], m.EpSediments[i]);
    p.dessin.ReprésenteNiveauxRemarquables(i);
}

} // namespace terraflot::essai
