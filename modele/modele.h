// The section model: every per-column array, parameter, dialog companion
// and flag of TERRAFLOT, in one struct owned by the main window.
// Plain C++: no Qt here.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <variant>

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

// Each parameter beside its companion written by the parameters dialog:
// f(parameter, companion) for the nine of them.
template <class F>
void ParCompagnon(Modele& m, F&& f) {
    f(m.MvOcean, m.MvOceanSauve);
    f(m.MvCroute, m.MvCrouteSauve);
    f(m.MvManteau, m.MvManteauSauve);
    f(m.MvSediments, m.MvSedimentsSauve);
    f(m.MvGlace, m.MvGlaceSauve);
    f(m.NivCompensation, m.NivCompensationSauve);
    f(m.EpCrouteRef, m.EpCrouteRefSauve);
    f(m.ProfRepereProfond, m.ProfRepereProfondSauve);
    f(m.ProfRepereIntermediaire, m.ProfRepereIntermediaireSauve);
}

// Every scalar of the model the driver dumps, by its name, in dump order.
using ChampNombre =
    std::variant<double Modele::*, float Modele::*, int Modele::*, std::int16_t Modele::*>;
struct NombreNomme {
    const char* nom;
    ChampNombre champ;
};
struct DrapeauNomme {
    const char* nom;
    bool Modele::*drapeau;
};

inline double LitNombre(const Modele& m, const ChampNombre& c) {
    return std::visit([&](auto champ) { return double(m.*champ); }, c);
}

inline constexpr NombreNomme PARAMETRES[] = {
    {"MvOcean", &Modele::MvOcean},
    {"MvCroute", &Modele::MvCroute},
    {"MvManteau", &Modele::MvManteau},
    {"MvSediments", &Modele::MvSediments},
    {"MvGlace", &Modele::MvGlace},
    {"NivCompensation", &Modele::NivCompensation},
    {"EpCrouteRef", &Modele::EpCrouteRef},
    {"ProfRepereProfond", &Modele::ProfRepereProfond},
    {"ProfRepereIntermediaire", &Modele::ProfRepereIntermediaire},
    {"MvOceanSauve", &Modele::MvOceanSauve},
    {"MvCrouteSauve", &Modele::MvCrouteSauve},
    {"MvManteauSauve", &Modele::MvManteauSauve},
    {"MvSedimentsSauve", &Modele::MvSedimentsSauve},
    {"MvGlaceSauve", &Modele::MvGlaceSauve},
    {"NivCompensationSauve", &Modele::NivCompensationSauve},
    {"EpCrouteRefSauve", &Modele::EpCrouteRefSauve},
    {"ProfRepereProfondSauve", &Modele::ProfRepereProfondSauve},
    {"ProfRepereIntermediaireSauve", &Modele::ProfRepereIntermediaireSauve},
    {"NbColonnes", &Modele::NbColonnes},
    {"NbTranches", &Modele::NbTranches},
    {"EpCrouteRefCourante", &Modele::EpCrouteRefCourante},
    {"EpSocleMax", &Modele::EpSocleMax},
    {"IntervalleAnimation", &Modele::IntervalleAnimation},
};

inline constexpr DrapeauNomme DRAPEAUX[] = {
    {"ModeProfil", &Modele::ModeProfil},
    {"ModeErosion", &Modele::ModeErosion},
    {"ModeMoho", &Modele::ModeMoho},
    {"ModeSimulErosion", &Modele::ModeSimulErosion},
    {"ModeGlaciation", &Modele::ModeGlaciation},
    {"ModeDepot", &Modele::ModeDepot},
    {"AnimErosionMassif", &Modele::AnimErosionMassif},
    {"ReperesFixes", &Modele::ReperesFixes},
    {"ErosionSeule", &Modele::ErosionSeule},
    {"ReperageErosion", &Modele::ReperageErosion},
    {"AfficheTableau", &Modele::AfficheTableau},
    {"RepresenteReperes", &Modele::RepresenteReperes},
    {"Quadrillage", &Modele::Quadrillage},
    {"LimiteProfil", &Modele::LimiteProfil},
};

inline constexpr NombreNomme VALEURS[] = {
    {"SommeErosion", &Modele::SommeErosion},
    {"TempsEcoule", &Modele::TempsEcoule},
    {"ColonneClic", &Modele::ColonneClic},
    {"IndexCurseur", &Modele::IndexCurseur},
    {"YCurseur", &Modele::YCurseur},
    {"LargeurZone", &Modele::LargeurZone},
    {"HauteurZone", &Modele::HauteurZone},
    {"LargeurGraphe", &Modele::LargeurGraphe},
    {"HauteurGraphe", &Modele::HauteurGraphe},
    {"LargeurColonne", &Modele::LargeurColonne},
    {"OrigineX", &Modele::OrigineX},
    {"OrigineY", &Modele::OrigineY},
};

} // namespace terraflot
