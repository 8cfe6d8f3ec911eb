// Parameters at the ends of their bars: every density at both ends in every
// combination, the compensation level at 50 km, a reference crust of 12 and
// of 60 km, 10 and 100 columns, 4 and 20 bands.  The model keeps finite
// values, the section is still drawn, and the erosion animation ends while
// the crust is lighter than the mantle.  With a crust as dense as the
// mantle or denser, erosion no longer lowers the relief (it stays or grows),
// so a run never ends by itself: there a bounded number of ticks must run
// without a fault.
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cmath>
#include <set>
#include <sstream>

#include "etat.h"
#include "moteur.h"

using namespace terraflot;

namespace {

std::string Joue(Moteur& moteur, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(moteur.Execute(in, out), 0) << out.str();
    return out.str();
}

// First stored value that is not finite, or "".
std::string NonFini(const Modele& m) {
    for (const auto& [nom, t] : TABLEAUX_COLONNES)
        for (int i = 0; i < NB_ELEMENTS; ++i)
            if (!std::isfinite((m.*t)[i])) return std::string(nom) + "[" + std::to_string(i) + "]";
    for (double x : {m.SommeErosion, m.TempsEcoule, m.EpSocleMax, m.YCurseur})
        if (!std::isfinite(x)) return "a scalar";
    return {};
}

// The section is drawn: a picture of the drawing area with its layers.
int Couleurs(Moteur& moteur) {
    const QImage image = moteur.programme().dessin.Image().copy();
    std::set<QRgb> vues;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) vues.insert(image.pixel(x, y));
    return int(vues.size());
}

struct Cas {
    bool ocean, croute, manteau, sediments, glace;   // true: top end of the bar
    bool compensation50, croute12, colonnes100, tranches20;
    std::string Nom() const {
        std::ostringstream s;
        s << "ocean " << (ocean ? "max" : "min") << ", crust " << (croute ? "max" : "min")
          << ", mantle " << (manteau ? "max" : "min") << ", sediments " << (sediments ? "max" : "min")
          << ", ice " << (glace ? "max" : "min") << ", compensation " << (compensation50 ? 50 : 100)
          << ", reference crust " << (croute12 ? 12 : 60) << ", " << (colonnes100 ? 100 : 10)
          << " columns, " << (tranches20 ? 20 : 4) << " bands";
        return s.str();
    }
};

class Extremes : public ::testing::TestWithParam<int> {};

