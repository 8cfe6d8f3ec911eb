// The erosion panel, the erosion cycle and the mountain-erosion animation.
#pragma once

namespace terraflot {

struct Programme;

bool ControleAvantErosion(Programme& p);
// One cycle; `tick` is true for a timer tick, false for "Pas à pas...".
void CycleErosion(Programme& p, bool tick);

void HLBBttn1_Click(Programme& p);  // "Pas à pas..."
void HLBBttn2_Click(Programme& p);  // "Repérer le niveau d'érosion"
void HLBBttn3_Click(Programme& p);  // "Démarrer"
void HLBBttn4_Click(Programme& p);  // "STOP"
void HLBBttn5_Click(Programme& p);  // "Réinitialiser la surface d'érosion à 0"
void Option1_Click(Programme& p);   // "Erosion + isostasie"
void Option2_Click(Programme& p);   // "Erosion seule"

void mnu_Anim_érosion_Click(Programme& p);
void mnu_anim_epaississement_Click(Programme& p);
void Timer1_Timer(Programme& p);

} // namespace terraflot
