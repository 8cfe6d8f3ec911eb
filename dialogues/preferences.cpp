#include "preferences.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "etat.h"
#include "nombres.h"
#include "rendu.h"

namespace terraflot {

namespace {

constexpr const char* FENETRE = "Préférences";
// Outer size of the dialog (twips).
constexpr int LARGEUR_PREFERENCES = 10800;
constexpr int HAUTEUR_PREFERENCES = 7200;

std::string Cle(std::string_view controle) { return std::string(FENETRE) + "." + std::string(controle); }

void Etiquette(Programme& p, std::string_view controle, std::string texte) {
    p.Label(Cle(controle), std::move(texte));
}

std::string Entier(int v) { return std::to_string(v); }

// A model value turned into a bar position: rounded half away from zero and
// kept within what a bar can hold, whatever the value (inf and nan included).
int PositionBarre(double x) {
    if (std::isnan(x)) return 0;
    x = std::clamp(x, -32767.0, 32767.0);
    return int(std::lround(x));
}

Barre* Trouve(Programme& p, std::string_view nom) {
    auto it = p.ihm.barres.find(nom);
    return it == p.ihm.barres.end() ? nullptr : &it->second;
}

int Valeur(Programme& p, std::string_view nom) {
    const Barre* b = Trouve(p, nom);
    return b ? b->valeur : 0;
}

void Change(Programme& p, std::string_view nom);

// Gives the bar a value, as the program or the user would: clamped to the
// range, and a change runs the bar's change handler.
void Pose(Programme& p, std::string_view nom, int v) {
    Barre* b = Trouve(p, nom);
    if (!b) return;
    v = std::clamp(v, b->min, b->max);
    if (v == b->valeur) return;
    b->valeur = v;
    Change(p, nom);
}

// Resets the range of a bar.  A range never runs backwards: a top end below
// the bottom end stops at the bottom end.  A value pushed inside the new
// range is a change of the bar, and its handler runs (nested).
void Bornes(Programme& p, std::string_view nom, int min, int max) {
    Barre* b = Trouve(p, nom);
    if (!b) return;
    b->min = min;
    b->max = std::max(min, max);
    const int v = std::clamp(b->valeur, b->min, b->max);
    if (v == b->valeur) return;
    b->valeur = v;
    Change(p, nom);
}

// Copies the dialog's values into the parameters the section is computed with.
void CopieCompagnons(Modele& m) {
    ParCompagnon(m, [](auto& parametre, const auto& compagnon) { parametre = compagnon; });
}

// --- Change handlers ---

void Densite(Programme& p, std::string_view barre, std::string_view etiquette,
             double Modele::*compagnon) {
    const int v = Valeur(p, barre);
    Etiquette(p, etiquette, CourtVirgule(v / 100.0));
    p.m.*compagnon = v / 100.0;
    MiseAJour(p);
}

void VScroll1MV_Change(Programme& p) { Densite(p, "VScroll1MV", "Label8MV", &Modele::MvOceanSauve); }
void VScroll2MV_Change(Programme& p) { Densite(p, "VScroll2MV", "Label9MV", &Modele::MvCrouteSauve); }
void VScroll3MV_Change(Programme& p) { Densite(p, "VScroll3MV", "Label11MV", &Modele::MvManteauSauve); }
void VScroll4MV_Change(Programme& p) { Densite(p, "VScroll4MV", "Label7MV", &Modele::MvSedimentsSauve); }
void VScroll5MV_Change(Programme& p) { Densite(p, "VScroll5MV", "Label3MV", &Modele::MvGlaceSauve); }

void VScroll1NC_Change(Programme& p) {
    const int v = Valeur(p, "VScroll1NC");
    Etiquette(p, "Label13NC", Entier(v));
    p.m.NivCompensationSauve = std::int16_t(v);
    MiseAJour(p);
}

// Every basement thickens or thins by the change of the reference thickness.
void VScroll2NC_Change(Programme& p) {
    Modele& m = p.m;
    const int v = Valeur(p, "VScroll2NC");
    Etiquette(p, "Label12NC", Entier(v));
    m.EpCrouteRefSauve = v;
    const int n = std::min<int>(m.NbColonnes, COLONNE_MAX);
    for (int i = 1; i <= n; ++i) m.EpSocle[i] = m.EpSocle[i] - m.EpCrouteRef + v;
    m.EpCrouteRefCourante = v;
    MiseAJour(p);
}

// The deep level lies between the intermediate level and the thickest basement.
void VScroll3NC_Change(Programme& p) {
    Bornes(p, "VScroll3NC", p.m.ProfRepereIntermediaireSauve, PositionBarre(p.m.EpSocleMax));
    const int v = Valeur(p, "VScroll3NC");
    Etiquette(p, "Label2NC", Entier(v));
    p.m.ProfRepereProfondSauve = std::int16_t(v);
    MiseAJour(p);
}

// The intermediate level never lies below the deep one.
void VScroll31NC_Change(Programme& p) {
    const Barre* b = Trouve(p, "VScroll31NC");
    Bornes(p, "VScroll31NC", b ? b->min : 0, p.m.ProfRepereProfondSauve);
    const int v = Valeur(p, "VScroll31NC");
    Etiquette(p, "Label6NC", Entier(v));
    p.m.ProfRepereIntermediaireSauve = std::int16_t(v);
    if (p.m.ProfRepereIntermediaireSauve <= p.m.ProfRepereProfondSauve) MiseAJour(p);
}

void VScroll1_Change(Programme& p) {
    const int v = Valeur(p, "VScroll1");
    Etiquette(p, "Label13", Entier(v));
    p.m.NbColonnes = std::int16_t(v);
    Rafraichit(p);
}

void VScroll2_Change(Programme& p) {
    const int v = Valeur(p, "VScroll2");
    Etiquette(p, "Label12", Entier(v));
    p.m.NbTranches = std::int16_t(v);
    Rafraichit(p);
}

void HScroll1_Change(Programme& p) {
    const int v = Valeur(p, "HScroll1");
    p.m.IntervalleAnimation = std::int16_t(1001 - v);
    p.ihm.Gauge1_value = v;
}

struct Gestionnaire {
    std::string_view nom;
    void (*change)(Programme&);
};

constexpr Gestionnaire GESTIONNAIRES[] = {
    {"VScroll1MV", VScroll1MV_Change}, {"VScroll2MV", VScroll2MV_Change},
    {"VScroll3MV", VScroll3MV_Change}, {"VScroll4MV", VScroll4MV_Change},
    {"VScroll5MV", VScroll5MV_Change}, {"VScroll1NC", VScroll1NC_Change},
    {"VScroll2NC", VScroll2NC_Change}, {"VScroll3NC", VScroll3NC_Change},
    {"VScroll31NC", VScroll31NC_Change}, {"VScroll1", VScroll1_Change},
    {"VScroll2", VScroll2_Change}, {"HScroll1", HScroll1_Change},
};

void Change(Programme& p, std::string_view nom) {
    for (const Gestionnaire& g : GESTIONNAIRES)
        if (g.nom == nom) {
            g.change(p);
            return;
        }
}

} // namespace

void mnu_modifier_Click(Programme& p) {
    for (int i = 1; i <= COLONNE_MAX; ++i) p.m.ErosionCumulee[i] = 0;
    p.m.SommeErosion = 0;
    if (!p.Chargee(FENETRE)) ChargePreferences(p);
    Fenetre& f = p.Fen(FENETRE);
    if (f.visible) ++f.premierPlan;
    f.visible = true;
    f.modale = false;
}

void ChargePreferences(Programme& p) {
    Modele& m = p.m;
    // The form as it is stored: every bar at the smallest end of its range.
    Fenetre& f = p.Charge(FENETRE, "Modifier les valeurs ", LARGEUR_PREFERENCES, HAUTEUR_PREFERENCES);
    p.ihm.barres.clear();
    for (const DefinitionBarre& d : BARRES) p.ihm.barres[d.nom] = {d.min, d.min, d.max};
    for (const DefinitionBarre& d : BARRES) {
        Etiquette(p, d.legende, d.texte);
        if (*d.valeur) Etiquette(p, d.valeur, "");
    }
    p.ihm.Gauge1_value = 1;
    ElementMenu& quitter = p.MenuItem("Préférences.mnu_quitter");
    quitter = {"Quitter", false, true, true};
    ElementMenu& defaut = p.MenuItem("Préférences.mnu_défaut");
    defaut = {"Valeurs par défaut", false, false, true};

    // 1. Topmost (the window does it), at its place.
    f.gauche = 10;
    f.haut = 800;

    // 2. Opening values; each move runs its change handler.
    Pose(p, "VScroll1", m.NbColonnes);
    Pose(p, "VScroll2", m.NbTranches);
    Pose(p, "VScroll4MV", PositionBarre(100 * m.MvSediments));
    Pose(p, "VScroll1MV", PositionBarre(100 * m.MvOcean));
    Pose(p, "VScroll2MV", PositionBarre(100 * m.MvCroute));
    Pose(p, "VScroll3MV", PositionBarre(100 * m.MvManteau));
    Pose(p, "VScroll4MV", PositionBarre(100 * m.MvSediments));
    Pose(p, "VScroll5MV", PositionBarre(100 * m.MvGlace));
    Pose(p, "VScroll1NC", m.NivCompensation);
    Pose(p, "VScroll2NC", PositionBarre(m.EpCrouteRef));
    Pose(p, "VScroll3NC", m.ProfRepereProfond);
    Pose(p, "VScroll31NC", m.ProfRepereIntermediaire);

    // 3. Value labels from the parameters.
    Etiquette(p, "Label13", Entier(m.NbColonnes));
    Etiquette(p, "Label12", Entier(m.NbTranches));
    Etiquette(p, "Label7MV", CourtVirgule(m.MvSediments));
    Etiquette(p, "Label8MV", CourtVirgule(m.MvOcean));
    Etiquette(p, "Label9MV", CourtVirgule(m.MvCroute));
    Etiquette(p, "Label11MV", CourtVirgule(m.MvManteau));
    Etiquette(p, "Label3MV", CourtVirgule(m.MvGlace));
    Etiquette(p, "Label2NC", Entier(m.ProfRepereProfond));
    Etiquette(p, "Label6NC", Entier(m.ProfRepereIntermediaire));
    Etiquette(p, "Label13NC", Entier(m.NivCompensation));
    Etiquette(p, "Label12NC", Court(m.EpCrouteRef));

    // 4. Animation speed.
    Pose(p, "HScroll1", 1001 - m.IntervalleAnimation);
}

bool ChangeBarre(Programme& p, std::string_view nom, int v) {
    if (!Trouve(p, nom)) return false;
    Pose(p, nom, v);
    return true;
}

void MiseAJour(Programme& p) {
    p.ChangePointeur(Pointeur::Sablier);
    CopieCompagnons(p.m);
    rafraichit3(p);
    p.ChangePointeur(Pointeur::Defaut);
}

void Preferences_mnu_quitter_Click(Programme& p) {
    if (p.MsgBox("Etes vous certain de valider les nouvelles valeurs ? ", Boutons::OuiNon,
                 Icone::Exclamation, FENETRE) != Reponse::Oui)
        return;
    p.ChangePointeur(Pointeur::Sablier);
    CopieCompagnons(p.m);
    Rafraichit2(p);
    p.ChangePointeur(Pointeur::Defaut);
    p.Fen(FENETRE).visible = false;
}

} // namespace terraflot
