#include "render/rendu.h"
#include "app/etat.h"

namespace terraflot {

void Rafraichit2(Programme& p) { }

void Rafraichit(Programme& p) { }

void rafraichit3(Programme& p) { }

void LegendeNiveaux(Programme& p) { }

void LegendeVolume(Programme& p) { }

void mnu_quadrillage_Click(Programme& p) { }

void mnu_ReprésenterNiveauxRepères_Click(Programme& p) { }

void Picture1_MouseMove(Programme& p, double x, double y) { }

void INDICTABLEAU(Programme& p, int i, double y) { }

void mnu_affichetableau_Click(Programme& p) { }

void ChargeTableau_bord(Programme& p) { }

} // namespace terraflot
