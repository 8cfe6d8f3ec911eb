// Erosion runs on built sections: ends of runs, rebound, reference levels
// carried by the crust, refusals, and runs that grow without bound.
#include <gtest/gtest.h>

#include <cmath>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "isostasie.h"
#include "nombres.h"
#include "moteur.h"
#include "programme.h"

namespace terraflot {
namespace {

const char* const EQUILIBRER =
    "Avant de simuler l'érosion d'un portion de croûte continentale, vous devez l'équilibrer.";
const char* const FONTE =
    "Avant de simuler l'érosion d'un portion de croûte continentale, vous devez provoquer la fonte des glaces.";

struct Session : essais::Demarre<> {
    Session() { RééQUILIBRAGE(m, p.dessin); }
    // A profile press at alt metres in column c.
    void Relief(int c, double alt) {
        AppuieAlt(p, c, alt);
        ASSERT_EQ(m.AltProfil[c], alt / 1000) << "column " << c;
    }
    // 25 columns rising to 4000 m in column 13; column 25 under 1000 m of water.
    double Chaine() {
        double somme = 0;
        for (int c = 3; c <= 23; ++c) somme += (4000 - 400 * std::abs(c - 13)) / 1000.0;
        for (int c = 3; c <= 23; ++c) Relief(c, 4000 - 400 * std::abs(c - 13));
        Relief(25, -1000);
        return somme;  // km of relief summed over the columns
    }
    int Ticks(int max) {
        int k = 0;
        for (; k < max && p.ihm.Timer1.actif; ++k) Tic(p);
        return k;
    }
    const std::string& L(const char* cle) { return p.Label(cle); }
    std::string Dernier() { return p.ihm.messages.empty() ? "" : p.ihm.messages.back().texte; }
};

// A full run ends by itself; each km of basement removed lowers a column by
// 1 - MvCroute / MvManteau (0.198 km) with rebound, by 1 km without.
TEST(Course, RangeErodedToTheEndWithAndWithoutRebound) {
    for (bool seule : {false, true}) {
        Session s;
        const double relief = s.Chaine();
        const double mer = s.m.AltSurface[25], socle = s.m.EpSocle[25];
        Menu(s.p, "mnu_Anim_érosion");
        if (seule) Clique(s.p, "Option2");
        Clique(s.p, "HLBBttn3");
        ASSERT_TRUE(s.p.ihm.Timer1.actif) << s.Dernier();
        int ticks = 0;
        while (s.p.ihm.Timer1.actif && ticks < 1000) {
            Tic(s.p);
            ++ticks;
            if (s.p.ihm.Timer1.actif) {
                ASSERT_EQ(s.m.AltSurface[25], mer) << "the submerged column moved at tick " << ticks;
            }
        }
        ASSERT_LT(ticks, 1000) << "seule " << seule;
        EXPECT_EQ(s.L("Quiral.Label1"), seule ? "Erosion  terminée pour le profil d'érosion choisi; le profil n'est pas équilibré."
                                              : "Erosion  et rééquilibrage isostatique terminés pour le profil d'érosion choisi.");
        EXPECT_EQ(s.m.TempsEcoule, ticks - 1) << "the ending tick adds no time";
        EXPECT_EQ(s.L("Quiral.Label2"), "Temps écoulé = \r\n" + Str(ticks - 1) + " millions d'années");
        // 40 km of relief worn away, 40 / 0.198 = 202 with rebound; 400 km3 a km.
        EXPECT_EQ(s.L("Quiral.Label7"), seule ? " 16100 km3" : " 80800 km3");
        const double attendu = seule ? relief : relief / (1 - 2.67 / 3.33);
        EXPECT_NEAR(s.m.SommeErosion, attendu, attendu * 0.05) << "seule " << seule;
        EXPECT_EQ(s.m.ErosionCumulee[25], 0);
        EXPECT_EQ(s.m.EpSocle[25], seule ? socle : Int(socle * 10 + 0.5) / 10);
        EXPECT_FALSE(s.m.AnimErosionMassif || s.m.ReperageErosion);
        EXPECT_TRUE(s.p.MenuItem("mnu_Anim_érosion").coche && s.p.ihm.Picture2_visible);
        EXPECT_EQ(s.p.ihm.pointeur, Pointeur::Fleche);
        // Only the re-equilibrated section may start again.
        s.p.ihm.messages.clear();
        Clique(s.p, "HLBBttn3");
        EXPECT_EQ(s.Dernier(), seule ? EQUILIBRER : "");
        EXPECT_EQ(s.p.ihm.Timer1.actif, !seule);
    }
}

// One cycle on a 2 km column: e = 0.185 x 2 + 0.03 = 0.4 km.
TEST(Cycle, OneStepRemovesRebalancesAndCarriesTheLevels) {
    Session s;
    s.Relief(5, 2000);
    s.Relief(6, 2000);
    s.m.ProfilErosion[5] = s.m.ProfilErosion[6] = 1.9;
    Menu(s.p, "mnu_Anim_érosion");
    Clique(s.p, "HLBBttn1");  // no cut before "Démarrer"
    EXPECT_DOUBLE_EQ(s.m.ErosionCumulee[5], 0.4);
    EXPECT_DOUBLE_EQ(s.m.ErosionCumulee[6], 0.4);
    EXPECT_DOUBLE_EQ(s.m.AltSurface[5], 1.920);   // 2 - 0.4 x 0.198, cut to the metre
    EXPECT_DOUBLE_EQ(s.m.ProfMoho[5], 37.771);    // 38.091 raised by 0.32
    EXPECT_DOUBLE_EQ(s.m.AltRepereProfond[5], -22.68);      // -23 raised like the Moho
    EXPECT_DOUBLE_EQ(s.m.AltRepereIntermediaire[5], -15.68);
    EXPECT_EQ(s.L("Quiral.Label7"), " 320 km3");
    EXPECT_EQ(s.L("Quiral.Label8"), " Les niveaux ''repères'' ne sont plus initialisés .");
    // After "Démarrer" only the first column too close to its level is cut.
    Clique(s.p, "HLBBttn3");
    Tic(s.p);
    EXPECT_NEAR(s.m.ErosionCumulee[5], 0.4 + (1.920 - 1.9), 1e-12);
    EXPECT_NEAR(s.m.ErosionCumulee[6], 0.4 + 0.185 * 1.920 + 0.03, 1e-12);

    Session t;  // without rebound: the surface drops by e, the Moho stays
    t.Relief(5, 2000);
    Menu(t.p, "mnu_Anim_érosion");
    Clique(t.p, "Option2");
    Clique(t.p, "HLBBttn1");
    EXPECT_DOUBLE_EQ(t.m.AltSurface[5], 1.6);
    EXPECT_DOUBLE_EQ(t.m.ProfMoho[5], 38.091);
    EXPECT_DOUBLE_EQ(t.m.AltRepereProfond[5], -23);
}

// A 9000 m column: its levels rise until they reach the top of the basement,
// and stay there through the rest of the run and the final re-equilibration.
TEST(Cycle, ExhumedLevelsStayOnTheBasementTop) {
    Session s;
    s.Relief(13, 9000);
    Menu(s.p, "mnu_Anim_érosion");
    Clique(s.p, "HLBBttn3");
    bool exhume = false;
    for (int k = 0; k < 1000 && s.p.ihm.Timer1.actif; ++k) {
        Tic(s.p);
        const double haut = s.m.AltSocle[13];
        if (s.m.AltRepereIntermediaire[13] == haut && haut > 0) exhume = true;
        if (exhume) {
            ASSERT_EQ(s.m.AltRepereIntermediaire[13], haut) << "tick " << k;
        }
    }
    EXPECT_TRUE(exhume);
    EXPECT_EQ(s.m.AltRepereIntermediaire[13], s.m.AltSocle[13]);
    EXPECT_EQ(s.m.AltRepereProfond[13], s.m.AltSocle[13]);
}

// The volume is SommeErosion x 400 km3, to the ten by hand, to the hundred by
// a tick; a section wholly at its level ends at once and adds no time.
TEST(Cycle, VolumeLabelsAndRunEndingAtOnce) {
    Session s;
    Menu(s.p, "mnu_Anim_érosion");
    s.m.ErosionCumulee[1] = 0.9;
    s.m.ErosionCumulee[2] = 0.4;
    Clique(s.p, "HLBBttn1");
    EXPECT_EQ(s.L("Quiral.Label7"), " 520 km3");
    EXPECT_EQ(s.m.TempsEcoule, 0);
    EXPECT_EQ(s.L("Quiral.Label2"), "Temps écoulé = \r\n 0 millions d'années");
    Clique(s.p, "HLBBttn3");
    EXPECT_EQ(s.Ticks(5), 1);
    EXPECT_EQ(s.L("Quiral.Label7"), " 500 km3");
    s.m.ErosionCumulee[3] = 0.2;
    Clique(s.p, "HLBBttn1");
    EXPECT_EQ(s.L("Quiral.Label7"), " 600 km3");
}

TEST(Animation, RefusedSectionsAndTheEntryChosenTwice) {
    Session s;
    s.m.EpGlace[3] = 0.5;
    RééQUILIBRAGE(s.m, s.p.dessin);  // an ice cap in equilibrium
    Menu(s.p, "mnu_Anim_érosion");
    ASSERT_EQ(s.p.ihm.messages.size(), 1u);
    EXPECT_EQ(s.Dernier(), FONTE);
    EXPECT_EQ(s.p.ihm.messages[0].icone, Icone::Question);
    EXPECT_FALSE(s.m.AnimErosionMassif || s.p.ihm.Picture2_visible);
    EXPECT_FALSE(s.p.MenuItem("mnu_modifier").actif);
    // Stops at the first failing column: column 2 out of balance.
    s.m.EpSocle[2] = 31;
    s.m.PressionCompensation[4] = -1;
    Menu(s.p, "mnu_Anim_érosion");
    EXPECT_EQ(s.Dernier(), EQUILIBRER);
    EXPECT_EQ(s.m.PressionCompensation[4], -1);

    Session t;
    Menu(t.p, "mnu_Anim_érosion");
    EXPECT_EQ(t.p.ihm.geometries["Quiral.Picture2"].haut, int(t.m.HauteurZone) - 2025);
    t.m.TempsEcoule = 7;
    Menu(t.p, "mnu_Anim_érosion");
    EXPECT_EQ(t.m.TempsEcoule, 7) << "the entry is checked: nothing happens";
}

// STOP, resume, the interval each tick sets, and a tool mode chosen while
// the timer runs, which leaves it running.
TEST(Animation, TimerFollowsStartAndStop) {
    Session s;
    s.Chaine();
    Menu(s.p, "mnu_Anim_érosion");
    Clique(s.p, "HLBBttn3");
    EXPECT_EQ(s.p.ihm.Timer1.intervalle, 100);
    Tic(s.p);
    EXPECT_EQ(s.p.ihm.Timer1.intervalle, 200);
    EXPECT_EQ(s.p.ihm.pointeur, Pointeur::Sablier);
    Clique(s.p, "HLBBttn4");
    EXPECT_FALSE(s.p.ihm.Timer1.actif);
    EXPECT_EQ(s.p.ihm.pointeur, Pointeur::Fleche);
    Clique(s.p, "HLBBttn3");
    Menu(s.p, "mnu_dépôt");
    Tic(s.p);
    EXPECT_TRUE(s.p.ihm.Timer1.actif);
    EXPECT_EQ(s.m.TempsEcoule, 2);
}

// A crust denser than the mantle: every cycle lifts a column more than it
// removes.  The run goes on for ever; no value may become NaN.
TEST(Animation, DenseCrustGrowsWithoutNaN) {
    Session s;
    s.Relief(5, -1000);
    s.m.MvCroute = s.m.MvCrouteSauve = 3.4;
    s.m.MvManteau = s.m.MvManteauSauve = 3.0;
    RééQUILIBRAGE(s.m, s.p.dessin);
    Menu(s.p, "mnu_Anim_érosion");
    Clique(s.p, "HLBBttn3");
    ASSERT_TRUE(s.p.ihm.Timer1.actif) << s.Dernier();
    EXPECT_EQ(s.Ticks(40000), 40000);
    EXPECT_GT(s.m.AltSurface[5], 1e6);
    for (const Colonnes* a : {&s.m.AltSurface, &s.m.AltSocle, &s.m.EpSocle, &s.m.EpCroute, &s.m.ProfMoho,
                              &s.m.EpManteau, &s.m.AltRepereProfond, &s.m.ErosionCumulee})
        for (double v : *a) ASSERT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(s.m.SommeErosion));
    EXPECT_EQ(s.L("Quiral.Label7").find("n"), std::string::npos) << s.L("Quiral.Label7");
}

} // namespace
} // namespace terraflot
