#include "seance.h"

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "lecon.h"
#include "plateforme_script.h"
#include "reperes.h"

namespace terraflot {

namespace {

// A checkpoint is taken after a step once this much replay work (ms) has
// gone by since the last one, so that a replay stays far below 100 ms.
constexpr double SEUIL_MS = 20;
// What the checkpoints may hold; beyond it they are thinned out.
constexpr std::size_t BUDGET_REPERES = 40u << 20;

using Horloge = std::chrono::steady_clock;

double Ms(Horloge::time_point debut) {
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

// The lines of one step, each ending in a line feed.
struct PasJournal {
    std::string lignes;
    std::size_t dernierTick = std::string::npos;   // a last "tick N" line that can grow
    long long ticks = 0;
    double cout = 0;                               // ms of work of its lines

    void Ajoute(std::string_view texte) {
        if (texte.empty()) return;
        lignes += texte;
        dernierTick = std::string::npos;
    }
    void AjouteTick() {
        if (dernierTick != std::string::npos && ticks < TICKS_PAR_LIGNE_MAX) {
            lignes.resize(dernierTick);
            ++ticks;
        } else {
            dernierTick = lignes.size();
            ticks = 1;
        }
        lignes += ticks == 1 ? std::string("tick\n") : "tick " + std::to_string(ticks) + "\n";
    }
    void Prolonge(const PasJournal& suite) {
        if (suite.lignes.empty()) return;
        const std::size_t decalage = lignes.size();
        lignes += suite.lignes;
        dernierTick = suite.dernierTick == std::string::npos ? std::string::npos
                                                             : decalage + suite.dernierTick;
        ticks = suite.ticks;
        cout += suite.cout;
    }
};

// The answer lines of the Yes/No boxes shown since `avant`.
std::string Reponses(const Programme& p, std::size_t avant) {
    std::string r;
    for (std::size_t k = avant; k < p.ihm.messages.size(); ++k)
        if (p.ihm.messages[k].boutons == Boutons::OuiNon)
            r += p.ihm.messages[k].reponse == Reponse::Oui ? "answer yes\n" : "answer no\n";
    return r;
}

bool EstEtape(Verbe v) {
    return v == Verbe::Press || v == Verbe::PressAlt || v == Verbe::Menu || v == Verbe::Click ||
           v == Verbe::Bar;
}

bool NoticeLivrable(const Programme& p) {
    return !p.ihm.termine && p.Chargee("Avertissement") && p.ihm.TimerAvertissement.actif;
}

// Delivers an action line; for tick, `livres` counts the ticks delivered.
std::string Execute(Programme& p, const Commande& c, long long* livres = nullptr) {
    switch (c.verbe) {
    case Verbe::Press: return terraflot::Appuie(p, c.x, c.y);
    case Verbe::PressAlt: return terraflot::AppuieAlt(p, c.x, c.y);
    case Verbe::Move: return terraflot::Survole(p, c.x, c.y);
    case Verbe::MoveAlt: return terraflot::SurvoleAlt(p, c.x, c.y);
    case Verbe::Menu: return terraflot::Menu(p, c.nom);
    case Verbe::Click: return terraflot::Clique(p, c.nom);
    case Verbe::Bar: return terraflot::BougeBarre(p, c.nom, int(c.n));
    case Verbe::Resize: return terraflot::Redimensionne(p, int(c.n), int(c.h));
    case Verbe::NoticeTick: terraflot::TicAvertissement(p); return {};
    case Verbe::Tick: {
        long long k = 0;
        for (; k < c.n && p.ihm.Timer1.actif && !p.ihm.termine; ++k) terraflot::Tic(p);
        if (livres) *livres = k;
        return {};
    }
    default: return "not an action";
    }
}

// Plays journal lines on a program whose message boxes take the recorded answers.
void Rejoue(Programme& p, PlateformeScript& pf, std::string_view lignes) {
    std::size_t debut = 0;
    while (debut < lignes.size()) {
        std::size_t fin = lignes.find('\n', debut);
        if (fin == std::string_view::npos) fin = lignes.size();
        Commande c;
        ErreurLigne e;
        if (Analyse(lignes.substr(debut, fin - debut), c, e)) {
            if (c.verbe == Verbe::Answer) pf.reponses.push_back(c.oui);
            else if (EstAction(c.verbe)) Execute(p, c);
        }
        debut = fin + 1;
    }
    pf.reponses.clear();
}

} // namespace

struct Seance::Donnees {
    std::vector<PasJournal> pas{1};        // pas[0]: the prelude
    std::size_t courant = 0;               // pas[0..courant] are in effect
    // Lines delivered while the state after pas[courant] is kept (steps to
    // give back, or its checkpoint): they join the journal with the next step.
    PasJournal suspens;
    Repere depart;                          // the state before pas[0]
    std::map<std::size_t, Repere> reperes;  // the state after pas[0..k]
    double ouvert = 0;                      // work since the last checkpoint on the way to courant
    double seuil = SEUIL_MS;
    std::size_t budget = BUDGET_REPERES;

