// Model tests with the start parameters (crust 2.67, mantle 3.33, sea water 1.03, sediments 2.4, ice 0.98,
// compensation at 100 km, reference crust 30 km).
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "isostasie.h"
using namespace terraflot;
namespace {
// Records the columns a pass draws, with the basement altitude given.
struct Trace : DessinColonnes {
    std::vector<std::pair<int, double>> colonnes;
    Modele* m = nullptr;
    void DessineRectangle2(int i, double a, double, double, double) override { colonnes.push_back({i, a}); }
    void ReprésenteNiveauxRemarquables(int i) override { if (m) BorneReperes(*m, i); }
};

// The section at start: 25 columns, each the reference column.
Modele SectionDeDepart() {
    Modele m;
    m.MvOcean = 1.03; m.MvCroute = 2.67; m.MvManteau = 3.33; m.MvSediments = 2.4; m.MvGlace = 0.98;
    m.NivCompensation = 100; m.ProfRepereProfond = 25; m.ProfRepereIntermediaire = 18;
    m.EpCrouteRef = m.EpCrouteRefSauve = 30;
    m.NbColonnes = 25; m.NbTranches = 8; m.HauteurGraphe = 8000; m.RepresenteReperes = true;
    for (int i = 1; i <= COLONNE_MAX; ++i) m.EpSocle[i] = 30;
    Trace t;
    RééQUILIBRAGE(m, t);
    return m;
}
} // namespace

