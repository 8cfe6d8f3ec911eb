#include <cmath>
#include <limits>

#include "etat.h"
#include "isostasie.h"
#include "nombres.h"
#include "rendu.h"

namespace terraflot {

namespace {

const char* const TABLEAU = "Tableau_bord";

std::string Cle(const char* label) { return std::string(TABLEAU) + "." + label; }

// Lithostatic load (km x g/cm3) above the cursor at altitude a (m) in
// column i, D km below the solid surface; 0 in the air.
double ChargeAuCurseur(const Modele& m, int i, double a, double D) {
    const double ak = a / 1000;
    const double s = m.AltSocle[i], g = m.EpGlace[i], d = m.EpSediments[i];
    const double c = m.EpSocle[i], w = m.HauteurEau[i] / 1000, mo = m.ProfMoho[i];
    if (!(ak < m.AltSurface[i] || a < 0)) return 0;
    if (m.HauteurEau[i] == 0) {
        if (d == 0 && g > 0 && ak > s) return D * m.MvGlace;
        if (d > 0 && g == 0 && ak > s) return D * m.MvSediments;
        if (g > 0 && d > 0 && s + d < ak && ak <= s + d + g) return D * m.MvGlace;
        if (g > 0 && d > 0 && s < ak && ak <= s + d) return g * m.MvGlace + (D - g) * m.MvSediments;
        if (-mo < ak && ak <= s)
            return (D - g - d) * m.MvCroute + g * m.MvGlace + d * m.MvSediments;
        if (ak <= -mo)
            return c * m.MvCroute + g * m.MvGlace + d * m.MvSediments +
                   (D - c - g - d) * m.MvManteau;
    } else if (m.HauteurEau[i] > 0) {
        if (d > 0 && s <= ak && ak <= s + d) return w * m.MvOcean + D * m.MvSediments;
        if (d > 0 && s + d <= ak && ak <= 0) return -ak * m.MvOcean;
        if (d == 0 && s <= ak && ak <= 0) return -ak * m.MvOcean;
        if (-mo < ak && ak < s) return w * m.MvOcean + d * m.MvSediments + (D - d) * m.MvCroute;
        if (ak <= -mo)
            return w * m.MvOcean + d * m.MvSediments + c * m.MvCroute + (D - c - d) * m.MvManteau;
    }
    return 0;
}

} // namespace

void ChargeTableau_bord(Programme& p) {
    Fenetre& f = p.Charge(TABLEAU, "Tableau de bord", LARGEUR_TABLEAU_BORD, HAUTEUR_TABLEAU_BORD);
    f.visible = true;
    f.gauche = p.ihm.LargeurEcran - f.largeur - 50;
    f.haut = p.ihm.HauteurEcran - f.hauteur - 500;
    for (const LigneTableauBord& l : LIGNES_TABLEAU_BORD)
        p.Label(Cle(l.nom), l.libelle);
}

void Picture1_MouseMove(Programme& p, double x, double y) {
    Modele& m = p.m;
    // No scale or no column width: nothing can be read under the cursor.
    if (!EchelleValide(m) || !(m.LargeurColonne > 0)) return;
    const double k = Int((x - m.OrigineX) / m.LargeurColonne) + 1;
    // Beyond the last column the model holds nothing.
    if (!(k <= COLONNE_MAX)) return;
    // Nor can anything be read at an altitude beyond any number.
    if (!std::isfinite(AltitudeDepuisY(m, y))) return;
    m.IndexCurseur = k < std::numeric_limits<std::int16_t>::min()
                         ? std::numeric_limits<std::int16_t>::min()
                         : std::int16_t(k);
    if (m.IndexCurseur >= 1) {
        m.YCurseur = y;
        INDICTABLEAU(p, m.IndexCurseur, m.YCurseur);
    }
}

void INDICTABLEAU(Programme& p, int i, double y) {
    if (i < 0 || i > COLONNE_MAX) return;
    Modele& m = p.m;
    if (!m.AfficheTableau) {
        if (p.Chargee(TABLEAU)) p.Decharge(TABLEAU);
        return;
    }
    if (!p.Chargee(TABLEAU)) ChargeTableau_bord(p);
    p.Fen(TABLEAU).visible = true;

    const double a = AltitudeDepuisY(m, y);
    const double D = m.AltSurface[i] - a / 1000;

    p.Label(Cle("Label1"), "Index N°" + Str(i));

    m.PressionCompensation[i] = Int(PressionColonne(m, i) + 0.5);
    const double R = PressionReference(m);
    if (m.PressionCompensation[i] > R) {
        p.ihm.TableauPicture1_back = p.ihm.TableauLabel1_back = CouleurAnomaliePositive;
        p.ihm.TableauLabel1_fore = RGB(255, 255, 255);
    } else if (m.PressionCompensation[i] < R) {
        p.ihm.TableauPicture1_back = p.ihm.TableauLabel1_back = CouleurAnomalieNegative;
        p.ihm.TableauLabel1_fore = RGB(0, 255, 255);
    } else {
        p.ihm.TableauPicture1_back = p.ihm.TableauLabel1_back = CouleurEquilibre;
        p.ihm.TableauLabel1_fore = RGB(0, 0, 0);
    }

    p.Label(Cle("Label15"), Str(Int(m.EpCroute[i] * 10 + 0.5) / 10) + " km");
    p.Label(Cle("Label17"), Str(Int(m.EpManteau[i] * 10 + 0.5) / 10) + " km");
    p.Label(Cle("Label28"), Str(m.PressionCompensation[i]) + " MPa");
    p.Label(Cle("Label5"), Str(Int(m.AltSurface[i] * 1000 + 0.5)) + " m");
    p.Label(Cle("Label30"), Str(Int(m.EpSocle[i] * 10 + 0.5) / 10) + " km");
    p.Label(Cle("Label29"), Str(Int(m.EpGlace[i] * 1000 + 0.5)) + " m");
    p.Label(Cle("Label27"), Str(Int(m.EpSediments[i] * 1000 + 0.5)) + " m");
    if (m.AltSocle[i] + m.EpGlace[i] + m.EpSediments[i] >= 0) {
        p.Label(Cle("Label26"), Str(0) + " m");
        m.HauteurEau[i] = 0;
    } else {
        m.HauteurEau[i] = -Int(m.AltSurface[i] * 1000 + 0.5);
        p.Label(Cle("Label26"), Format0(m.HauteurEau[i]) + " m");
    }

    m.AltSocle[i] = m.EpSocle[i] - m.ProfMoho[i];

    const double cInt = m.AltSocle[i] - m.AltRepereIntermediaire[i];
    const double cProf = m.AltSocle[i] - m.AltRepereProfond[i];
    m.PressionRepereIntermediaire[i] =
        Int((cInt * m.MvCroute + (m.HauteurEau[i] / 1000) * m.MvOcean +
             m.EpSediments[i] * m.MvSediments + m.EpGlace[i] * m.MvGlace) * 9.8 + 0.5);
    m.PressionRepereProfond[i] =
        Int((cProf * m.MvCroute + (m.HauteurEau[i] / 1000) * m.MvOcean +
             m.EpSediments[i] * m.MvSediments + m.EpGlace[i] * m.MvGlace) * 9.8 + 0.5);

    p.Label(Cle("Label9"), Format2(m.AltRepereIntermediaire[i]) + " km");
    p.Label(Cle("Label31"), Format2(m.AltRepereProfond[i]) + " km");
    p.Label(Cle("Label13"), Format2(m.AltSocle[i]) + " km");
    p.Label(Cle("Label18"), Format2(m.PressionRepereIntermediaire[i]) + " MPa");
    p.Label(Cle("Label20"), Format2(m.PressionRepereProfond[i]) + " MPa");
    p.Label(Cle("Label3"), Str(-Int(m.ProfMoho[i] * 10 + 0.5) / 10) + " km");

    const double P = ChargeAuCurseur(m, i, a, D);
    p.Label(Cle("Label6"), " -Altitude au curseur : " + Str(Int(a)) + " m" + SautLigne +
                               " -Pression au curseur : " +
                               Str(Int(P * 9.8 * 100 + 0.5) / 100) + " MPa");
}

void mnu_affichetableau_Click(Programme& p) {
    ElementMenu& menu = p.MenuItem("mnu_affichetableau");
    if (menu.libelle == "Ne pas afficher le tableau de bord") {
        p.m.AfficheTableau = false;
        menu.libelle = "Afficher le tableau de bord";
    } else {
        p.m.AfficheTableau = true;
        menu.libelle = "Ne pas afficher le tableau de bord";
    }
    Rééquilibrage2(p.m, p.dessin);
}

} // namespace terraflot
