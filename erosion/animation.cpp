// The mountain-erosion mode: its menu entry, "Démarrer", "STOP" and the
// timer tick that runs one erosion cycle, one million years, per tick.
#include "etat.h"
#include "controle.h"
#include "erosion.h"
#include "rendu.h"

namespace terraflot {

void mnu_Anim_érosion_Click(Programme& p) {
    Modele& m = p.m;
    if (p.MenuItem("mnu_Anim_érosion").coche) return;

    // The parameters dialog closes and stays out of reach, even when the
    // section is refused below.
    if (p.Chargee("Préférences")) p.Decharge("Préférences");
    p.MenuItem("mnu_modifier").actif = false;

    const int n = ColonnesEnService(m);
    for (int i = 1; i <= n; ++i) {
        if (!ControleColonne(p, i)) return;
        RedessineColonne(p, i);
    }

    m.ModeProfil = m.ModeErosion = m.ModeGlaciation = m.ModeMoho = m.ModeDepot = false;
    m.ModeSimulErosion = false;
    m.AnimErosionMassif = true;
    m.ReperesFixes = true;

    p.MenuItem("mnu_Anim_érosion").coche = true;
    for (const char* nom : {"mnu_use", "mnu_profil", "mnu_modifmoho", "mnu_érosion",
                            "mnu_glaciation", "mnu_dépôt"})
        p.MenuItem(nom).coche = false;
    p.MenuItem("mnu_fonte").actif = false;

    // The erosion panel sits on the bottom edge of the drawing area.
    p.ihm.Picture2_visible = true;
    Geometrie& panneau = p.ihm.geometries["Quiral.Picture2"];
    if (panneau.largeur == 0 && panneau.hauteur == 0) {
        panneau.largeur = LARGEUR_PICTURE2;
        panneau.hauteur = HAUTEUR_PICTURE2;
    }
    panneau.haut = int(m.HauteurZone) - HAUTEUR_PICTURE2;

    m.TempsEcoule = 0;
    m.SommeErosion = 0;
    p.Label("Quiral.Label2", std::string("Temps écoulé = ") + SautLigne + " 0" + " millions d'années");
    p.Label("Quiral.Label1", " Erosion d'un massif montagneux");
}

// The entry of the relief-forming animation is never enabled.
void mnu_anim_epaississement_Click(Programme& p) { p.ihm.Picture2_visible = true; }

void HLBBttn3_Click(Programme& p) {
    p.m.ReperesFixes = true;
    if (!ControleAvantErosion(p)) return;
    p.m.LimiteProfil = true;
    p.ihm.Timer1.actif = true;
}

void HLBBttn4_Click(Programme& p) {
    p.ihm.Timer1.actif = false;
    p.ChangePointeur(Pointeur::Fleche);
}

void Timer1_Timer(Programme& p) {
    p.ChangePointeur(Pointeur::Sablier);
    p.ihm.Timer1.intervalle = p.m.IntervalleAnimation;
    CycleErosion(p, true);
}

} // namespace terraflot
