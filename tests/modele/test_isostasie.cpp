// Model tests on the values the program's documentation prints for the
// start parameters (crust 2.67, mantle 3.33, sea water 1.03, sediments 2.4,
// ice 0.98, compensation at 100 km, reference crust 30 km).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "isostasie.h"

using namespace terraflot;

namespace {

// Records the drawing calls of a pass with the values they were given.
struct Trace : DessinColonnes {
    struct Appel { int i; double altSocle, epSocle, epGlace, epSediments; };
    std::vector<Appel> colonnes;
    std::vector<int> niveaux;
    Modele* m = nullptr;
    void DessineRectangle2(int i, double a, double e, double g, double s) override {
        colonnes.push_back({i, a, e, g, s});
    }
    void ReprésenteNiveauxRemarquables(int i) override {
        niveaux.push_back(i);
        if (m) BorneReperes(*m, i);
    }
};

// The section at start: every column is the reference column.
Modele SectionDeDepart() {
    Modele m;
    m.MvOcean = m.MvOceanSauve = 1.03;
    m.MvCroute = m.MvCrouteSauve = 2.67;
    m.MvManteau = m.MvManteauSauve = 3.33;
    m.MvSediments = m.MvSedimentsSauve = 2.4;
    m.MvGlace = m.MvGlaceSauve = 0.98;
    m.NivCompensation = m.NivCompensationSauve = 100;
    m.EpCrouteRef = m.EpCrouteRefSauve = m.EpCrouteRefCourante = 30;
    m.ProfRepereProfond = m.ProfRepereProfondSauve = 25;
    m.ProfRepereIntermediaire = m.ProfRepereIntermediaireSauve = 18;
    m.NbColonnes = 25;
    m.NbTranches = 8;
    m.RepresenteReperes = true;
    m.HauteurGraphe = m.HauteurZone = 8000;
    for (int i = 1; i <= COLONNE_MAX; ++i) {
        m.EpSocle[i] = m.EpCroute[i] = m.ProfMoho[i] = 30;
        m.EpManteau[i] = 70;
        m.AltRepereProfond[i] = -25;
        m.AltRepereIntermediaire[i] = -18;
        m.ProfRepereProfondCol[i] = 25;
        m.ProfRepereIntermediaireCol[i] = 18;
        m.EpSocleM[i] = 30000;
        m.HautRepereProfond0[i] = 5000;
        m.HautRepereIntermediaire0[i] = 12000;
    }
    return m;
}

} // namespace

// Crust thickness that balances a surface altitude (km), with the water
// depth above a submerged surface.
TEST(EquilibreColonne, TableDesEpaisseurs) {
    struct Cas { double e, eau, croute, moho; };
    const Cas table[] = {
        {0, 0, 30.000, 30.000}, {2, 0, 40.091, 38.091}, {9, 0, 75.409, 66.409},
        {-2, 2000, 23.030, 25.030}, {-4, 4000, 16.061, 20.061},
    };
    for (const Cas& c : table) {
        const double R = CalculeEpCroute(c.e, 0, 0, c.eau, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 100);
        EXPECT_DOUBLE_EQ(R, c.croute) << "surface at " << c.e << " km";
        EXPECT_NEAR(R - c.e, c.moho, 1e-9) << "Moho under " << c.e << " km";
    }
}

TEST(EquilibreColonne, IndependanceDesChargesEtDuNiveauDeCompensation) {
    const double base = CalculeEpCroute(2, 0, 0, 0, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 100);
    EXPECT_DOUBLE_EQ(CalculeEpCroute(2, 1.5, 0.7, 0, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 100), base);
    EXPECT_NEAR(CalculeEpCroute(2, 0, 0, 0, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 60), base, 0.0011);
    for (double zc : {50.0, 70.0, 100.0})
        for (double mc : {2.2, 2.67, 3.0})
            EXPECT_DOUBLE_EQ(CalculeEpCroute(0, 0, 0, 0, 1.03, 0.98, 2.4, mc, 3.33, 30, zc), 30)
                << "surface at sea level with crust " << mc << " and compensation at " << zc;
    // Every result is a whole number of metres.
    for (double e = -1.9; e < 9; e += 0.377) {
        const double R = CalculeEpCroute(e, 0, 0, e < 0 ? -1000 * e : 0, 1.03, 0.98, 2.4, 2.67, 3.33, 30, 100);
        EXPECT_NEAR(R * 1000, std::round(R * 1000), 1e-6) << e;
    }
}

