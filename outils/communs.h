// Texts and small steps shared by the tool modes, the press handler and
// the whole-section commands.
#pragma once

#include <algorithm>

#include "etat.h"
#include "rendu.h"

namespace terraflot {

inline constexpr const char* NIVEAUX_INITIALISES =
    " Les niveaux ''repères'' sont initialisés .";
inline constexpr const char* NIVEAUX_INITIALISES_REAJUSTEMENT =
    " Les niveaux ''repères''  sont  initialisés .";
inline constexpr const char* NIVEAUX_NON_INITIALISES =
    " Les niveaux ''repères'' ne sont plus initialisés .";
inline constexpr const char* STATUT_PROFIL =
    "Construction d'un profil topographique équilibré du socle .";

// Eroded totals back to zero on every column.
inline void RemiseAZeroErosion(Modele& m) {
    for (int i = 1; i <= COLONNE_MAX; ++i) m.ErosionCumulee[i] = 0;
    m.SommeErosion = 0;
}

// Reference levels back at their nominal depths in every column, detached
// from the crust, eroded totals cleared.
inline void ReinitialiseReperes(Programme& p) {
    Modele& m = p.m;
    m.ReperesFixes = false;
    p.MenuItem("mnu_modifier").actif = true;
    for (int i = 1; i <= COLONNE_MAX; ++i) {
        m.ProfRepereProfondCol[i] = m.ProfRepereProfond;
        m.ProfRepereIntermediaireCol[i] = m.ProfRepereIntermediaire;
    }
    RemiseAZeroErosion(m);
}

// Surface of column c to the metre from its layers, and the water above a
// drowned surface, which carries no ice.
void SurfaceEtEau(Modele& m, int c);

// The profile-construction mode, its check mark and its status caption.
void PasseEnModeProfil(Programme& p);

} // namespace terraflot
