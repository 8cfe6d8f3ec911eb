#include "dialogs/aide.h"
#include "app/etat.h"

namespace terraflot {

void mnu_aide2_Click(Programme& p) { }

void Aide_HLBBttn1_Click(Programme& p) { }

void mnu_aide1_Click(Programme& p) { }

void mnu_apropos_Click(Programme& p) { }

void Apropos_HLBBttn1_Click(Programme& p) { }

int CompteFichiers(const std::string& chemin, int masque) { return 0; }

} // namespace terraflot
