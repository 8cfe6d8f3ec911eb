// Whole-section redraws, display toggles and the cursor readout.
#pragma once

#include "dessin.h"

namespace terraflot {

struct Programme;

// Full refresh: clear, legend pressures, eroded total, RééQUILIBRAGE.
void Rafraichit2(Programme& p);
// Rebuild after a change of the column or band count.
void Rafraichit(Programme& p);
// Rebuild after the dialog's values were validated.
void rafraichit3(Programme& p);
// Legend captions Label3 / Label5 and swatches Picture3 / Picture10.
void LegendeNiveaux(Programme& p);
// Redraws column k as the model holds it: its layers, then its notable levels.
void RedessineColonne(Programme& p, int k);
// Caption Label6 of the eroded volume for the present column count.
void LegendeVolume(Programme& p);

void mnu_quadrillage_Click(Programme& p);
void mnu_ReprésenterNiveauxRepères_Click(Programme& p);

// Rows of the dashboard Tableau_bord, top to bottom: the static captions
// (their text here) and the value labels the readout fills (text "").
// Static captions are 2265 twips wide at left 0, value labels 930 wide at
// the right; Label1 sits in the strip Picture1, Label6 spans the width.
inline constexpr int LARGEUR_TABLEAU_BORD = 3240;
inline constexpr int HAUTEUR_TABLEAU_BORD = 5700;
struct LigneTableauBord {
    const char* nom;       // control name ("Label2")
    int haut;               // twips
    const char* libelle;   // static caption, "" for a value label
    bool statique;
};
inline constexpr LigneTableauBord LIGNES_TABLEAU_BORD[] = {
    {"Label1", 0, "", false},
    {"Label6", 315, "", false},
    {"Label2", 825, " Altitude :", true},
    {"Label5", 825, "", false},
    {"Label4", 1080, " Epaisseur d'eau :", true},
    {"Label26", 1080, "", false},
    {"Label7", 1335, " Epaisseur de sédiments", true},
    {"Label27", 1335, "", false},
    {"Label8", 1590, " Epaisseur de glace :", true},
    {"Label29", 1590, "", false},
    {"Label10", 1845, " Epaisseur du socle :", true},
    {"Label30", 1845, "", false},
    {"Label11", 2100, " Epaisseur de la Croûte :", true},
    {"Label15", 2100, "", false},
    {"Label12", 2355, " Profondeur du Moho : ", true},
    {"Label3", 2355, "", false},
    {"Label14", 2610, " Epaisseur du manteau supérieur :", true},
    {"Label17", 2610, "", false},
    {"Label16", 3090, "Profondeur du socle :", true},
    {"Label13", 3090, "", false},
    {"Label19", 3345, " Niveau repère intermédiaire :", true},
    {"Label9", 3345, "", false},
    {"Label21", 3600, " Niveau de repère profond :", true},
    {"Label31", 3600, "", false},
    {"Label22", 3855, " Pression calculée au niveau de compensation :", true},
    {"Label28", 3855, "", false},
    {"Label23", 4335, " Pression calculée au niveau repère intermédiaire :", true},
    {"Label18", 4335, "", false},
    {"Label24", 4815, " Pression calculée au niveau repère profond :", true},
    {"Label20", 4815, "", false},
};

// Cursor readout and dashboard.
void Picture1_MouseMove(Programme& p, double x, double y);
void INDICTABLEAU(Programme& p, int i, double y);
void mnu_affichetableau_Click(Programme& p);
// Loads the dashboard window: topmost, bottom right of the screen.
void ChargeTableau_bord(Programme& p);

} // namespace terraflot
