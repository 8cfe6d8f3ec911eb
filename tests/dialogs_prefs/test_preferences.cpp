// The parameters dialog's handlers, where the dump alone cannot tell: how
// many section updates a move runs, nested range changes, odd thicknesses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/commandes.h"
#include "app/demarrage.h"
#include "app/etat.h"
#include "dialogs/preferences.h"
#include "model/isostasie.h"
#include "replay/moteur.h"

namespace terraflot {
namespace {

// Counts the hourglasses: one for every section update (MiseAJour) or
// validation.
class PlateformeComptee : public PlateformeScript {
public:
    PlateformeComptee() : PlateformeScript(".") {}
    void PointeurChange(Pointeur p) override {
        if (p == Pointeur::Sablier) ++sabliers;
    }
    int sabliers = 0;
};

struct Session {
    PlateformeComptee pf;
    Programme p{pf};
    Session() {
        p.ihm.LargeurEcran = 1280 * 15;
        p.ihm.HauteurEcran = 1024 * 15;
        Demarre(p);
        Click(p, "Avertissement.Command1");
    }
    const Barre& B(const char* nom) { return p.ihm.barres.at(nom); }
    // Hourglasses shown by `action`.
    template <class F>
    int Mises(F action) {
        const int avant = pf.sabliers;
        action();
        return pf.sabliers - avant;
    }
};

TEST(Ouverture, LoadStepRunsOnceAndUpdatesNineTimes) {
    Session s;
    // Seven parameter bars and the two level bars leave their smallest end.
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 9);
    EXPECT_EQ(s.p.ihm.pointeur, Pointeur::Defaut);
    const Fenetre& f = s.p.Fen("Préférences");
    EXPECT_TRUE(f.loaded && f.visible);
    EXPECT_FALSE(f.modale);

    // Shown again as left: no load step.
    s.pf.reponses.push_back(true);
    EXPECT_EQ(s.Mises([&] { EXPECT_EQ(Menu(s.p, "Préférences.mnu_quitter"), ""); }), 1);
    EXPECT_FALSE(s.p.Fen("Préférences").visible);
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 0);

    // Once closed (as the animation mode does) it loads afresh.
    s.p.Decharge("Préférences");
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 9);
    EXPECT_EQ(s.B("VScroll1").value, 25);
}

TEST(Ouverture, ClearsErosionCountersOnly) {
    Session s;
    s.p.m.ErosionCumulee[7] = 1.5;
    s.p.m.ErosionCumulee[100] = 2;
    s.p.m.SommeErosion = 3.5;
    s.p.m.ModeProfil = false;
    s.p.m.ModeDepot = true;
    mnu_modifier_Click(s.p);
    EXPECT_EQ(s.p.m.ErosionCumulee[7], 0);
    EXPECT_EQ(s.p.m.ErosionCumulee[100], 0);
    EXPECT_EQ(s.p.m.SommeErosion, 0);
    EXPECT_TRUE(s.p.m.ModeDepot) << "opening the dialog changes no tool mode";
}

// Parameters left by an earlier opening of the dialog set the bars when it
// loads again, and the gauge always shows the speed bar.
TEST(Ouverture, OpeningValuesFollowTheParameters) {
    for (int intervalle : {1, 200, 1000}) {
        Session s;
        s.p.m.MvCroute = s.p.m.MvCrouteSauve = 3.1;
        s.p.m.MvGlace = s.p.m.MvGlaceSauve = 1.2;
        s.p.m.IntervalleAnimation = std::int16_t(intervalle);
        mnu_modifier_Click(s.p);
        EXPECT_EQ(s.B("VScroll2MV").value, 310);
        EXPECT_EQ(s.B("VScroll5MV").value, 120);
        EXPECT_EQ(s.p.Label("Préférences.Label9MV"), "3,1");
        EXPECT_EQ(s.B("HScroll1").value, 1001 - intervalle);
        EXPECT_EQ(s.p.ihm.Gauge1_value, 1001 - intervalle) << "interval " << intervalle;
        EXPECT_EQ(s.p.m.IntervalleAnimation, intervalle);
    }
}

TEST(Barres, ClampedAndOnlyChangesRunHandlers) {
    Session s;
    EXPECT_FALSE(ChangeBarre(s.p, "VScroll1MV", 120)) << "no bar while the dialog is closed";
    mnu_modifier_Click(s.p);
    EXPECT_FALSE(ChangeBarre(s.p, "VScroll6MV", 120));
    EXPECT_EQ(s.Mises([&] { EXPECT_TRUE(ChangeBarre(s.p, "VScroll2MV", 267)); }), 0);
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll2MV", -40); }), 1);
    EXPECT_EQ(s.B("VScroll2MV").value, 220);
    EXPECT_DOUBLE_EQ(s.p.m.MvCroute, 2.2);
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll2MV", 100); }), 0);
    // Counts and speed rebuild without the update.
    EXPECT_EQ(s.Mises([&] {
                  ChangeBarre(s.p, "VScroll1", 40);
                  ChangeBarre(s.p, "VScroll2", 12);
                  ChangeBarre(s.p, "HScroll1", 3);
              }),
              0);
    EXPECT_EQ(s.p.m.NbColonnes, 40);
    EXPECT_EQ(s.p.m.NbTranches, 12);
    EXPECT_EQ(s.p.m.IntervalleAnimation, 998);
}