    const Repere* Dernier() const {
        return reperes.empty() ? &depart : &std::prev(reperes.end())->second;
    }

    // Work of pas[a..b].
    double Cout(std::size_t a, std::size_t b) const {
        double t = 0;
        for (std::size_t k = a; k <= b && k < pas.size(); ++k) t += pas[k].cout;
        return t;
    }

    // The last checkpoint at or before k: its index + 1 (0 for the start).
    std::size_t Avant(std::size_t k) const {
        auto it = reperes.upper_bound(k);
        return it == reperes.begin() ? 0 : std::prev(it)->first + 1;
    }

    std::size_t OctetsReperes() const {
        std::size_t n = depart.octets + depart.image.size();
        std::set<const char*> images{depart.image.constData()};
        for (const auto& [k, r] : reperes) {
            n += r.octets;
            if (images.insert(r.image.constData()).second) n += r.image.size();
        }
        return n;
    }

    void Ajoute(std::size_t k, Repere r) {
        reperes[k] = std::move(r);
        if (k == courant) ouvert = 0;
        Amincit();
    }

    // Drops checkpoints while over the budget: each time the one whose
    // removal leaves the shortest replay between its neighbours.
    void Amincit() {
        while (!reperes.empty() && OctetsReperes() > budget) {
            std::vector<double> cumul(pas.size() + 1, 0);   // cumul[k]: work of pas[0..k-1]
            for (std::size_t k = 0; k < pas.size(); ++k) cumul[k + 1] = cumul[k] + pas[k].cout;
            auto meilleur = reperes.end();
            double moindre = 0;
            std::size_t precedent = 0;
            for (auto it = reperes.begin(); it != reperes.end(); ++it) {
                const auto suivant = std::next(it);
                const std::size_t fin = suivant == reperes.end() ? pas.size() : suivant->first + 1;
                const double fusion = cumul[fin] - cumul[precedent];
                if (meilleur == reperes.end() || fusion < moindre) meilleur = it, moindre = fusion;
                precedent = it->first + 1;
            }
            reperes.erase(meilleur);
        }
        ouvert = Cout(Avant(courant), courant);
    }

    // Where a move, a resize or a tick goes: while steps wait to be given
    // back, aside (given back, they bring back their own state); else into
    // the current step, whose checkpoint then no longer holds.
    PasJournal& Cible() {
        if (courant + 1 < pas.size()) return suspens;
        if (reperes.contains(courant)) Invalide();
        return pas[courant];
    }
    void Compte(PasJournal& cible, double t) {
        cible.cout += t;
        if (&cible != &suspens) ouvert += t;
    }
    // The checkpoint after pas[courant] is dropped: that step has grown.
    void Invalide() {
        reperes.erase(courant);
        ouvert = Cout(Avant(courant), courant);
    }

