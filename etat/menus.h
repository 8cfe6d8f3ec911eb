// The menu bar of the main window, in its order, with the captions it
// shows at start.
#pragma once

namespace terraflot {

struct DefinitionMenu {
    const char* nom;
    const char* parent;   // "" for an item of the bar itself
    const char* libelle;
    bool coche;
    bool actif;
};

inline constexpr DefinitionMenu MENUS_QUIRAL[] = {
    {"Mnu_quitter", "", "Quitter", false, true},
    {"mnu_préférences", "", "Préférences", false, true},
    {"mnu_recommencer", "mnu_préférences", "Effacer et recommencer", false, true},
    {"mnu_affichetableau", "mnu_préférences", "Ne pas afficher le tableau de bord", false, true},
    {"mnu_quadrillage", "mnu_préférences", "Représenter le quadrillage", false, true},
    {"mnu_modifier", "mnu_préférences", "Modifier les valeurs ", false, true},
    {"mnu_InitialiserNiveauxRepères", "mnu_préférences", "Initialiser les niveaux repères", false, true},
    {"mnu_ReprésenterNiveauxRepères", "mnu_préférences", "Ne pas représenter les niveaux repères", false, true},
    {"mnu_MémoriserNiveauxRepères", "mnu_préférences", "Rafraîchir la limite initiale du niveau repère superficiel", false, true},
    {"mnu_réajuster", "", "Réajustement Isostatique", false, true},
    {"mnu_calcul", "", "Calcul", false, true},
    {"mnu_profil", "mnu_calcul", "Construire un nouveau profil topographique équilibré", true, true},
    {"mnu_érosion", "mnu_calcul", "Modifier le profil topographique du socle", false, true},
    {"mnu_modifmoho", "mnu_calcul", "Modifier le profil du Moho", false, true},
    {"mnu_dépôt", "mnu_calcul", "Simuler un dépôt sédimentaire", false, true},
    {"mnu_use", "mnu_calcul", "Simuler l'érosion", false, true},
    {"mnu_glaciation", "mnu_calcul", "Simuler une glaciation", false, true},
    {"mnu_fonte", "mnu_calcul", "Simuler une fonte glaclaire", false, true},
    {"mnu_Anim_érosion", "mnu_calcul", "Simuler l'érosion d'un massif montagneux (animation)", false, true},
    {"mnu_anim_montagne", "mnu_calcul", "Simuler la formation d'un relief (animation)", false, false},
    {"mnu_anim_epaississement", "mnu_anim_montagne", "Suite à un épaississement de la croûte", false, false},
    {"mnu_animepaississementEROSION", "mnu_anim_montagne", "Suite à une épaississement de la croûte + érosion", false, false},
    {"mnu_aide", "", "?", false, true},
    {"mnu_aide2", "mnu_aide", "Comment...", false, true},
    {"mnu_aide1", "mnu_aide", "Utiliser TerraFLOT", false, true},
    {"mnu_apropos", "mnu_aide", "A propos de ", false, true},
};

// The menu items of the parameters dialog, keyed with its window's name.
inline constexpr const char* MENUS_PREFERENCES[] = {"Préférences.mnu_quitter",
                                                    "Préférences.mnu_défaut"};

// Every window of the program, in the order they close at the end.
inline constexpr const char* FENETRES[] = {"Tableau_bord", "Avertissement", "Préférences", "Aide",
                                           "Apropos",      "Quiral",        "MDIForm1"};

} // namespace terraflot
