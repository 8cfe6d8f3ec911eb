#include "commandes.h"

#include <algorithm>
#include <utility>

#include "demarrage.h"
#include "etat.h"
#include "menus.h"
#include "aide.h"
#include "preferences.h"
#include "erosion.h"
#include "rendu.h"
#include "outils.h"

namespace terraflot {

namespace {

using Gestionnaire = void (*)(Programme&);

struct Entree {
    std::string_view nom;
    Gestionnaire gestionnaire;
};

constexpr Entree MENUS[] = {
    {"Mnu_quitter", mnu_quitter_Click},
    {"mnu_recommencer", mnu_recommencer_Click},
    {"mnu_affichetableau", mnu_affichetableau_Click},
    {"mnu_quadrillage", mnu_quadrillage_Click},
    {"mnu_modifier", mnu_modifier_Click},
    {"mnu_InitialiserNiveauxRepères", mnu_InitialiserNiveauxRepères_Click},
    {"mnu_ReprésenterNiveauxRepères", mnu_ReprésenterNiveauxRepères_Click},
    {"mnu_MémoriserNiveauxRepères", mnu_MémoriserNiveauxRepères_Click},
    {"mnu_réajuster", mnu_réajuster_Click},
    {"mnu_profil", mnu_profil_Click},
    {"mnu_érosion", mnu_érosion_Click},
    {"mnu_modifmoho", mnu_modifmoho_Click},
    {"mnu_dépôt", mnu_dépôt_Click},
    {"mnu_use", mnu_use_Click},
    {"mnu_glaciation", mnu_glaciation_Click},
    {"mnu_fonte", mnu_fonte_Click},
    {"mnu_Anim_érosion", mnu_Anim_érosion_Click},
    {"mnu_anim_epaississement", mnu_anim_epaississement_Click},
    {"mnu_aide2", mnu_aide2_Click},
    {"mnu_aide1", mnu_aide1_Click},
    {"mnu_apropos", mnu_apropos_Click},
    {"Préférences.mnu_quitter", Preferences_mnu_quitter_Click},
};

struct Bouton {
    std::string_view nom;
    std::string_view fenetre;
    Gestionnaire gestionnaire;
    bool panneauErosion;  // lies on the erosion panel Picture2
};

constexpr Bouton BOUTONS[] = {
    {"HLBBttn1", "Quiral", HLBBttn1_Click, true},
    {"HLBBttn2", "Quiral", HLBBttn2_Click, true},
    {"HLBBttn3", "Quiral", HLBBttn3_Click, true},
    {"HLBBttn4", "Quiral", HLBBttn4_Click, true},
    {"HLBBttn5", "Quiral", HLBBttn5_Click, true},
    {"Option1", "Quiral", Option1_Click, true},
    {"Option2", "Quiral", Option2_Click, true},
    {"Aide.HLBBttn1", "Aide", Aide_HLBBttn1_Click, false},
    {"Apropos.HLBBttn1", "Apropos", Apropos_HLBBttn1_Click, false},
    {"Avertissement.Command1", "Avertissement", Avertissement_Command1_Click, false},
};

std::string_view FenetreDe(std::string_view nom) {
    auto point = nom.find('.');
    return point == std::string_view::npos ? std::string_view("Quiral") : nom.substr(0, point);
}

const char* Parent(std::string_view nom) {
    for (const DefinitionMenu& d : MENUS_QUIRAL)
        if (nom == d.nom) return d.parent;
    return "";
}

} // namespace

std::string Accessible(const Programme& p, std::string_view fenetre) {
    if (p.ihm.termine) return "the program has ended";
    for (const auto& [nom, f] : p.ihm.fenetres)
        if (f.chargee && f.visible && f.modale && nom != fenetre)
            return "the modal window " + nom + " is open";
    auto it = p.ihm.fenetres.find(fenetre);
    if (it == p.ihm.fenetres.end() || !it->second.chargee) return std::string(fenetre) + " is not open";
    if (!it->second.visible) return std::string(fenetre) + " is hidden";
    return {};
}

std::string Menu(Programme& p, std::string_view nom) {
    if (std::string r = Accessible(p, FenetreDe(nom)); !r.empty()) return r;
    auto it = p.ihm.menus.find(nom);
    if (it == p.ihm.menus.end()) return "no menu item " + std::string(nom);
    for (std::string_view n = nom; !n.empty(); n = Parent(n)) {
        auto m = p.ihm.menus.find(n);
        if (m == p.ihm.menus.end()) break;
        if (!m->second.actif) return "menu item " + std::string(n) + " is disabled";
        if (!m->second.visible) return "menu item " + std::string(n) + " is hidden";
    }
    for (const Entree& e : MENUS)
        if (e.nom == nom) {
            e.gestionnaire(p);
            break;
        }
    return {};  // a menu title only opens its menu
}

std::string Clique(Programme& p, std::string_view nom) {
    for (const Bouton& b : BOUTONS) {
        if (b.nom != nom) continue;
        if (std::string r = Accessible(p, b.fenetre); !r.empty()) return r;
        if (b.panneauErosion && !p.ihm.Picture2_visible) return "the erosion panel is hidden";
        b.gestionnaire(p);
        return {};
    }
    return "no button " + std::string(nom);
}

std::string Appuie(Programme& p, double x, double y, std::optional<double> altitude) {
    if (std::string r = Accessible(p, "Quiral"); !r.empty()) return r;
    Picture1_MouseDown(p, x, y, altitude);
    return {};
}

std::string AppuieAlt(Programme& p, double c, double a) {
    const double x = p.m.OrigineX + (c - 0.5) * p.m.LargeurColonne;
    return Appuie(p, x, YDepuisAltitude(p.m, a), a);
}

std::string Survole(Programme& p, double x, double y) {
    if (std::string r = Accessible(p, "Quiral"); !r.empty()) return r;
    Picture1_MouseMove(p, x, y);
    return {};
}

std::string SurvoleAlt(Programme& p, double c, double a) {
    const double x = p.m.OrigineX + (c - 0.5) * p.m.LargeurColonne;
    return Survole(p, x, YDepuisAltitude(p.m, a));
}

std::string BougeBarre(Programme& p, std::string_view nom, int v) {
    if (std::string r = Accessible(p, "Préférences"); !r.empty()) return r;
    if (!ChangeBarre(p, nom, v)) return "no scroll bar " + std::string(nom);
    return {};
}

std::string Redimensionne(Programme& p, int largeur, int hauteur) {
    if (p.ihm.termine) return "the program has ended";
    p.ihm.LargeurCadre = std::max(largeur, LARGEUR_CADRE_MIN);
    p.ihm.HauteurCadre = std::max(hauteur, HAUTEUR_CADRE_MIN);
    Quiral_Resize(p);
    return {};
}

std::string Fermeture(Programme& p) {
    if (std::string r = Accessible(p, "MDIForm1"); !r.empty()) return r;
    MDIForm1_QueryUnload(p);
    return {};
}

void Tic(Programme& p) {
    if (!p.ihm.termine && p.ihm.Timer1.actif) Timer1_Timer(p);
}

void TicAvertissement(Programme& p) {
    if (!p.ihm.termine && p.Chargee("Avertissement") && p.ihm.TimerAvertissement.actif)
        Avertissement_Timer1_Timer(p);
}

} // namespace terraflot
