// Presses and commands whose set-up a user cannot reach in a few clicks:
// the erosion-level marking, equal densities, presses off the section,
// the animation mode, the guard after an erosion run, the pointer.
#include <gtest/gtest.h>

#include <vector>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "isostasie.h"
#include "moteur.h"
#include "outils.h"
#include "programme.h"

namespace terraflot {
namespace {

// Records the pointer shapes as the commands set them.
struct PlateformeTrace : essais::PlateformeIci {
    void PointeurChange(Pointeur p) override { pointeurs.push_back(p); }
    std::vector<Pointeur> pointeurs;
};

struct Session : essais::Demarre<PlateformeTrace> {
    void Presse(int c, double alt) { AppuieAlt(p, c, alt); }
    size_t NbMessages() const { return p.ihm.messages.size(); }
    const Message& Dernier() const { return p.ihm.messages.back(); }
};

// Every per-column array of the model, for "nothing changed" checks.
std::vector<Colonnes> Colonnes_(const Modele& m) {
    std::vector<Colonnes> v;
    for (const auto& [nom, tableau] : TABLEAUX_COLONNES) v.push_back(m.*tableau);
    return v;
}

TEST(Reperage, ErosionLevelBetweenSeaLevelAndSurface) {
    Session s;
    s.Presse(5, 2000);
    // While the erosion panel shows, the marking wins over every mode flag,
    // Moho included.
    Menu(s.p, "mnu_modifmoho");
    ASSERT_TRUE(s.m.ModeMoho);
    s.m.ReperageErosion = true;
    s.p.ihm.Picture2_visible = true;
    const auto avant = Colonnes_(s.m);
    const QImage image = s.p.dessin.Image().copy();

    // At the surface: recorded, nothing to erode, so no mark.
    s.Presse(5, 2000);
    EXPECT_DOUBLE_EQ(s.m.ProfilErosion[5], 2.0);
    EXPECT_EQ(s.p.Label("Quiral.Label1"), "Construction d'un profil d'érosion");
    EXPECT_TRUE(s.p.dessin.Image() == image) << "a mark was drawn at the surface";
    EXPECT_DOUBLE_EQ(s.m.ProfMoho[5], avant[9][5]) << "the Moho branch ran";

    // Sea level is the lowest level; the mark is drawn.
    s.Presse(5, 0);
    EXPECT_EQ(s.m.ProfilErosion[5], 0.0);
    EXPECT_FALSE(s.p.dessin.Image() == image) << "no mark at sea level";
    EXPECT_EQ(s.NbMessages(), 0u);

    // One metre below sea level, or above the surface: refused, no icon.
    for (double alt : {-1.0, 2001.0}) {
        s.m.ProfilErosion[5] = 0.5;
        s.Presse(5, alt);
        ASSERT_EQ(s.NbMessages(), 1u) << alt;
        EXPECT_EQ(s.Dernier().texte,
                  "Vous dépassez les altitudes possibles compte tenu de votre profil actuel");
        EXPECT_EQ(s.Dernier().icone, Icone::Aucune);
        EXPECT_EQ(s.Dernier().titre, "TERRAFLOT");
        EXPECT_EQ(s.m.ProfilErosion[5], 0.5) << alt;
        s.p.ihm.messages.clear();
    }
    // The level is kept to the metre.
    s.Presse(5, 1234.5678);
    EXPECT_DOUBLE_EQ(s.m.ProfilErosion[5], 1.235);
    EXPECT_TRUE(s.m.ReperageErosion) << "a press disarmed the marking";

    // The panel hidden, the press goes to the Moho branch.
    s.p.ihm.Picture2_visible = false;
    s.Presse(5, -50000);
    EXPECT_DOUBLE_EQ(s.m.ProfMoho[5], 50.0);
    EXPECT_DOUBLE_EQ(s.m.ProfilErosion[5], 1.235);
}

TEST(Profil, EqualCrustAndMantleDensitiesRefused) {
    Session s;
    s.m.MvCroute = s.m.MvManteau;
    const auto avant = Colonnes_(s.m);
    const std::string label8 = s.p.Label("Quiral.Label8");
    // The altitude is checked first.
    s.Presse(5, -2000);
    ASSERT_EQ(s.NbMessages(), 1u);
    EXPECT_EQ(s.Dernier().icone, Icone::Question);
    s.Presse(5, 2000);
    ASSERT_EQ(s.NbMessages(), 2u);
    EXPECT_EQ(s.Dernier().texte,
              "La masse volumique de la croûte doit être différente de celle du manteau.");
    EXPECT_EQ(s.Dernier().icone, Icone::Stop);
    EXPECT_EQ(s.Dernier().boutons, Boutons::Ok);
    EXPECT_EQ(s.Dernier().titre, "TERRAFLOT");
    EXPECT_TRUE(Colonnes_(s.m) == avant) << "a refused press changed the section";
    EXPECT_EQ(s.p.Label("Quiral.Label8"), label8);
    EXPECT_DOUBLE_EQ(s.m.EpSocleMax, 30.0);
}

// Presses that cannot name a column of the arrays change nothing at all.
TEST(Clic, PressesOffTheArraysOrWithoutScale) {
    Session s;
    const auto avant = Colonnes_(s.m);
    const double y = YDepuisAltitude(s.m, 2000);
    // Column 101 and far beyond.
    Appuie(s.p, s.m.OrigineX + 100 * s.m.LargeurColonne + 1, y, 2000);
    Appuie(s.p, 1e300, y, 2000);
    EXPECT_TRUE(Colonnes_(s.m) == avant);
    EXPECT_EQ(s.m.ColonneClic, 0);
    // Column 100 is the last one a press may edit.
    Appuie(s.p, s.m.OrigineX + 99.5 * s.m.LargeurColonne, y, 2000);
    EXPECT_EQ(s.m.ColonneClic, 100);
    EXPECT_DOUBLE_EQ(s.m.AltSocle[100], 2.0);

    Session z;
    const auto debut = Colonnes_(z.m);
    z.m.LargeurColonne = 0;
    Appuie(z.p, 1000, y, 2000);
    z.m.LargeurColonne = 500;
    z.m.HauteurGraphe = 0;
    Appuie(z.p, 1000, 0);
    EXPECT_TRUE(Colonnes_(z.m) == debut);
    EXPECT_EQ(z.NbMessages(), 0u);
    EXPECT_EQ(z.m.ColonneClic, 0);
}

// With no mode flag (the animation mode) a press still runs the final step.
TEST(Clic, FinalStepWithoutModeDrownsTheIce) {
    Session s;
    s.m.ModeProfil = false;
    s.m.AltSocle[4] = -0.6;
    s.m.EpSediments[4] = 0.1;
    s.m.EpGlace[4] = 0.3;
    s.m.EpSocle[4] = 45;
    s.Presse(4, 1000);
    EXPECT_DOUBLE_EQ(s.m.AltSurface[4], -0.2);
    EXPECT_EQ(s.m.HauteurEau[4], 200);
    EXPECT_EQ(s.m.EpGlace[4], 0);
    EXPECT_DOUBLE_EQ(s.m.EpSocleMax, 45);
    EXPECT_EQ(s.m.AltProfil[4], 0) << "a branch ran";
}

TEST(Charges, DepositUnderTheSeaAndInsideTheSediments) {
    Session s;
    Menu(s.p, "mnu_dépôt");
    s.m.AltSocle[6] = -3;
    s.Presse(6, -1000);
    EXPECT_DOUBLE_EQ(s.m.EpSediments[6], 2);
    EXPECT_EQ(s.m.HauteurEau[6], 1000);
    EXPECT_DOUBLE_EQ(s.m.EpCroute[6], 32);
    // Between the basement and the surface the sediments thin to the press.
    s.Presse(6, -1500);
    EXPECT_DOUBLE_EQ(s.m.EpSediments[6], 1.5);
    EXPECT_EQ(s.m.HauteurEau[6], 1500);
}

TEST(Modes, GuardAfterAnErosionRunAndRepeatedErosionChoice) {
    Session s;
    // An armed erosion level lets both reshaping modes through the guard.
    s.m.ReperesFixes = true;
    s.m.ReperageErosion = true;
    Menu(s.p, "mnu_érosion");
    EXPECT_TRUE(s.m.ModeErosion);
    Menu(s.p, "mnu_modifmoho");
    EXPECT_TRUE(s.m.ModeMoho);
    EXPECT_EQ(s.NbMessages(), 0u);

    // "Simuler l'érosion" clears the counters at every choice, keeps Label7.
    s.p.Label("Quiral.Label7", " 160 km3");
    for (int fois = 0; fois < 2; ++fois) {
        s.m.ErosionCumulee[3] = 0.4;
        s.m.ErosionCumulee[100] = 0.2;
        s.m.SommeErosion = 0.6;
        Menu(s.p, "mnu_use");
        EXPECT_EQ(s.m.ErosionCumulee[3], 0) << fois;
        EXPECT_EQ(s.m.ErosionCumulee[100], 0) << fois;
        EXPECT_EQ(s.m.SommeErosion, 0) << fois;
    }
    EXPECT_EQ(s.p.Label("Quiral.Label7"), " 160 km3");
    // Another current mode chosen again keeps them.
    Menu(s.p, "mnu_glaciation");
    s.m.ErosionCumulee[3] = 0.4;
    Menu(s.p, "mnu_glaciation");
    EXPECT_EQ(s.m.ErosionCumulee[3], 0.4);
    // The melt clears them even without ice.
    s.m.SommeErosion = 0.4;
    Menu(s.p, "mnu_fonte");
    EXPECT_EQ(s.m.ErosionCumulee[3], 0);
    EXPECT_EQ(s.m.SommeErosion, 0);
}

TEST(Section, HourglassDuringReadjustment) {
    Session s;
    s.pf.pointeurs.clear();
    Menu(s.p, "mnu_réajuster");
    ASSERT_EQ(s.pf.pointeurs.size(), 2u);
    EXPECT_EQ(s.pf.pointeurs[0], Pointeur::Sablier);
    EXPECT_EQ(s.pf.pointeurs[1], Pointeur::Defaut);
}

// A window or menu item name the program does not have is a slip in the
// program: the state refuses it at once and keeps no entry for it.
TEST(Etat, UnknownWindowOrMenuNameIsAProgrammingError) {
    Session s;
    const size_t fenetres = s.p.ihm.fenetres.size(), menus = s.p.ihm.menus.size();
    EXPECT_THROW(s.p.Fen("Quiral2"), std::logic_error);
    EXPECT_THROW(s.p.MenuItem("mnu_inexistant"), std::logic_error);
    EXPECT_THROW(s.p.MenuItem("Préférences.mnu_profil"), std::logic_error);
    EXPECT_EQ(s.p.ihm.fenetres.size(), fenetres);
    EXPECT_EQ(s.p.ihm.menus.size(), menus);
    EXPECT_EQ(s.p.MenuItem("mnu_profil").libelle,
              "Construire un nouveau profil topographique équilibré");
    EXPECT_TRUE(s.p.Fen("Quiral").chargee);
}

} // namespace
} // namespace terraflot