    void TronqueRetablir() {
        pas.resize(courant + 1);
        reperes.erase(reperes.upper_bound(courant), reperes.end());
    }
};

void DemarreSession(Programme& p) {
    Demarre(p);
    terraflot::Clique(p, "Avertissement.Command1");
    p.ihm.messages.clear();
    p.ihm.aide.clear();
}

Seance::Seance(Programme& p) : p_(p), d_(std::make_unique<Donnees>()) { d_->depart = Capture(p_); }
Seance::~Seance() = default;

void Seance::Recommence() {
    auto d = std::make_unique<Donnees>();
    d->seuil = d_->seuil;
    d->budget = d_->budget;
    d_ = std::move(d);
    d_->depart = Capture(p_);
}

namespace {
Commande Action(Verbe v, double x, double y, long long n = 0, long long h = 0, std::string_view nom = {}) {
    return Commande{.verbe = v, .x = x, .y = y, .n = n, .h = h, .nom = std::string(nom)};
}
} // namespace

std::string Seance::Menu(std::string_view nom) { return Joue(Action(Verbe::Menu, 0, 0, 0, 0, nom)); }
std::string Seance::Clique(std::string_view nom) { return Joue(Action(Verbe::Click, 0, 0, 0, 0, nom)); }
std::string Seance::Appuie(double x, double y) { return Joue(Action(Verbe::Press, x, y)); }
std::string Seance::AppuieAlt(double c, double a) { return Joue(Action(Verbe::PressAlt, c, a)); }
std::string Seance::Survole(double x, double y) { return Joue(Action(Verbe::Move, x, y)); }
std::string Seance::SurvoleAlt(double c, double a) { return Joue(Action(Verbe::MoveAlt, c, a)); }
std::string Seance::BougeBarre(std::string_view nom, int v) { return Joue(Action(Verbe::Bar, 0, 0, v, 0, nom)); }
std::string Seance::Redimensionne(int largeur, int hauteur) {
    return Joue(Action(Verbe::Resize, 0, 0, largeur, hauteur));
}
void Seance::TicAvertissement() { Joue(Action(Verbe::NoticeTick, 0, 0)); }

long long Seance::Tic(long long n) {
    if (p_.ihm.termine || !p_.ihm.Timer1.actif || n <= 0) return 0;
    Donnees& d = *d_;
    PasJournal& cible = d.Cible();
    const auto debut = Horloge::now();
    long long k = 0;
    for (; k < n && p_.ihm.Timer1.actif && !p_.ihm.termine; ++k) {
        const std::size_t avant = p_.ihm.messages.size();
        terraflot::Tic(p_);
        cible.Ajoute(Reponses(p_, avant));   // before the tick that asked them
        cible.AjouteTick();
    }
    d.Compte(cible, Ms(debut));
    return k;
}

std::string Seance::Joue(const Commande& c) {
    std::string refus;
    if (c.verbe == Verbe::Tick) Tic(c.n);
    else if (EstEtape(c.verbe)) Etape(c, refus);
    else if (EstAction(c.verbe)) Suite(c, refus);
    else refus = "not an action";
    return refus;
}

void Seance::Etape(const Commande& c, std::string& refus) {
    Donnees& d = *d_;
    const bool enSuspens = !d.suspens.lignes.empty();
    const bool existe = d.reperes.contains(d.courant);
    // The state before the action, in case it is accepted; a refused action
    // changes nothing, so the capture is only wasted then.
    std::optional<Repere> avant;
    if (enSuspens ? (existe || d.ouvert + d.suspens.cout >= d.seuil) : (!existe && d.ouvert >= d.seuil))
        avant = Capture(p_, d.Dernier());
    const std::size_t messages = p_.ihm.messages.size();
    const auto debut = Horloge::now();
    refus = Execute(p_, c);
    const double t = Ms(debut);
    if (!refus.empty()) return;

    d.TronqueRetablir();
    if (enSuspens) {
        d.pas[d.courant].Prolonge(d.suspens);
        d.suspens = {};
        d.Invalide();
    }
    if (avant) d.Ajoute(d.courant, std::move(*avant));
    PasJournal pas;
    pas.Ajoute(Reponses(p_, messages) + Ecrit(c) + '\n');
    pas.cout = t;
    d.pas.push_back(std::move(pas));
    ++d.courant;
    d.ouvert += t;
}

void Seance::Suite(const Commande& c, std::string& refus) {
    if (c.verbe == Verbe::NoticeTick && !NoticeLivrable(p_)) return;
    Donnees& d = *d_;
    const std::size_t messages = p_.ihm.messages.size();
    const auto debut = Horloge::now();
    refus = Execute(p_, c);
    const double t = Ms(debut);
    if (!refus.empty()) return;
    PasJournal& cible = d.Cible();
    cible.Ajoute(Reponses(p_, messages) + Ecrit(c) + '\n');
    d.Compte(cible, t);
}

std::string Seance::PourquoiPasAnnuler() const {
    if (std::string r = Accessible(p_, "MDIForm1"); !r.empty()) return r;
    return d_->courant == 0 ? "nothing to undo" : "";
}

std::string Seance::PourquoiPasRetablir() const {
    if (std::string r = Accessible(p_, "MDIForm1"); !r.empty()) return r;
    return d_->courant + 1 >= d_->pas.size() ? "nothing to redo" : "";
}

std::string Seance::PourquoiPasFichier() const { return Accessible(p_, "MDIForm1"); }

std::string Seance::Annule() {
    if (std::string r = PourquoiPasAnnuler(); !r.empty()) return r;
    Donnees& d = *d_;
    // Giving this step back later must not replay a long run of work.
    if (d.suspens.lignes.empty() && !d.reperes.contains(d.courant) && d.ouvert >= d.seuil)
        d.Ajoute(d.courant, Capture(p_, d.Dernier()));
    VaA(d.courant - 1);
    return {};
}

std::string Seance::Retablit() {
    if (std::string r = PourquoiPasRetablir(); !r.empty()) return r;
    VaA(d_->courant + 1);
    return {};
}

void Seance::VaA(std::size_t k) {
    Donnees& d = *d_;
    d.suspens = {};
    const std::size_t debut = d.Avant(k);
    const Repere& depuis = debut == 0 ? d.depart : d.reperes.at(debut - 1);
    if (debut > k) {
        Restaure(p_, depuis);
    } else {
        PlateformeScript pf(p_.pf.DossierProgramme());
        Programme brouillon(pf);
        brouillon.dessin.ChoisitProtocole(p_.dessin.ProtocoleActuel());
        Restaure(brouillon, depuis);
        for (std::size_t i = debut; i <= k; ++i) Rejoue(brouillon, pf, d.pas[i].lignes);
        Copie(p_, brouillon);
    }
    d.courant = k;
    d.ouvert = d.Cout(debut, k);
    ++remplacements_;
}

std::string Seance::Texte() const {
    std::string texte = EnTeteLecon();
    for (std::size_t k = 0; k <= d_->courant; ++k) texte += d_->pas[k].lignes;
    texte += d_->suspens.lignes;
    return texte;
}

std::string Seance::Enregistre(const std::string& chemin, bool* reussi) {
    if (reussi) *reussi = false;
    if (std::string r = PourquoiPasFichier(); !r.empty()) return r;
    std::string raison;
    if (EcritFichierLecon(chemin, Texte(), raison)) {
        if (reussi) *reussi = true;
    } else {
        p_.MsgBox(MessageEnregistrement(chemin, raison), Boutons::Ok, Icone::Stop);
    }
    return {};
}

std::string Seance::Ouvre(const std::string& chemin, bool* reussi) {
    if (reussi) *reussi = false;
    if (std::string r = PourquoiPasFichier(); !r.empty()) return r;
    std::string octets, raison;
    std::vector<LigneLecon> lignes;
    auto echec = [&] {
        p_.MsgBox(MessageOuverture(chemin, raison), Boutons::Ok, Icone::Stop);
        return std::string();
    };
    if (!LitFichierLecon(chemin, octets, raison) || !AnalyseLecon(octets, lignes, raison)) return echec();

    // Played on a fresh program on the same screen; this one is untouched
    // until the whole lesson has played.
    p_.pf.PointeurChange(Pointeur::Sablier);
    PlateformeScript pf(p_.pf.DossierProgramme());
    Programme frais(pf);
    frais.dessin.ChoisitProtocole(p_.dessin.ProtocoleActuel());
    frais.ihm.LargeurEcran = p_.ihm.LargeurEcran;
    frais.ihm.HauteurEcran = p_.ihm.HauteurEcran;
    DemarreSession(frais);
    Seance seance(frais);
    seance.ReglageReperes(d_->seuil, d_->budget);
    long long ticks = 0;
    for (const LigneLecon& l : lignes) {
        const Commande& c = l.commande;
        if (c.verbe == Verbe::Answer) pf.reponses.push_back(c.oui);
        else if (c.verbe == Verbe::Undo) seance.Annule();
        else if (c.verbe == Verbe::Redo) seance.Retablit();
        else if (c.verbe == Verbe::Tick) {
            if (ticks + c.n > TICKS_LECON_MAX) ticks += seance.Tic(TICKS_LECON_MAX + 1 - ticks);
            else ticks += seance.Tic(c.n);
        } else seance.Joue(c);
        if (ticks > TICKS_LECON_MAX)
            raison = "ligne " + std::to_string(l.numero) +
                     " : la leçon fait avancer l'animation de plus de " +
                     std::to_string(TICKS_LECON_MAX) + " pas";
        else if (frais.ihm.termine)
            raison = "ligne " + std::to_string(l.numero) + " : cette ligne quitte le programme";
        if (!raison.empty()) {
            p_.pf.PointeurChange(p_.ihm.pointeur);
            return echec();
        }
    }
    Copie(p_, frais);
    std::swap(d_, seance.d_);
    ++remplacements_;
    p_.pf.PointeurChange(p_.ihm.pointeur);
    if (reussi) *reussi = true;
    return {};
}

void Seance::ReglageReperes(double seuilMs, std::size_t budgetOctets) {
    d_->seuil = seuilMs;
    d_->budget = budgetOctets;
    d_->Amincit();
}

std::size_t Seance::Pas() const { return d_->courant; }
std::size_t Seance::PasRetablir() const { return d_->pas.size() - 1 - d_->courant; }
std::size_t Seance::Reperes() const { return d_->reperes.size(); }

std::size_t Seance::Octets() const {
    std::size_t n = d_->OctetsReperes() + d_->suspens.lignes.capacity();
    for (const PasJournal& pas : d_->pas) n += sizeof(PasJournal) + pas.lignes.capacity();
    return n;
}

} // namespace terraflot
