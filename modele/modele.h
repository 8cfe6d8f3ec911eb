// The section model: every per-column array, parameter, dialog companion
// and flag of TERRAFLOT, in one struct owned by the main window.
// Plain C++: no Qt here.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace terraflot {

// Every per-column array has 101 elements: columns are numbered 1 to 100,
// element 0 is never computed nor drawn.
constexpr int NB_ELEMENTS = 101;
constexpr int COLONNE_MAX = 100;
using Colonnes = std::array<double, NB_ELEMENTS>;

struct Modele {
    // --- Per-column arrays (km unless the name says metres) ---
    Colonnes AltSurface{};           // solid surface altitude
    Colonnes AltProfil{};            // surface given by a profile press
    Colonnes AltSocle{};             // top of the basement
    Colonnes HauteurEau{};           // sea-water depth, metres
    Colonnes EpGlace{};
    Colonnes EpSediments{};
    Colonnes EpSocle{};              // basement thickness
    Colonnes EpSocleM{};             // basement thickness, whole metres
    Colonnes EpCroute{};             // surface down to the Moho
    Colonnes ProfMoho{};             // Moho depth, positive down
    Colonnes EpManteau{};            // Moho down to the compensation level
    Colonnes PressionCompensation{}; // MPa
    Colonnes ProfRepereProfondCol{};
    Colonnes ProfRepereIntermediaireCol{};
    Colonnes AltRepereProfond{};
    Colonnes AltRepereIntermediaire{};
    Colonnes HautRepereProfond0{};        // metres above the Moho
    Colonnes HautRepereIntermediaire0{};
    Colonnes HautRepereProfond{};         // metres above the Moho, carried
    Colonnes HautRepereIntermediaire{};
    Colonnes PressionRepereProfond{};
    Colonnes PressionRepereIntermediaire{};
    Colonnes ProfilErosion{};        // erosion level drawn by the user
    Colonnes ErosionCumulee{};
    Colonnes ErosionCycle{};
    // Kept by the main window: memorised reference-level altitudes
    // (the red initial-limit line).
    Colonnes LimiteInitialeIntermediaire{};
    Colonnes LimiteInitialeProfond{};

    // --- Parameters ---
    double MvOcean = 0;
    double MvCroute = 0;
    double MvManteau = 0;
    double MvSediments = 0;
    double MvGlace = 0;
    std::int16_t NivCompensation = 0;
    double EpCrouteRef = 0;
    std::int16_t ProfRepereProfond = 0;
    std::int16_t ProfRepereIntermediaire = 0;

    // Companions written by the parameters dialog.
    double MvOceanSauve = 0;
    double MvCrouteSauve = 0;
    double MvManteauSauve = 0;
    double MvSedimentsSauve = 0;
    double MvGlaceSauve = 0;
    std::int16_t NivCompensationSauve = 0;
    double EpCrouteRefSauve = 0;
    std::int16_t ProfRepereProfondSauve = 0;
    std::int16_t ProfRepereIntermediaireSauve = 0;

    std::int16_t NbColonnes = 0;
    std::int16_t NbTranches = 0;
    double EpCrouteRefCourante = 0;
    double EpSocleMax = 0;
    std::int16_t IntervalleAnimation = 0;

    // --- Flags ---
    bool ModeProfil = false;
    bool ModeErosion = false;
    bool ModeMoho = false;
    bool ModeSimulErosion = false;
    bool ModeGlaciation = false;
    bool ModeDepot = false;
    bool AnimErosionMassif = false;
    bool ReperesFixes = false;
    bool ErosionSeule = false;
    bool ReperageErosion = false;
    bool AfficheTableau = false;
    bool RepresenteReperes = false;
    bool Quadrillage = false;
    bool LimiteProfil = false;

    // --- Values ---
    double SommeErosion = 0;
    double TempsEcoule = 0;
    int ColonneClic = 0;
    std::int16_t IndexCurseur = 0;
    double YCurseur = 0;

    // Geometry of the drawing area, in twips.
    float LargeurZone = 0;
    float HauteurZone = 0;
    float LargeurGraphe = 0;
    float HauteurGraphe = 0;
    double LargeurColonne = 0;
    int OrigineX = 0;
    int OrigineY = 0;
    int MargeColonne = 0;

    // Scratch values of the reference-level update (metres).
    double AltRepereProfondM = 0;
    double AltRepereIntermediaireM = 0;
};

// Columns in use, never beyond the arrays.
inline int ColonnesEnService(const Modele& m) {
    return std::clamp<int>(m.NbColonnes, 0, COLONNE_MAX);
}

// Every per-column array by its name, in the order the driver dumps them.
struct TableauNomme {
    const char* nom;
    Colonnes Modele::*tableau;
};

inline constexpr TableauNomme TABLEAUX_COLONNES[] = {
    {"AltSurface", &Modele::AltSurface},
    {"AltProfil", &Modele::AltProfil},
    {"AltSocle", &Modele::AltSocle},
    {"HauteurEau", &Modele::HauteurEau},
    {"EpGlace", &Modele::EpGlace},
    {"EpSediments", &Modele::EpSediments},
    {"EpSocle", &Modele::EpSocle},
    {"EpSocleM", &Modele::EpSocleM},
    {"EpCroute", &Modele::EpCroute},
    {"ProfMoho", &Modele::ProfMoho},
    {"EpManteau", &Modele::EpManteau},
    {"PressionCompensation", &Modele::PressionCompensation},
    {"ProfRepereProfondCol", &Modele::ProfRepereProfondCol},
    {"ProfRepereIntermediaireCol", &Modele::ProfRepereIntermediaireCol},
    {"AltRepereProfond", &Modele::AltRepereProfond},
    {"AltRepereIntermediaire", &Modele::AltRepereIntermediaire},
    {"HautRepereProfond0", &Modele::HautRepereProfond0},
    {"HautRepereIntermediaire0", &Modele::HautRepereIntermediaire0},
    {"HautRepereProfond", &Modele::HautRepereProfond},
    {"HautRepereIntermediaire", &Modele::HautRepereIntermediaire},
    {"PressionRepereProfond", &Modele::PressionRepereProfond},
    {"PressionRepereIntermediaire", &Modele::PressionRepereIntermediaire},
    {"ProfilErosion", &Modele::ProfilErosion},
    {"ErosionCumulee", &Modele::ErosionCumulee},
    {"ErosionCycle", &Modele::ErosionCycle},
    {"LimiteInitialeIntermediaire", &Modele::LimiteInitialeIntermediaire},
    {"LimiteInitialeProfond", &Modele::LimiteInitialeProfond},
};

} // namespace terraflot
