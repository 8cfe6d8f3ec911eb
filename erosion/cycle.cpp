// The erosion cycle and the buttons of the erosion panel Picture2.
#include <cmath>
#include <iterator>

#include "etat.h"
#include "controle.h"
#include "erosion.h"
#include "isostasie.h"
#include "nombres.h"
#include "couleurs.h"
#include "rendu.h"

namespace terraflot {

namespace {

constexpr const char* MSG_EQUILIBRER =
    "Avant de simuler l'érosion d'un portion de croûte continentale, vous devez l'équilibrer.";
constexpr const char* MSG_FONTE =
    "Avant de simuler l'érosion d'un portion de croûte continentale, vous devez provoquer la "
    "fonte des glaces.";
constexpr const char* FIN_ISOSTASIE =
    "Erosion  et rééquilibrage isostatique terminés pour le profil d'érosion choisi.";
constexpr const char* FIN_SEULE =
    "Erosion  terminée pour le profil d'érosion choisi; le profil n'est pas équilibré.";
constexpr const char* REPERES_DEPLACES = " Les niveaux ''repères'' ne sont plus initialisés .";

// Largest size (km) a column may reach through erosion.  With a crust
// denser than the mantle every cycle lifts a column more than it removes;
// past this size the column is held as it stands, so that a long run never
// overflows into infinities whose differences have no value.
constexpr double VALEUR_MAX = 1e9;

// The values of a column that eroding it writes.
constexpr Colonnes Modele::* const ECRITES[] = {
    &Modele::AltSurface,           &Modele::AltProfil,
    &Modele::AltSocle,             &Modele::EpSediments,
    &Modele::EpSocle,              &Modele::EpCroute,
    &Modele::EpManteau,            &Modele::ProfMoho,
    &Modele::ErosionCumulee,       &Modele::AltRepereProfond,
    &Modele::AltRepereIntermediaire, &Modele::ProfRepereProfondCol,
    &Modele::ProfRepereIntermediaireCol,
};
constexpr std::size_t NB_ECRITES = std::size(ECRITES);

// Rounded to 1 / pas; a value too large to be scaled is kept as it is.
double Arrondi(double x, double pas) {
    const double y = Int(x * pas + 0.5) / pas;
    return std::isfinite(y) ? y : x;
}

bool Raisonnable(double x) { return std::isfinite(x) && std::fabs(x) <= VALEUR_MAX; }

// A level above sea level and above the basement top lies on that top.
void SurLeSocle(double& niveau, double altSocle) {
    if (niveau > 0 && niveau > altSocle) niveau = altSocle;
}

// Removes e = ErosionCycle[i] from column i and lets it float again unless
// the erosion goes without isostasy.
void ErodeColonne(Modele& m, int i, bool seule) {
    const double e = m.ErosionCycle[i];
    // Sediments go first.
    if (m.EpSediments[i] >= e) {
        m.EpSediments[i] = std::max(0.0, m.EpSediments[i] - e);
        m.AltProfil[i] = m.AltSocle[i] + m.EpSediments[i];
    } else {
        m.AltProfil[i] = m.AltSocle[i] + m.EpSediments[i] - e;
        m.EpSocle[i] = m.EpSocle[i] + m.EpSediments[i] - e;
        m.EpSediments[i] = 0;
    }
    m.ErosionCumulee[i] += e;
    // The surface never goes below the erosion level; the whole removal stays
    // counted and taken off the crust.
    if (m.AltProfil[i] < m.ProfilErosion[i]) m.AltProfil[i] = m.ProfilErosion[i];
    m.EpCroute[i] -= e;

    if (seule) {
        m.AltSurface[i] = m.AltProfil[i];
    } else {
        m.AltSurface[i] =
            AltSocleEquilibre(m, m.AltSurface[i], m.AltProfil[i] - m.EpSediments[i], m.EpSocle[i],
                              m.MvOcean, m.MvCroute, m.MvManteau, m.EpCrouteRef,
                              m.NivCompensation, m.EpGlace[i], m.EpSediments[i], m.MvSediments) +
            m.EpSediments[i];
    }
    m.AltSocle[i] = m.AltSurface[i] - m.EpGlace[i] - m.EpSediments[i];
    m.EpManteau[i] = m.NivCompensation - m.EpCroute[i] + m.AltSurface[i];
    m.EpSocle[i] = m.EpCroute[i] - m.EpSediments[i] - m.EpGlace[i];
    m.ProfMoho[i] = m.EpCroute[i] - m.AltSurface[i];

    // The reference levels ride on the Moho at their carried heights.
    double& profond = m.AltRepereProfond[i];
    double& inter = m.AltRepereIntermediaire[i];
    profond = m.AltSocle[i] - m.EpSocle[i] + m.HautRepereProfond[i] / 1000;
    inter = m.AltSocle[i] - m.EpSocle[i] + m.HautRepereIntermediaire[i] / 1000;
    profond = Arrondi(profond, 1000);
    inter = Arrondi(inter, 1000);
    SurLeSocle(profond, m.AltSocle[i]);
    SurLeSocle(inter, m.AltSocle[i]);
    // The depths keep the value before the Moho clamp.
    m.ProfRepereProfondCol[i] = -profond;
    m.ProfRepereIntermediaireCol[i] = -inter;
    if (-profond > m.ProfMoho[i]) profond = -m.ProfMoho[i];
    if (-inter > m.ProfMoho[i]) inter = -m.ProfMoho[i];
}

// Erodes column i unless that would carry it out of range; then the column
// is left as it was and nothing is removed from it this cycle.
bool ErodeSiRaisonnable(Modele& m, int i, bool seule) {
    double avant[NB_ECRITES];
    for (std::size_t k = 0; k < NB_ECRITES; ++k) avant[k] = (m.*ECRITES[k])[i];
    if (Raisonnable(m.ErosionCycle[i])) {
        ErodeColonne(m, i, seule);
        bool sain = true;
        for (std::size_t k = 0; k < NB_ECRITES; ++k) sain = sain && Raisonnable((m.*ECRITES[k])[i]);
        if (sain) return true;
    }
    for (std::size_t k = 0; k < NB_ECRITES; ++k) (m.*ECRITES[k])[i] = avant[k];
    m.ErosionCycle[i] = 0;
    return false;
}

} // namespace

bool ControleColonne(Programme& p, int i) {
    Modele& m = p.m;
    m.PressionCompensation[i] = Int(PressionColonne(m, i) + 0.5);
    if (m.PressionCompensation[i] != PressionReference(m)) {
        p.MsgBox(MSG_EQUILIBRER, Boutons::Ok, Icone::Question);
        return false;
    }
    if (m.EpGlace[i] > 0) {
        p.MsgBox(MSG_FONTE, Boutons::Ok, Icone::Question);
        return false;
    }
    return true;
}

bool ControleAvantErosion(Programme& p) {
    const int n = ColonnesEnService(p.m);
    for (int i = 1; i <= n; ++i)
        if (!ControleColonne(p, i)) return false;
    return true;
}

void CycleErosion(Programme& p, bool tick) {
    Modele& m = p.m;
    const int n = ColonnesEnService(m);
    const bool seule = m.ErosionSeule;

    // "Démarrer" has already attached the levels to the crust for the ticks.
    if (!tick) m.ReperesFixes = true;
    bool erode = false;

    // First pass: what each column above its erosion level loses this cycle.
    for (int i = 1; i <= n; ++i) {
        if (m.AltSurface[i] > m.ProfilErosion[i]) {
            erode = true;
            m.AltSocle[i] = m.AltSurface[i] - m.EpGlace[i] - m.EpSediments[i];
            m.ErosionCycle[i] = 0.185 * m.AltSurface[i] + 0.03;
            // Once per start, the first column that would pass below its level
            // loses only its height above it.
            if (m.AltSurface[i] - m.ProfilErosion[i] < m.ErosionCycle[i] && m.LimiteProfil) {
                m.ErosionCycle[i] = m.AltSurface[i] - m.ProfilErosion[i];
                m.LimiteProfil = false;
            }
        } else {
            if (m.AltSurface[i] >= 0) m.AltSurface[i] = m.ProfilErosion[i];
            m.ErosionCycle[i] = 0;
            m.AltSocle[i] = m.AltSurface[i] - m.EpGlace[i] - m.EpSediments[i];
        }
    }

    if (!erode) {
        // Nothing left above the erosion level: the run is over.
        p.ihm.Timer1.actif = false;
        if (tick) m.AnimErosionMassif = false;
        m.ReperesFixes = true;
        m.ReperageErosion = false;
        if (!seule) {
            RééQUILIBRAGE(m, p.dessin);
            p.Label("Quiral.Label1", FIN_ISOSTASIE);
        } else {
            p.Label("Quiral.Label1", FIN_SEULE);
        }
        p.ChangePointeur(Pointeur::Fleche);
    } else {
        m.TempsEcoule += 1;
        p.Label("Quiral.Label2",
                std::string("Temps écoulé = ") + SautLigne + Str(m.TempsEcoule) + " millions d'années");

        for (int i = 1; i <= n; ++i) {
            if (seule) {
                if (m.AltSurface[i] <= m.ProfilErosion[i]) {
                    m.AltProfil[i] = m.ProfilErosion[i];
                    m.ErosionCycle[i] = 0;
                    continue;
                }
            } else if (!(m.AltSurface[i] >= 0)) {
                continue;  // a submerged column is neither eroded nor lifted
            }
            if (!ErodeSiRaisonnable(m, i, seule)) continue;
            RedessineColonne(p, i);
            if (!seule) p.Label("Quiral.Label8", REPERES_DEPLACES);
        }
    }

    m.SommeErosion = 0;
    for (int i = 1; i <= n; ++i) {
        m.SommeErosion += m.ErosionCumulee[i];
        m.EpCroute[i] = Arrondi(m.EpCroute[i], 100);
        m.AltSocle[i] = Arrondi(m.AltSocle[i], 1000);
        m.AltSurface[i] = Arrondi(m.AltSurface[i], 1000);
        m.EpManteau[i] = Arrondi(m.EpManteau[i], 1000);
        m.EpSocle[i] = Arrondi(m.EpSocle[i], 1000);
        m.ProfMoho[i] = Arrondi(m.ProfMoho[i], 1000);
    }

    // Each column stands for 20 km x 20 km: the volume is SommeErosion x 400 km3,
    // shown to the hundred by the animation, to the ten by "Pas à pas...".
    const double volume = tick ? 100 * Int(4 * m.SommeErosion + 0.5)
                               : 10 * Int(40 * m.SommeErosion + 0.5);
    p.Label("Quiral.Label7", Str(volume) + " km3");

    INDICTABLEAU(p, m.IndexCurseur, m.YCurseur);
}

void HLBBttn1_Click(Programme& p) { CycleErosion(p, false); }

void HLBBttn2_Click(Programme& p) {
    if (ControleAvantErosion(p)) p.m.ReperageErosion = true;
}

void HLBBttn5_Click(Programme& p) {
    Modele& m = p.m;
    const int n = ColonnesEnService(m);
    for (int i = 1; i <= n; ++i) {
        m.ProfilErosion[i] = 0;
        RedessineColonne(p, i);
        // The erosion-level mark at altitude 0.
        const double y = YDepuisAltitude(m, m.ProfilErosion[i] * 1000);
        p.dessin.Ligne(m.OrigineX + (i - 1) * m.LargeurColonne, y,
                       m.OrigineX + i * m.LargeurColonne, y, CouleurContour);
    }
}

void Option1_Click(Programme& p) {
    p.ihm.Option1 = true;
    p.ihm.Option2 = false;
    p.m.ErosionSeule = false;
}

void Option2_Click(Programme& p) {
    p.ihm.Option1 = false;
    p.ihm.Option2 = true;
    p.m.ErosionSeule = true;
}

} // namespace terraflot
