// Start-up, layout of the main window, start-up notice and quitting.
#pragma once

namespace terraflot {

struct Programme;

void MDIForm1_Load(Programme& p);
void Quiral_Load(Programme& p);
void Quiral_Resize(Programme& p);
void Quiral_Activate(Programme& p);
// The whole start as a user launching the program sees it.
void Demarre(Programme& p);

void Avertissement_Load(Programme& p);
void Avertissement_Timer1_Timer(Programme& p);
void Avertissement_Command1_Click(Programme& p);

// Closing the frame: asks first; true when the program ends.
bool MDIForm1_QueryUnload(Programme& p);

} // namespace terraflot
