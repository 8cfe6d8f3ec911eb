// Two programs, one painting literally, one deferring, play the same lines: their pictures (drawing area
// and vertical scale) must be equal pixel for pixel.  The scripted part reads them after every step; the
// random part only now and then, so that the deferred calls of several commands pile up before painting.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

#include "couleurs.h"
#include "moteur.h"
#include "rendu.h"
#include "proprietes/session.h"

#ifndef ACTIONS_PAR_GRAINE
#define ACTIONS_PAR_GRAINE 150
#endif

namespace terraflot {
namespace {

// First differing pixel of two pictures, or "" when they are equal.
std::string PremiereDifference(const char* quoi, const QImage& litteral, const QImage& differe) {
    if (litteral == differe) return "";
    for (int y = 0; y < std::min(litteral.height(), differe.height()); ++y)
        for (int x = 0; x < std::min(litteral.width(), differe.width()); ++x)
            if (const QRgb a = litteral.pixel(x, y), b = differe.pixel(x, y); a != b) {
                char t[160];
                std::snprintf(t, sizeof t, "%s: first differing pixel (%d, %d), literal #%06X, deferred #%06X", quoi,
                              x, y, a & 0xFFFFFFu, b & 0xFFFFFFu);
                return t;
            }
    return std::string(quoi) + ": different sizes or formats";
}

// Two programs, one painting every call as it comes, the other deferring.
struct Jumeaux {
    Moteur litteral{DossierExecutable()}, differe{DossierExecutable()};
    std::vector<std::string> joue, refusees;  // refusees: lines the deferred program refused
    std::ostringstream sortie;
    Jumeaux() {
        litteral.programme().dessin.ChoisitProtocole(Protocole::Litteral);
        differe.programme().dessin.ChoisitProtocole(Protocole::Differe);
    }
    void Joue(const std::string& ligne) {
        joue.push_back(ligne);
        const int n = int(joue.size());
        litteral.Ligne(ligne, n, sortie);
        sortie.str("");
        differe.Ligne(ligne, n, sortie);
        if (sortie.str().find("\"refused\"") != std::string::npos) refusees.push_back(sortie.str());
        sortie.str("");
    }
    // Pictures equal; with `etat`, the two programs' states too (the protocol must not change the section).
    ::testing::AssertionResult Egaux(const std::string& etape, bool etat = false) {
        Dessin &a = litteral.programme().dessin, &b = differe.programme().dessin;
        std::string d = PremiereDifference("picture", a.Image(), b.Image());
        if (d.empty()) d = PremiereDifference("scale", a.ImageEchelle(), b.ImageEchelle());
        if (d.empty() && etat && litteral.Dump() != differe.Dump()) d = "the two dumps differ";
        if (d.empty()) return ::testing::AssertionSuccess();
        std::string fin;
        const size_t debut = joue.size() > 12 ? joue.size() - 12 : 0;
        for (size_t k = debut; k < joue.size(); ++k) fin += "    " + joue[k] + "\n";
        return ::testing::AssertionFailure() << "step \"" << etape << "\" (line " << joue.size() << "): " << d
                                             << "\n  last lines:\n" << fin;
    }
};

std::string Taille(int colonnes, int tranches) {
    return "menu mnu_modifier\nbar VScroll1 " + std::to_string(colonnes) + "\nbar VScroll2 " +
           std::to_string(tranches) + "\nanswer yes\nmenu Préférences.mnu_quitter";
}

// Every kind of action that draws, each one checked on its own, at both sizes.
TEST(PixelsDifferes, EtapesUneAUne) {
    for (const auto& [colonnes, tranches] : {std::pair{25, 8}, std::pair{100, 20}}) {
        SCOPED_TRACE(std::to_string(colonnes) + " columns");
        Jumeaux j;
        const std::string n = std::to_string(colonnes), milieu = std::to_string(colonnes / 2);
        const std::string autre = colonnes == 25 ? "40" : "60";
        const std::vector<std::pair<std::string, std::string>> etapes = {
            {"size", Taille(colonnes, tranches)},
            {"profile presses",
             "pressalt 1 2500\npressalt " + milieu + " 4500\npressalt " + n + " -3000\npressalt 3 -200\npressalt 4 0"},
            {"mouse moves", "movealt 2 1000\nmovealt " + milieu + " -30000"},
            {"grid on", "menu mnu_quadrillage"},
            {"levels off", "menu mnu_ReprésenterNiveauxRepères"},
            {"levels on", "menu mnu_ReprésenterNiveauxRepères"},
            {"re-balance", "menu mnu_réajuster"},
            {"animation, one step", "menu mnu_Anim_érosion\nclick HLBBttn1"},
            {"erosion-level marks", "click HLBBttn2\npressalt 2 1500\npressalt " + milieu + " 2000"},
            {"animation ticks", "click HLBBttn3\ntick\ntick 4"},
            {"STOP", "click HLBBttn4"},
            {"erosion surface to 0", "click HLBBttn5"},
            {"glaciation", "menu mnu_glaciation\npressalt 2 3500\npressalt " + milieu + " 6000"},
            {"melt", "menu mnu_fonte\npressalt 2 1000\npressalt " + milieu + " 1000"},
            {"deposit", "menu mnu_dépôt\npressalt " + n + " -1500\npressalt 3 500"},
            {"Moho", "menu mnu_modifmoho\npressalt 5 -45000\npressalt 6 -20000"},
            {"basement profile", "menu mnu_érosion\npressalt 7 800"},
            {"erosion by click", "menu mnu_use\npressalt " + milieu + " 1000"},
            {"re-balance again", "menu mnu_réajuster"},
            {"grid off", "menu mnu_quadrillage"},
            {"resize larger", "resize 16000 12000"},
            {"resize smaller", "resize 6000 4500"},
            {"clear", "answer yes\nmenu mnu_recommencer\npressalt 2 1200"},
            {"column count", "menu mnu_modifier\nbar VScroll1 " + autre +
                                 "\nanswer yes\nmenu Préférences.mnu_quitter\npressalt 3 2000\nmenu mnu_réajuster"},
        };
        for (const auto& [nom, lignes] : etapes) {
            std::istringstream in(lignes);
            for (std::string l; std::getline(in, l);) j.Joue(l);
            ASSERT_TRUE(j.refusees.empty()) << "step \"" << nom << "\" tests nothing: " << j.refusees[0];
            ASSERT_TRUE(j.Egaux(nom, true));
            if (nom == "re-balance" || nom == "STOP") {  // a handler the driver has no line for, run on both
                j.joue.push_back("# full refresh");
                Rafraichit2(j.litteral.programme()), Rafraichit2(j.differe.programme());
                ASSERT_TRUE(j.Egaux("full refresh after " + nom));
            }
        }
    }
}

// The picture's own writing of lines and boxes against the painter: random
// lines (level, upright, of no length, slanting, far outside the picture)
// and columns with random levels, one call at a time.
TEST(PixelsDifferes, LignesEtBoitesAuPixelPres) {
    std::mt19937_64 hasard(7);
    std::uniform_real_distribution<double> pres(-400, 13000), loin(-2.0e6, 2.0e6);
    auto coord = [&] {
        const std::uint64_t k = hasard() % 10;
        if (k == 0) return loin(hasard);
        if (k == 1) return std::round(pres(hasard) / 7.5) * 7.5;  // half pixels
        return pres(hasard);
    };
    Jumeaux j;
    Programme &pl = j.litteral.programme(), &pd = j.differe.programme();
    std::uniform_real_distribution<double> km(-80, 80);
    for (int essai = 0; essai < 1000; ++essai) {
        const double x1 = coord(), y1 = coord();
        const std::uint64_t forme = hasard() % 4;
        const double x2 = forme == 1 ? x1 : coord();
        const double y2 = forme == 0 ? y1 : (forme == 2 ? y1 : coord());
        const double xb = forme == 2 ? x1 : x2;
        pl.dessin.Ligne(x1, y1, xb, y2, CouleurLimiteInitiale);
        pd.dessin.Ligne(x1, y1, xb, y2, CouleurLimiteInitiale);
        // A column of random levels (km), sometimes far above or below.
        const int i = 1 + int(hasard() % 25);
        const double s = km(hasard), c = km(hasard), g = km(hasard) / 8, d = km(hasard) / 8;
        pl.m.EpManteau[i] = pd.m.EpManteau[i] = km(hasard);
        pl.dessin.DessineRectangle2(i, s, c, g, d);
        pd.dessin.DessineRectangle2(i, s, c, g, d);
        ASSERT_TRUE(j.Egaux("line and column " + std::to_string(essai)))
            << "line (" << x1 << ", " << y1 << ") - (" << xb << ", " << y2 << "), column " << i << " levels " << s
            << " " << c << " " << g << " " << d;
    }
}

// Random sessions of the driver's vocabulary; the pictures are read after a
// random number of actions (1 to 12), never in between.
TEST(PixelsDifferes, LecturesEspacees) {
    // At 100 columns the literal painter needs seconds for a whole-section pass: a shorter session there.
    const struct { std::uint64_t graine; int colonnes, tranches, actions; } sessions[] = {
        {1, 25, 8, ACTIONS_PAR_GRAINE}, {2, 25, 8, ACTIONS_PAR_GRAINE}, {3, 100, 20, ACTIONS_PAR_GRAINE / 3}};
    for (const auto& s : sessions) {
        const std::uint64_t graine = essais::GraineDuJour() * 1009 + s.graine;
        SCOPED_TRACE("seed " + std::to_string(graine));
        std::mt19937_64 hasard(graine);
        Jumeaux j;
        std::istringstream taille(Taille(s.colonnes, s.tranches));
        for (std::string l; std::getline(taille, l);) j.Joue(l);
        int avantLecture = 1;
        for (int k = 0; k < s.actions && !j.differe.programme().ihm.termine; ++k) {
            const std::string ligne = essais::ActionAleatoire(hasard, j.differe);
            // A huge frame takes the literal painter minutes; sizes stay screen-like.
            if (ligne.starts_with("resize ")) {
                double w = 0, h = 0;
                std::istringstream(ligne.substr(7)) >> w >> h;
                if (w * h > 4.0e8) continue;
            }
            j.Joue(ligne);
            if (--avantLecture == 0) {
                ASSERT_TRUE(j.Egaux("random action " + std::to_string(k)));
                avantLecture = 1 + int(hasard() % 12);
            }
        }
        ASSERT_TRUE(j.Egaux("end of session", true));
    }
}

} // namespace
} // namespace terraflot
