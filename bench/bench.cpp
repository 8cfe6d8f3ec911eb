// Timings of the program's hot paths at 25 columns / 8 bands and 100 columns
// / 20 bands: an animation tick, a full refresh, a mouse move, a profile
// press, each with the literal drawing protocol (every call painted as it
// comes), the deferred one the program uses, and no picture at all (the
// model's own cost).  Then the tick rate of the real window at 1 ms, the
// start-up time, the resident memory and a long driver scenario.  Prints one
// table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench_seance.h"
#include "cadre.h"
#include "commandes.h"
#include "etat.h"
#include "rendu.h"
#include "moteur.h"
#include "proprietes/session.h"

namespace terraflot {
namespace {

struct Taille {
    int colonnes, tranches;
};
constexpr Taille TAILLES[] = {{25, 8}, {100, 20}};
const char* NOMS_PROTOCOLES[] = {"litteral", "differe", "aucun"};

// The protocol that paints nothing, when the picture has one: the model's
// own cost.  Without it the floor is left unmeasured.
template <class P> constexpr bool A_UN_PROTOCOLE_MUET = requires { P::Aucun; };
template <class P> P ProtocoleMuet() {
    if constexpr (A_UN_PROTOCOLE_MUET<P>) return P::Aucun;
    else return P::Differe;
}

// Stops the run when a set-up did not reach the state it is meant to measure.
void Exige(bool condition, const char* quoi) {
    if (condition) return;
    std::fprintf(stderr, "set-up failed: %s\n", quoi);
    std::exit(1);
}

// The parameters dialog: columns and bands (and the animation interval in
// ms when given: its bar reads 1001 - interval), validated with "Oui".
void Dimensionne(Programme& p, Taille t, int intervalle = 0) {
    Exige(Menu(p, "mnu_modifier").empty(), "parameters dialog");
    BougeBarre(p, "VScroll1", t.colonnes);
    BougeBarre(p, "VScroll2", t.tranches);
    if (intervalle > 0) BougeBarre(p, "HScroll1", 1001 - intervalle);
    Exige(Menu(p, "Préférences.mnu_quitter").empty(), "closing the parameters dialog");
    Exige(p.m.NbColonnes == t.colonnes && p.m.NbTranches == t.tranches, "columns and bands");
    Exige(!p.Fen("Préférences").visible, "parameters dialog closed");
}

// A program at the given size with a mountain range over every column;
// with `lance`, in the mountain-erosion mode with "Démarrer" pressed.
std::unique_ptr<Moteur> Massif(Taille t, Protocole protocole, bool lance) {
    auto mo = std::make_unique<Moteur>(DossierExecutable());
    Programme& p = mo->programme();
    mo->plateforme().reponses.push_back(true);
    Dimensionne(p, t);
    p.dessin.ChoisitProtocole(protocole);
    for (int c = 1; c <= t.colonnes; ++c) Exige(AppuieAlt(p, c, 6000 + (c % 9) * 400).empty(), "relief");
    if (lance) {
        Exige(Menu(p, "mnu_Anim_érosion").empty(), "erosion animation");
        Exige(Clique(p, "HLBBttn3").empty() && p.ihm.Timer1.actif, "Démarrer");
    }
    p.dessin.Image();
    return mo;
}

void Tick_(benchmark::State& etat, Taille t, Protocole protocole) {
    auto mo = Massif(t, protocole, true);
    for (auto _ : etat) {
        if (!mo->programme().ihm.Timer1.actif) {
            etat.PauseTiming();
            mo = Massif(t, protocole, true);
            etat.ResumeTiming();
        }
        Tic(mo->programme());
        benchmark::DoNotOptimize(mo->programme().dessin.Image().constBits());
    }
}

void Rafraichit2_(benchmark::State& etat, Taille t, Protocole protocole) {
    auto mo = Massif(t, protocole, false);
    for (auto _ : etat) {
        Rafraichit2(mo->programme());
        benchmark::DoNotOptimize(mo->programme().dessin.Image().constBits());
    }
}

void Mouvement_(benchmark::State& etat, Taille t, Protocole protocole) {
    auto mo = Massif(t, protocole, false);
    Programme& p = mo->programme();
    int k = 0;
    for (auto _ : etat) {
        k = (k + 7) % t.colonnes;
        SurvoleAlt(p, k + 1, -20000 + 1000 * (k % 30));
        benchmark::DoNotOptimize(p.dessin.Image().constBits());
    }
}

void Appui_(benchmark::State& etat, Taille t, Protocole protocole) {
    auto mo = Massif(t, protocole, false);
    Programme& p = mo->programme();
    int k = 0;
    for (auto _ : etat) {
        k = (k + 7) % t.colonnes;
        AppuieAlt(p, k + 1, 1000 + 100 * (k % 20));
        benchmark::DoNotOptimize(p.dessin.Image().constBits());
    }
}

struct Mesure {
    const char* nom;
    void (*fonction)(benchmark::State&, Taille, Protocole);
    double cibles[2];  // ms, per size; 0 = measured only
};
const Mesure MESURES[] = {
    {"tick d'animation", Tick_, {0.2, 0.5}},
    {"Rafraichit2", Rafraichit2_, {0.3, 1.0}},
    {"mouvement de souris", Mouvement_, {0.02, 0.02}},
    {"appui (profil)", Appui_, {0.05, 0.05}},
};

// Medians of the repetitions, by benchmark name.
class Collecte : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medianes;  // ms
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.aggregate_name == "median")
                medianes[r.run_name.function_name] =
                    r.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                    benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
    bool ReportContext(const Context&) override { return true; }
};