TEST(Echelle, AltitudesEtOrdonnees) {
    Modele m = SectionDeDepart();  // 8000 twips high, 8 bands of 1000
    EXPECT_DOUBLE_EQ(YDepuisAltitude(m, 0), 1000);
    EXPECT_DOUBLE_EQ(YDepuisAltitude(m, 10000), 0);
    EXPECT_DOUBLE_EQ(YDepuisAltitude(m, -70000), 8000);
    EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, 1500), -5000);
    EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, -100), 11000);  // above the top: left to the caller
    for (double a : {-69999.5, -1234.567, 0.001, 8888.8})
        EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, YDepuisAltitude(m, a)), a);
    m.NbTranches = 10;  // the same height now holds 10 bands
    EXPECT_DOUBLE_EQ(AltitudeDepuisY(m, 8000), -90000);
    // No height or no band: never a NaN or an infinite altitude.
    m.NbTranches = 0;
    EXPECT_EQ(AltitudeDepuisY(m, 500), 0);
    EXPECT_FALSE(EchelleValide(m));
    m.NbTranches = 8;
    m.HauteurGraphe = 0;
    EXPECT_EQ(AltitudeDepuisY(m, 500), 0);
    EXPECT_TRUE(std::isfinite(YDepuisAltitude(m, 500)));
}

TEST(Reequilibrage, SectionDeReferenceInchangee) {
    for (int passe = 0; passe < 2; ++passe) {
        Modele m = SectionDeDepart();
        Trace t;
        t.m = &m;
        if (passe == 0) RééQUILIBRAGE(m, t);
        else {
            for (int i = 1; i <= 25; ++i) {
                m.HautRepereProfond[i] = 5000;
                m.HautRepereIntermediaire[i] = 12000;
            }
            Rééquilibrage2(m, t);
        }
        for (int i = 1; i <= 25; ++i) {
            SCOPED_TRACE(passe == 0 ? "RééQUILIBRAGE" : "Rééquilibrage2");
            EXPECT_DOUBLE_EQ(m.AltSurface[i], 0);
            EXPECT_DOUBLE_EQ(m.ProfMoho[i], 30);
            EXPECT_DOUBLE_EQ(m.EpManteau[i], 70);
            EXPECT_DOUBLE_EQ(m.AltRepereProfond[i], -25);
            EXPECT_DOUBLE_EQ(m.AltRepereIntermediaire[i], -18);
        }
        EXPECT_EQ(t.colonnes.size(), 250u);  // ten passes of 25 columns
        EXPECT_EQ(t.niveaux.size(), 250u);
    }
}

TEST(Reequilibrage, ColonneImmergeeConvergeEnDixPasses) {
    // 20 km of basement under water, starting from −1.9 km.
    const double attendu[] = {-2.570, -2.777, -2.841, -2.861, -2.867, -2.869, -2.870, -2.870, -2.870, -2.870};
    Modele m = SectionDeDepart();
    m.NbColonnes = 10;
    m.EpSocle[3] = 20;
    m.AltProfil[3] = m.AltSurface[3] = -1.9;
    m.AltSocle[3] = -1.9;
    Trace t;
    RééQUILIBRAGE(m, t);
    // Each pass draws the column with the basement altitude of the pass before.
    std::vector<double> dessinees;
    for (const auto& a : t.colonnes)
        if (a.i == 3) dessinees.push_back(a.altSocle);
    ASSERT_EQ(dessinees.size(), 10u);
    EXPECT_DOUBLE_EQ(dessinees[0], -1.9);
    for (int k = 1; k < 10; ++k) EXPECT_NEAR(dessinees[k], attendu[k - 1], 1e-12) << "pass " << k + 1;
    EXPECT_NEAR(m.AltSocle[3], -2.870, 1e-12);
    EXPECT_NEAR(m.HauteurEau[3], 2870, 1e-6);  // water over the basement top of the pass before
}

