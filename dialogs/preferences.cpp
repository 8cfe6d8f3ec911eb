#include "dialogs/preferences.h"
#include "app/etat.h"

namespace terraflot {

void mnu_modifier_Click(Programme& p) { }

void ChargePreferences(Programme& p) { }

bool ChangeBarre(Programme& p, std::string_view nom, int v) { return false; }

void MiseAJour(Programme& p) { }

void Preferences_mnu_quitter_Click(Programme& p) { }

} // namespace terraflot
