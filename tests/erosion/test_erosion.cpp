// Erosion runs too long for scenario lines (those: scenarios/erosion_animation.tf).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "moteur.h"

using namespace terraflot;

static Programme& Joue(Moteur& moteur, const std::vector<std::string>& lignes) {
    std::ostringstream sortie;
    for (const std::string& l : lignes) EXPECT_TRUE(moteur.Ligne(l, 1, sortie)) << l;
    EXPECT_EQ(sortie.str().find("refused"), std::string::npos) << sortie.str();
    return moteur.programme();
}

// 19 columns rising by 400 m to 4000 m in column 13: 40 km of relief worn
// away whole without rebound, 40 / (1 - 2.67 / 3.33) = 202 km with it.  The
// ending tick adds no time; only the re-balanced section may start again.
TEST(Animation, RangeWornAwayWithAndWithoutRebound) {
    for (const bool seule : {false, true}) {
        Moteur moteur(DossierExecutable());
        std::vector<std::string> lignes;
        for (int c = 4; c <= 22; ++c)
            lignes.push_back("pressalt " + std::to_string(c) + " " + std::to_string(4000 - 400 * std::abs(c - 13)));
        lignes.insert(lignes.end(), {"menu mnu_Anim_érosion", seule ? "click Option2" : "click Option1", "click HLBBttn3"});
        Programme& p = Joue(moteur, lignes);
        int ticks = 0;
        for (; p.ihm.Timer1.actif && ticks < 1000; ++ticks) Joue(moteur, {"tick"});
        EXPECT_EQ(p.m.TempsEcoule, ticks - 1);
        EXPECT_EQ(p.Label("Quiral.Label7"), seule ? " 16100 km3" : " 80800 km3");
        EXPECT_EQ(p.Label("Quiral.Label1"), seule ? "Erosion  terminée pour le profil d'érosion choisi; le profil n'est pas équilibré."
                                                  : "Erosion  et rééquilibrage isostatique terminés pour le profil d'érosion choisi.");
        Joue(moteur, {"click HLBBttn3"});
        EXPECT_EQ(p.ihm.Timer1.actif, !seule);
        EXPECT_EQ(p.ihm.messages.empty() ? "" : p.ihm.messages.back().texte,
                  seule ? "Avant de simuler l'érosion d'un portion de croûte continentale, vous devez l'équilibrer." : "");
    }
}

// A crust denser than the mantle: each cycle lifts the column more than it
// removes.  The run goes on, every value stays a number.
TEST(Animation, DenseCrustGrowsWithoutNaN) {
    Moteur moteur(DossierExecutable());
    const Programme& p = Joue(moteur, {"pressalt 5 -1000", "menu mnu_modifier", "bar VScroll2MV 340", "bar VScroll3MV 300",
                                       "menu mnu_Anim_érosion", "click HLBBttn3", "tick 40000"});
    EXPECT_TRUE(p.ihm.Timer1.actif);
    EXPECT_GT(p.m.AltSurface[5], 1e6);
    for (const auto& [nom, tableau] : TABLEAUX_COLONNES)
        for (double v : p.m.*tableau) ASSERT_TRUE(std::isfinite(v)) << nom;
    EXPECT_TRUE(std::isfinite(p.m.SommeErosion));
}
