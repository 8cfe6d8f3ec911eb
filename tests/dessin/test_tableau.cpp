// Cursor readout: the dashboard rows, the anomaly strip, the pressure under
// the cursor in every layer, the values written back, guards and the toggle.
#include <gtest/gtest.h>

#include "commun.h"
#include "nombres.h"
#include "rendu.h"
#include "moteur.h"

namespace terraflot {
namespace {

using essai::Hex;

class Tableau : public ::testing::Test {
protected:
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    Modele& m = p.m;
    const std::string& L(const char* nom) { return p.Label(std::string("Tableau_bord.") + nom); }
    // Reads column i with the cursor at altitude a (m).
    void Lit(int i, double a) { INDICTABLEAU(p, i, YDepuisAltitude(m, a)); }
    std::string Pression() {
        const std::string& t = L("Label6");
        return t.substr(t.find(SautLigne) + 2);
    }
};

std::string LignePression(double mpa) { return " -Pression au curseur : " + Str(mpa) + " MPa"; }

TEST_F(Tableau, ColonneDeReferenceEnEquilibre) {
    // Reference pressure: (30 x 2.67 + 70 x 3.33) x 9.8 = 3069.36 -> 3069.
    EXPECT_EQ(PressionReference(m), 3069);
    Lit(5, -5000);
    EXPECT_EQ(m.PressionCompensation[5], 3069);
    EXPECT_EQ(Hex(p.ihm.TableauPicture1_back), Hex(CouleurEquilibre));
    EXPECT_EQ(Hex(p.ihm.TableauLabel1_back), Hex(CouleurEquilibre));
    EXPECT_EQ(Hex(p.ihm.TableauLabel1_fore), Hex(RGB(0, 0, 0)));
    EXPECT_EQ(L("Label1"), "Index N° 5");
    EXPECT_EQ(L("Label28"), " 3069 MPa");
    EXPECT_EQ(L("Label3"), "-30 km");  // Moho shown as an altitude
    EXPECT_EQ(L("Label13"), "0,0 km");
    // 18 x 2.67 x 9.8 = 470.988 and 25 x 2.67 x 9.8 = 654.15, stored back.
    EXPECT_EQ(m.PressionRepereIntermediaire[5], 471);
    EXPECT_EQ(m.PressionRepereProfond[5], 654);
    EXPECT_EQ(L("Label18"), "471,0 MPa");
    EXPECT_EQ(L("Label20"), "654,0 MPa");
}

TEST_F(Tableau, AnomaliesPositiveEtNegative) {
    // 1 km of ice on the reference column, not re-balanced: heavier.
    essai::PoseColonne(m, 3, 0, 30, 1, 0);
    m.EpManteau[3] = 70;
    Lit(3, 5000);
    EXPECT_EQ(m.PressionCompensation[3], 3079);  // 3069.36 + 0.98 x 9.8
    EXPECT_EQ(Hex(p.ihm.TableauPicture1_back), Hex(CouleurAnomaliePositive));
    EXPECT_EQ(Hex(p.ihm.TableauLabel1_fore), Hex(RGB(255, 255, 255)));
    // 1 km of crust removed from the bottom: lighter.
    essai::PoseColonne(m, 4, 0, 29, 0, 0);
    m.EpManteau[4] = 70;
    Lit(4, 5000);
    EXPECT_EQ(m.PressionCompensation[4], 3043);  // 3069.36 - 2.67 x 9.8 = 3043.194
    EXPECT_EQ(Hex(p.ihm.TableauLabel1_back), Hex(CouleurAnomalieNegative));
    EXPECT_EQ(Hex(p.ihm.TableauLabel1_fore), Hex(RGB(0, 255, 255)));
}

TEST_F(Tableau, PressionAuCurseurColonneEmergee) {
    struct Cas {
        const char* nom;
        double s, c, g, d, a, attendu;  // km, km, km, km, m, MPa
    };
    const Cas cas[] = {
        {"air", 0, 30, 0, 0, 3000, 0},
        {"ice, no sediments", 0, 30, 1, 0, 500, 0.5 * 0.98 * 9.8},
        {"sediments, no ice", 0, 30, 0, 2, 1000, 1 * 2.4 * 9.8},
        {"ice over sediments, in the ice", 0, 30, 1, 2, 2500, 0.5 * 0.98 * 9.8},
        {"ice over sediments, in the sediments", 0, 30, 1, 2, 1000,
         1 * 0.98 * 9.8 + 1 * 2.4 * 9.8},
        {"basement top under ice: D = g", 1, 31, 1, 0, 1000, 1 * 0.98 * 9.8},
        {"basement", 1, 31, 1, 0, -4000, (5 * 2.67 + 1 * 0.98) * 9.8},
        {"mantle", 0, 30, 1, 2, -35000, (30 * 2.67 + 0.98 + 2 * 2.4 + 5 * 3.33) * 9.8},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        essai::PoseColonne(m, 7, k.s, k.c, k.g, k.d);
        Lit(7, k.a);
        EXPECT_EQ(Pression(), LignePression(Int(k.attendu * 100 + 0.5) / 100));
        EXPECT_EQ(m.HauteurEau[7], 0);
    }
}

TEST_F(Tableau, PressionAuCurseurColonneSubmergee) {
    struct Cas {
        const char* nom;
        double s, c, d, a, attendu;
    };
    // Basement top at -3 km; with sediments the sea floor is at -2 km (2000 m
    // of water), without at -3 km.
    const Cas cas[] = {
        {"sediments", -3, 27, 1, -2500, (2 * 1.03 + 0.5 * 2.4) * 9.8},
        {"sea floor: sediment case with D = 0", -3, 27, 1, -2000, 2 * 1.03 * 9.8},
        {"water over sediments", -3, 27, 1, -1500, 1.5 * 1.03 * 9.8},
        {"water, no sediments", -3, 27, 0, -2500, 2.5 * 1.03 * 9.8},
        {"basement", -3, 27, 1, -5000, (2 * 1.03 + 2.4 + 2 * 2.67) * 9.8},
        {"mantle", -3, 27, 1, -40000, (2 * 1.03 + 2.4 + 27 * 2.67 + 10 * 3.33) * 9.8},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        essai::PoseColonne(m, 8, k.s, k.c, 0, k.d);
        Lit(8, k.a);
        EXPECT_EQ(Pression(), LignePression(Int(k.attendu * 100 + 0.5) / 100));
        // Water depth written back, whole metres, from the solid surface.
        EXPECT_EQ(m.HauteurEau[8], -(k.s + k.d) * 1000);
        EXPECT_EQ(L("Label26"), Format0(-(k.s + k.d) * 1000) + " m");
    }
}

TEST_F(Tableau, GardesDuCurseur) {
    Lit(5, -5000);
    const auto labels = p.ihm.etiquettes;
    const double y = m.YCurseur;

    // Left of OrigineX: the dashboard stays as it was.
    Picture1_MouseMove(p, m.OrigineX - 200, 3000);
    EXPECT_EQ(p.ihm.etiquettes, labels);
    EXPECT_EQ(m.YCurseur, y);
    EXPECT_TRUE(p.Chargee("Tableau_bord"));

    // Past column 100, no scale, no column width: nothing at all changes.
    const std::int16_t index = m.IndexCurseur;
    Picture1_MouseMove(p, m.OrigineX + 101 * m.LargeurColonne, 3000);
    Picture1_MouseMove(p, 1e300, 3000);
    const double largeur = m.LargeurColonne;
    m.LargeurColonne = 0;
    Picture1_MouseMove(p, 2000, 3000);
    m.LargeurColonne = largeur;
    const float hauteur = m.HauteurGraphe;
    m.HauteurGraphe = 0;
    Picture1_MouseMove(p, 2000, 3000);
    m.HauteurGraphe = hauteur;
    EXPECT_EQ(m.IndexCurseur, index);
    EXPECT_EQ(m.YCurseur, y);
    EXPECT_EQ(p.ihm.etiquettes, labels);

    // Indexes outside the arrays return at once.
    const Colonnes eau = m.HauteurEau;
    INDICTABLEAU(p, -1, 3000);
    INDICTABLEAU(p, 101, 3000);
    INDICTABLEAU(p, 32000, 3000);
    EXPECT_EQ(p.ihm.etiquettes, labels);
    EXPECT_EQ(m.HauteurEau, eau);

}

TEST_F(Tableau, BasculeFermeEtRouvre) {
    Lit(5, -5000);
    const Fenetre& f = p.Fen("Tableau_bord");
    EXPECT_TRUE(f.chargee && f.visible);
    EXPECT_FALSE(f.modale);
    EXPECT_EQ(f.largeur, 3240);
    EXPECT_EQ(f.gauche, p.ihm.LargeurEcran - 3240 - 50);
    EXPECT_EQ(f.haut, p.ihm.HauteurEcran - f.hauteur - 500);

    mnu_affichetableau_Click(p);
    EXPECT_FALSE(m.AfficheTableau);
    EXPECT_EQ(p.MenuItem("mnu_affichetableau").libelle, "Afficher le tableau de bord");
    // The window goes at the next readout, with its labels.
    EXPECT_TRUE(p.Chargee("Tableau_bord"));
    Picture1_MouseMove(p, 2000, 3000);
    EXPECT_FALSE(p.Chargee("Tableau_bord"));
    EXPECT_EQ(L("Label1"), "");

    mnu_affichetableau_Click(p);
    EXPECT_TRUE(m.AfficheTableau);
    EXPECT_EQ(p.MenuItem("mnu_affichetableau").libelle, "Ne pas afficher le tableau de bord");
    Picture1_MouseMove(p, 2000, 3000);
    EXPECT_TRUE(p.Chargee("Tableau_bord"));
    EXPECT_EQ(p.Fen("Tableau_bord").gauche, p.ihm.LargeurEcran - 3240 - 50);
    EXPECT_EQ(L("Label1"), "Index N° 4");
}

} // namespace
} // namespace terraflot
