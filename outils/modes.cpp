// The tool modes of the "Calcul" menu and the melt of all the ice.
#include "outils.h"

#include "etat.h"
#include "isostasie.h"
#include "communs.h"

namespace terraflot {

namespace {

enum class Mode { Profil, Erosion, Moho, Depot, SimulErosion, Glaciation };

struct DefinitionMode {
    Mode mode;
    const char* menu;
    const char* statut;
    bool fonte;  // "Simuler une fonte glaclaire" enabled in this mode
};

constexpr DefinitionMode MODES[] = {
    {Mode::Profil, "mnu_profil", STATUT_PROFIL, false},
    {Mode::Erosion, "mnu_érosion", "Modification de la  surface du socle.", false},
    {Mode::Moho, "mnu_modifmoho", "Modification du MOHO.", false},
    {Mode::Depot, "mnu_dépôt", "Simuler un dépôt sédimentaire", false},
    {Mode::SimulErosion, "mnu_use", "Simulation de l'érosion", true},
    {Mode::Glaciation, "mnu_glaciation", "Simulation d'un glaciation.", true},
};

const DefinitionMode& Definition(Mode mode) {
    for (const DefinitionMode& d : MODES)
        if (d.mode == mode) return d;
    return MODES[0];
}

// Makes `mode` the only tool mode: flags, check marks, the melt item,
// the erosion panel and the status caption.
void Bascule(Programme& p, Mode mode) {
    Modele& m = p.m;
    m.ModeProfil = mode == Mode::Profil;
    m.ModeErosion = mode == Mode::Erosion;
    m.ModeMoho = mode == Mode::Moho;
    m.ModeGlaciation = mode == Mode::Glaciation;
    m.ModeDepot = mode == Mode::Depot;
    m.ModeSimulErosion = mode == Mode::SimulErosion;
    m.AnimErosionMassif = false;

    const DefinitionMode& d = Definition(mode);
    p.MenuItem("mnu_Anim_érosion").coche = false;
    for (const DefinitionMode& autre : MODES) p.MenuItem(autre.menu).coche = autre.mode == mode;
    p.MenuItem("mnu_fonte").actif = d.fonte;
    p.ihm.Picture2_visible = false;
    p.Label("Quiral.Label1", d.statut);
}

// The usual mode command: nothing when already current, else the switch
// and the cleared erosion counters and eroded-volume value.
void ChoisitMode(Programme& p, Mode mode) {
    if (p.MenuItem(Definition(mode).menu).coche) return;
    Bascule(p, mode);
    RemiseAZeroErosion(p.m);
    p.Label("Quiral.Label7", "");
}

// After an erosion run the levels ride with the crust: the basement and the
// Moho may be reshaped only after a new profile or a new erosion level.
bool GardeReperesFixes(Programme& p) {
    if (p.m.ReperesFixes && !p.m.ReperageErosion) {
        p.MsgBox("Pour modifier les paramètres du modèle ou la surface d'érosion, vous devez au "
                 "préalable construire un nouveau profil ou marquer un nouveau profil d'érosion.",
                 Boutons::Ok, Icone::Stop);
        return false;
    }
    return true;
}

} // namespace

void PasseEnModeProfil(Programme& p) { Bascule(p, Mode::Profil); }

void mnu_profil_Click(Programme& p) {
    if (!p.MenuItem("mnu_profil").coche) Bascule(p, Mode::Profil);
    // Chosen again while current, it still puts the levels back and
    // re-balances the section.
    ReinitialiseReperes(p);
    RééQUILIBRAGE(p.m, p.dessin);
    p.Label("Quiral.Label8", NIVEAUX_INITIALISES);
}

void mnu_érosion_Click(Programme& p) {
    if (!GardeReperesFixes(p)) return;
    ChoisitMode(p, Mode::Erosion);
}

void mnu_modifmoho_Click(Programme& p) {
    if (!GardeReperesFixes(p)) return;
    ChoisitMode(p, Mode::Moho);
}

void mnu_dépôt_Click(Programme& p) { ChoisitMode(p, Mode::Depot); }

void mnu_glaciation_Click(Programme& p) { ChoisitMode(p, Mode::Glaciation); }

// Always switches, so the counters start again at each choice; the
// eroded-volume value stays shown.
void mnu_use_Click(Programme& p) {
    Bascule(p, Mode::SimulErosion);
    RemiseAZeroErosion(p.m);
}

// All the ice melts at once: each column's surface, water and crust follow,
// and the columns stay unbalanced until a re-adjustment.  Every column is
// redrawn, those beyond the section too, so that each keeps its reference
// levels above its Moho.
void mnu_fonte_Click(Programme& p) {
    Modele& m = p.m;
    for (int i = 1; i <= COLONNE_MAX; ++i) {
        m.EpGlace[i] = 0;
        SurfaceEtEau(m, i);
        m.EpCroute[i] = m.EpSocle[i] + m.EpSediments[i];
        RedessineColonne(p, i);
    }
    p.ihm.Picture2_visible = false;
    RemiseAZeroErosion(m);
    p.Label("Quiral.Label7", "");
}

} // namespace terraflot
