// Undo and redo on long random sessions: the time of each, and the memory
// of the journal with its checkpoints.
#include "bench_seance.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <vector>

#include "moteur.h"
#include "proprietes/session.h"

namespace terraflot {

MesureSeance MesureAnnuler(int actions) {
    MesureSeance r;
    std::mt19937_64 h(2024 + actions);
    Moteur m(DossierExecutable());
    std::ostringstream sortie;
    const auto t0 = std::chrono::steady_clock::now();
    for (int k = 1; k <= actions; ++k) {
        std::string ligne = essais::ActionAleatoire(h, m);
        if (ligne == "menu Mnu_quitter") ligne = "menu mnu_réajuster";   // the session must go on
        m.Ligne(ligne, k, sortie);
    }
    r.jeuSecondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    for (const char* l : {"click Aide.HLBBttn1", "click Apropos.HLBBttn1", "menu Préférences.mnu_quitter"})
        if (!m.seance().PeutAnnuler()) m.Ligne(l, actions + 1, sortie);
    r.pas = m.seance().Pas();
    r.reperes = m.seance().Reperes();
    r.octets = m.seance().Octets();
    std::vector<double> temps;
    auto chrono = [&](auto&& action) {
        const auto t = std::chrono::steady_clock::now();
        action();
        temps.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count());
    };
    // Back as far as 30 steps, or until a step brings back a modal window
    // (which blocks the Edit menu), then forward again.
    int n = 0;
    for (; n < 30 && m.seance().PeutAnnuler(); ++n) chrono([&] { m.seance().Annule(); });
    r.annulations = n;
    for (int k = 0; k < n; ++k) chrono([&] { m.seance().Retablit(); });
    std::sort(temps.begin(), temps.end());
    if (!temps.empty()) {
        r.medianeMs = temps[temps.size() / 2];
        r.maxMs = temps.back();
    }
    return r;
}

} // namespace terraflot
