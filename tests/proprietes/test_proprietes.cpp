// Random sessions of a pupil clicking everywhere: after every action the
// model holds only finite values, element 0 of every array is untouched, a
// refused action changed nothing, the section relations hold after every
// whole-section pass, the reference levels stay between the Moho and the
// basement top, and no action runs long.  A failure prints its seed and the
// shortest script found that still fails, ready for terraflot-replay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "session.h"

#ifndef ACTIONS_PAR_TEST
#define ACTIONS_PAR_TEST 1500
#endif
#ifndef FACTEUR_DUREE
// The bounds catch hangs, not slowness: a loaded two-core machine redraws a
// big frame several times slower than an idle one.
#define FACTEUR_DUREE 4
#endif

namespace {

long long ActionsParTest() {
    if (const char* e = std::getenv("TERRAFLOT_ACTIONS")) return std::atoll(e);
    return ACTIONS_PAR_TEST;
}

class Session : public ::testing::TestWithParam<int> {};

TEST_P(Session, Aleatoire) {
    static const bool chien = (essais::DemarreChien(120.0 * FACTEUR_DUREE), true);
    (void)chien;
    const unsigned long long graine = essais::GraineDuJour() * 1000003ull + unsigned(GetParam());
    std::mt19937_64 hasard(graine);
    essais::Limites limites;
    limites.msParLigne *= FACTEUR_DUREE;
    limites.msParTick *= FACTEUR_DUREE;
    essais::Compteurs c;
    const long long voulu = ActionsParTest();
    for (int session = 0; c.actions < voulu; ++session) {
        const unsigned long long germe = hasard();
        std::mt19937_64 actions(germe);
        const size_t longueur = 20 + size_t(actions() % 400);
        std::ostringstream contexte;
        contexte << "seed " << germe << " (test " << GetParam() << ", session " << session << ")";
        essais::Contexte(contexte.str());
        std::vector<std::string> lignes;
        const essais::Echec e = essais::Joue(lignes, limites, &c, &actions, longueur);
        if (!e.echoue) continue;
        std::ostringstream rapport;
        rapport << contexte.str() << ": line " << e.ligne + 1 << " \"" << lignes[e.ligne]
                << "\" broke " << e.sorte << ": " << e.detail << "\n";
        const auto court = essais::Reduit(lignes, e, limites);
        std::vector<std::string> rejoue = court;
        const essais::Echec r = essais::Joue(rejoue, limites);
        rapport << "Shortest script found (" << court.size() << " of " << e.ligne + 1
                << " lines), failing with: " << r.detail << "\n";
        for (const std::string& l : court) rapport << l << "\n";
        FAIL() << rapport.str();
    }
    std::printf("%lld actions: %lld refused by the driver, %lld with a refusal message, "
                "%lld followed by a section check, %lld sessions ended by quitting\n",
                c.actions, c.refusees, c.messages, c.passes, c.fins);
}

INSTANTIATE_TEST_SUITE_P(Graines, Session, ::testing::Range(0, 8));

} // namespace
