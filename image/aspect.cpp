// What a column, its reference levels, a line, the frame and the scale bar
// look like: the boxes and lines each record paints.
#include "enregistrements.h"
#include "nombres.h"
#include "pinceau.h"

namespace terraflot {

void Peint(Pinceau& p, const OpColonne& o) {
    const double x1 = o.x1, x2 = o.x2;
    if (o.emergee) {
        p.Boite(x1, 0, x2, o.yTop, CouleurCiel, CouleurCiel);
        p.Boite(x1, o.yTop, x2, o.ySocleDepot, CouleurGlace, CouleurContour);
        p.Boite(x1, o.ySocleDepot, x2, o.ySocle, CouleurSediments, CouleurContour);
    } else {
        p.Boite(x1, 0, x2, o.y0, CouleurCiel, CouleurCiel);
        p.Boite(x1, o.ySocleDepot, x2, o.ySocle, CouleurSediments, CouleurContour);
        p.Boite(x1, o.yTop, x2, o.ySocleDepot, CouleurGlace, CouleurContour);
        p.Boite(x1, o.y0, x2, o.yTop, CouleurEau, CouleurContour);
    }
    p.Boite(x1, o.ySocle, x2, o.yBaseCroute, CouleurCroute, CouleurContour);
    p.Boite(x1, o.yBaseCroute, x2, o.yCompensation, CouleurManteau, CouleurContour);
    p.Boite(x1, o.yCompensation, x2, o.hauteur, CouleurSousCompensation,
            CouleurSousCompensation);
}

void Peint(Pinceau& p, const OpReperes& o) {
    p.Boite(o.x1, o.yProfond, o.x2, o.yMoho, CouleurNiveauProfond, CouleurNoire);
    p.Boite(o.x1, o.yIntermediaire, o.x2, o.yProfond, CouleurNiveauIntermediaire, CouleurNoire);
}

void Peint(Pinceau& p, const OpLigne& o) {
    p.Epaisseur(o.largeur);
    p.Ligne(o.x1, o.y1, o.x2, o.y2, o.couleur);
    p.Epaisseur(1);
}

void Peint(Pinceau& p, const OpGraphe& o, bool axes, bool grille,
           const std::bitset<COLONNE_MAX + 1>& mer) {
    const double B = o.B, L = o.L, W = o.W, O = o.O;
    const int M = o.M, nb = o.nb;
    if (axes) {
        p.Epaisseur(2);
        p.Ligne(L, B, L, O, CouleurAxes);
        p.Ligne(L, B, L + W, B, CouleurAxes);
        p.Ligne(L + W, B, L + W - 70, B - 70, CouleurAxes);
        p.Ligne(L + W, B, L + W - 70, B + 70, CouleurAxes);
        p.Ligne(L - 70, O + 100, L, O, CouleurAxes);
        p.Ligne(L + 70, O + 100, L, O, CouleurAxes);
        p.Epaisseur(1);
    }
    if (nb <= 0) return;
    if (axes)
        for (int k = 1; k <= 2 * nb + 1; ++k)
            p.Texte(100, k * B / nb - 80, Str(10 - 10 * k), CouleurAxes);
    if (grille) {
        for (int k = 1; k <= 2 * nb + 1; ++k) {
            if (k == 2) continue;
            const double y = k * B / nb / 2;
            p.Ligne(L, y, L + W, y, CouleurQuadrillage);
        }
        for (int k = 1; k <= M; ++k) {
            const double x = L + k * W / M;
            p.Ligne(x, B, x, O, CouleurQuadrillage);
        }
    }
    for (int k = 1; k <= M; ++k)
        if (mer[k]) p.Ligne(L + (k - 1) * W / M, o.y0, L + k * W / M, o.y0, CouleurQuadrillage);
}

void PeintEchelle(const Modele& m, Pinceau& p) {
    const double lc = m.LargeurColonne;
    p.Ligne(300, 1000, 300 + lc, 1000, CouleurTexteLegende);
    p.Ligne(300, 900, 300, 1100, CouleurTexteLegende);
    p.Ligne(300 + lc, 900, 300 + lc, 1100, CouleurTexteLegende);
    p.Texte(lc + 550, 900, "20 km", CouleurTexteLegende);
}

} // namespace terraflot
