// The help window "Comment ...", the help file and the about box.
#pragma once

#include <string>

namespace terraflot {

struct Programme;

void mnu_aide2_Click(Programme& p);       // "Comment..."
void Aide_HLBBttn1_Click(Programme& p);   // its "OK"
void mnu_aide1_Click(Programme& p);       // "Utiliser TerraFLOT"
void mnu_apropos_Click(Programme& p);     // "A propos de "
void Apropos_HLBBttn1_Click(Programme& p);

// Number of directory entries matching `chemin` whose attributes fit the
// mask (1 read-only, 2 hidden, 4 system; normal files always fit).
int CompteFichiers(const std::string& chemin, int masque);

} // namespace terraflot