// Crust thickness that balances a surface altitude (km), with the water depth above a submerged surface;
// at sea level the reference thickness, whatever the crust density and the compensation depth.
TEST(EquilibreColonne, TableDesEpaisseurs) {
    struct Cas { double e, eau, croute; };
    for (const Cas& c : {Cas{0, 0, 30}, {2, 0, 40.091}, {9, 0, 75.409}, {-2, 2000, 23.030}, {-4, 4000, 16.061}})
        EXPECT_DOUBLE_EQ(CalculeEpCroute(c.e, 0, 0, c.eau, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 100), c.croute) << c.e;
    for (double zc : {50.0, 100.0})
        for (double mc : {2.2, 3.0})
            EXPECT_DOUBLE_EQ(CalculeEpCroute(0, 0, 0, 0, 1.03, 0.98, 2.4, mc, 3.33, 30, zc), 30);
}
TEST(Echelle, AltitudesEtOrdonnees) {
    Modele m = SectionDeDepart();  // 8000 twips high, 8 bands of 1000
    EXPECT_DOUBLE_EQ(YDepuisAltitude(m, 0), 1000);
    EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, 1500), -5000);
    EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, YDepuisAltitude(m, -1234.567)), -1234.567);
    // No band or no height: never a NaN or an infinite altitude.
    m.NbTranches = 0;
    EXPECT_EQ(AltitudeDepuisY(m, 500), 0);
    m.NbTranches = 8; m.HauteurGraphe = 0;
    EXPECT_EQ(AltitudeDepuisY(m, 500), 0);
    EXPECT_TRUE(std::isfinite(YDepuisAltitude(m, 500)));
}
// Ten passes of 25 columns, each left as it was.
TEST(Reequilibrage, SectionDeReferenceInchangee) {
    for (void (*passe)(Modele&, DessinColonnes&) : {&RééQUILIBRAGE, &Rééquilibrage2}) {
        Modele m = SectionDeDepart();
        Trace t;
        t.m = &m;
        passe(m, t);
        for (int i = 1; i <= 25; ++i)
            for (auto [v, attendu] : {std::pair{m.AltSurface[i], 0.0}, {m.ProfMoho[i], 30.0}, {m.EpManteau[i], 70.0},
                                      {m.AltRepereProfond[i], -25.0}, {m.AltRepereIntermediaire[i], -18.0}})
                EXPECT_DOUBLE_EQ(v, attendu) << i;
        EXPECT_EQ(t.colonnes.size(), 250u);
    }
}
// 20 km of basement under water, from -1.9 km under ice that the sea takes; each pass
// draws the altitude of the pass before.
TEST(Reequilibrage, ColonneImmergeeConvergeEnDixPasses) {
    const double attendu[] = {-1.9, -2.570, -2.777, -2.841, -2.861, -2.867, -2.869, -2.870, -2.870, -2.870};
    Modele m = SectionDeDepart();
    m.EpSocle[3] = 20;
    m.AltProfil[3] = m.AltSocle[3] = -1.9;
    m.EpGlace[3] = 0.3;
    Trace t;
    RééQUILIBRAGE(m, t);
    std::vector<double> dessinees;
    for (const auto& [i, a] : t.colonnes)
        if (i == 3) dessinees.push_back(a);
    ASSERT_EQ(dessinees.size(), 10u);
    for (int k = 0; k < 10; ++k) EXPECT_NEAR(dessinees[k], attendu[k], 1e-12) << "pass " << k + 1;
    EXPECT_NEAR(m.AltSocle[3], -2.870, 1e-12);
    EXPECT_NEAR(m.HauteurEau[3], 2870, 1e-6);
    EXPECT_EQ(m.EpGlace[3], 0);
}
// Loads sink a column by their weight over the mantle's, cut down to the metre below; the levels lie under
// the basement top less the loads' weight as crust.
TEST(Reequilibrage, ChargesEtArrondis) {
    Modele m = SectionDeDepart();
    m.EpSediments[1] = m.AltProfil[1] = 1;  // 2.4 / 3.33 = 0.7207
    m.EpSediments[2] = m.EpGlace[2] = 1;    // 3.38 / 3.33 = 1.0150; 3.38 / 2.67 = 1.2659
    m.AltProfil[2] = 2;
    m.AltSocle[3] = -0.5; m.EpGlace[3] = 0.5;  // ice topping out at sea level is on dry land: 0.49 / 3.33
    m.AltSocle[4] = m.AltProfil[4] = 1.982;  // in balance with 40 km of basement, not 30
    m.EpSocle[5] = 30.04; m.EpSocle[6] = 30.06;
    Trace t;
    RééQUILIBRAGE(m, t);
    EXPECT_DOUBLE_EQ(m.AltSocle[1], -0.721);
    EXPECT_DOUBLE_EQ(m.AltSocle[2], -1.015);
    EXPECT_NEAR(m.AltRepereIntermediaire[2], -17.749082, 1e-6);
    EXPECT_NEAR(m.AltRepereProfond[2], -24.749082, 1e-6);
    EXPECT_EQ(m.EpGlace[3], 0.5);
    EXPECT_NEAR(m.AltSocle[3], -0.148, 1e-12);
    EXPECT_NEAR(m.AltSocle[4], 0, 1e-12);
    EXPECT_DOUBLE_EQ(m.EpSocle[5], 30.0);
    EXPECT_DOUBLE_EQ(m.EpSocle[6], 30.1);
}
TEST(Reequilibrage, ElementZeroEtColonnesAuDelaIntactes) {
    Modele m = SectionDeDepart();
    m.NbColonnes = 10;
    m.EpSocle[9] = 52.5;
    m.EpSocle[11] = 60; m.AltSocle[11] = 7;  // beyond the columns in use
    Trace t;
    RééQUILIBRAGE(m, t);
    Rééquilibrage2(m, t);
    CalculeEpSocleMax(m);
    for (const auto& [nom, tableau] : TABLEAUX_COLONNES) EXPECT_EQ((m.*tableau)[0], 0) << nom;
    EXPECT_TRUE(m.EpSocle[11] == 60 && m.AltSocle[11] == 7);
    for (const auto& [i, a] : t.colonnes) EXPECT_TRUE(i >= 1 && i <= 10);
    EXPECT_DOUBLE_EQ(m.EpSocleMax, 52.5);
}
// A 2 km column (40.091 km of basement) loses 1 km of it and floats back at 1.801.  Detached, its levels lie
// 25 and 18 km under the basement top; riding with the crust, they rise with the Moho, by 0.801.
TEST(Reperes, FixesOuRederives) {
    for (bool fixes : {false, true}) {
        Modele m = SectionDeDepart();
        MajReperes(m, 5, 40.091, 0, 0, 0, 2);
        m.ReperesFixes = fixes;
        MajReperes(m, 5, 39.091, 0, 0, 0, 1.801);
        EXPECT_NEAR(m.ProfMoho[5], 37.29, 1e-9);
        EXPECT_NEAR(m.AltRepereProfond[5], fixes ? -22.199 : -23.199, 1e-9);
        EXPECT_NEAR(m.AltRepereIntermediaire[5], fixes ? -15.199 : -16.199, 1e-9);
    }
}
// An exhumed level stays on the basement top.  Under water the second pass leaves a level above the basement
// top where its carried height puts it: 21.5 km above a Moho 22.87 km deep.
TEST(Reperes, SurLeSocleAuDessusDeLaMerSeulement) {
    Modele m = SectionDeDepart();
    m.AltSocle[1] = -19;
    BorneReperes(m, 1);
    EXPECT_EQ(m.AltRepereIntermediaire[1], -19);
    EXPECT_EQ(m.AltRepereProfond[1], -25);
    m.NbColonnes = 1; m.EpSocle[1] = 20; m.HautRepereIntermediaire[1] = 21500;
    m.AltSocle[1] = m.AltProfil[1] = -2.87;
    Trace t;
    Rééquilibrage2(m, t);
    EXPECT_NEAR(m.AltRepereIntermediaire[1], -1.37, 1e-12);
}
