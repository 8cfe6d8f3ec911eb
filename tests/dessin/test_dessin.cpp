// What the picture shows where (deferred = literal is tests/pixels' part); the pressure under the cursor.
#include <gtest/gtest.h>
#include <QColor>
#include <sstream>
#include "couleurs.h"
#include "moteur.h"
#include "nombres.h"
#include "rendu.h"

namespace terraflot {
namespace {
std::string Hex(Rgb c) { return QColor(QRgb(c)).name().toStdString(); }

struct Dessin_ : ::testing::Test {
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    Modele& m = p.m;
    void Joue(const std::string& lignes) {
        std::istringstream in(lignes); std::ostringstream sortie;
        for (std::string l; std::getline(in, l);) ASSERT_TRUE(moteur.Ligne(l, 1, sortie)) << l;
        ASSERT_EQ(sortie.str().find("refused"), std::string::npos) << sortie.str();
    }
    double Y(double altM) const { return YDepuisAltitude(m, altM); }
    double X(int colonne) const { return m.OrigineX + (colonne - 0.5) * m.LargeurColonne; }
    // Colour at (x, y) twips; Pres: true when some pixel within one pixel of it has colour c.
    static Rgb A(const QImage& im, double x, double y) {
        return im.valid(int(x / 15), int(y / 15)) ? Rgb(im.pixel(int(x / 15), int(y / 15)) & 0xFFFFFF) : 0xFFFFFFFFu;
    }
    bool Pres(double x, double y, Rgb c) const {
        for (int k = 0; k < 9; ++k)
            if (A(p.dessin.Image(), x + (k % 3 - 1) * 15, y + (k / 3 - 1) * 15) == c) return true;
        return false;
    }
    Rgb En(int colonne, double altM) const { return A(p.dessin.Image(), X(colonne), Y(altM)); }
    // Puts column i in a given state, unbalanced, and redraws it.
    void Pose(int i, double altSocle, double epSocle, double glace, double sediments) {
        m.AltSocle[i] = altSocle; m.EpSocle[i] = epSocle; m.EpGlace[i] = glace; m.EpSediments[i] = sediments;
        m.AltSurface[i] = m.AltProfil[i] = altSocle + glace + sediments; m.EpCroute[i] = epSocle + glace + sediments;
        m.ProfMoho[i] = epSocle - altSocle; m.EpManteau[i] = m.NivCompensation - m.ProfMoho[i];
        m.HauteurEau[i] = m.AltSurface[i] >= 0 ? 0 : -m.AltSurface[i] * 1000;
        RedessineColonne(p, i);
    }
};
#define COULEUR(calcule, attendu) EXPECT_EQ(Hex(calcule), Hex(attendu))
TEST_F(Dessin_, ImageDeDepartZoneParZone) {
    EXPECT_EQ(p.dessin.Image().size(), QSize(834, 540));  // 12500 x 8095 twips
    for (int i : {1, 13, 24}) {
        SCOPED_TRACE("column " + std::to_string(i));
        // Levels: intermediate 18 to 25 km deep, deep 25 km down to the Moho.
        for (auto [a, c] : {std::pair{5000, CouleurCiel}, {-10000, CouleurCroute}, {-21000, CouleurNiveauIntermediaire},
                            {-27000, CouleurNiveauProfond}, {-50000, CouleurManteau}})
            COULEUR(En(i, a), c);
        EXPECT_TRUE(Pres(X(i), Y(-18000), CouleurLimiteInitiale));
        EXPECT_TRUE(Pres(X(i), Y(-30000), CouleurNoire));
    }
    COULEUR(A(p.dessin.Image(), 250, Y(-35000)), CouleurFond);  // left margin
    EXPECT_TRUE(Pres(m.OrigineX, Y(-35000), CouleurAxes));
    int n = 0;  // the label " 0" left of the axis
    for (double x = 100; x < 390; x += 15)
        for (double y = Y(0) - 80; y < Y(0) + 100; y += 15) n += A(p.dessin.Image(), x, y) == CouleurAxes;
    EXPECT_GT(n, 4);
}
// Grid and levels shown, hidden, shown again: back to the start picture.
TEST_F(Dessin_, QuadrillageEtNiveauxRepèresBasculés) {
    const QImage depart = p.dessin.Image().copy();
    Joue("menu mnu_quadrillage");
    // A line every 5 km, one at the right edge of each column; sea level is none.
    EXPECT_TRUE(Pres(X(5), Y(-5000), CouleurQuadrillage) && Pres(m.OrigineX + 5 * 500, Y(-10000), CouleurQuadrillage));
    EXPECT_FALSE(Pres(X(5), Y(0), CouleurQuadrillage));
    Joue("menu mnu_quadrillage\nmenu mnu_ReprésenterNiveauxRepères");
    COULEUR(En(5, -27000), CouleurCroute);
    EXPECT_FALSE(Pres(X(5), Y(-18000), CouleurLimiteInitiale));
    Joue("menu mnu_ReprésenterNiveauxRepères");
    EXPECT_TRUE(p.dessin.Image() == depart);
    // Shown, a deep level below the Moho is brought up to it: no magenta left.
    m.AltRepereProfond[5] = -40, RedessineColonne(p, 5);
    COULEUR(En(5, -27000), CouleurNiveauIntermediaire);
}
TEST_F(Dessin_, ColonnesEmergeeEtSubmergees) {
    // 2 km high: the ground line, and the sea level across its crust only.
    Pose(5, 2, 32, 0, 0);
    COULEUR(En(5, 3000), CouleurCiel);
    EXPECT_TRUE(Pres(X(5), Y(2000), CouleurContour));
    EXPECT_TRUE(Pres(X(5), Y(0), CouleurQuadrillage));
    EXPECT_FALSE(Pres(X(4), Y(0), CouleurQuadrillage));
    // Basement top at -3 km under 1 km of sediments: water down to -2 km; ice over
    // a submerged column lies between the water and the sediments.
    Pose(6, -3, 27, 0, 1); Pose(7, -4, 26, 1, 1);
    for (auto [i, a, c] : {std::tuple{6, -1000, CouleurEau}, {6, -2500, CouleurSediments}, {6, -10000, CouleurCroute},
                           {7, -1000, CouleurEau}, {7, -2500, CouleurGlace}, {7, -3500, CouleurSediments}})
        COULEUR(En(i, a), c);
}
// Column 25, cut by the right edge: its level marked at 1000 m is drawn over it only;
// after a run, "Effacer" marks sea level on it again.
TEST_F(Dessin_, MarquesDesNiveauxDErosion) {
    Joue("pressalt 25 2000\nmenu mnu_Anim_érosion\nclick HLBBttn2\npressalt 25 1000");
    const double x = m.OrigineX + 24 * m.LargeurColonne + 50;
    COULEUR(A(p.dessin.Image(), x, Y(1000)), CouleurContour);
    COULEUR(En(24, 1000), CouleurCiel);
    Joue("click HLBBttn3\ntick 1000\nclick HLBBttn5");
    ASSERT_FALSE(m.AnimErosionMassif);  // the columns are drawn without their marks
    COULEUR(A(p.dessin.Image(), x, Y(0)), CouleurContour);
}
// One column wide, from x = 300: 500 twips at start, 1250 with ten columns.
TEST_F(Dessin_, BarreDEchelle) {
    EXPECT_EQ(p.dessin.ImageEchelle().size(), QSize(394, 135));  // 5900 x 2025 twips
    COULEUR(A(p.dessin.ImageEchelle(), 100, 100), CouleurLegende);
    EXPECT_EQ(A(p.dessin.ImageEchelle(), 550, 1000), CouleurTexteLegende);
    EXPECT_NE(A(p.dessin.ImageEchelle(), 950, 1000), CouleurTexteLegende);
    m.NbColonnes = 10;
    Rafraichit(p);
    EXPECT_EQ(A(p.dessin.ImageEchelle(), 1200, 1000), CouleurTexteLegende);
}
// A column redrawn lower after its neighbour: the deferred picture is the literal one, pixel for pixel,
// also on the pixel the two columns share, where the outline of a box of no height ends.
TEST_F(Dessin_, ColonneRedessineePlusBasCommeLitteral) {
    const Dessin::Cliche depart = p.dessin.Sauve();
    auto joue = [&](Protocole protocole) {
        p.dessin.Restaure(depart), p.dessin.ChoisitProtocole(protocole);
        for (int i = 1; i < ColonnesEnService(m); ++i)
            for (double haute : {3.0, 5.5, 7.25})
                for (double basse : {-1.5, 0.5, 1.0}) {
                    Pose(i + 1, 0, 30, 0, 0);
                    Pose(i, haute, 30 + haute, 0, 0);
                    Pose(i, basse, 30 + basse, 0, 0);
                }
        return p.dessin.Image().copy();
    };
    EXPECT_TRUE(joue(Protocole::Differe) == joue(Protocole::Litteral));
}
// The pressure under the cursor, MPa (g = 9.8), in every layer of a column out of the water and of one
// under it (s, c, g, d: basement top, basement, ice, sediments, km); the water depth is written back.
TEST_F(Dessin_, PressionAuCurseur) {
    struct Cas { double s, c, g, d, a, attendu; };
    // Air, ice, sediments, sediments under ice; basement top under ice, basement, mantle.
    const Cas cas[] = {{0, 30, 0, 0, 3000, 0}, {0, 30, 1, 0, 500, 0.5 * 0.98 * 9.8}, {0, 30, 0, 2, 1000, 1 * 2.4 * 9.8},
        {0, 30, 1, 2, 1000, (0.98 + 2.4) * 9.8}, {1, 31, 1, 0, 1000, 0.98 * 9.8},
        {1, 31, 1, 0, -4000, (5 * 2.67 + 0.98) * 9.8},
        {0, 30, 1, 2, -35000, (30 * 2.67 + 0.98 + 2 * 2.4 + 5 * 3.33) * 9.8},
        // Under 2 km of water: sediments, sea floor, water, basement, mantle.
        {-3, 27, 0, 1, -2500, (2 * 1.03 + 0.5 * 2.4) * 9.8}, {-3, 27, 0, 1, -2000, 2 * 1.03 * 9.8},
        {-3, 27, 0, 1, -1500, 1.5 * 1.03 * 9.8}, {-3, 27, 0, 1, -5000, (2 * 1.03 + 2.4 + 2 * 2.67) * 9.8},
        {-3, 27, 0, 1, -40000, (2 * 1.03 + 2.4 + 27 * 2.67 + 10 * 3.33) * 9.8}};
    for (const Cas& k : cas) {
        SCOPED_TRACE(std::to_string(k.s) + " " + std::to_string(k.a));
        Pose(7, k.s, k.c, k.g, k.d);
        INDICTABLEAU(p, 7, Y(k.a));
        const std::string& t = p.Label("Tableau_bord.Label6");
        EXPECT_EQ(t.substr(t.find(SautLigne) + 2),
                  " -Pression au curseur : " + Str(Int(k.attendu * 100 + 0.5) / 100) + " MPa");
        EXPECT_EQ(m.HauteurEau[7], std::max(0.0, -(k.s + k.g + k.d) * 1000));
    }
    // Heavier than the reference column (1 km of ice, not re-balanced): red; lighter (1 km of basement off): blue.
    Pose(3, 0, 30, 1, 0); INDICTABLEAU(p, 3, Y(5000));
    EXPECT_EQ(m.PressionCompensation[3], 3079);  // 3069.36 + 0.98 x 9.8
    COULEUR(p.ihm.TableauPicture1_back, CouleurAnomaliePositive);
    COULEUR(p.ihm.TableauLabel1_fore, RGB(255, 255, 255));
    Pose(4, -1, 29, 0, 0); INDICTABLEAU(p, 4, Y(5000));
    EXPECT_EQ(m.PressionCompensation[4], 3053);  // 3069.36 - (2.67 - 1.03) x 9.8
    COULEUR(p.ihm.TableauLabel1_back, CouleurAnomalieNegative);
    COULEUR(p.ihm.TableauLabel1_fore, RGB(0, 255, 255));
}
} // namespace
} // namespace terraflot
