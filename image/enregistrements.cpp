#include "enregistrements.h"

#include <algorithm>

namespace terraflot {

// Horizontal extent of column i: unrounded column width, inset by the margin.
double X1(const Modele& m, int i) {
    return m.OrigineX + (i - 1) * double(m.LargeurGraphe) / m.NbColonnes + m.MargeColonne;
}
double X2(const Modele& m, int i) {
    return m.OrigineX + i * double(m.LargeurGraphe) / m.NbColonnes - m.MargeColonne;
}
namespace {
double Y(const Modele& m, double altM) { return YDepuisAltitude(m, altM); }
} // namespace

OpColonne Colonne(const Modele& m, int i, double s, double c, double g, double d) {
    const double top = s + g + d;
    const double moho = (c - s) * 1000;
    const double compensation = (c - s) * 1000 + m.EpManteau[i] * 1000;
    return {i,
            X1(m, i),
            X2(m, i),
            double(m.HauteurZone),
            top >= 0,
            Y(m, top * 1000),
            Y(m, (s + d) * 1000),
            Y(m, s * 1000),
            Y(m, 0),
            Y(m, -moho),
            Y(m, -compensation)};
}

OpReperes Reperes(const Modele& m, int i) {
    return {i, X1(m, i), X2(m, i), double(m.HauteurZone), Y(m, m.AltRepereProfond[i] * 1000),
            Y(m, -m.ProfMoho[i] * 1000), Y(m, m.AltRepereIntermediaire[i] * 1000)};
}

OpGraphe Graphe(const Modele& m) {
    OpGraphe o{double(m.OrigineX), m.OrigineY + double(m.HauteurGraphe), double(m.LargeurGraphe),
              double(m.OrigineY), Y(m, 0), std::min<int>(m.NbColonnes, COLONNE_MAX),
              m.NbTranches, m.Quadrillage, {}};
    // Built a word at a time: this runs for every column drawn.
    unsigned long long mots[2] = {0, 0};
    for (int k = 1; k <= o.M; ++k) mots[k >> 6] |= (unsigned long long)(m.AltProfil[k] != 0) << (k & 63);
    o.mer = (std::bitset<COLONNE_MAX + 1>(mots[1]) << 64) | std::bitset<COLONNE_MAX + 1>(mots[0]);
    return o;
}

OpLigne MarqueurErosion(const Modele& m, int i) {
    const double y = YDepuisAltitude(m, m.ProfilErosion[i] * 1000);
    return {m.OrigineX + (i - 1) * m.LargeurColonne + 10, y, m.OrigineX + i * m.LargeurColonne,
            y, CouleurContour, 1};
}

} // namespace terraflot
