// Commands on the whole section: restart, isostatic re-adjustment, the
// reference-level commands and quitting.
#include "outils.h"

#include "etat.h"
#include "isostasie.h"
#include "rendu.h"
#include "communs.h"

namespace terraflot {

// Every column in use back to the reference column, profile construction.
void mnu_recommencer_Click(Programme& p) {
    Modele& m = p.m;
    m.ReperesFixes = false;
    p.MenuItem("mnu_modifier").actif = true;
    const int n = ColonnesEnService(m);
    for (int i = 1; i <= n; ++i) {
        m.AltSurface[i] = 0;
        m.AltProfil[i] = 0;
        m.AltSocle[i] = 0;
        m.EpGlace[i] = 0;
        m.EpSediments[i] = 0;
        m.HauteurEau[i] = 0;
        m.ProfilErosion[i] = 0;
        m.ErosionCumulee[i] = 0;
        m.EpSocle[i] = m.EpCrouteRef;
        m.ProfMoho[i] = m.EpSocle[i];
        m.EpManteau[i] = m.NivCompensation - m.EpCrouteRef;
        m.AltRepereProfond[i] = -m.ProfRepereProfond;
        m.AltRepereIntermediaire[i] = -m.ProfRepereIntermediaire;
        m.PressionCompensation[i] =
            9.8 * (m.EpSocle[i] * m.MvCroute + m.EpManteau[i] * m.MvManteau +
                   (m.HauteurEau[i] / 1000) * m.MvOcean + m.EpSediments[i] * m.MvSediments +
                   m.EpGlace[i] * m.MvGlace);
        m.PressionRepereIntermediaire[i] = m.AltRepereIntermediaire[i];
        m.PressionRepereProfond[i] = m.AltRepereProfond[i];
        m.EpSocleM[i] = 1000 * m.EpCrouteRef;
        m.HautRepereProfond0[i] = m.HautRepereProfond[i] =
            1000 * m.EpCrouteRef - 1000 * m.ProfRepereProfond;
        m.HautRepereIntermediaire0[i] = m.HautRepereIntermediaire[i] =
            1000 * m.EpCrouteRef - 1000 * m.ProfRepereIntermediaire;
        m.ProfRepereProfondCol[i] = m.ProfRepereProfond;
        m.ProfRepereIntermediaireCol[i] = m.ProfRepereIntermediaire;
        m.LimiteInitialeIntermediaire[i] = m.AltRepereIntermediaire[i];
        RedessineColonne(p, i);
    }
    m.SommeErosion = 0;
    p.ihm.Picture2_visible = false;
    // A new section: no erosion level is being marked any more.
    m.ReperageErosion = false;
    PasseEnModeProfil(p);
    Rafraichit2(p);
}

void mnu_réajuster_Click(Programme& p) {
    Modele& m = p.m;
    p.ChangePointeur(Pointeur::Sablier);
    if (m.ModeProfil) {
        ReinitialiseReperes(p);
        RééQUILIBRAGE(m, p.dessin);
        p.Label("Quiral.Label8", NIVEAUX_INITIALISES);
    } else if (m.ModeMoho) {
        // The levels ride with the crust.
        Rééquilibrage2(m, p.dessin);
        p.Label("Quiral.Label8", NIVEAUX_NON_INITIALISES);
    } else {
        RééQUILIBRAGE(m, p.dessin);
        p.Label("Quiral.Label8", NIVEAUX_INITIALISES_REAJUSTEMENT);
    }
    p.ChangePointeur(Pointeur::Defaut);
}

void mnu_InitialiserNiveauxRepères_Click(Programme& p) {
    ReinitialiseReperes(p);
    RééQUILIBRAGE(p.m, p.dessin);
    p.Label("Quiral.Label8", NIVEAUX_INITIALISES);
}

// The red initial-limit line moves to the present intermediate level.
void mnu_MémoriserNiveauxRepères_Click(Programme& p) {
    Modele& m = p.m;
    const int n = ColonnesEnService(m);
    for (int i = 1; i <= n; ++i) {
        m.LimiteInitialeIntermediaire[i] = m.AltRepereIntermediaire[i];
        RedessineColonne(p, i);
    }
    p.Label("Quiral.Label8", NIVEAUX_INITIALISES);
}

// Asked once; Yes closes every window and ends the program.
void mnu_quitter_Click(Programme& p) { DemandeFin(p); }

} // namespace terraflot
