// One line of the script language: what the scenario driver reads, what the
// session's journal writes and what a lesson file holds.  The one reader of
// those lines.
#pragma once

#include <string>
#include <string_view>

namespace terraflot {

enum class Verbe {
    Vide,   // blank line or comment
    Press, PressAlt, Move, MoveAlt, Menu, Click, Bar, Tick, NoticeTick, Answer, Resize,
    Dump, Png, Undo, Redo, Save, Open,
};

struct Commande {
    Verbe verbe = Verbe::Vide;
    double x = 0, y = 0;      // press, pressalt, move, movealt
    long long n = 0;          // bar value, tick count, resize width
    long long h = 0;          // resize height
    bool oui = false;         // answer
    std::string nom;          // menu item, button, bar, file
};

// Why a line is malformed: the driver's own English text, and what a lesson
// message says of it in French.
struct ErreurLigne {
    std::string texte;
    std::string francais;
};

inline constexpr long long TICKS_PAR_LIGNE_MAX = 1000000;
inline constexpr long long TAILLE_CADRE_MAX = 10000000;   // twips
inline constexpr std::size_t LONGUEUR_LIGNE_MAX = 64 * 1024;

// Reads one line (a trailing CR and a `#` comment are dropped).  False for a
// malformed line, with the reason.
bool Analyse(std::string_view ligne, Commande& commande, ErreurLigne& erreur);

// The line that reads back as `commande`: numbers in the shortest plain
// decimal form that reads back to the same double.
std::string Ecrit(const Commande& commande);
// A number as Ecrit writes it.
std::string EcritNombre(double x);

// Press, pressalt, move, movealt, menu, click, bar, tick, noticetick, resize:
// the lines that act on the program.
bool EstAction(Verbe v);

} // namespace terraflot
