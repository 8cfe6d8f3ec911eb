// Reads the pages and pictures of a compiled help file (.chm), with no
// window of its own, so that the help viewer and the tests share it.  The
// file is unpacked whole, once, by a child process: a damaged file that
// upsets the decompression ends that process, never the program.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

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
    bool Ouvert() const { return ouvert_; }
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
    static constexpr std::uint64_t TAILLE_TOTALE_MAX = 256ull << 20;
    // Time given to unpack the whole file.
    static constexpr int DELAI_MS = 20000;

private:
    bool Echec(std::string raison);
    // Pages and pictures by their path in lower case (paths inside a help
    // file ignore case).
    std::map<std::string, std::string> objets_;
    bool ouvert_ = false;
    std::string erreur_;
    std::string theme_;
    std::string titre_;
};

// Runs `travail` in a child process, bounded in memory and to `delaiMs`,
// and returns what it produced; nothing when it failed or ran out of time.
std::optional<std::string> DansUnEnfant(const std::function<std::string()>& travail, int delaiMs);

} // namespace terraflot
