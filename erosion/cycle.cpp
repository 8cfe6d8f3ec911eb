#include "erosion/erosion.h"
#include "app/etat.h"

namespace terraflot {

bool ControleAvantErosion(Programme& p) { return false; }

void CycleErosion(Programme& p, bool tick) { }

void HLBBttn1_Click(Programme& p) { }

void HLBBttn2_Click(Programme& p) { }

void HLBBttn3_Click(Programme& p) { }

void HLBBttn4_Click(Programme& p) { }

void HLBBttn5_Click(Programme& p) { }

void Option1_Click(Programme& p) { }

void Option2_Click(Programme& p) { }

void mnu_Anim_érosion_Click(Programme& p) { }

void mnu_anim_epaississement_Click(Programme& p) { }

void Timer1_Timer(Programme& p) { }

} // namespace terraflot
