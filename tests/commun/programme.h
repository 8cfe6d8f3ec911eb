// A program started as a user finds it: a 1280 x 1024 screen, the start-up
// notice closed, no message left; on the platform the test chooses.
#pragma once

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "plateforme_script.h"

namespace essais {

// The driver's platform, reading files from the current folder.
struct PlateformeIci : terraflot::PlateformeScript {
    PlateformeIci() : PlateformeScript(".") {}
};

template <class P = PlateformeIci>
struct Demarre {
    P pf;
    terraflot::Programme p{pf};
    terraflot::Modele& m = p.m;
    Demarre() {
        p.ihm.LargeurEcran = 1280 * 15;
        p.ihm.HauteurEcran = 1024 * 15;
        terraflot::Demarre(p);
        terraflot::Clique(p, "Avertissement.Command1");
        p.ihm.messages.clear();
    }
};

} // namespace essais
