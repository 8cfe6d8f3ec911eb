// The dialog's handlers where the dump cannot tell: how many section
// updates a move runs (one hourglass each), nested range changes, odd
// basement thicknesses.
#include <gtest/gtest.h>

#include <limits>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "preferences.h"
#include "isostasie.h"
#include "moteur.h"
#include "programme.h"

namespace terraflot {
namespace {

struct PlateformeComptee : essais::PlateformeIci {
    void PointeurChange(Pointeur p) override { sabliers += p == Pointeur::Sablier; }
    int sabliers = 0;
};

struct Session : essais::Demarre<PlateformeComptee> {
    const Barre& B(const char* nom) { return p.ihm.barres.at(nom); }
    template <class F>
    int Mises(F action) {
        const int avant = pf.sabliers;
        action();
        return pf.sabliers - avant;
    }
};

TEST(Ouverture, LoadStepRunsOnceWithNineUpdates) {
    Session s;
    s.p.m.ErosionCumulee[100] = 2;
    s.p.m.SommeErosion = 2;
    // Seven parameter bars and the two level bars leave their smallest end.
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 9);
    EXPECT_EQ(s.p.m.ErosionCumulee[100], 0);
    EXPECT_EQ(s.p.m.SommeErosion, 0);
    EXPECT_FALSE(s.p.Fen("Préférences").modale);

    s.pf.reponses.push_back(true);
    EXPECT_EQ(s.Mises([&] { Preferences_mnu_quitter_Click(s.p); }), 1);
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 0) << "shown again as left";
    s.p.Decharge("Préférences");  // as the mountain-erosion mode does
    EXPECT_EQ(s.Mises([&] { mnu_modifier_Click(s.p); }), 9);
    // Counts and speed rebuild without an update.
    EXPECT_EQ(s.Mises([&] {
                  ChangeBarre(s.p, "VScroll1", 40);
                  ChangeBarre(s.p, "HScroll1", 3);
              }), 0);
}

// Opening after the animation mode closed the dialog: the bars take the
// parameters left by the earlier session, the gauge the speed bar's value.
TEST(Ouverture, OpeningValuesFollowTheParameters) {
    for (int intervalle : {1, 1000}) {
        Session s;
        s.p.m.MvCroute = s.p.m.MvCrouteSauve = 3.1;
        s.p.m.IntervalleAnimation = std::int16_t(intervalle);
        mnu_modifier_Click(s.p);
        EXPECT_EQ(s.B("VScroll2MV").valeur, 310);
        EXPECT_EQ(s.B("HScroll1").valeur, 1001 - intervalle);
        EXPECT_EQ(s.p.ihm.Gauge1_value, 1001 - intervalle) << "interval " << intervalle;
    }
}

// A move outside the narrowed range runs the handler again, nested, before
// the first run goes on with the bar's new value: two updates.
TEST(Niveaux, NarrowedDeepLevelRunsTheHandlerTwice) {
    Session s;
    mnu_modifier_Click(s.p);
    s.p.m.EpSocleMax = 20.4;
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll3NC", 24); }), 2);
    EXPECT_EQ(s.B("VScroll3NC").valeur, 20);
    EXPECT_EQ(s.B("VScroll3NC").max, 20);
    EXPECT_EQ(s.p.m.ProfRepereProfond, 20);
    s.p.m.EpSocleMax = 20.5;  // half a kilometre rounds up
    EXPECT_EQ(s.Mises([&] { ChangeBarre(s.p, "VScroll3NC", 19); }), 1);
    EXPECT_EQ(s.B("VScroll3NC").max, 21);
}

// Basements all thinner than the intermediate level, or grown without
// bound: the deep-level range never runs backwards, so the deep level never
// rises above the intermediate one.
TEST(Niveaux, DeepLevelRangeNeverRunsBackwards) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double e : {10.0, -inf, inf, std::numeric_limits<double>::quiet_NaN()}) {
        Session s;
        mnu_modifier_Click(s.p);
        s.p.m.EpSocleMax = e;
        ChangeBarre(s.p, "VScroll3NC", 15);
        const Barre& b = s.B("VScroll3NC");
        EXPECT_EQ(b.min, 18) << e;
        EXPECT_LE(b.min, b.valeur) << e;
        EXPECT_LE(b.valeur, b.max) << e;
        EXPECT_GE(s.p.m.ProfRepereProfond, s.p.m.ProfRepereIntermediaire) << e;
    }
}

} // namespace
} // namespace terraflot