// A move outside the narrowed range runs the handler a second time, nested,
// before the first one goes on with the bar's new value.
TEST(Niveaux, NarrowedDeepLevelRunsTheHandlerTwice) {
    Session s;
    mnu_modifier_Click(s.p);
    s.p.m.EpSocleMax = 20.4;
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll3NC", 24); }), 2);
    EXPECT_EQ(s.B("VScroll3NC").value, 20);
    EXPECT_EQ(s.B("VScroll3NC").min, 18);
    EXPECT_EQ(s.B("VScroll3NC").max, 20);
    EXPECT_EQ(s.p.m.ProfRepereProfond, 20);
    EXPECT_EQ(s.p.Label("Préférences.Label2NC"), "20");

    // Half a kilometre rounds away from zero.
    s.p.m.EpSocleMax = 20.5;
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll3NC", 19); }), 1);
    EXPECT_EQ(s.B("VScroll3NC").max, 21);
}

TEST(Niveaux, IntermediateLevelStaysAboveTheDeepOne) {
    Session s;
    mnu_modifier_Click(s.p);
    ChangeBarre(s.p, "VScroll3NC", 22);
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll31NC", 25); }), 2);
    EXPECT_EQ(s.B("VScroll31NC").value, 22);
    EXPECT_EQ(s.B("VScroll31NC").max, 22);
    EXPECT_EQ(s.p.m.ProfRepereIntermediaire, 22);
    EXPECT_LE(s.p.m.ProfRepereIntermediaire, s.p.m.ProfRepereProfond);
}

// Basements all thinner than the intermediate level: the deep-level bar's
// top end would fall below its bottom end.  The range stops at the bottom
// end, so the deep level never rises above the intermediate one.
TEST(Niveaux, DeepLevelRangeNeverRunsBackwards) {
    Session s;
    mnu_modifier_Click(s.p);
    s.p.m.EpSocleMax = 10;
    ChangeBarre(s.p, "VScroll3NC", 15);
    const Barre& b = s.B("VScroll3NC");
    EXPECT_EQ(b.min, 18);
    EXPECT_EQ(b.max, 18);
    EXPECT_EQ(b.value, 18);
    EXPECT_EQ(s.p.m.ProfRepereProfond, 18);
    EXPECT_EQ(s.p.m.ProfRepereIntermediaire, 18);
}

// A section whose basements grew without bound (crust denser than mantle)
// still gives the deep-level bar a usable range.
TEST(Niveaux, NonFiniteBasementThickness) {
    for (double e : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        Session s;
        mnu_modifier_Click(s.p);
        s.p.m.EpSocleMax = e;
        ChangeBarre(s.p, "VScroll3NC", 26);
        const Barre& b = s.B("VScroll3NC");
        EXPECT_LE(b.min, b.value) << e;
        EXPECT_LE(b.value, b.max) << e;
        EXPECT_GE(s.p.m.ProfRepereProfond, s.p.m.ProfRepereIntermediaire) << e;
    }
}

TEST(Quitter, NoKeepsEverythingYesValidates) {
    Session s;
    mnu_modifier_Click(s.p);
    ChangeBarre(s.p, "VScroll1NC", 80);
    s.pf.reponses.push_back(false);
    EXPECT_EQ(s.Mises([&] { Preferences_mnu_quitter_Click(s.p); }), 0);
    EXPECT_TRUE(s.p.Fen("Préférences").visible);
    EXPECT_EQ(s.p.m.NivCompensation, 80);
    ASSERT_EQ(s.p.ihm.messages.size(), 1u);
    EXPECT_EQ(s.p.ihm.messages[0].titre, "Préférences");
    EXPECT_EQ(s.p.ihm.messages[0].icone, Icone::Exclamation);

    s.pf.reponses.push_back(true);
    EXPECT_EQ(s.Mises([&] { Preferences_mnu_quitter_Click(s.p); }), 1);
    EXPECT_TRUE(s.p.Fen("Préférences").loaded);
    EXPECT_FALSE(s.p.Fen("Préférences").visible);
    EXPECT_EQ(s.p.ihm.pointeur, Pointeur::Defaut);
    EXPECT_EQ(s.B("VScroll1NC").value, 80);
}

// Textbook check of the balance with the dialog's values: crust 2.80,
// mantle 3.30, reference crust 35 km; a surface at 5 km needs 68 km of
// crust, 35 + 5 + a root of 5 x 2.8 / 0.5 = 28 km.
TEST(Manuel, RootUnderAFiveKilometreColumn) {
    Session s;
    mnu_modifier_Click(s.p);
    ChangeBarre(s.p, "VScroll2MV", 280);
    ChangeBarre(s.p, "VScroll3MV", 330);
    ChangeBarre(s.p, "VScroll2NC", 35);
    Modele& m = s.p.m;
    ASSERT_DOUBLE_EQ(m.EpCrouteRef, 35);
    m.AltProfil[5] = 5;
    m.EpGlace[5] = 0;
    m.HauteurEau[5] = 0;
    EQ0(m, 5, m.AltProfil[5]);
    EXPECT_NEAR(m.EpCroute[5], 68.0, 1e-9);
    EXPECT_NEAR(m.EpSocle[5], 68.0, 1e-9);
    EXPECT_NEAR(m.EpCroute[5] - 5 - m.EpCrouteRef, 28.0, 1e-9) << "root below the reference Moho";
    EXPECT_NEAR(m.EpManteau[5], 100 - 68 + 5, 1e-9);
}

} // namespace
} // namespace terraflot
