// The press handler of the drawing area: the column and altitude of the
// press, the erosion-level marking, one branch per tool mode, and the
// final step common to every accepted press.
#include "outils.h"

#include <climits>
#include <cmath>

#include "etat.h"
#include "isostasie.h"
#include "communs.h"

namespace terraflot {

namespace {

constexpr const char* HORS_TERRE =
    "Vous dépassez les altitudes rencontrées sur Terre (au niveau de la croûte continentale)";
constexpr const char* HORS_CROUTE =
    "Vous dépassez les altitudes rencontrées sur la crôute continentale.";
constexpr const char* MOHO_TROP_HAUT = "Vous dépassez l'épaisseur minimale de croûte";
constexpr const char* DENSITES_EGALES =
    "La masse volumique de la croûte doit être différente de celle du manteau.";
constexpr const char* HORS_PROFIL =
    "Vous dépassez les altitudes possibles compte tenu de votre profil actuel";

// Altitudes (m) a press may give outside the Moho mode: (-2000, 9000].
bool HorsLimites(double alt) { return alt > 9000 || alt <= -2000; }

void Refus(Programme& p, const char* texte, Icone icone) {
    p.MsgBox(texte, Boutons::Ok, icone);
}

// Surface, water, and the largest basement thickness.
void EtapeFinale(Programme& p, int c) {
    SurfaceEtEau(p.m, c);
    CalculeEpSocleMax(p.m);
}

// Erosion level of column c: between sea level and the present surface.
bool Reperage(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (alt > 1000 * (m.AltSocle[c] + m.EpGlace[c] + m.EpSediments[c]) || alt < 0) {
        Refus(p, HORS_PROFIL, Icone::Aucune);
        return false;
    }
    m.ProfilErosion[c] = alt / 1000;
    m.ProfilErosion[c] = Int(1000 * m.ProfilErosion[c] + 0.5) / 1000;
    p.Label("Quiral.Label1", "Construction d'un profil d'érosion");
    // A level at the surface leaves nothing to erode: no mark.
    if (m.ProfilErosion[c] != m.AltSurface[c] && m.NbColonnes > 0) {
        const double largeur = double(m.LargeurGraphe) / m.NbColonnes;
        const double x1 = largeur * (c - 1) + m.OrigineX;
        const double x2 = largeur * c + m.OrigineX;
        const double y = YDepuisAltitude(m, alt);
        p.dessin.Ligne(x1, y, x2, y, CouleurContour);
    }
    return true;
}

// The column gets the crustal root that balances a surface at alt.
bool Profil(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (HorsLimites(alt)) {
        Refus(p, HORS_TERRE, Icone::Question);
        return false;
    }
    // No root can balance a crust as dense as the mantle.
    if (m.MvCroute == m.MvManteau) {
        Refus(p, DENSITES_EGALES, Icone::Stop);
        return false;
    }
    m.AltProfil[c] = alt / 1000;
    m.EpGlace[c] = 0;
    if (m.AltProfil[c] + m.EpGlace[c] + m.EpSediments[c] >= 0)
        m.HauteurEau[c] = 0;
    else
        m.HauteurEau[c] = -(1000 * m.AltProfil[c] + 1000 * m.EpSediments[c]);
    EQ0(m, c, m.AltProfil[c]);
    m.AltSocle[c] = m.AltProfil[c];
    m.EpCroute[c] = m.EpSocle[c];
    p.dessin.DessineRectangle2(c, m.AltSocle[c], m.EpSocle[c], m.EpGlace[c], m.EpSediments[c]);
    MajReperes(m, c, m.EpSocle[c], m.HauteurEau[c], m.EpSediments[c], m.EpGlace[c], m.AltProfil[c]);
    p.dessin.ReprésenteNiveauxRemarquables(c);
    p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    return true;
}

// New basement top; the basement keeps its base when the column is bare.
bool SurfaceSocle(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (HorsLimites(alt)) {
        Refus(p, HORS_CROUTE, Icone::Question);
        return false;
    }
    m.AltProfil[c] = alt / 1000;
    if (m.EpGlace[c] > 0 && m.AltProfil[c] + m.EpGlace[c] < 0) m.EpGlace[c] = 0;
    const double T = m.EpSocle[c] - m.AltSurface[c] + m.AltProfil[c];
    m.AltSocle[c] = m.AltProfil[c];
    m.EpSocle[c] = T;
    m.EpCroute[c] = m.EpSocle[c];
    RedessineColonne(p, c);
    p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    return true;
}

// New Moho under an unchanged basement top, no higher than 6 km below sea level.
bool Moho(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (alt > -6000) {
        Refus(p, MOHO_TROP_HAUT, Icone::Question);
        return false;
    }
    m.ProfMoho[c] = -alt / 1000;
    m.EpSocle[c] = m.ProfMoho[c] + m.AltSocle[c];
    m.EpCroute[c] = m.EpSocle[c] + m.EpSediments[c] + m.EpGlace[c];
    RedessineColonne(p, c);
    return true;
}

// The column worn down to the press, cover first.
bool ErosionClic(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (HorsLimites(alt)) {
        Refus(p, HORS_CROUTE, Icone::Question);
        return false;
    }
    // Nothing to wear away above the surface.
    if (alt > 1000 * m.AltSocle[c] + 1000 * m.EpSediments[c] + 1000 * m.EpGlace[c]) return false;
    m.AltProfil[c] = alt / 1000;
    const double a = m.AltProfil[c];
    bool change = true;
    if (a < m.AltSocle[c]) {
        const double T = m.EpSocle[c] - m.AltSurface[c] + a;
        m.EpGlace[c] = 0;
        m.EpSediments[c] = 0;
        m.AltSocle[c] = a;
        m.EpSocle[c] = T;
    } else if (m.EpGlace[c] > 0 && m.EpSediments[c] <= 0) {
        m.EpGlace[c] = a - m.AltSocle[c];
        // Ice whose top would lie under the sea goes.
        if (a > m.AltSocle[c] && a < 0 && m.EpGlace[c] > 0) m.EpGlace[c] = 0;
    } else if (m.EpSediments[c] > 0 && m.EpGlace[c] <= 0) {
        m.EpSediments[c] = a > m.AltSocle[c] ? a - m.AltSocle[c] : 0;
    } else if (m.EpGlace[c] > 0 && m.EpSediments[c] > 0) {
        p.Label("Quiral.Label1", "Condition GLACE ET SEDIMENT");
        if (a > m.AltSocle[c] + m.EpSediments[c]) {
            m.EpGlace[c] = a - (m.AltSocle[c] + m.EpSediments[c]);
        } else if (a > m.AltSocle[c]) {
            m.EpSediments[c] = a - m.AltSocle[c];
            m.EpGlace[c] = 0;
        }
        if (a > m.AltSocle[c] && a < 0 && m.EpGlace[c] > 0) m.EpGlace[c] = 0;
    } else {
        change = false;  // a bare basement pressed on its top
    }
    // The crust from the surface down to the Moho loses what was worn away.
    m.EpCroute[c] = m.EpSocle[c] + m.EpSediments[c];
    if (change) {
        RedessineColonne(p, c);
        p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    }
    return true;
}

// Ice from the top of basement and sediments up to the press, above sea level only.
bool Glaciation(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (HorsLimites(alt)) {
        Refus(p, HORS_CROUTE, Icone::Question);
        return false;
    }
    m.AltProfil[c] = alt / 1000;
    if (m.AltProfil[c] > m.AltSocle[c] + m.EpSediments[c] && m.AltProfil[c] > 0)
        m.EpGlace[c] = m.AltProfil[c] - (m.AltSocle[c] + m.EpSediments[c]);
    else
        m.EpGlace[c] = 0;
    RedessineColonne(p, c);
    p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    return true;
}

// Sediments from the top of basement and ice up to the press.
bool Depot(Programme& p, int c, double alt) {
    Modele& m = p.m;
    if (HorsLimites(alt)) {
        Refus(p, HORS_CROUTE, Icone::Question);
        return false;
    }
    m.AltProfil[c] = alt / 1000;
    if (m.AltProfil[c] > m.AltSocle[c] + m.EpGlace[c])
        m.EpSediments[c] = m.AltProfil[c] - (m.AltSocle[c] + m.EpGlace[c]);
    RedessineColonne(p, c);
    p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    m.EpCroute[c] = m.EpSocle[c] + m.EpSediments[c];
    return true;
}

} // namespace

void SurfaceEtEau(Modele& m, int c) {
    m.AltSurface[c] = Int(1000 * (m.AltSocle[c] + m.EpGlace[c] + m.EpSediments[c]) + 0.5) / 1000;
    if (m.AltSurface[c] >= 0) {
        m.HauteurEau[c] = 0;
    } else {
        m.HauteurEau[c] = -Int(1000 * m.AltSurface[c] + 0.5);
        m.EpGlace[c] = 0;
    }
}

void Picture1_MouseDown(Programme& p, double x, double y, std::optional<double> altitude) {
    Modele& m = p.m;
    // Without a drawing height or a column width a press has no column.
    if (!(m.LargeurColonne > 0) || !EchelleValide(m)) return;
    const double colonne = std::floor((x - m.OrigineX) / m.LargeurColonne) + 1;
    if (std::isnan(colonne) || colonne > COLONNE_MAX) return;
    // A press at an altitude beyond any number changes nothing.
    const double alt = altitude ? *altitude : AltitudeDepuisY(m, y);
    if (!std::isfinite(alt)) return;
    m.ColonneClic = colonne < INT_MIN ? INT_MIN : int(colonne);
    if (m.ColonneClic <= 0) return;
    const int c = m.ColonneClic;

    // The marking belongs to the erosion panel: with the panel left for a
    // mode, presses go to that mode.
    if (m.ReperageErosion && p.ihm.Picture2_visible) {
        if (!Reperage(p, c, alt)) return;
    } else {
        if (m.ModeProfil && !Profil(p, c, alt)) return;
        if (m.ModeErosion && !SurfaceSocle(p, c, alt)) return;
        if (m.ModeMoho && !Moho(p, c, alt)) return;
        if (m.ModeSimulErosion && !ErosionClic(p, c, alt)) return;
        if (m.ModeGlaciation && !Glaciation(p, c, alt)) return;
        if (m.ModeDepot && !Depot(p, c, alt)) return;
    }
    EtapeFinale(p, c);
}

} // namespace terraflot
