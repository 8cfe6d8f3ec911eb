// Tool modes of the "Calcul" menu, the press handler of the drawing area
// and the whole-section commands.
#pragma once

#include <optional>

namespace terraflot {

struct Programme;

void mnu_profil_Click(Programme& p);
void mnu_érosion_Click(Programme& p);
void mnu_modifmoho_Click(Programme& p);
void mnu_dépôt_Click(Programme& p);
void mnu_use_Click(Programme& p);
void mnu_glaciation_Click(Programme& p);
void mnu_fonte_Click(Programme& p);

// A press on Picture1 at (x, y) twips.  When `altitude` is given (metres)
// it stands for AltitudeDepuisY(y) wherever the handler reads the press
// altitude, and y is then YDepuisAltitude(altitude).
void Picture1_MouseDown(Programme& p, double x, double y,
                        std::optional<double> altitude = std::nullopt);

void mnu_recommencer_Click(Programme& p);
void mnu_réajuster_Click(Programme& p);
void mnu_InitialiserNiveauxRepères_Click(Programme& p);
void mnu_MémoriserNiveauxRepères_Click(Programme& p);
void mnu_quitter_Click(Programme& p);

} // namespace terraflot
