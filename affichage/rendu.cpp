#include "rendu.h"

#include <algorithm>

#include "etat.h"
#include "isostasie.h"
#include "nombres.h"

namespace terraflot {

namespace {

void MetEchelleHorizontale(Modele& m) {
    m.HauteurGraphe = m.HauteurZone;
    m.LargeurGraphe = m.LargeurZone;
    // No column count, no width: a column of width 0 is refused by the mouse handlers.
    m.LargeurColonne = m.NbColonnes > 0 ? Int(m.LargeurGraphe / double(m.NbColonnes)) : 0;
}

// Water depth (metres) over a column whose solid surface is below sea level.
void MetHauteurEau(Modele& m, int k) {
    if (m.AltSocle[k] + m.EpGlace[k] + m.EpSediments[k] >= 0) m.HauteurEau[k] = 0;
    else m.HauteurEau[k] = -(m.AltSocle[k] * 1000 + m.EpSediments[k] * 1000);
}

} // namespace

void RedessineColonne(Programme& p, int k) {
    const Modele& m = p.m;
    p.dessin.DessineRectangle2(k, m.AltSocle[k], m.EpSocle[k], m.EpGlace[k], m.EpSediments[k]);
    p.dessin.ReprésenteNiveauxRemarquables(k);
}

void LegendeNiveaux(Programme& p) {
    const Modele& m = p.m;
    const double P1 = Int(m.ProfRepereIntermediaire * m.MvCroute * 9.8 + 0.5);
    const double P2 = Int(m.ProfRepereProfond * m.MvCroute * 9.8 + 0.5);
    p.Label("Quiral.Label3", " Pression initiale supérieure à" + Str(P1) + "MPa" + " (profondeur :" +
                                 Str(m.ProfRepereIntermediaire) + "km )");
    p.Label("Quiral.Label5", " Pression initiale supérieure à" + Str(P2) + "MPa" + " (profondeur :" +
                                 Str(m.ProfRepereProfond) + "km )");
    p.ihm.Picture3_back = CouleurNiveauIntermediaire;
    p.ihm.Picture10_back = CouleurNiveauProfond;
}

void LegendeVolume(Programme& p) {
    // Wide enough for 100 columns (40000 km2).
    const int longueur = int(p.m.NbColonnes) * 20;
    const int surface = int(p.m.NbColonnes) * 400;
    p.Label("Quiral.Label6", "Volume érodé pour une bande de 20 km de largeur et de " +
                                 Str(longueur) + " km de longueur, soit une surface de " +
                                 Str(surface) + " km2 :");
}

void Rafraichit2(Programme& p) {
    p.dessin.Efface();
    LegendeNiveaux(p);
    p.m.SommeErosion = 0;
    p.Label("Quiral.Label7", "");
    RééQUILIBRAGE(p.m, p.dessin);
}

void Rafraichit(Programme& p) {
    Modele& m = p.m;
    p.dessin.Efface();
    MetEchelleHorizontale(m);
    for (int k = 1; k <= ColonnesEnService(m); ++k) {
        m.ProfMoho[k] = m.EpSocle[k] + m.EpCrouteRef - m.EpCrouteRefSauve - m.AltSocle[k];
        MetHauteurEau(m, k);
        m.AltSurface[k] = m.AltProfil[k];
        m.EpManteau[k] = m.NivCompensation - m.EpSocle[k] + m.AltSurface[k];
        RedessineColonne(p, k);
        m.AltSurface[k] = m.AltSocle[k] + m.EpGlace[k] + m.EpSediments[k];
        m.AltProfil[k] = m.AltSurface[k];
    }
    LegendeVolume(p);
    p.dessin.EchelleHorizontale();
}

void rafraichit3(Programme& p) {
    Modele& m = p.m;
    p.dessin.Efface();
    MetEchelleHorizontale(m);
    for (int k = 1; k <= ColonnesEnService(m); ++k) {
        m.AltRepereProfond[k] = -m.ProfRepereProfondSauve;
        m.AltRepereIntermediaire[k] = -m.ProfRepereIntermediaireSauve;
        m.PressionRepereIntermediaire[k] = m.AltRepereIntermediaire[k];
        m.PressionRepereProfond[k] = m.AltRepereProfond[k];

        m.EpSocleM[k] = m.EpCrouteRefSauve * 1000;
        m.HautRepereProfond0[k] = m.EpCrouteRefSauve * 1000 - m.ProfRepereProfondSauve * 1000;
        m.HautRepereIntermediaire0[k] =
            m.EpCrouteRefSauve * 1000 - m.ProfRepereIntermediaireSauve * 1000;
        m.ProfRepereProfondCol[k] = m.ProfRepereProfondSauve;
        m.ProfRepereIntermediaireCol[k] = m.ProfRepereIntermediaireSauve;

        m.ProfMoho[k] = m.EpSocle[k] + m.EpCrouteRef - m.EpCrouteRefSauve - m.AltSocle[k];
        MetHauteurEau(m, k);

        const double b = AltSocleEquilibre(m, m.AltSurface[k], m.AltProfil[k] - m.EpSediments[k],
                                           m.EpSocle[k], m.MvOcean, m.MvCroute, m.MvManteau,
                                           m.EpCrouteRef, m.NivCompensation, m.EpGlace[k],
                                           m.EpSediments[k], m.MvSediments);
        m.AltSurface[k] = b;
        m.EpManteau[k] = m.NivCompensation - m.EpSocle[k] + b;
        m.EpCroute[k] = m.EpSocle[k] + m.EpGlace[k] + m.EpSediments[k];

        p.dessin.DessineRectangle2(k, m.AltSocle[k], m.EpSocle[k], m.EpGlace[k], m.EpSediments[k]);
        MajReperes(m, k, m.EpSocle[k], m.HauteurEau[k], m.EpSediments[k], m.EpGlace[k],
                   m.AltSurface[k]);
        p.dessin.ReprésenteNiveauxRemarquables(k);

        m.AltSurface[k] = m.AltSocle[k] + m.EpGlace[k] + m.EpSediments[k];
        m.AltProfil[k] = m.AltSurface[k];
    }
    LegendeNiveaux(p);
    m.SommeErosion = 0;
    p.Label("Quiral.Label7", "");
}

void mnu_quadrillage_Click(Programme& p) {
    Modele& m = p.m;
    if (!m.Quadrillage) {
        m.Quadrillage = true;
        p.MenuItem("mnu_quadrillage").libelle = "Ne pas représenter le quadrillage";
    } else {
        m.Quadrillage = false;
        p.MenuItem("mnu_quadrillage").libelle = "Représenter le quadrillage";
    }
    RééQUILIBRAGE(m, p.dessin);
}

void mnu_ReprésenterNiveauxRepères_Click(Programme& p) {
    Modele& m = p.m;
    if (!m.RepresenteReperes) {
        m.RepresenteReperes = true;
        p.MenuItem("mnu_ReprésenterNiveauxRepères").libelle = "Ne pas représenter les niveaux repères";
    } else {
        m.RepresenteReperes = false;
        p.MenuItem("mnu_ReprésenterNiveauxRepères").libelle = "Représenter les niveaux repères";
    }
    for (int k = 1; k <= ColonnesEnService(m); ++k) {
        m.LimiteInitialeIntermediaire[k] = m.AltRepereIntermediaire[k];
        RedessineColonne(p, k);
    }
    Rafraichit2(p);
}

} // namespace terraflot
