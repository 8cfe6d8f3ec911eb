// Random sessions from the property generator, with undo and redo mixed in:
// each lands on the state the session had, and the journal and a lesson
// saved and opened again give the same state and picture.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>
#include <vector>

#include "../proprietes/session.h"
#include "commun.h"

namespace {

using essais::Etat;
using essais::EtatDe;
using terraflot::Moteur;

bool EstEtape(const std::string& ligne) {
    for (const char* v : {"press ", "pressalt ", "menu ", "click ", "bar "})
        if (ligne.starts_with(v)) return true;
    return false;
}

bool Refusee(const std::string& sortie) { return sortie.find("\"refused\"") != std::string::npos; }

// The next random action; quitting is left out, so that the session can be undone.
std::string Action(std::mt19937_64& h, Moteur& m) {
    for (;;) {
        std::string l = essais::ActionAleatoire(h, m);
        if (l != "menu Mnu_quitter") return l;
    }
}

class SeanceAleatoire : public ::testing::TestWithParam<int> {};

// Undo and redo mixed into the session: every undo lands on the state the
// session had when it left that step, every redo on the one it had when
// the step was taken back.
TEST_P(SeanceAleatoire, AnnulerRetablirMeles) {
    std::mt19937_64 h(0xa22e1 + 104729ull * unsigned(GetParam()));
    Moteur m(terraflot::DossierExecutable());
    if (GetParam() % 2) m.seance().ReglageReperes(0, GetParam() % 4 == 1 ? 3u << 20 : 40u << 20);
    std::vector<Etat> fins{Etat{}};   // fins[j]: the state the session had at the end of step j
    std::size_t courant = 0, sommet = 0;
    int annulations = 0;
    const std::size_t longueur = 200 + h() % 200;
    for (std::size_t k = 0; k < longueur; ++k) {
        const int sorte = int(h() % 10);
        std::string ligne = sorte < 2 ? "undo" : sorte < 3 ? "redo" : Action(h, m);
        const Etat avant = (ligne == "undo" || EstEtape(ligne)) ? EtatDe(m) : Etat{};
        const std::string sortie = essais::Joue(m, ligne, int(k + 1));
        if (Refusee(sortie)) continue;
        if (ligne == "undo") {
            if (courant == sommet) fins[courant] = avant;   // else the moves since are lost
            --courant;
            ++annulations;
            ASSERT_EQ(EtatDe(m), fins[courant]) << "undo at line " << k + 1;
        } else if (ligne == "redo") {
            ++courant;
            ASSERT_EQ(EtatDe(m), fins[courant]) << "redo at line " << k + 1;
        } else if (EstEtape(ligne)) {
            fins.resize(courant + 1);
            fins[courant] = avant;
            fins.emplace_back();
            sommet = ++courant;
        }
        ASSERT_EQ(m.seance().Pas(), courant);
        ASSERT_EQ(m.seance().PasRetablir(), sommet - courant);
    }
    EXPECT_GT(annulations, 0);
    // Whatever the mix, the journal replays to the state, and so does the
    // lesson saved and opened on a fresh program (once what blocks the File
    // commands is closed).
    for (const char* l : {"click Aide.HLBBttn1", "click Apropos.HLBBttn1", "menu Préférences.mnu_quitter"})
        if (!m.seance().PourquoiPasFichier().empty()) essais::Joue(m, l);
    const Etat final = EtatDe(m);
    Moteur frais(terraflot::DossierExecutable());
    essais::JoueTexte(frais, m.seance().Texte());
    EXPECT_EQ(EtatDe(frais), final);
    QTemporaryDir dossier;
    const std::string chemin = dossier.filePath("seance.terraflot").toStdString();
    ASSERT_EQ(m.seance().Enregistre(chemin), "");
    Moteur autre(terraflot::DossierExecutable());
    bool ouverte = false;
    ASSERT_EQ(autre.seance().Ouvre(chemin, &ouverte), "");
    ASSERT_TRUE(ouverte) << autre.programme().ihm.messages.back().texte;
    EXPECT_EQ(EtatDe(autre), final);
    EXPECT_EQ(autre.seance().Pas(), m.seance().Pas());
}

INSTANTIATE_TEST_SUITE_P(Graines, SeanceAleatoire, ::testing::Range(0, 4));

} // namespace
