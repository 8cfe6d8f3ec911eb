// Random sessions of a pupil clicking everywhere. After every action the
// model holds only finite values, element 0 of every array is untouched, a
// refused action changed nothing, the section relations hold after every
// whole-section pass, and the reference levels stay between the Moho and
// the basement top. A failure prints its seed and the script up to the
// failing line, ready for terraflot-replay.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "etat.h"
#include "isostasie.h"
#include "session.h"

namespace {

using terraflot::Modele;

bool Proche(double a, double b, double tolerance = 1e-6) {
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

// The first stored value that is not finite, or that differs from `autre`
// where `autre` is given (element 0 only, or everything but what a refusal
// computes on its way: the pressed column and the columns' pressures).
std::string Ecart(const Modele& m, const Modele* autre, bool zeroSeul) {
    for (const auto& [nom, t] : terraflot::TABLEAUX_COLONNES)
        for (int i = 0; i < terraflot::NB_ELEMENTS; ++i) {
            const double x = (m.*t)[i];
            if (!std::isfinite(x)) return std::string(nom) + "[" + std::to_string(i) + "] not finite";
            if (autre && (i == 0 || !zeroSeul) && t != &Modele::PressionCompensation && x != ((*autre).*t)[i])
                return std::string(nom) + "[" + std::to_string(i) + "] changed";
        }
    auto scalaires = [&](const auto& table) -> std::string {
        for (const auto& [nom, champ] : table) {
            const double x = terraflot::LitNombre(m, champ);
            if (!std::isfinite(x)) return std::string(nom) + " not finite";
            if (autre && !zeroSeul && std::string(nom) != "ColonneClic" && x != terraflot::LitNombre(*autre, champ))
                return std::string(nom) + " changed";
        }
        return {};
    };
    const std::string d = scalaires(terraflot::PARAMETRES);
    return d.empty() ? scalaires(terraflot::VALEURS) : d;
}

// Relations of the section for every column in use, and a dry column at the
// altitude its equilibrium gives. After the second pass the Moho and mantle
// of a flooded column follow the previous pass's altitude: relations 2 and
// 3 are then only asked of dry columns.
std::string Relations(const Modele& m, bool passe2) {
    for (int i = 1; i <= terraflot::ColonnesEnService(m); ++i) {
        const double s = m.EpSediments[i], g = m.EpGlace[i];
        const std::string col = " in column " + std::to_string(i);
        if (!Proche(m.AltSurface[i], m.AltSocle[i] + s + g)) return "AltSurface" + col;
        const bool sec = m.HauteurEau[i] == 0 && m.AltSocle[i] + s + g >= 0;
        if ((sec || !passe2) && !Proche(m.ProfMoho[i], m.EpSocle[i] - m.AltSocle[i])) return "ProfMoho" + col;
        if ((sec || !passe2) && !Proche(m.EpManteau[i], m.NivCompensation - m.ProfMoho[i], 1e-5))
            return "EpManteau" + col;
        if (sec && !Proche(m.AltSocle[i], terraflot::AltSocleEquilibre(
                                               m, m.AltSurface[i], m.AltSocle[i], m.EpSocle[i], m.MvOcean,
                                               m.MvCroute, m.MvManteau, m.EpCrouteRef, m.NivCompensation,
                                               g, s, m.MvSediments), 1e-9))
            return "dry AltSocle off its equilibrium" + col;
    }
    return {};
}

// While the zones are shown, each level lies between the Moho and the
// basement top. An erosion cycle rounds the basement top to the metre after
// it has drawn the column: half a metre is allowed.
std::string Niveaux(const Modele& m) {
    for (int i = 1; m.RepresenteReperes && i <= terraflot::ColonnesEnService(m); ++i)
        for (double a : {m.AltRepereProfond[i], m.AltRepereIntermediaire[i]})
            if (m.AltSocle[i] >= -m.ProfMoho[i] &&
                (a > m.AltSocle[i] + 0.0005 + 1e-9 || a < -m.ProfMoho[i] - 0.0005 - 1e-9))
                return "reference level outside the crust in column " + std::to_string(i);
    return {};
}

// Whether the line ends with a whole-section pass, and whether it is the
// second one; judged from the state before it.
int Passe(const std::string& l, const Modele& avant) {
    if (l == "menu mnu_réajuster") return avant.ModeMoho ? 2 : 1;
    if (l == "menu mnu_affichetableau") return 2;
    for (const char* p : {"menu mnu_profil", "menu mnu_InitialiserNiveauxRepères", "menu mnu_quadrillage",
                          "menu mnu_ReprésenterNiveauxRepères", "menu mnu_recommencer", "resize "})
        if (l.starts_with(p)) return 1;
    return 0;
}

// Plays a random session; the first broken property with its line, or "".
std::string Session(std::mt19937_64& h, std::size_t longueur, std::string& script) {
    terraflot::Moteur moteur(terraflot::DossierExecutable());
    terraflot::Programme& p = moteur.programme();
    const Modele depart = p.m;
    std::string avant = moteur.Dump();
    for (std::size_t k = 0; k < longueur && !p.ihm.termine; ++k) {
        const std::string ligne = essais::ActionAleatoire(h, moteur);
        script += ligne + "\n";
        const Modele m0 = p.m;
        const int passe = Passe(ligne, m0);
        std::ostringstream sortie;
        if (!moteur.Ligne(ligne, int(k + 1), sortie)) return "the driver rejected it: " + sortie.str();
        const bool refusee = sortie.str().find("\"refused\"") != std::string::npos;
        bool refus = false, oui = false;
        for (const terraflot::Message& msg : p.ihm.messages) {
            refus |= msg.boutons == terraflot::Boutons::Ok &&
                     (msg.icone == terraflot::Icone::Stop || msg.icone == terraflot::Icone::Question);
            oui |= msg.reponse == terraflot::Reponse::Oui;
        }
        p.ihm.messages.clear();
        p.ihm.aide.clear();
        std::string apres = moteur.Dump();
        std::string d = Ecart(p.m, &depart, true);
        if (d.empty() && refusee && apres != avant) d = "a refused line changed the dump";
        if (d.empty() && refus) d = Ecart(p.m, &m0, false);
        if (d.empty() && !refusee && !refus && !p.ihm.termine &&
            (passe || (ligne == "menu Préférences.mnu_quitter" && oui)))
            d = Relations(p.m, passe == 2);
        if (d.empty()) d = Niveaux(p.m);
        if (!d.empty()) return d;
        avant = std::move(apres);
    }
    return {};
}

class Proprietes : public ::testing::TestWithParam<int> {};

TEST_P(Proprietes, SessionAleatoire) {
    long long actions = 1500;
    if (const char* e = std::getenv("TERRAFLOT_ACTIONS")) actions = std::atoll(e);
    std::mt19937_64 hasard(essais::GraineDuJour() * 1000003ull + unsigned(GetParam()));
    for (int session = 0; actions > 0; ++session) {
        const unsigned long long germe = hasard();
        std::mt19937_64 h(germe);
        const std::size_t longueur = 20 + std::size_t(h() % 400);
        std::string script;
        const std::string d = Session(h, longueur, script);
        ASSERT_EQ(d, "") << "session seed " << germe << " (test " << GetParam() << ", session " << session
                         << "), last line broke it; the script:\n" << script;
        actions -= std::count(script.begin(), script.end(), '\n');
    }
}

INSTANTIATE_TEST_SUITE_P(Graines, Proprietes, ::testing::Range(0, 8));

} // namespace