TEST_P(Extremes, DensitesAuxBouts) {
    const int k = GetParam();
    // The five density ends in every combination; the other four settings
    // take both their ends across the combinations.
    const Cas c{bool(k & 1), bool(k & 2), bool(k & 4), bool(k & 8), bool(k & 16),
                bool((k >> 1) & 1) != bool(k & 1), bool((k >> 2) & 1) != bool((k >> 4) & 1),
                bool(k % 3 == 0), bool(k % 5 < 2)};
    SCOPED_TRACE(c.Nom());
    Moteur moteur(DossierExecutable());
    Programme& p = moteur.programme();

    // A relief built with the start values: mountains, a plain and basins.
    std::ostringstream relief;
    const int altitudes[] = {0, 1500, 4000, 8000, 9000, 6000, 2000, 500, -500, -1500};
    for (int col = 1; col <= 25; ++col) relief << "pressalt " << col << " " << altitudes[col % 10] << "\n";
    relief << "menu mnu_glaciation\npressalt 3 5000\nmenu mnu_dépôt\npressalt 9 -200\n"
              "menu mnu_profil\n";
    Joue(moteur, relief.str());

    std::ostringstream reglages;
    reglages << "menu mnu_modifier\n"
             << "bar VScroll1NC " << (c.compensation50 ? 50 : 100) << "\n"
             << "bar VScroll2NC " << (c.croute12 ? 12 : 60) << "\n"
             << "bar VScroll1MV " << (c.ocean ? 150 : 100) << "\n"
             << "bar VScroll2MV " << (c.croute ? 340 : 220) << "\n"
             << "bar VScroll3MV " << (c.manteau ? 450 : 300) << "\n"
             << "bar VScroll4MV " << (c.sediments ? 330 : 160) << "\n"
             << "bar VScroll5MV " << (c.glace ? 150 : 50) << "\n"
             << "bar VScroll1 " << (c.colonnes100 ? 100 : 10) << "\n"
             << "bar VScroll2 " << (c.tranches20 ? 20 : 4) << "\n"
             << "bar HScroll1 1000\n"
             << "answer yes\nmenu Préférences.mnu_quitter\n";
    Joue(moteur, reglages.str());
    ASSERT_EQ(NonFini(p.m), "") << "after the dialog";
    EXPECT_EQ(p.m.NbColonnes, c.colonnes100 ? 100 : 10);
    EXPECT_EQ(p.m.NbTranches, c.tranches20 ? 20 : 4);
    EXPECT_GE(Couleurs(moteur), 3) << "the section is drawn";

    // Profile presses at every height, and the other tools.
    Joue(moteur, "pressalt 1 9000\npressalt 2 -1999\nmenu mnu_réajuster\nmenu mnu_modifmoho\n"
                 "pressalt 4 -6000\nmenu mnu_réajuster\nmenu mnu_fonte\nmenu mnu_profil\n"
                 "menu mnu_réajuster\n");
    ASSERT_EQ(NonFini(p.m), "") << "after the edits";
    EXPECT_GE(Couleurs(moteur), 3);

    // The animation: a run lasts until nothing stands above the profile.
    Joue(moteur, "menu mnu_Anim_érosion\nclick HLBBttn3\n");
    const bool lancee = p.ihm.Timer1.actif;
    const auto debut = std::chrono::steady_clock::now();
    int ticks = 0;
    for (; ticks < 1000 && p.ihm.Timer1.actif; ticks += 50) {
        Joue(moteur, "tick 50\n");
        ASSERT_EQ(NonFini(p.m), "") << "after " << ticks + 50 << " ticks";
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    EXPECT_LT(secondes, 120.0);
    if (lancee && p.m.MvCroute < p.m.MvManteau) {
        EXPECT_FALSE(p.ihm.Timer1.actif) << "the run did not end in 1000 ticks";
    }
    EXPECT_GE(Couleurs(moteur), 3);
    std::printf("%s: animation %s, %s after %d ticks\n", c.Nom().c_str(),
                lancee ? "started" : "refused", p.ihm.Timer1.actif ? "running" : "ended", ticks);

    // "Pas à pas..." on whatever is left, also on a section out of balance.
    Joue(moteur, "click HLBBttn4\nclick Option2\nclick HLBBttn1\nclick HLBBttn1\nclick Option1\n"
                 "click HLBBttn1\nmovealt 5 -20000\n");
    EXPECT_EQ(NonFini(p.m), "") << "after single steps";
}

INSTANTIATE_TEST_SUITE_P(Combinaisons, Extremes, ::testing::Range(0, 32));

// A frame far larger than any screen: the picture stays of a screen's size
// and the resize takes well under a second or two.
TEST(Cadre, GeantOuMinuscule) {
    Moteur moteur(DossierExecutable());
    Programme& p = moteur.programme();
    for (const char* taille : {"resize 10000000 10000000", "resize 0 10000000", "resize 10000000 0",
                               "resize 0 0", "resize 3000 2400"}) {
        const auto debut = std::chrono::steady_clock::now();
        Joue(moteur, std::string(taille) + "\nmenu mnu_quadrillage\n");
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        EXPECT_LT(s, 10.0) << taille;
        const QImage& image = p.dessin.Image();
        EXPECT_LE(image.width(), 8192) << taille;
        EXPECT_LE(image.height(), 8192) << taille;
        EXPECT_LE(qint64(image.width()) * image.height(), 5120LL * 2880) << taille;
        EXPECT_GE(Couleurs(moteur), 3) << taille;
        EXPECT_EQ(NonFini(p.m), "") << taille;
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