TEST(Reequilibrage, ChargesEtArrondis) {
    Modele m = SectionDeDepart();
    Trace t;
    // 1 km of sediments on a reference column.
    m.EpSediments[1] = 1;
    m.AltProfil[1] = 1;
    // A column at 1.982 km (40 km of crust in balance) left with 30 km of
    // basement: it sinks back to sea level.
    m.AltSocle[2] = m.AltProfil[2] = 1.982;
    m.EpSocle[2] = 30;
    // Basement thickness rounded to 0.1 km.
    m.EpSocle[3] = 30.04;
    m.EpSocle[4] = 30.06;
    RééQUILIBRAGE(m, t);
    EXPECT_DOUBLE_EQ(m.AltSocle[1], -0.721);
    EXPECT_DOUBLE_EQ(m.AltSurface[1], 0.279);
    EXPECT_NEAR(m.AltSocle[2], 0, 1e-12);
    EXPECT_DOUBLE_EQ(m.EpSocle[3], 30.0);
    EXPECT_DOUBLE_EQ(m.EpSocle[4], 30.1);
}

TEST(Reequilibrage, EauEtGlaceDesColonnesInondees) {
    Modele m = SectionDeDepart();
    Trace t;
    // A thin crust carrying ice: once under water, it loses the ice.
    m.EpSocle[5] = 20;
    m.AltSocle[5] = m.AltProfil[5] = -0.5;
    m.EpGlace[5] = 0.3;
    RééQUILIBRAGE(m, t);
    EXPECT_EQ(m.EpGlace[5], 0);
    EXPECT_GT(m.HauteurEau[5], 0);
    EXPECT_DOUBLE_EQ(m.AltSurface[5], m.AltSocle[5]);
    // A dry column keeps its ice and floats lower under it.
    Modele n = SectionDeDepart();
    n.EpGlace[6] = 1;
    n.AltProfil[6] = 1;
    RééQUILIBRAGE(n, t);
    EXPECT_EQ(n.EpGlace[6], 1);
    EXPECT_EQ(n.HauteurEau[6], 0);
    EXPECT_NEAR(n.AltSocle[6], AltSocleEquilibre(n, 0, 1, 30, 1.03, 2.67, 3.33, 30, 100, 1, 0, 2.4), 1e-12);
    // 0.98 / 3.33 = 0.2943 km, cut down to the metre below.
    EXPECT_NEAR(n.AltSocle[6], -0.295, 1e-12);
}

TEST(Reequilibrage, ElementZeroEtColonnesAuDelaIntactes) {
    Modele m = SectionDeDepart();
    m.NbColonnes = 10;
    m.EpSocle[11] = 45;  // beyond the columns in use
    m.AltSocle[11] = 7;
    Trace t;
    t.m = &m;
    RééQUILIBRAGE(m, t);
    Rééquilibrage2(m, t);
    CalculeEpSocleMax(m);
    const Colonnes* tableaux[] = {&m.AltSurface, &m.AltProfil, &m.AltSocle, &m.HauteurEau, &m.EpSocle,
                                  &m.EpCroute, &m.ProfMoho, &m.EpManteau, &m.AltRepereProfond,
                                  &m.AltRepereIntermediaire, &m.HautRepereProfond, &m.EpSocleM};
    for (const Colonnes* c : tableaux) EXPECT_EQ((*c)[0], 0);
    EXPECT_EQ(m.EpSocle[11], 45);
    EXPECT_EQ(m.AltSocle[11], 7);
    for (const auto& a : t.colonnes) EXPECT_TRUE(a.i >= 1 && a.i <= 10);
    EXPECT_DOUBLE_EQ(m.EpSocleMax, 30);
    // A count beyond the arrays never reads past them.
    m.NbColonnes = 200;
    RééQUILIBRAGE(m, t);
    CalculeEpSocleMax(m);
    EXPECT_EQ(m.AltSurface[0], 0);
}

