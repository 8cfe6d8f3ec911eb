// The picture of the section: colours of every zone at sample points of the
// start picture, grid, sea level, submerged columns, reference-level display
// and scale bar.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "commun.h"
#include "rendu.h"
#include "moteur.h"

namespace terraflot {
namespace {

using essai::Hex;
using essai::MilieuColonne;
using essai::Pixel;

// True when some pixel within one pixel of (x, y) twips has colour c.
bool Pres(const QImage& im, double x, double y, Rgb c) {
    for (int dx = -15; dx <= 15; dx += 15)
        for (int dy = -15; dy <= 15; dy += 15)
            if (Pixel(im, x + dx, y + dy) == c) return true;
    return false;
}

class Dessin_ : public ::testing::Test {
protected:
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    Modele& m = p.m;
    double Y(double altM) const { return YDepuisAltitude(m, altM); }
    Rgb En(int colonne, double altM) { return Pixel(p.dessin.Image(), MilieuColonne(m, colonne), Y(altM)); }
};

#define COULEUR(calcule, attendu) EXPECT_EQ(Hex(calcule), Hex(attendu))

TEST_F(Dessin_, ImageDeDepartZoneParZone) {
    const QImage& im = p.dessin.Image();
    // Picture1 of the start frame: 12500 x 8095 twips.
    EXPECT_EQ(im.width(), 834);
    EXPECT_EQ(im.height(), 540);
    EXPECT_EQ(im.format(), QImage::Format_RGB32);
    for (int i : {1, 13, 24}) {
        SCOPED_TRACE("column " + std::to_string(i));
        COULEUR(En(i, 5000), CouleurCiel);
        COULEUR(En(i, -10000), CouleurCroute);          // above the intermediate level
        COULEUR(En(i, -21000), CouleurNiveauIntermediaire);  // 18 to 25 km deep
        COULEUR(En(i, -27000), CouleurNiveauProfond);   // 25 km down to the Moho at 30 km
        COULEUR(En(i, -50000), CouleurManteau);
        // Red initial-limit line at the intermediate level, -18 km.
        EXPECT_TRUE(Pres(im, MilieuColonne(m, i), Y(-18000), CouleurLimiteInitiale));
        // Moho: the black outline of the magenta zone over the mantle box's.
        EXPECT_TRUE(Pres(im, MilieuColonne(m, i), Y(-30000), CouleurNoire));
    }
    // Left margin, between two altitude labels.
    COULEUR(Pixel(im, 250, Y(-35000)), CouleurFond);
    // Vertical axis at OrigineX.
    EXPECT_TRUE(Pres(im, m.OrigineX, Y(-35000), CouleurAxes));
    // The label " 0" (sea level) and "-10": axis-coloured text left of the axis.
    for (double alt : {0.0, -10000.0}) {
        int n = 0;
        for (double x = 100; x < 390; x += 15)
            for (double y = Y(alt) - 80; y < Y(alt) + 100; y += 15)
                n += Pixel(im, x, y) == CouleurAxes;
        EXPECT_GT(n, 4) << "label at " << alt << " m";
    }
}

TEST_F(Dessin_, ManteauSousLaCompensation) {
    // 12 bands: the bottom is -110 km, below the compensation level at -100 km.
    m.NbTranches = 12;
    Rafraichit(p);
    COULEUR(En(3, -90000), CouleurManteau);
    // The deep-mantle box is painted last, its grey outline over the mantle
    // box's bottom edge at the compensation level.
    COULEUR(En(3, -100000), CouleurSousCompensation);
    COULEUR(En(3, -105000), CouleurSousCompensation);
    COULEUR(En(3, -21000), CouleurNiveauIntermediaire);
}

TEST_F(Dessin_, QuadrillageApparaitPuisDisparait) {
    const QImage depart = p.dessin.Image().copy();
    mnu_quadrillage_Click(p);
    EXPECT_EQ(p.MenuItem("mnu_quadrillage").libelle, "Ne pas représenter le quadrillage");
    const QImage& im = p.dessin.Image();
    // Horizontal line every 5 km: -5 km crosses the crust of every column.
    EXPECT_TRUE(Pres(im, MilieuColonne(m, 5), Y(-5000), CouleurQuadrillage));
    EXPECT_TRUE(Pres(im, MilieuColonne(m, 5), Y(-45000), CouleurQuadrillage));
    // Vertical line at the right edge of column 5.
    EXPECT_TRUE(Pres(im, m.OrigineX + 5 * 500, Y(-10000), CouleurQuadrillage));
    // Sea level itself is no grid line (all columns are at exactly 0).
    EXPECT_FALSE(Pres(im, MilieuColonne(m, 5), Y(0), CouleurQuadrillage));

    mnu_quadrillage_Click(p);
    EXPECT_EQ(p.MenuItem("mnu_quadrillage").libelle, "Représenter le quadrillage");
    EXPECT_FALSE(m.Quadrillage);
    // Every column repaints its full height: the very same pixels as at start.
    EXPECT_TRUE(p.dessin.Image() == depart);
}

TEST_F(Dessin_, ColonneEmergeeEtNiveauDeLaMer) {
    // Column 5 standing 2 km high: zero-height ice and sediment boxes give the
    // ground line; the sea level crosses its crust.
    essai::PoseColonne(m, 5, 2, 32, 0, 0);
    essai::Redessine(p, 5);
    const QImage& im = p.dessin.Image();
    COULEUR(En(5, 3000), CouleurCiel);
    EXPECT_TRUE(Pres(im, MilieuColonne(m, 5), Y(2000), CouleurContour));
    COULEUR(En(5, 1000), CouleurCroute);
    EXPECT_TRUE(Pres(im, MilieuColonne(m, 5), Y(0), CouleurQuadrillage));
    // Only over that column.
    EXPECT_FALSE(Pres(im, MilieuColonne(m, 4), Y(0), CouleurQuadrillage));
}

TEST_F(Dessin_, ColonneSubmergeeMontreLEau) {
    // Basement top at -3 km under 1 km of sediments: water from sea level
    // down to -2 km.
    essai::PoseColonne(m, 6, -3, 27, 0, 1);
    essai::Redessine(p, 6);
    COULEUR(En(6, 5000), CouleurCiel);
    COULEUR(En(6, -1000), CouleurEau);
    COULEUR(En(6, -2500), CouleurSediments);
    COULEUR(En(6, -10000), CouleurCroute);
    // Ice under water, none: water then sediments, separated by an outline.
    EXPECT_TRUE(Pres(p.dessin.Image(), MilieuColonne(m, 6), Y(-2000), CouleurContour));

    // Ice over a submerged column sits between the water and the sediments.
    essai::PoseColonne(m, 7, -4, 26, 1, 1);
    essai::Redessine(p, 7);
    COULEUR(En(7, -1000), CouleurEau);
    COULEUR(En(7, -2500), CouleurGlace);
    COULEUR(En(7, -3500), CouleurSediments);
}

TEST_F(Dessin_, MarqueurDuProfilDErosion) {
    m.AnimErosionMassif = true;
    m.ProfilErosion[5] = 5;
    essai::Redessine(p, 5);
    EXPECT_TRUE(Pres(p.dessin.Image(), MilieuColonne(m, 5), Y(5000), CouleurContour));
    EXPECT_FALSE(Pres(p.dessin.Image(), MilieuColonne(m, 5), Y(6000), CouleurContour));
    m.AnimErosionMassif = false;
    Rafraichit2(p);
    EXPECT_FALSE(Pres(p.dessin.Image(), MilieuColonne(m, 5), Y(5000), CouleurContour));
}

TEST_F(Dessin_, NiveauxRepèresMasquésPuisRemontrés) {
    const QImage depart = p.dessin.Image().copy();
    mnu_ReprésenterNiveauxRepères_Click(p);
    EXPECT_FALSE(m.RepresenteReperes);
    EXPECT_EQ(p.MenuItem("mnu_ReprésenterNiveauxRepères").libelle, "Représenter les niveaux repères");
    COULEUR(En(5, -21000), CouleurCroute);
    COULEUR(En(5, -27000), CouleurCroute);
    EXPECT_FALSE(Pres(p.dessin.Image(), MilieuColonne(m, 5), Y(-18000), CouleurLimiteInitiale));

    // Hidden: the clamp to the basement top still applies, the one to the Moho not.
    m.AltRepereIntermediaire[5] = 1;
    m.AltRepereProfond[5] = -40;
    essai::Redessine(p, 5);
    EXPECT_EQ(m.AltRepereIntermediaire[5], 0);
    EXPECT_EQ(m.AltRepereProfond[5], -40);

    // Shown again: the red line moves to the intermediate level as it stood
    // (0), then the full refresh puts the levels back at their depths.
    mnu_ReprésenterNiveauxRepères_Click(p);
    EXPECT_EQ(p.MenuItem("mnu_ReprésenterNiveauxRepères").libelle,
              "Ne pas représenter les niveaux repères");
    EXPECT_EQ(m.LimiteInitialeIntermediaire[5], 0);
    EXPECT_EQ(m.LimiteInitialeIntermediaire[4], -18);
    EXPECT_EQ(m.AltRepereProfond[5], -25);
    EXPECT_TRUE(Pres(p.dessin.Image(), MilieuColonne(m, 5), Y(0), CouleurLimiteInitiale));

    // Shown: a deep level below the Moho is brought up to it, the magenta box
    // has no height and orange fills down to the Moho.
    m.AltRepereProfond[5] = -40;
    essai::Redessine(p, 5);
    EXPECT_EQ(m.AltRepereProfond[5], -30);
    COULEUR(En(5, -27000), CouleurNiveauIntermediaire);

    // Put back: the start picture again.
    Rafraichit2(p);
    mnu_ReprésenterNiveauxRepères_Click(p);
    mnu_ReprésenterNiveauxRepères_Click(p);
    EXPECT_TRUE(p.dessin.Image() == depart);
}

TEST_F(Dessin_, CrouteTropDenseNeFaitPasPlanter) {
    m.MvCroute = 3.4;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    essai::PoseColonne(m, 3, 1e300, 1e300, 0, 0);
    essai::Redessine(p, 3);
    essai::PoseColonne(m, 4, inf, -inf, 0, 0);
    essai::Redessine(p, 4);
    essai::PoseColonne(m, 5, nan, nan, nan, nan);
    m.LimiteInitialeIntermediaire[5] = nan;
    m.ProfilErosion[5] = nan;
    m.AnimErosionMassif = true;
    essai::Redessine(p, 5);
    // Out-of-range indexes draw nothing and touch nothing.
    const QImage avant = p.dessin.Image().copy();
    p.dessin.DessineRectangle2(101, 0, 30, 0, 0);
    p.dessin.ReprésenteNiveauxRemarquables(-1);
    p.dessin.ReprésenteNiveauxRemarquables(1000);
    EXPECT_TRUE(p.dessin.Image() == avant);
    EXPECT_EQ(p.dessin.Image().width(), 834);
    // A column drawn far from its neighbours leaves them as they were.
    COULEUR(En(2, -10000), CouleurCroute);
    COULEUR(En(6, -21000), CouleurNiveauIntermediaire);
    Rafraichit2(p);
}

TEST_F(Dessin_, BarreDEchelle) {
    const QImage& e = p.dessin.ImageEchelle();
    EXPECT_EQ(e.width(), 394);   // 5900 twips
    EXPECT_EQ(e.height(), 135);  // 2025 twips
    COULEUR(Pixel(e, 100, 100), CouleurLegende);
    // One column wide (500 twips at start), from x = 300 at y = 1000.
    EXPECT_TRUE(Pres(e, 550, 1000, CouleurTexteLegende));
    EXPECT_FALSE(Pres(e, 950, 1000, CouleurTexteLegende));
    // Ten columns: 1250 twips.
    m.NbColonnes = 10;
    Rafraichit(p);
    EXPECT_EQ(m.LargeurColonne, 1250);
    EXPECT_TRUE(Pres(p.dessin.ImageEchelle(), 1200, 1000, CouleurTexteLegende));
    // Ten wider columns: the crust of column 10 reaches the right edge.
    COULEUR(En(10, -10000), CouleurCroute);
}

TEST_F(Dessin_, ReconstructionApresValidation) {
    // The dialog validated a deep level at 30 km: every column's level starts
    // again from that depth, here the Moho of the reference column.
    m.ProfRepereProfond = m.ProfRepereProfondSauve = 30;
    m.SommeErosion = 12;
    p.Label("Quiral.Label7", " 12 km3");
    rafraichit3(p);
    for (int k : {1, 25}) {
        EXPECT_EQ(m.AltRepereProfond[k], -30) << "column " << k;
        EXPECT_EQ(m.ProfRepereProfondCol[k], 30);
        EXPECT_EQ(m.HautRepereProfond0[k], 0);
        EXPECT_EQ(m.AltRepereIntermediaire[k], -18);
    }
    EXPECT_EQ(m.AltRepereProfond[26], -25);  // beyond the section: untouched
    EXPECT_EQ(m.EpSocle[0], 0);
    // 30 x 2.67 x 9.8 = 784.98 MPa.
    EXPECT_EQ(p.Label("Quiral.Label5"), " Pression initiale supérieure à 785MPa (profondeur : 30km )");
    EXPECT_EQ(m.SommeErosion, 0);
    EXPECT_EQ(p.Label("Quiral.Label7"), "");
    // No magenta left: the deep zone has no height.
    EXPECT_EQ(Hex(En(5, -27000)), Hex(CouleurNiveauIntermediaire));
}

} // namespace
} // namespace terraflot

