// Twips and the program's texts as the Qt windows take them.
#pragma once

#include <QRect>
#include <QString>

#include <algorithm>
#include <string>

#include "dessin.h"
#include "etat.h"

namespace terraflot {

// Whole twips per pixel, for the windows' integer geometry.
inline constexpr int TWIPS = int(TWIPS_PAR_PIXEL);

// Title bar and borders (twips), counted in the window heights the program
// gives: a dialog's, and the thinner one of the dashboard's tool window.
inline constexpr int DECOR_FENETRE = 450;
inline constexpr int DECOR_FENETRE_OUTIL = 390;

// A caption with its line breaks as Qt shows them.
inline QString Texte(const std::string& s) {
    QString t = QString::fromStdString(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

// A place in twips as pixels, never of negative size.
inline QRect Pixels(int left, int top, int width, int height) {
    return QRect(left / TWIPS, top / TWIPS, std::max(0, width / TWIPS), std::max(0, height / TWIPS));
}
inline QRect Pixels(const Geometrie& g) { return Pixels(g.gauche, g.haut, g.largeur, g.hauteur); }

} // namespace terraflot
