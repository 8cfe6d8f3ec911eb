// The drawing calls as small records, built from the model, and what each
// looks like once painted.
#pragma once

#include <bitset>
#include <variant>

#include "couleurs.h"
#include "isostasie.h"

namespace terraflot {

class Pinceau;

// The drawing calls as small records of what they paint, coordinates in
// twips already computed from the model, so that painting a record now or
// later gives the same pixels.
struct OpColonne {
    int i;
    double x1, x2, hauteur;
    bool emergee;  // surface at or above sea level
    double yTop, ySocleDepot, ySocle, y0, yBaseCroute, yCompensation;
    bool operator==(const OpColonne&) const = default;
};
struct OpReperes {
    int i;
    double x1, x2, hauteur, yProfond, yMoho, yIntermediaire;
    bool operator==(const OpReperes&) const = default;
};
struct OpLigne {
    double x1, y1, x2, y2;
    Rgb couleur;
    int largeur;
    bool operator==(const OpLigne&) const = default;
};
// The frame: axes, arrows, altitude labels, grid (when on) and the
// sea-level segments of the columns whose profile is not at 0.
struct OpGraphe {
    double L, B, W, O, y0;
    int M, nb;
    bool grille;
    std::bitset<COLONNE_MAX + 1> mer;
};
struct OpEfface {};
using Op = std::variant<OpColonne, OpReperes, OpLigne, OpGraphe, OpEfface>;

// Horizontal extent of column i: unrounded column width, inset by the margin.
double X1(const Modele& m, int i);
double X2(const Modele& m, int i);

// The records of a column's boxes, of its reference-level zones, of the
// frame, and of the erosion-profile marker of column i.
OpColonne Colonne(const Modele& m, int i, double s, double c, double g, double d);
OpReperes Reperes(const Modele& m, int i);
OpGraphe Graphe(const Modele& m);
OpLigne MarqueurErosion(const Modele& m, int i);

// What a record paints.  Of a frame: its axes and labels, its grid, and the
// sea-level segments of the columns in `mer`.
void Peint(Pinceau& p, const OpColonne& o);
void Peint(Pinceau& p, const OpReperes& o);
void Peint(Pinceau& p, const OpLigne& o);
void Peint(Pinceau& p, const OpGraphe& o, bool axes, bool grille,
           const std::bitset<COLONNE_MAX + 1>& mer);
// The one-column scale bar of the legend panel and its "20 km".
void PeintEchelle(const Modele& m, Pinceau& p);

} // namespace terraflot
