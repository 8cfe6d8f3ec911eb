// Whole-section redraws, display toggles and the cursor readout.
#pragma once

namespace terraflot {

struct Programme;

// Size of the legend panel Picture4 and of the erosion panel Picture2 (twips).
inline constexpr int LARGEUR_PICTURE4 = 5900;
inline constexpr int HAUTEUR_PICTURE4 = 2025;
inline constexpr int LARGEUR_PICTURE2 = 6420;
inline constexpr int HAUTEUR_PICTURE2 = 2025;

// Full refresh: clear, legend pressures, eroded total, RééQUILIBRAGE.
void Rafraichit2(Programme& p);
// Rebuild after a change of the column or band count.
void Rafraichit(Programme& p);
// Rebuild after the dialog's values were validated.
void rafraichit3(Programme& p);
// Legend captions Label3 / Label5 and swatches Picture3 / Picture10.
void LegendeNiveaux(Programme& p);
// Caption Label6 of the eroded volume for the present column count.
void LegendeVolume(Programme& p);

void mnu_quadrillage_Click(Programme& p);
void mnu_ReprésenterNiveauxRepères_Click(Programme& p);

// Cursor readout and dashboard.
void Picture1_MouseMove(Programme& p, double x, double y);
void INDICTABLEAU(Programme& p, int i, double y);
void mnu_affichetableau_Click(Programme& p);
// Loads the dashboard window: topmost, bottom right of the screen.
void ChargeTableau_bord(Programme& p);

} // namespace terraflot
