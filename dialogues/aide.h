// The help window "Comment ...", the help file and the about box.
#pragma once

#include <string>
#include <vector>

namespace terraflot {

struct Programme;

void mnu_aide2_Click(Programme& p);       // "Comment..."
void Aide_HLBBttn1_Click(Programme& p);   // its "OK"
void mnu_aide1_Click(Programme& p);       // "Utiliser TerraFLOT"
void mnu_apropos_Click(Programme& p);     // "A propos de "
void Apropos_HLBBttn1_Click(Programme& p);

// Number of directory entries matching `chemin` whose attributes fit the
// mask (1 read-only, 2 hidden, 4 system; normal files always fit).
// Letters match whatever their case.
int CompteFichiers(const std::string& chemin, int masque);
// Those entries, as paths with their names as written in the folder, sorted.
std::vector<std::string> FichiersCorrespondants(const std::string& chemin, int masque);

// Font of the help window's and the about box's texts: the window shows
// them in it, and the heights of the labels are measured with it.
inline constexpr const char* POLICE_AIDE = "Arial";
inline constexpr int TAILLE_POLICE_AIDE_PX = 13;
// Height (twips) of `texte` word-wrapped at `largeur` twips in that font.
int HauteurTexte(const std::string& texte, int largeur, bool gras = false);

} // namespace terraflot
