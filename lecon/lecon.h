// Lesson files: a session's journal as UTF-8 text in the script language,
// one action a line, `#` comments.  Reading checks every line before
// anything is played.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ligne.h"

namespace terraflot {

inline constexpr const char* EXTENSION_LECON = ".terraflot";
// A lesson is a few hundred kilobytes at most; a bigger file is refused
// before it is read.
inline constexpr std::size_t TAILLE_LECON_MAX = 10u << 20;
// Timer ticks a lesson may deliver: an opened lesson must end in reasonable time.
inline constexpr long long TICKS_LECON_MAX = 2000000;

struct LigneLecon {
    int numero = 0;
    Commande commande;
};

// The comment header written at the top of a lesson.
std::string EnTeteLecon();

// Reads the file's bytes; false with the reason in French.
bool LitFichierLecon(const std::string& chemin, std::string& octets, std::string& raison);
// Checks the text and every line: the lines to play (answers, actions,
// undo and redo; dump, png, save and open are left out), or the reason
// ("ligne 7 : commande inconnue « foo »").
bool AnalyseLecon(std::string_view texte, std::vector<LigneLecon>& lignes, std::string& raison);
// Writes the text in place of the file, whole or not at all.
bool EcritFichierLecon(const std::string& chemin, const std::string& texte, std::string& raison);

// The texts of the message boxes.
std::string MessageOuverture(const std::string& chemin, const std::string& raison);
std::string MessageEnregistrement(const std::string& chemin, const std::string& raison);

} // namespace terraflot
