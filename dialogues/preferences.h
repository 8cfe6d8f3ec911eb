// The parameters dialog "Modifier les valeurs ".
#pragma once

#include <string_view>

namespace terraflot {

struct Programme;

// "Modifier les valeurs ": clears the erosion counters, loads the dialog the
// first time, shows it.
void mnu_modifier_Click(Programme& p);
// The dialog's load step.
void ChargePreferences(Programme& p);
// Moves the bar `nom` to v, clamped to its range; its change handler runs
// when the value changes.  Returns false for an unknown bar.
bool ChangeBarre(Programme& p, std::string_view nom, int v);
void MiseAJour(Programme& p);
// The dialog's "Quitter".
void Preferences_mnu_quitter_Click(Programme& p);

} // namespace terraflot
