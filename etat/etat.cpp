#include "etat.h"

#include <stdexcept>

#include "menus.h"

namespace terraflot {

Programme::Programme(Plateforme& plateforme) : pf(plateforme), dessin(m) {}

Reponse Programme::MsgBox(const std::string& texte, Boutons boutons, Icone icone,
                          const std::string& titre) {
    Message msg{titre, texte, icone, boutons, Reponse::Ok};
    msg.reponse = pf.MsgBox(msg);
    if (boutons == Boutons::Ok) msg.reponse = Reponse::Ok;
    ihm.messages.push_back(msg);
    return msg.reponse;
}

void Programme::ChangePointeur(terraflot::Pointeur p) {
    if (ihm.pointeur == p) return;
    ihm.pointeur = p;
    pf.PointeurChange(p);
}

void Programme::Label(std::string_view cle, std::string texte) {
    auto it = ihm.etiquettes.find(cle);
    if (it == ihm.etiquettes.end()) ihm.etiquettes.emplace(std::string(cle), std::move(texte));
    else if (it->second != texte) it->second = std::move(texte);
}

const std::string& Programme::Label(std::string_view cle) const {
    static const std::string vide;
    auto it = ihm.etiquettes.find(cle);
    return it == ihm.etiquettes.end() ? vide : it->second;
}

namespace {
// A name that no window or menu item has is a slip in the program itself:
// it stops at once rather than growing a state entry nobody shows.
template <class Liste>
bool Parmi(const Liste& noms, std::string_view nom) {
    for (std::string_view n : noms)
        if (n == nom) return true;
    return false;
}

bool MenuConnu(std::string_view nom) {
    for (const DefinitionMenu& d : MENUS_QUIRAL)
        if (nom == d.nom) return true;
    return Parmi(MENUS_PREFERENCES, nom);
}
} // namespace

ElementMenu& Programme::MenuItem(std::string_view nom) {
    auto it = ihm.menus.find(nom);
    if (it != ihm.menus.end()) return it->second;
    if (!MenuConnu(nom)) throw std::logic_error("élément de menu inconnu : " + std::string(nom));
    return ihm.menus.emplace(std::string(nom), ElementMenu{}).first->second;
}

Fenetre& Programme::Fen(std::string_view nom) {
    auto it = ihm.fenetres.find(nom);
    if (it != ihm.fenetres.end()) return it->second;
    if (!Parmi(FENETRES, nom)) throw std::logic_error("fenêtre inconnue : " + std::string(nom));
    return ihm.fenetres.emplace(std::string(nom), Fenetre{}).first->second;
}

bool Programme::Chargee(std::string_view fenetre) const {
    auto it = ihm.fenetres.find(fenetre);
    return it != ihm.fenetres.end() && it->second.chargee;
}

Fenetre& Programme::Charge(std::string_view nom, std::string caption, int largeur, int hauteur) {
    Fenetre& f = Fen(nom);
    f.chargee = true;
    f.visible = false;
    f.modale = false;
    f.libelle = std::move(caption);
    f.largeur = largeur;
    f.hauteur = hauteur;
    return f;
}

namespace {
template <class Map>
void EffacePrefixe(Map& map, const std::string& prefixe) {
    for (auto it = map.lower_bound(prefixe); it != map.end() && it->first.starts_with(prefixe);)
        it = map.erase(it);
}
} // namespace

void Programme::Decharge(std::string_view fenetre) {
    Fenetre& f = Fen(fenetre);
    f.chargee = false;
    f.visible = false;
    f.modale = false;
    const std::string prefixe = std::string(fenetre) + ".";
    EffacePrefixe(ihm.etiquettes, prefixe);
    EffacePrefixe(ihm.menus, prefixe);
    EffacePrefixe(ihm.geometries, prefixe);
    if (fenetre == "Préférences") ihm.barres.clear();
    if (fenetre == "Quiral")  // the main window's menus carry no prefix
        std::erase_if(ihm.menus, [](const auto& e) { return e.first.find('.') == std::string::npos; });
    if (fenetre == "Avertissement") ihm.TimerAvertissement = {};
}

void FinProgramme(Programme& p) {
    for (const char* nom : FENETRES)
        if (p.Chargee(nom)) p.Decharge(nom);
    p.ihm.Timer1.actif = false;
    p.ihm.termine = true;
}

bool DemandeFin(Programme& p) {
    if (p.MsgBox("Etes-vous sûr de quitter TERRAFLOT ? ", Boutons::OuiNon, Icone::Question) !=
        Reponse::Oui)
        return false;
    FinProgramme(p);
    return true;
}

} // namespace terraflot
