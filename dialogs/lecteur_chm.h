// Reads the pages and pictures of a compiled help file (.chm), with no
// window of its own, so that the help viewer and the tests share it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct chmFile;

namespace terraflot {

class LecteurChm {
public:
    LecteurChm() = default;
    ~LecteurChm();
    LecteurChm(const LecteurChm&) = delete;
    LecteurChm& operator=(const LecteurChm&) = delete;

    // Opens the file and finds its default topic.  False when the file is
    // missing, empty, too large, damaged, foreign, without a default topic
    // or with one that is not in the file; Erreur() then says why, in French.
    bool Ouvre(const std::string& chemin);
    void Ferme();
    bool Ouvert() const { return chm_ != nullptr; }
    const std::string& Erreur() const { return erreur_; }

    // Path inside the file of the default topic ("/index.html").
    const std::string& ThemeParDefaut() const { return theme_; }
    // Title of the help file, empty when it has none.
    const std::string& Titre() const { return titre_; }

    bool Existe(const std::string& chemin) const;
    // Contents of a page or a picture ("/images/coupe.png"), or nothing when
    // it is absent, unreadable or larger than TAILLE_OBJET_MAX.
    std::optional<std::string> Lit(const std::string& chemin) const;

    // A help file of ours is a few megabytes: larger files are refused.
    static constexpr std::uint64_t TAILLE_FICHIER_MAX = 256ull << 20;
    static constexpr std::uint64_t TAILLE_OBJET_MAX = 32ull << 20;

private:
    bool Echec(std::string raison);
    chmFile* chm_ = nullptr;
    std::string erreur_;
    std::string theme_;
    std::string titre_;
};

} // namespace terraflot