TEST(Reperes, FixesOuRederives) {
    // A 2 km mountain column, then 1 km of basement eroded away.
    for (bool fixes : {false, true}) {
        Modele m = SectionDeDepart();
        // A 2 km column in balance: 40.091 km of basement (table above).
        m.AltSocle[5] = m.AltProfil[5] = 2;
        m.EpSocle[5] = m.EpCroute[5] = 40.091;
        MajReperes(m, 5, 40.091, 0, 0, 0, 2);
        EXPECT_NEAR(m.ProfMoho[5], 38.091, 1e-9);
        // Nominal depths are counted down from the basement top.
        EXPECT_NEAR(m.AltRepereProfond[5], 2 - 25, 1e-9);
        EXPECT_NEAR(m.AltRepereIntermediaire[5], 2 - 18, 1e-9);
        const double mohoAvant = m.ProfMoho[5], profondAvant = m.AltRepereProfond[5];
        m.ReperesFixes = fixes;
        m.EpSocle[5] -= 1;
        const double h = AltSocleEquilibre(m, 1, 1, m.EpSocle[5], 1.03, 2.67, 3.33, 30, 100, 0, 0, 2.4);
        MajReperes(m, 5, m.EpSocle[5], 0, 0, 0, h);
        const double montee = mohoAvant - m.ProfMoho[5];
        EXPECT_GT(montee, 0.7);
        if (fixes)  // the levels ride up with the Moho
            EXPECT_NEAR(m.AltRepereProfond[5] - profondAvant, montee, 1e-9);
        else        // they stay at their nominal depth below the basement top
            EXPECT_NEAR(m.AltRepereProfond[5], h - 25, 1e-9);
    }
}

TEST(Reperes, BornesDuSocleEtDuMoho) {
    Modele m = SectionDeDepart();
    // Exhumed: the intermediate level above the basement top stays on it.
    m.AltSocle[1] = -19;
    BorneReperes(m, 1);
    EXPECT_EQ(m.AltRepereIntermediaire[1], -19);
    EXPECT_EQ(m.AltRepereProfond[1], -25);
    // Thinned crust: the deep level below the Moho is put on the Moho, only
    // while the zones are shown.
    m.ProfMoho[2] = 22;
    m.RepresenteReperes = false;
    BorneReperes(m, 2);
    EXPECT_EQ(m.AltRepereProfond[2], -25);
    m.RepresenteReperes = true;
    BorneReperes(m, 2);
    EXPECT_EQ(m.AltRepereProfond[2], -22);
    EXPECT_EQ(m.AltRepereIntermediaire[2], -18);
}

TEST(Reperes, Reequilibrage2NeBorneAuSocleQuAuDessusDeLaMer) {
    Modele m = SectionDeDepart();
    m.NbColonnes = 1;
    // A column under water whose intermediate level would end above its
    // basement top keeps the computed altitude.
    m.EpSocle[1] = 20;
    m.AltSocle[1] = m.AltProfil[1] = m.AltSurface[1] = -2.87;
    m.HautRepereIntermediaire[1] = 21500;
    m.HautRepereProfond[1] = 5000;
    Trace t;
    Rééquilibrage2(m, t);
    EXPECT_GT(m.AltRepereIntermediaire[1], m.AltSocle[1]);
    EXPECT_LT(m.AltRepereIntermediaire[1], 0);
}

TEST(EpaisseurMax, PlusGrandSocle) {
    Modele m = SectionDeDepart();
    m.EpSocle[7] = 52.5;
    m.EpSocle[25] = 31;
    CalculeEpSocleMax(m);
    EXPECT_DOUBLE_EQ(m.EpSocleMax, 52.5);
}