std::string Nom(const Mesure& m, Taille t, int protocole) {
    return std::string(m.nom) + "/" + std::to_string(t.colonnes) + "/" + NOMS_PROTOCOLES[protocole];
}

// Resident memory of this process (kB).
long Resident() {
    std::ifstream f("/proc/self/status");
    std::string l;
    while (std::getline(f, l))
        if (l.rfind("VmRSS:", 0) == 0) return std::stol(l.substr(6));
    return -1;
}

// The real window at 1 ms on 100 columns: a crust denser than the mantle
// makes a run that never ends; cycles and repaints of the drawing area (of
// all its visible part, or of a strip under a caption) are counted for two
// seconds, then "STOP" is clicked.
struct CompteurPeintures : QObject {
    int complets = 0, partiels = 0;  // whole area, or a strip under a caption
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const QRect vu = static_cast<QWidget*>(o)->visibleRegion().boundingRect();
            if (static_cast<QPaintEvent*>(e)->rect().contains(vu)) ++complets;
            else ++partiels;
        }
        return false;
    }
};

// The Qt platform, except that the parameters dialog's question is answered
// "Oui" without showing a modal box.
struct PlateformeValidante : Plateforme {
    std::unique_ptr<Plateforme> qt = CreePlateformeQt();
    bool valide = true;
    Reponse MsgBox(const Message& message) override {
        if (valide && message.boutons == Boutons::OuiNon) return Reponse::Oui;
        return qt->MsgBox(message);
    }
    void PointeurChange(Pointeur pointeur) override { qt->PointeurChange(pointeur); }
    void OuvreAide(const std::string& chemin) override { qt->OuvreAide(chemin); }
    std::string DossierProgramme() override { return qt->DossierProgramme(); }
};

