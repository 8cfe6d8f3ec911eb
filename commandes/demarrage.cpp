#include "demarrage.h"

#include "etat.h"
#include "menus.h"
#include "rendu.h"

namespace terraflot {

namespace {

constexpr int HAUTEUR_RESERVEE = 1280;  // title, menu bar and borders (twips)

const char* const PHRASES_AVERTISSEMENT[4] = {
    "Les calculs d'équilibre de TERRAFLOT reposent sur le modèle de compensation "
    "isostatique locale d'Airy : chaque colonne flotte seule sur le manteau. ",
    "Ils ne s'appliquent qu'à la croûte continentale et ne montrent que les "
    "mouvements verticaux de la lithosphère.",
    "Ils ne tiennent compte ni des mouvements horizontaux de la lithosphère ",
    "ni des variations latérales de masse volumique.",
};

} // namespace

void MDIForm1_Load(Programme& p) {
    Modele& m = p.m;
    Fenetre& cadre = p.Fen("MDIForm1");
    cadre.chargee = true;
    cadre.visible = true;
    cadre.libelle = "TerraFLOT";
    // The first height is replaced by the second, as at every start.
    p.ihm.HauteurCadre = p.ihm.HauteurEcran * 2 / 3;
    p.ihm.LargeurCadre = 12500;
    p.ihm.HauteurCadre = int(12500.0 / 8 * 6);

    m.NbTranches = 8;
    m.NbColonnes = 25;

    m.MvOcean = 1.03;
    m.MvCroute = 2.67;
    m.MvManteau = 3.33;
    m.MvSediments = 2.4;
    m.MvGlace = 0.98;
    m.NivCompensation = 100;
    m.EpCrouteRef = 30.0;
    m.ProfRepereProfond = 25;
    m.ProfRepereIntermediaire = 18;
    m.EpCrouteRefCourante = 30.0;
    m.EpSocleMax = 30.0;
    ParCompagnon(m, [](const auto& parametre, auto& compagnon) { compagnon = parametre; });
    m.IntervalleAnimation = 200;
    m.TempsEcoule = 0;
    m.SommeErosion = 0;

    m.ModeProfil = true;
    m.ModeErosion = m.ModeMoho = m.ModeGlaciation = m.ModeDepot = false;
    m.ModeSimulErosion = false;
    m.AnimErosionMassif = false;
    m.ReperesFixes = false;
    m.ErosionSeule = false;
    m.ReperageErosion = false;
    m.AfficheTableau = true;
    m.RepresenteReperes = true;
    m.Quadrillage = false;
}

void Quiral_Load(Programme& p) {
    Modele& m = p.m;
    Fenetre& f = p.Fen("Quiral");
    f.chargee = true;
    f.visible = true;
    f.libelle = "TERRAFLOT";
    for (const DefinitionMenu& d : MENUS_QUIRAL) {
        ElementMenu& menu = p.MenuItem(d.nom);
        menu.libelle = d.libelle;
        menu.coche = d.coche;
        menu.actif = d.actif;
        menu.visible = true;
    }
    p.ihm.Timer1 = {false, 100};

    m.OrigineX = 400;
    m.OrigineY = 0;
    p.dessin.Redimensionne(m.LargeurZone, m.HauteurZone);
    p.ihm.Picture2_visible = false;
    p.ihm.Option1 = true;
    p.ihm.Option2 = false;
    p.Label("Quiral.Label1", "Construction d'un profil topographique équilibré du socle .");
    p.Label("Quiral.Label4", "Croûte");
    p.Label("Quiral.Label9", "Manteau supérieur");
    p.Label("Quiral.Label20", "Sédiments");
    p.Label("Quiral.Label11", "Equilibre isostatique");
    p.Label("Quiral.Label12", "Anomalie positive");
    p.Label("Quiral.Label13", "Anomalie négative");
    p.Label("Quiral.Label3", "");
    p.Label("Quiral.Label5", "");
    p.Label("Quiral.Label2", "");
    p.Label("Quiral.Label7", "");

    for (int i = 1; i <= COLONNE_MAX; ++i) {
        m.AltSurface[i] = 0;
        m.AltProfil[i] = 0;
        m.EpSocle[i] = m.EpCrouteRef;
        m.EpCroute[i] = m.EpSocle[i];
        m.EpManteau[i] = m.NivCompensation - m.EpCrouteRef;
        m.ProfMoho[i] = m.EpSocle[i];
        m.AltRepereProfond[i] = -m.ProfRepereProfond;
        m.AltRepereIntermediaire[i] = -m.ProfRepereIntermediaire;
        m.EpGlace[i] = 0;
        m.EpSediments[i] = 0;
        m.AltSocle[i] = 0;
        m.HauteurEau[i] = 0;
        m.PressionCompensation[i] = PressionColonne(m, i);
        m.PressionRepereProfond[i] = m.AltRepereProfond[i];
        m.PressionRepereIntermediaire[i] = m.AltRepereIntermediaire[i];
        m.EpSocleM[i] = m.EpCrouteRef * 1000;
        m.HautRepereProfond0[i] = m.EpCrouteRef * 1000 - m.ProfRepereProfond * 1000;
        m.HautRepereIntermediaire0[i] = m.EpCrouteRef * 1000 - m.ProfRepereIntermediaire * 1000;
        m.ProfRepereProfondCol[i] = m.ProfRepereProfond;
        m.ProfRepereIntermediaireCol[i] = m.ProfRepereIntermediaire;
        m.ProfilErosion[i] = 0;
        m.ErosionCumulee[i] = 0;
        m.LimiteInitialeIntermediaire[i] = m.AltRepereIntermediaire[i];
        m.LimiteInitialeProfond[i] = m.AltRepereProfond[i];
    }
    p.Label("Quiral.Label8", " Les niveaux ''repères'' sont initialisés .");
    LegendeVolume(p);
}

void Quiral_Resize(Programme& p) {
    Modele& m = p.m;
    m.LargeurZone = float(p.ihm.LargeurCadre);
    m.HauteurZone = float(p.ihm.HauteurCadre - HAUTEUR_RESERVEE);
    m.HauteurGraphe = m.HauteurZone;
    m.LargeurGraphe = m.LargeurZone;
    m.LargeurColonne = Int(m.LargeurGraphe / double(m.NbColonnes));
    if (m.HauteurZone > 0) {
        p.dessin.Redimensionne(m.LargeurZone, m.HauteurZone);
        p.ihm.geometries["Quiral.Picture1"] = {0, 0, int(m.LargeurZone), int(m.HauteurZone)};
        p.ihm.geometries["Quiral.Picture4"] = {0, int(m.HauteurZone) - HAUTEUR_PICTURE4,
                                               LARGEUR_PICTURE4, HAUTEUR_PICTURE4};
        p.ihm.geometries["Quiral.Label1"] = {0, 0, int(m.LargeurZone), 285};
    }
    Rafraichit2(p);
    p.dessin.EchelleHorizontale();
    const Geometrie& legende = p.ihm.geometries["Quiral.Picture4"];
    p.ihm.geometries["Quiral.Picture2"] = {legende.gauche + legende.largeur,
                                           int(m.HauteurZone) - HAUTEUR_PICTURE2,
                                           LARGEUR_PICTURE2, HAUTEUR_PICTURE2};
}

void Avertissement_Load(Programme& p) {
    Fenetre& f = p.Fen("Avertissement");
    f.chargee = true;
    f.libelle = "Avertissement";
    p.Label("Avertissement.Label8", "TERRAFLOT");
    p.Label("Avertissement.Label10",
            " Simulation de l'équilibre vertical de la lithosphère continentale");
    p.Label("Avertissement.Label1", std::string(PHRASES_AVERTISSEMENT[0]) +
                                        PHRASES_AVERTISSEMENT[1] + SautLigne +
                                        PHRASES_AVERTISSEMENT[2] + PHRASES_AVERTISSEMENT[3]);
    p.ihm.etiquettesMasquees.erase("Avertissement.Label8");
    p.ihm.etiquettesMasquees.erase("Avertissement.Label10");
    p.ihm.TimerAvertissement = {true, 5000};
}

void Quiral_Activate(Programme& p) {
    if (p.ihm.AvertissementMontre) return;
    p.ihm.AvertissementMontre = true;
    if (!p.Chargee("Avertissement")) Avertissement_Load(p);
    Fenetre& f = p.Fen("Avertissement");
    f.visible = true;
    f.modale = true;
}

void Demarre(Programme& p) {
    MDIForm1_Load(p);
    Quiral_Load(p);
    Quiral_Resize(p);
    Quiral_Activate(p);
}

void Avertissement_Timer1_Timer(Programme& p) {
    p.ihm.etiquettesMasquees["Avertissement.Label8"] = true;
    p.ihm.etiquettesMasquees["Avertissement.Label10"] = true;
}

void Avertissement_Command1_Click(Programme& p) {
    p.ihm.etiquettesMasquees.erase("Avertissement.Label8");
    p.ihm.etiquettesMasquees.erase("Avertissement.Label10");
    p.Decharge("Avertissement");
}

bool MDIForm1_QueryUnload(Programme& p) { return DemandeFin(p); }

} // namespace terraflot
