// The parameters dialog "Modifier les valeurs ".
#pragma once

#include <string_view>

namespace terraflot {

struct Programme;

// One bar of "Modifier les valeurs ": its range as the form stores it,
// smallest end first (every vertical bar draws its largest value at the
// top), its caption label and text, its value label, its page step, its
// place in the dialog's grid and its tooltip.
struct DefinitionBarre {
    const char* nom;
    int min;
    int max;
    const char* legende;
    const char* texte;
    const char* valeur;   // empty for the speed bar, which has none
    int pas;
    int ligne;
    int colonne;
    const char* bulle;
};

inline constexpr DefinitionBarre BARRES[] = {
    {"VScroll1MV", 100, 150, "labelMvOcéan", "Masse volumique de l'océan :", "Label8MV", 10, 0, 0,
     "Règle la masse volumique de l'eau de mer."},
    {"VScroll2MV", 220, 340, "labelMvCroute", "Masse volumique de la croûte", "Label9MV", 10, 0, 1,
     "Règle la masse volumique de la croûte continentale."},
    {"VScroll3MV", 300, 450, "labelMvManteau", "Masse volumique du manteau :", "Label11MV", 10, 0, 2,
     "Règle la masse volumique du manteau, sous le Moho."},
    {"VScroll4MV", 160, 330, "labelMvSédiments", "Masse volumique des sédiments :", "Label7MV", 10, 0, 3,
     "Règle la masse volumique des sédiments déposés par l'érosion."},
    {"VScroll5MV", 50, 150, "labelMvGlace", "Masse volumique de la glace :", "Label3MV", 10, 0, 4,
     "Règle la masse volumique de la glace des calottes."},
    {"VScroll1NC", 50, 100, "Label6", "Niveau de compensation : (en km)", "Label13NC", 5, 1, 0,
     "Règle la profondeur du niveau de compensation, où toutes les colonnes pèsent autant."},
    {"VScroll2NC", 12, 60, "Label5NC", "Epaisseur de la croûte au niveau 0 : (en km)", "Label12NC", 5, 1, 1,
     "Règle l'épaisseur de la croûte d'une colonne dont la surface est au niveau 0."},
    {"VScroll3NC", 15, 30, "Label1NC", "Profondeur du niveau profond (par rapport au niveau 0) : (km)",
     "Label2NC", 5, 1, 2, "Règle la profondeur du niveau de référence profond, sous le niveau 0."},
    {"VScroll31NC", 5, 30, "Label3", "Profondeur du niveau intermédiaire (par rapport au niveau 0): (km)",
     "Label6NC", 5, 1, 3, "Règle la profondeur du niveau de référence intermédiaire, sous le niveau 0."},
    {"VScroll1", 10, 100, "Label1", "Nombre de divisions sur l'axe des X :", "Label13", 10, 1, 4,
     "Règle le nombre de colonnes de la coupe."},
    {"VScroll2", 4, 20, "Label2", "Nombre de divisions sur l'axe des Y :", "Label12", 2, 1, 5,
     "Règle le nombre de bandes horizontales du quadrillage."},
    {"HScroll1", 1, 1000, "Label17", "Vitesse d'animation :", "", 100, 2, 0,
     "Règle la vitesse de l'animation de l'érosion."},
};

// "Modifier les valeurs ": clears the erosion counters, loads the dialog the
// first time, shows it.
void mnu_modifier_Click(Programme& p);
// The dialog's load step.
void ChargePreferences(Programme& p);
// Moves the bar `nom` to v, clamped to its range; its change handler runs
// when the value changes.  Returns false for an unknown bar.
bool ChangeBarre(Programme& p, std::string_view nom, int v);
void MiseAJour(Programme& p);
// The dialog's "Quitter".
void Preferences_mnu_quitter_Click(Programme& p);

} // namespace terraflot