namespace terraflot {
namespace {

// A column redrawn lower after its neighbour: the deferred picture is the
// literal one, pixel for pixel, also on the pixel the two columns share,
// where the outline of a box of no height ends.
TEST_F(Dessin_, ColonneRedessineePlusBasCommeLitteral) {
    const Dessin::Cliche depart = p.dessin.Sauve();
    auto joue = [&](Protocole protocole) {
        p.dessin.Restaure(depart);
        p.dessin.ChoisitProtocole(protocole);
        for (int i = 1; i < ColonnesEnService(m); ++i)
            for (double haute : {3.0, 5.5, 7.25})
                for (double basse : {-1.5, 0.5, 1.0}) {
                    essai::PoseColonne(m, i + 1, 0, 30, 0, 0);
                    RedessineColonne(p, i + 1);
                    essai::PoseColonne(m, i, haute, 30 + haute, 0, 0);
                    RedessineColonne(p, i);
                    essai::PoseColonne(m, i, basse, 30 + basse, 0, 0);
                    RedessineColonne(p, i);
                }
        return p.dessin.Image().copy();
    };
    const QImage differe = joue(Protocole::Differe);
    const QImage litteral = joue(Protocole::Litteral);
    ASSERT_EQ(differe.size(), litteral.size());
    int ecarts = 0;
    for (int y = 0; y < litteral.height(); ++y)
        for (int x = 0; x < litteral.width(); ++x) ecarts += differe.pixel(x, y) != litteral.pixel(x, y);
    EXPECT_EQ(ecarts, 0);
}

} // namespace
} // namespace terraflot
