#include "tools/outils.h"
#include "app/etat.h"

namespace terraflot {

void mnu_profil_Click(Programme& p) { }

void mnu_érosion_Click(Programme& p) { }

void mnu_modifmoho_Click(Programme& p) { }

void mnu_dépôt_Click(Programme& p) { }

void mnu_use_Click(Programme& p) { }

void mnu_glaciation_Click(Programme& p) { }

void mnu_fonte_Click(Programme& p) { }

void Picture1_MouseDown(Programme& p, double x, double y,
                        std::optional<double> altitude) { }

void mnu_recommencer_Click(Programme& p) { }

void mnu_réajuster_Click(Programme& p) { }

void mnu_InitialiserNiveauxRepères_Click(Programme& p) { }

void mnu_MémoriserNiveauxRepères_Click(Programme& p) { }

void mnu_quitter_Click(Programme& p) { }

} // namespace terraflot
