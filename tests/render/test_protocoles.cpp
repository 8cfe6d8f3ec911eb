// The deferred drawing protocol against the literal one: the same actions on
// two programs, and after every action the two pictures must be equal pixel
// for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <sstream>
#include <string>

#include "../proprietes/session.h"
#include "model/isostasie.h"
#include "render/couleurs.h"
#include "replay/moteur.h"

namespace terraflot {
namespace {

// First pixel where the pictures differ, or "" when they are equal.
std::string Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes " + std::to_string(a.width()) + "x" + std::to_string(a.height()) + " and " +
               std::to_string(b.width()) + "x" + std::to_string(b.height());
    if (a == b) return "";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                char t[96];
                std::snprintf(t, sizeof t, "pixel (%d, %d): literal #%06X, deferred #%06X", x, y,
                              a.pixel(x, y) & 0xFFFFFFu, b.pixel(x, y) & 0xFFFFFFu);
                return t;
            }
    return "";
}

struct Paire {
    Moteur litteral{DossierExecutable()};
    Moteur differe{DossierExecutable()};
    std::ostringstream poubelle;
    std::vector<std::string> joue;

    Paire() { litteral.programme().dessin.ChoisitProtocole(Protocole::Litteral); }

    // Plays the line on both; false with a message when the pictures differ.
    ::testing::AssertionResult Joue(const std::string& ligne) {
        joue.push_back(ligne);
        const int n = int(joue.size());
        litteral.Ligne(ligne, n, poubelle);
        differe.Ligne(ligne, n, poubelle);
        std::string d = Difference(litteral.programme().dessin.Image(),
                                   differe.programme().dessin.Image());
        if (d.empty())
            d = Difference(litteral.programme().dessin.ImageEchelle(),
                           differe.programme().dessin.ImageEchelle());
        if (d.empty()) return ::testing::AssertionSuccess();
        std::string script;
        for (const std::string& l : joue) script += "  " + l + "\n";
        return ::testing::AssertionFailure() << "after line " << n << " \"" << ligne << "\": " << d
                                             << "\nscript:\n" << script;
    }
};

// A relief, the grid, the levels, erosion ticks, marks, a column-count
// change: every kind of drawing call, at 25 and 100 columns.
TEST(Protocoles, ScenarioComplet) {
    for (int colonnes : {25, 100}) {
        SCOPED_TRACE(colonnes);
        Paire p;
        const std::vector<std::string> lignes = {
            "menu mnu_modifier", "bar VScroll1 " + std::to_string(colonnes),
            "bar VScroll2 " + std::string(colonnes == 100 ? "20" : "8"), "menu Préférences.mnu_quitter",
            "pressalt 5 2000", "pressalt 6 3000", "pressalt 7 -2500", "pressalt 8 1500",
            "menu mnu_quadrillage", "menu mnu_ReprésenterNiveauxRepères", "menu mnu_réajuster",
            "menu mnu_glaciation", "pressalt 6 4000", "menu mnu_dépôt", "pressalt 7 -1000",
            "menu mnu_réajuster", "menu mnu_Anim_érosion", "click HLBBttn1", "tick 3",
            "click HLBBttn2", "click HLBBttn3", "press 3000 3000", "click HLBBttn4", "menu mnu_érosion", "pressalt 8 500", "menu mnu_use", "pressalt 6 -100", "menu mnu_Anim_érosion", "click HLBBttn1", "tick 2",
            "menu mnu_quadrillage", "menu mnu_ReprésenterNiveauxRepères", "resize 15000 11000",
            "menu mnu_modifmoho", "pressalt 5 -45000", "menu mnu_recommencer", "answer yes",
            "pressalt 3 1000", "dump"};
        for (const std::string& l : lignes) ASSERT_TRUE(p.Joue(l));
    }
}

// The picture's own writing of lines and boxes against the painter: random
// lines (level, upright, of no length, slanting, far outside the picture)
// and columns with random levels, one call at a time.
TEST(Protocoles, LignesEtBoitesAuPixelPres) {
    std::mt19937_64 hasard(7);
    std::uniform_real_distribution<double> pres(-400, 13000), loin(-2.0e6, 2.0e6);
    auto coord = [&] {
        const std::uint64_t k = hasard() % 10;
        if (k == 0) return loin(hasard);
        if (k == 1) return std::round(pres(hasard) / 7.5) * 7.5;  // half pixels
        return pres(hasard);
    };
    Paire p;
    for (int essai = 0; essai < 3000; ++essai) {
        Modele& ml = p.litteral.programme().m;
        Modele& md = p.differe.programme().m;
        const double x1 = coord(), y1 = coord();
        const std::uint64_t forme = hasard() % 4;
        const double x2 = forme == 1 ? x1 : coord();
        const double y2 = forme == 0 ? y1 : (forme == 2 ? y1 : coord());
        const double xb = forme == 2 ? x1 : x2;
        p.litteral.programme().dessin.Ligne(x1, y1, xb, y2, CouleurLimiteInitiale);
        p.differe.programme().dessin.Ligne(x1, y1, xb, y2, CouleurLimiteInitiale);
        // A column of random levels (km), sometimes far above or below.
        const int i = 1 + int(hasard() % 25);
        std::uniform_real_distribution<double> km(-80, 80);
        const double s = km(hasard), c = km(hasard), g = km(hasard) / 8, d = km(hasard) / 8;
        ml.EpManteau[i] = md.EpManteau[i] = km(hasard);
        p.litteral.programme().dessin.DessineRectangle2(i, s, c, g, d);
        p.differe.programme().dessin.DessineRectangle2(i, s, c, g, d);
        const std::string diff = Difference(p.litteral.programme().dessin.Image(),
                                            p.differe.programme().dessin.Image());
        ASSERT_EQ(diff, "") << "line (" << x1 << ", " << y1 << ") - (" << xb << ", " << y2
                            << "), column " << i << " levels " << s << " " << c << " " << g << " "
                            << d;
    }
}

// Random sessions of every action the driver knows.
TEST(Protocoles, SessionsAleatoires) {
#ifdef TERRAFLOT_SANITIZE
    const int actions = 60;
#else
    const int actions = 250;
#endif
    for (std::uint64_t graine : {11u, 12u, 13u}) {
        SCOPED_TRACE(graine);
        std::mt19937_64 hasard(graine);
        Paire p;
        for (int k = 0; k < actions; ++k) {
            std::string ligne = essais::ActionAleatoire(hasard, p.differe);
            // The literal protocol needs minutes for a picture of a huge frame.
            if (ligne.starts_with("resize ")) {
                std::istringstream in(ligne.substr(7));
                double w = 0, h = 0;
                in >> w >> h;
                if (w * h > 4.0e8) continue;
            }
            ASSERT_TRUE(p.Joue(ligne));
        }
    }
}

} // namespace
} // namespace terraflot