void Cadence(double& cycles, double& peintures, double& partielles, double& arretMs) {
    PlateformeValidante pf;
    Programme p(pf);
    std::unique_ptr<QWidget> cadre(CreeCadre(p));
    if (QWidget* notice = cadre->findChild<QWidget*>("Avertissement"))
        if (auto* ok = notice->findChild<QPushButton*>("Command1")) ok->click();
    Dimensionne(p, {100, 20}, 1);
    Exige(p.m.IntervalleAnimation == 1, "interval of 1 ms");
    pf.valide = false;
    for (int c = 1; c <= 100; ++c) Exige(AppuieAlt(p, c, -1000).empty(), "relief");
    p.m.MvCroute = p.m.MvCrouteSauve = 3.4;
    p.m.MvManteau = p.m.MvManteauSauve = 3.0;
    Exige(Menu(p, "mnu_réajuster").empty(), "re-balance");
    Exige(Menu(p, "mnu_Anim_érosion").empty(), "erosion animation");
    QWidget* panneau = cadre->findChild<QWidget*>("Picture2");
    auto* demarrer = panneau->findChild<QPushButton*>("HLBBttn3");
    auto* stop = panneau->findChild<QPushButton*>("HLBBttn4");
    CompteurPeintures compteur;
    cadre->findChild<QWidget*>("Picture1")->installEventFilter(&compteur);
    demarrer->click();
    Exige(p.ihm.Timer1.actif, "Démarrer");
    const double t0 = p.m.TempsEcoule;
    QElapsedTimer chrono;
    chrono.start();
    while (chrono.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double duree = chrono.elapsed() / 1000.0;
    Exige(p.ihm.Timer1.actif && p.ihm.Timer1.intervalle == 1, "Timer1 still running at 1 ms");
    cycles = (p.m.TempsEcoule - t0) / duree;
    peintures = compteur.complets / duree;
    partielles = compteur.partiels / duree;
    QElapsedTimer arret;
    arret.start();
    QTimer::singleShot(0, stop, [stop] { stop->click(); });
    while (p.ihm.Timer1.actif && arret.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    arretMs = arret.nsecsElapsed() / 1e6;
}

// 10,000 random lines of the driver's vocabulary played on a fresh program
// (only the playing is timed); lines refused by the driver are counted.  When
// a line ends the program, a fresh one takes the next lines.
struct Session {
    double secondes = 0;
    int refusees = 0, erreurs = 0, programmes = 1;
};
Session Scenario() {
    Session r;
    std::mt19937_64 h(1);
    auto mo = std::make_unique<Moteur>(DossierExecutable());
    std::ostringstream sortie;
    for (int k = 1; k <= 10000; ++k) {
        if (mo->programme().ihm.termine) {
            mo = std::make_unique<Moteur>(DossierExecutable());
            ++r.programmes;
        }
        const std::string ligne = essais::ActionAleatoire(h, *mo);
        sortie.str("");
        const auto t0 = std::chrono::steady_clock::now();
        const bool suite = mo->Ligne(ligne, k, sortie);
        r.secondes += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const std::string s = sortie.str();
        if (s.find("\"refused\"") != std::string::npos) ++r.refusees;
        if (!suite) ++r.erreurs;
    }
    return r;
}

// A duration in the unit that suits it; "—" when not measured.
std::string Duree(double ms) {
    char t[32];
    if (ms <= 0) return "—";
    if (ms < 0.1) std::snprintf(t, sizeof t, "%.2f µs", ms * 1000);
    else std::snprintf(t, sizeof t, "%.3f ms", ms);
    return t;
}

} // namespace
} // namespace terraflot

// The rows of undo and of the journal's memory.
bool LignesSeance() {
    using namespace terraflot;
    bool tout = true;
    for (int actions : {1000, 10000}) {
        const MesureSeance s = MesureAnnuler(actions);
        const bool ok = s.maxMs <= 100;
        std::printf("| annuler / rétablir, séance de %d actions | %zu pas, %zu points de reprise | ≤ 100 ms | | "
                    "%d aller-retour : médiane %s, au plus %s | | | %s |\n",
                    actions, s.pas, s.reperes, s.annulations, Duree(s.medianeMs).c_str(), Duree(s.maxMs).c_str(),
                    ok ? "atteint" : "MANQUÉ");
        const bool okMemoire = s.octets <= 50u << 20;
        std::printf("| mémoire du journal et des points de reprise, %d actions | | ≤ 50 Mo | | %.1f Mo | | | %s |\n",
                    actions, s.octets / 1048576.0, okMemoire ? "atteint" : "MANQUÉ");
        tout = tout && ok && okMemoire;
    }
    return tout;
}

