#include "isostasie.h"

#include <algorithm>
#include <cmath>

namespace terraflot {

double Int(double x) { return std::floor(x); }
double AuMetre(double x) { return Int(x * 1000 + 0.5) / 1000; }

double CalculeEpCroute(double e, double epGlace, double epSediments, double hauteurEau,
                       double mvOcean, double mvGlace, double mvSediments, double mvCroute,
                       double mvManteau, double epCrouteRef, double nivCompensation) {
    // Ice and sediments are taken as crust: the thickness sought runs from
    // the surface at altitude e down to the Moho.
    (void)epGlace;
    (void)epSediments;
    (void)mvGlace;
    (void)mvSediments;
    const double P0 = epCrouteRef * mvCroute + (nivCompensation - epCrouteRef) * mvManteau;
    const double Q = (hauteurEau / 1000) * mvOcean + e * mvManteau + nivCompensation * mvManteau;
    double R = (P0 - Q) / (mvCroute - mvManteau);
    R = Int(R * 1000 + 0.5) / 1000;
    return R;
}

void EQ0(Modele& m, int i, double e) {
    const double R = CalculeEpCroute(e, m.EpGlace[i], m.EpSediments[i], m.HauteurEau[i],
                                     m.MvOcean, m.MvGlace, m.MvSediments, m.MvCroute,
                                     m.MvManteau, m.EpCrouteRef, m.NivCompensation);
    m.EpCroute[i] = R;
    m.EpManteau[i] = m.NivCompensation - m.EpCroute[i] + e - m.EpGlace[i] - m.EpSediments[i];
    m.EpSocle[i] = m.EpCroute[i] - m.EpSediments[i] - m.EpGlace[i];
}

namespace {
// Height of one 10-km band, in twips.
double Bande(const Modele& m) {
    if (m.NbTranches <= 0) return 0;
    return (double(m.HauteurGraphe) + m.OrigineY) / m.NbTranches;
}
} // namespace

bool EchelleValide(const Modele& m) {
    const double D = Bande(m);
    return D > 0 && std::isfinite(D);
}

double YDepuisAltitude(const Modele& m, double alt) {
    const double D = Bande(m);
    return (1 - alt / 10000) * D;
}

double AltitudeDepuisY(const Modele& m, double y) {
    if (!EchelleValide(m)) return 0;
    const double D = Bande(m);
    const double A = 10000 * (D - y) / D;
    return Int(A * 1000 + 0.5) / 1000;
}

double AltSocleEquilibre(const Modele& m, double altSurface, double altBase, double T,
                         double mvOcean, double mvCroute, double mvManteau, double H0,
                         double Zc, double g, double s, double mvSediments) {
    (void)altSurface;
    const double P0 = H0 * mvCroute + (Zc - H0) * mvManteau;
    double L;
    if (altBase + s + g >= 0) L = s * mvSediments + g * m.MvGlace;
    else L = s * mvSediments - (altBase + s) * mvOcean;
    double h = T - H0 - (T * mvCroute + L + Zc * mvManteau - H0 * mvManteau - P0) / mvManteau;
    // Cut down to the metre below unless within 0.05 m of the metre above.
    h = Int(h * 1000 + 0.05) / 1000;
    return h;
}

void MajReperes(Modele& m, int i, double T, double hauteurEau, double s, double g, double h) {
    if (!m.ReperesFixes) {
        m.HautRepereIntermediaire0[i] = 0;
        m.HautRepereIntermediaire[i] = 0;
        m.HautRepereProfond0[i] = 0;
        m.HautRepereProfond[i] = 0;
        m.ProfMoho[i] = 0;
        m.AltRepereProfondM = 0;
        m.AltRepereIntermediaireM = 0;
        m.AltRepereProfond[i] = 0;
        m.AltRepereIntermediaire[i] = 0;
        m.EpSocleM[i] = Int(T * 1000 + 0.5);
        // Overlying loads as the crust thickness that weighs the same.
        auto profondeurSousSocle = [&](double profNominale) {
            double D = profNominale * 1000 -
                       (s * 1000 * m.MvSediments + g * 1000 * m.MvGlace) / m.MvCroute;
            if (hauteurEau != 0) D = D - hauteurEau * m.MvOcean / m.MvCroute;
            return D;
        };
        m.HautRepereIntermediaire0[i] = T * 1000 - profondeurSousSocle(m.ProfRepereIntermediaireCol[i]);
        m.HautRepereIntermediaire[i] = m.HautRepereIntermediaire0[i];
        m.HautRepereProfond0[i] = T * 1000 - profondeurSousSocle(m.ProfRepereProfondCol[i]);
        m.HautRepereProfond[i] = m.HautRepereProfond0[i];
    }
    m.ProfMoho[i] = T - h;
    m.AltRepereIntermediaireM = m.HautRepereIntermediaire[i] - (T * 1000 - h * 1000);
    m.AltRepereProfondM = m.HautRepereProfond[i] - (T * 1000 - h * 1000);
    m.AltSocle[i] = T - m.ProfMoho[i];
    if (m.AltRepereProfondM >= m.AltSocle[i] * 1000) m.AltRepereProfond[i] = m.AltSocle[i];
    else m.AltRepereProfond[i] = m.AltRepereProfondM / 1000;
    if (m.AltRepereIntermediaireM >= m.AltSocle[i] * 1000) m.AltRepereIntermediaire[i] = m.AltSocle[i];
    else m.AltRepereIntermediaire[i] = m.AltRepereIntermediaireM / 1000;
}

namespace {
// Water depth of a column from its basement top; a flooded column loses its ice.
void EauEtGlace(Modele& m, int i) {
    if (m.AltSocle[i] + m.EpGlace[i] + m.EpSediments[i] >= 0) {
        m.HauteurEau[i] = 0;
    } else {
        m.HauteurEau[i] = -(m.AltSocle[i] * 1000 + m.EpSediments[i] * 1000);
        m.EpGlace[i] = 0;
    }
}
} // namespace

void RééQUILIBRAGE(Modele& m, DessinColonnes& d) {
    const double H0 = m.EpCrouteRef;
    const int n = ColonnesEnService(m);
    for (int passe = 0; passe < 10; ++passe) {
        for (int i = 1; i <= n; ++i) {
            m.AltRepereProfond[i] = -m.ProfRepereProfond;
            m.AltRepereIntermediaire[i] = -m.ProfRepereIntermediaire;
            m.PressionRepereIntermediaire[i] = m.AltRepereIntermediaire[i];
            m.PressionRepereProfond[i] = m.AltRepereProfond[i];
            m.EpSocleM[i] = H0 * 1000;
            m.HautRepereProfond0[i] = H0 * 1000 - m.ProfRepereProfond * 1000;
            m.HautRepereIntermediaire0[i] = H0 * 1000 - m.ProfRepereIntermediaire * 1000;
            m.ProfRepereProfondCol[i] = m.ProfRepereProfond;
            m.ProfRepereIntermediaireCol[i] = m.ProfRepereIntermediaire;

            const double T = m.EpSocle[i] = Int(m.EpSocle[i] * 10 + 0.5) / 10;
            m.ProfMoho[i] = T + H0 - m.EpCrouteRefSauve - m.AltSocle[i];
            EauEtGlace(m, i);
            const double s = m.EpSediments[i];
            const double g = m.EpGlace[i];
            const double h = AltSocleEquilibre(m, m.AltSurface[i], m.AltProfil[i] - s, T,
                                               m.MvOcean, m.MvCroute, m.MvManteau, H0,
                                               m.NivCompensation, g, s, m.MvSediments);
            m.AltSurface[i] = h;
            m.EpManteau[i] = m.NivCompensation - T + h;
            m.EpCroute[i] = T + g + s;
            // Drawn with the basement altitude it had before this pass.
            d.DessineRectangle2(i, m.AltSocle[i], T, g, s);
            MajReperes(m, i, T, m.HauteurEau[i], s, g, h);
            d.ReprésenteNiveauxRemarquables(i);
            m.AltSurface[i] = m.AltSocle[i] + g + s;
            m.AltProfil[i] = m.AltSurface[i];
        }
    }
}

void Rééquilibrage2(Modele& m, DessinColonnes& d) {
    const double H0 = m.EpCrouteRef;
    const int n = ColonnesEnService(m);
    for (int passe = 0; passe < 10; ++passe) {
        for (int i = 1; i <= n; ++i) {
            const double T = m.EpSocle[i] = Int(m.EpSocle[i] * 10 + 0.5) / 10;
            m.ProfMoho[i] = T + H0 - m.EpCrouteRefSauve - m.AltSocle[i];
            EauEtGlace(m, i);
            const double s = m.EpSediments[i];
            const double g = m.EpGlace[i];
            const double h = AltSocleEquilibre(m, m.AltSurface[i], m.AltProfil[i] - s - g, T,
                                               m.MvOcean, m.MvCroute, m.MvManteau, H0,
                                               m.NivCompensation, g, s, m.MvSediments);
            m.AltSurface[i] = h + s;
            m.AltSocle[i] = m.AltSurface[i] - s;
            m.EpManteau[i] = m.NivCompensation - m.EpCroute[i] + m.AltSurface[i];
            m.EpCroute[i] = T + s;
            // The levels move with the crust at their stored heights.
            double& profond = m.AltRepereProfond[i];
            double& inter = m.AltRepereIntermediaire[i];
            profond = m.HautRepereProfond[i] / 1000 - (T - m.AltSocle[i]);
            inter = m.HautRepereIntermediaire[i] / 1000 - (T - m.AltSocle[i]);
            profond = AuMetre(profond);
            inter = AuMetre(inter);
            if (profond > 0 && profond > m.AltSocle[i]) profond = m.AltSocle[i];
            if (inter > 0 && inter > m.AltSocle[i]) inter = m.AltSocle[i];
            m.ProfRepereProfondCol[i] = -profond;
            m.ProfRepereIntermediaireCol[i] = -inter;
            if (-profond > m.ProfMoho[i]) profond = -m.ProfMoho[i];
            if (-inter > m.ProfMoho[i]) inter = -m.ProfMoho[i];
            d.DessineRectangle2(i, m.AltSocle[i], T, g, s);
            d.ReprésenteNiveauxRemarquables(i);
            m.AltSurface[i] = m.AltSocle[i] + g + s;
            m.AltProfil[i] = m.AltSurface[i];
        }
    }
}

void CalculeEpSocleMax(Modele& m) {
    const int n = ColonnesEnService(m);
    Colonnes copie{};
    for (int k = 1; k <= n; ++k) copie[k] = m.EpSocle[k];
    // One bubble pass carries the largest value to the end.
    for (int k = 2; k <= n; ++k)
        if (copie[k - 1] > copie[k]) std::swap(copie[k - 1], copie[k]);
    m.EpSocleMax = copie[n];
}

void BorneReperes(Modele& m, int i) {
    if (m.AltSocle[i] < m.AltRepereProfond[i]) m.AltRepereProfond[i] = m.AltSocle[i];
    if (m.AltSocle[i] < m.AltRepereIntermediaire[i]) m.AltRepereIntermediaire[i] = m.AltSocle[i];
    if (m.RepresenteReperes) {
        if (-m.AltRepereProfond[i] > m.ProfMoho[i]) m.AltRepereProfond[i] = -m.ProfMoho[i];
        if (-m.AltRepereIntermediaire[i] > m.ProfMoho[i]) m.AltRepereIntermediaire[i] = -m.ProfMoho[i];
    }
}

double PressionReference(const Modele& m) {
    const double H = m.EpCrouteRefCourante;
    return Int((H * m.MvCroute + (m.NivCompensation - H) * m.MvManteau) * 9.8 + 0.5);
}

double PressionColonne(const Modele& m, int i) {
    return (m.EpSocle[i] * m.MvCroute + m.EpManteau[i] * m.MvManteau +
            m.HauteurEau[i] / 1000 * m.MvOcean + m.EpSediments[i] * m.MvSediments +
            m.EpGlace[i] * m.MvGlace) *
           9.8;
}

} // namespace terraflot
