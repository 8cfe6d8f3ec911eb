// The state of the program's windows as the handlers see it, the small
// platform interface (message boxes, pointer, help viewer), and the
// `Programme` that owns the section model.  The driver and the Qt windows
// both run the same handlers on a `Programme`; the windows only mirror
// what is described here.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "modele.h"
#include "couleurs.h"
#include "dessin.h"

namespace terraflot {

// Line break inside captions: carriage return + line feed.
inline constexpr const char* SautLigne = "\r\n";
inline constexpr const char* TitreApplication = "TERRAFLOT";

struct ElementMenu {
    std::string libelle;
    bool coche = false;
    bool actif = true;
    bool visible = true;
};

struct Fenetre {
    bool chargee = false;
    bool visible = false;
    bool modale = false;   // shown modally: every other window is blocked
    std::string libelle;
    int gauche = 0;          // twips, screen coordinates
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    // Raised by a command that brings the window forward when it is already
    // shown ("A propos de " chosen again); the Qt window raises itself when it changes.
    int premierPlan = 0;
};

struct Minuterie {
    bool actif = false;
    int intervalle = 0;      // ms
};

struct Barre {
    int valeur = 0;
    int min = 0;
    int max = 0;
};

// Size and place of a control inside its window (twips).
struct Geometrie {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
};

enum class Pointeur { Defaut, Sablier, Fleche };
enum class Icone { Stop, Question, Exclamation, Information, Aucune };
enum class Boutons { Ok, OuiNon };
enum class Reponse { Ok, Oui, Non };

struct Message {
    std::string titre;
    std::string texte;
    Icone icone = Icone::Aucune;
    Boutons boutons = Boutons::Ok;
    Reponse reponse = Reponse::Ok;
};

struct DemandeAide {
    std::string chemin;
    bool trouve = false;
};

struct Ihm {
    // Captions keyed "Window.Control" ("Quiral.Label1").
    std::map<std::string, std::string, std::less<>> etiquettes;
    // Menu items keyed by control name; a dialog's as "Préférences.mnu_quitter".
    std::map<std::string, ElementMenu, std::less<>> menus;
    // Windows: MDIForm1, Quiral, Tableau_bord, Avertissement, Préférences,
    // Aide, Apropos.
    std::map<std::string, Fenetre, std::less<>> fenetres;
    // Scroll bars of the parameters dialog, while it is loaded.
    std::map<std::string, Barre, std::less<>> barres;
    // Control geometry the program computes ("Aide.HLBBttn1", "Quiral.Picture2").
    std::map<std::string, Geometrie, std::less<>> geometries;

    // Controls whose state the program changes.
    bool Picture2_visible = false;       // Quiral: erosion panel
    bool Option1 = true;                 // "Erosion + isostasie"
    bool Option2 = false;                // "Erosion seule"
    Rgb TableauPicture1_back = 0;        // Tableau_bord strip
    Rgb TableauLabel1_back = 0;
    Rgb TableauLabel1_fore = 0;
    Rgb Picture3_back = 0;               // Quiral legend swatches
    Rgb Picture10_back = 0;
    int Gauge1_value = 0;                // Préférences
    // Labels hidden by the program ("Avertissement.Label8").
    std::map<std::string, bool, std::less<>> etiquettesMasquees;
    bool AvertissementMontre = false;    // the notice shows at the first activation only

    Minuterie Timer1;                    // Quiral.Timer1
    Minuterie TimerAvertissement;        // Avertissement.Timer1

    Pointeur pointeur = Pointeur::Defaut;
    bool termine = false;

    // Frame size (twips) and screen size (twips).
    int LargeurCadre = 0;
    int HauteurCadre = 0;
    int LargeurEcran = 0;
    int HauteurEcran = 0;

    // Since the previous dump.
    std::vector<Message> messages;
    std::vector<DemandeAide> aide;
};

// What only the platform can do.  Tests and the driver answer the message
// boxes; the Qt layer shows real ones.
class Plateforme {
public:
    virtual ~Plateforme() = default;
    virtual Reponse MsgBox(const Message& message) = 0;
    // Called at once when the pointer changes, so that a long command shows
    // its hourglass while it runs.
    virtual void PointeurChange(Pointeur) {}
    // Shows the help file's default topic in the help viewer.
    virtual void OuvreAide(const std::string& chemin) = 0;
    // Folder of the running program (where terraflot.chm is looked for
    // first, then in the data folder beside it).
    virtual std::string DossierProgramme() = 0;
};

struct Programme {
    explicit Programme(Plateforme& plateforme);

    Modele m;
    Ihm ihm;
    Plateforme& pf;
    Dessin dessin;   // the picture of the drawing area Picture1

    // Shows a message box, records it for the dump, returns the answer.
    Reponse MsgBox(const std::string& texte, Boutons boutons, Icone icone,
                   const std::string& titre = TitreApplication);
    void ChangePointeur(Pointeur p);

    void Label(std::string_view cle, std::string texte);
    const std::string& Label(std::string_view cle) const;
    ElementMenu& MenuItem(std::string_view nom);
    Fenetre& Fen(std::string_view nom);
    bool Chargee(std::string_view fenetre) const;
    // Loads a window, hidden and modeless, with its caption and size (twips).
    Fenetre& Charge(std::string_view nom, std::string caption, int largeur, int hauteur);
    // Unloads a window: it is no longer loaded nor shown, and its labels,
    // bars and menus leave the state.
    void Decharge(std::string_view fenetre);
};

// Closes every window and ends the program (no question).
void FinProgramme(Programme& p);
// Asks whether to quit; Yes ends the program. True when it ended.
bool DemandeFin(Programme& p);

} // namespace terraflot
