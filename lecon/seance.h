// The session: every user action goes through it, so that it keeps the
// journal of the accepted actions, in the script language of the driver,
// and can take steps back ("Annuler"), give them back ("Rétablir"), write
// the journal as a lesson and open a lesson.
//
// A step is one accepted press, pressalt, menu, click or bar, with the
// answers of the Yes/No boxes it asked (journaled before it, so that a
// replay answers them the same way).  Moves, resizes, timer ticks and the
// notice's ticks belong to the step before them; those before the first
// step are a prelude that is never taken back.  Refused actions are not
// journaled.  Taking back a step puts the program in exactly the state of a
// program that played the session without it: the nearest checkpoint is
// restored and the steps after it replayed on a program of its own, where
// the recorded answers are used and no message box shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ligne.h"

namespace terraflot {

struct Programme;

// The start of a program as the driver and a lesson start it: the whole
// start, then the start-up notice's OK; the start's messages and help
// requests are forgotten.
void DemarreSession(Programme& p);

class Seance {
public:
    // Journals what is delivered to `p` from now on; the state of `p` now
    // is the start of the session.
    explicit Seance(Programme& p);
    ~Seance();
    Seance(const Seance&) = delete;
    Seance& operator=(const Seance&) = delete;

    // The user's actions, with the refusals of app/commandes.h (empty when
    // accepted).
    std::string Menu(std::string_view nom);
    std::string Clique(std::string_view nom);
    std::string Appuie(double x, double y);
    std::string AppuieAlt(double c, double a);
    std::string Survole(double x, double y);
    std::string SurvoleAlt(double c, double a);
    std::string BougeBarre(std::string_view nom, int v);
    std::string Redimensionne(int largeur, int hauteur);
    // Up to n ticks of Timer1, while it is enabled; returns those delivered.
    long long Tic(long long n = 1);
    // One tick of the notice's timer, while the notice has it enabled.
    void TicAvertissement();
    // Any line for which EstAction holds.
    std::string Joue(const Commande& c);

    // "Annuler" and "Rétablir": the reason they cannot act now (nothing to
    // take back or give back, a modal window open, the program ended),
    // empty when they can.  The menus enable their items on it.
    std::string PourquoiPasAnnuler() const;
    std::string PourquoiPasRetablir() const;
    bool PeutAnnuler() const { return PourquoiPasAnnuler().empty(); }
    bool PeutRetablir() const { return PourquoiPasRetablir().empty(); }
    // Take back the last step / give back the last taken back.
    std::string Annule();
    std::string Retablit();

    // "Enregistrer la leçon..." and "Ouvrir une leçon...": why they cannot
    // act now (a modal window open, the program ended).
    std::string PourquoiPasFichier() const;
    // Writes the lesson FILE.  A failure shows its message box and leaves the
    // file as it was.  `reussi`, when given, tells whether it was written.
    std::string Enregistre(const std::string& chemin, bool* reussi = nullptr);
    // Opens the lesson FILE: the state and the journal become those of a
    // fresh program that played it.  A file that cannot be read or has a bad
    // line shows its message box and changes nothing.
    std::string Ouvre(const std::string& chemin, bool* reussi = nullptr);

    // The lesson text of the steps in effect.
    std::string Texte() const;

    // Figures.
    std::size_t Pas() const;          // steps in effect
    std::size_t PasRetablir() const;  // steps that can be given back
    std::size_t Reperes() const;      // checkpoints held
    std::size_t Octets() const;       // memory of the journal and its checkpoints

    // Checkpoints: one after a step once `seuilMs` of work has gone by since
    // the last, all of them within `budgetOctets` (20 ms and 40 MB unless
    // changed; tests and measurements change them).
    void ReglageReperes(double seuilMs, std::size_t budgetOctets);

    // The state of the program now becomes the start of the session: the
    // journal is emptied (the windows do it once the start-up notice is
    // gone, so that a session starts where a lesson starts).
    void Recommence();

    // Bumps when the state was replaced as a whole (undo, redo, open): a
    // window then mirrors everything again.
    std::uint64_t Remplacements() const { return remplacements_; }

    struct Donnees;

private:
    void Etape(const Commande& c, std::string& refus);
    void Suite(const Commande& c, std::string& refus);
    void VaA(std::size_t k);

    Programme& p_;
    std::unique_ptr<Donnees> d_;
    std::uint64_t remplacements_ = 0;
};

} // namespace terraflot
