// Column equilibrium, vertical scale and re-equilibration of the section.
#pragma once

#include "modele.h"

namespace terraflot {

// Int of the program: the floor function.
double Int(double x);
// Rounded to the metre: Int(x * 1000 + 0.5) / 1000.
double AuMetre(double x);

// Whoever changes a column redraws it at once: the passes call these two
// in the order the drawing protocol fixes.  The second one also clamps the
// reference levels of the column (BorneReperes) before it draws.
class DessinColonnes {
public:
    virtual ~DessinColonnes() = default;
    virtual void DessineRectangle2(int i, double altSocle, double epSocle,
                                   double epGlace, double epSediments) = 0;
    virtual void ReprésenteNiveauxRemarquables(int i) = 0;
};

// --- Column equilibrium ---
// Thickness (km) from the surface down to the Moho of a column in
// equilibrium.  Divides by (MvCroute - MvManteau): callers refuse equal
// densities before calling.
double CalculeEpCroute(double altSurface, double epGlace, double epSediments,
                       double hauteurEau, double mvOcean, double mvGlace,
                       double mvSediments, double mvCroute, double mvManteau,
                       double epCrouteRef, double nivCompensation);
void EQ0(Modele& m, int i, double e);

// --- Vertical scale (altitudes in metres, ordinates in twips) ---
// Both never divide by zero: with no height or no band they return 0.
double YDepuisAltitude(const Modele& m, double alt);
double AltitudeDepuisY(const Modele& m, double y);
// True when the scale is usable (positive height and at least one band).
bool EchelleValide(const Modele& m);

// --- Re-equilibration ---
double AltSocleEquilibre(const Modele& m, double altSurface, double altBase,
                         double T, double mvOcean, double mvCroute,
                         double mvManteau, double H0, double Zc, double g,
                         double s, double mvSediments);
void MajReperes(Modele& m, int i, double T, double hauteurEau, double s,
                double g, double h);
void RééQUILIBRAGE(Modele& m, DessinColonnes& d);
void Rééquilibrage2(Modele& m, DessinColonnes& d);
void CalculeEpSocleMax(Modele& m);

// Clamps of the level display, applied to the model at every draw of a
// column: levels to the basement top always, to the Moho only while the
// zones are shown.
void BorneReperes(Modele& m, int i);

// Reference pressure at the compensation level (MPa, whole).
double PressionReference(const Modele& m);
// Pressure at the compensation level of column i (MPa, not rounded).
double PressionColonne(const Modele& m, int i);

} // namespace terraflot
