#include "dialogs/lecteur_chm.h"

#include <chm_lib.h>

#include <cstring>
#include <fstream>

#include <sys/stat.h>

namespace terraflot {

namespace {

std::uint32_t Mot32(const unsigned char* o) {
    return std::uint32_t(o[0]) | std::uint32_t(o[1]) << 8 | std::uint32_t(o[2]) << 16 |
           std::uint32_t(o[3]) << 24;
}

std::uint64_t Mot64(const unsigned char* o) {
    return std::uint64_t(Mot32(o)) | std::uint64_t(Mot32(o + 4)) << 32;
}

constexpr const char* CONSEIL =
    " Réinstallez TERRAFLOT ou copiez un fichier d'aide en bon état dans le dossier du programme.";

// The file's two headers, checked before the library reads it: the library
// trusts their offsets and sizes.
bool EnTetesValides(std::ifstream& in, std::uint64_t taille) {
    unsigned char itsf[0x60] = {};
    if (taille < 0x58 || !in.read(reinterpret_cast<char*>(itsf), 0x58)) return false;
    if (std::memcmp(itsf, "ITSF", 4) != 0) return false;
    const std::uint32_t version = Mot32(itsf + 4);
    const std::uint32_t longueur = Mot32(itsf + 8);
    if (!((version == 2 && longueur == 0x58) || (version == 3 && longueur == 0x60))) return false;
    if (version == 3) {
        if (taille < 0x60 || !in.read(reinterpret_cast<char*>(itsf + 0x58), 8)) return false;
        if (Mot64(itsf + 0x58) >= taille) return false;
    }
    const std::uint64_t dossier = Mot64(itsf + 0x48);
    const std::uint64_t longueurDossier = Mot64(itsf + 0x50);
    if (dossier > taille || longueurDossier > taille - dossier || longueurDossier < 0x54)
        return false;

    unsigned char itsp[0x54];
    in.seekg(std::streamoff(dossier));
    if (!in.read(reinterpret_cast<char*>(itsp), sizeof itsp)) return false;
    if (std::memcmp(itsp, "ITSP", 4) != 0 || Mot32(itsp + 4) != 1 || Mot32(itsp + 8) != 0x54)
        return false;
    const std::uint64_t bloc = Mot32(itsp + 0x10);
    const std::uint64_t blocs = Mot32(itsp + 0x28);
    if (bloc < 0x20 || bloc > (1u << 16) || blocs == 0 || blocs > (1u << 20)) return false;
    if (bloc * blocs > longueurDossier - 0x54) return false;
    const std::int32_t racine = std::int32_t(Mot32(itsp + 0x1c));
    if (racine != -1 && (racine < 0 || std::uint64_t(racine) >= blocs)) return false;
    return true;
}

} // namespace

LecteurChm::~LecteurChm() { Ferme(); }

void LecteurChm::Ferme() {
    if (chm_) chm_close(chm_);
    chm_ = nullptr;
    theme_.clear();
    titre_.clear();
}

bool LecteurChm::Echec(std::string raison) {
    Ferme();
    erreur_ = std::move(raison) + CONSEIL;
    return false;
}

bool LecteurChm::Ouvre(const std::string& chemin) {
    Ferme();
    erreur_.clear();
    const std::string nom = "Le fichier d'aide « " + chemin + " »";
    struct stat st;
    if (::stat(chemin.c_str(), &st) != 0) return Echec(nom + " est introuvable.");
    // Only a plain file: a pipe or a device would block or never end.
    if (!S_ISREG(st.st_mode)) return Echec(nom + " n'est pas un fichier.");
    const std::uint64_t taille = std::uint64_t(st.st_size);
    if (taille == 0) return Echec(nom + " est vide.");
    if (taille > TAILLE_FICHIER_MAX)
        return Echec(nom + " est bien trop gros pour être un fichier d'aide.");
    {
        std::ifstream in(chemin, std::ios::binary);
        if (!in) return Echec(nom + " ne peut pas être lu.");
        if (!EnTetesValides(in, taille))
            return Echec(nom + " est endommagé ou n'est pas un fichier d'aide.");
    }
    chm_ = chm_open(chemin.c_str());
    if (!chm_) return Echec(nom + " est endommagé ou n'est pas un fichier d'aide.");

    // The default topic and the title are records of the #SYSTEM object:
    // a 32-bit version, then (16-bit code, 16-bit length, data) records.
    const std::optional<std::string> systeme = Lit("/#SYSTEM");
    if (!systeme) return Echec(nom + " est endommagé ou n'est pas un fichier d'aide.");
    const auto* o = reinterpret_cast<const unsigned char*>(systeme->data());
    const size_t n = systeme->size();
    for (size_t k = 4; k + 4 <= n;) {
        const unsigned code = o[k] | unsigned(o[k + 1]) << 8;
        const size_t longueur = o[k + 2] | size_t(o[k + 3]) << 8;
        k += 4;
        if (longueur > n - k) break;
        std::string valeur(reinterpret_cast<const char*>(o + k), longueur);
        valeur = valeur.substr(0, valeur.find('\0'));
        if (code == 2) theme_ = valeur;
        if (code == 3) titre_ = valeur;
        k += longueur;
    }
    if (theme_.empty()) return Echec(nom + " n'indique pas de page d'accueil.");
    if (theme_.front() != '/') theme_ = "/" + theme_;
    if (!Lit(theme_)) {
        const std::string page = theme_.substr(1);
        return Echec("La page d'accueil « " + page + " » manque dans " +
                     nom.substr(3) + ".");
    }
    return true;
}

bool LecteurChm::Existe(const std::string& chemin) const {
    if (!chm_ || chemin.empty() || chemin.size() > CHM_MAX_PATHLEN) return false;
    chmUnitInfo ui;
    return chm_resolve_object(chm_, chemin.c_str(), &ui) == CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> LecteurChm::Lit(const std::string& chemin) const {
    if (!chm_ || chemin.empty() || chemin.size() > CHM_MAX_PATHLEN) return std::nullopt;
    chmUnitInfo ui;
    if (chm_resolve_object(chm_, chemin.c_str(), &ui) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    if (ui.length > TAILLE_OBJET_MAX) return std::nullopt;
    std::string contenu(size_t(ui.length), '\0');
    if (ui.length == 0) return contenu;
    const LONGINT64 lu = chm_retrieve_object(
        chm_, &ui, reinterpret_cast<unsigned char*>(contenu.data()), 0, LONGINT64(ui.length));
    if (lu != LONGINT64(ui.length)) return std::nullopt;
    return contenu;
}

} // namespace terraflot