int main(int argc, char** argv) {
    using namespace terraflot;
    // Only the session's rows: TERRAFLOT_BENCH_SEANCE=1 ./bench.sh
    if (std::getenv("TERRAFLOT_BENCH_SEANCE")) {
        QApplication app(argc, argv);
        std::printf("\n| Mesure | Taille | Cible | Littéral | Différé | Modèle seul | Littéral/différé | Résultat |\n");
        std::printf("|---|---|---|---|---|---|---|---|\n");
        return LignesSeance() ? 0 : 1;
    }
    // Start-up to the first picture: the program as launched, then its picture.
    const auto t0 = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    double demarrage = 0;
    long memoire = 0;
    {
        auto pf = CreePlateformeQt();
        Programme p(*pf);
        std::unique_ptr<QWidget> cadre(CreeCadre(p));
        p.dessin.Image();
        QCoreApplication::processEvents();
        demarrage = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        memoire = Resident();
    }

    for (const Mesure& m : MESURES)
        for (Taille t : TAILLES)
            for (int pr = 0; pr < 3; ++pr) {
                if (pr == 2 && (!A_UN_PROTOCOLE_MUET<Protocole> || (m.fonction != Tick_ && m.fonction != Rafraichit2_)))
                    continue;
                const Protocole protocole =
                    pr == 0 ? Protocole::Litteral : pr == 1 ? Protocole::Differe : ProtocoleMuet<Protocole>();
                auto* b = benchmark::RegisterBenchmark(Nom(m, t, pr).c_str(), m.fonction, t, protocole);
                b->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
                if (pr == 0) b->MinTime(0.3);
            }
    benchmark::Initialize(&argc, argv);
    Collecte collecte;
    benchmark::RunSpecifiedBenchmarks(&collecte);

    double cycles = 0, peintures = 0, partielles = 0, arret = 0;
    Cadence(cycles, peintures, partielles, arret);
    const Session scenario = Scenario();

    std::printf("\n| Mesure | Taille | Cible | Littéral | Différé | Modèle seul | Littéral/différé | Résultat |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    bool tout = true;
    auto valeur = [&](const std::string& nom) {
        const auto i = collecte.medianes.find(nom);
        return i == collecte.medianes.end() ? 0.0 : i->second;
    };
    for (const Mesure& m : MESURES)
        for (int k = 0; k < 2; ++k) {
            const Taille t = TAILLES[k];
            const double l = valeur(Nom(m, t, 0)), d = valeur(Nom(m, t, 1)), a = valeur(Nom(m, t, 2));
            if (l <= 0 && d <= 0) continue;  // left out by a filter
            const bool ok = d > 0 && d <= m.cibles[k];
            tout = tout && ok;
            char rapport[16] = "—";
            if (l > 0 && d > 0) std::snprintf(rapport, sizeof rapport, "%.1f×", l / d);
            std::printf("| %s | %d col., %d tranches | ≤ %s | %s | %s | %s | %s | %s |\n", m.nom, t.colonnes,
                        t.tranches, Duree(m.cibles[k]).c_str(), Duree(l).c_str(), Duree(d).c_str(),
                        Duree(a).c_str(), rapport, ok ? "atteint" : "MANQUÉ");
        }
    const bool okCadence = cycles >= 500, okDemarrage = demarrage <= 300, okMemoire = memoire <= 100 * 1024,
               okScenario = scenario.secondes <= 5 && scenario.erreurs == 0;
    std::printf("| fenêtre réelle à 1 ms | 100 col., 20 tranches | ≥ 500 cycles/s | | %.0f cycles/s, %.0f images entières/s "
                "(+ %.0f bandes/s), STOP en %.1f ms | | | %s |\n",
                cycles, peintures, partielles, arret, okCadence ? "atteint" : "MANQUÉ");
    std::printf("| démarrage jusqu'à la première image | | ≤ 300 ms | | %.0f ms | | | %s |\n", demarrage,
                okDemarrage ? "atteint" : "MANQUÉ");
    std::printf("| mémoire résidente après le démarrage | | ≤ 100 Mo | | %.1f Mo | | | %s |\n", memoire / 1024.0,
                okMemoire ? "atteint" : "MANQUÉ");
    std::printf("| scénario de 10 000 actions (driver) | | ≤ 5 s | | %.2f s (%d refusées, %d erreurs, %d lancements) | | | %s |\n",
                scenario.secondes, scenario.refusees, scenario.erreurs, scenario.programmes, okScenario ? "atteint" : "MANQUÉ");
    tout = LignesSeance() && tout && okCadence && okDemarrage && okMemoire && okScenario;
    std::printf("\n%s\n", tout ? "Toutes les cibles sont atteintes." : "Des cibles sont manquées.");
    return 0;
}
