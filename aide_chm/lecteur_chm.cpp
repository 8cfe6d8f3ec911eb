#include "lecteur_chm.h"

#include <chm_lib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace terraflot {

namespace {

std::uint32_t Mot32(const unsigned char* o) {
    return std::uint32_t(o[0]) | std::uint32_t(o[1]) << 8 | std::uint32_t(o[2]) << 16 |
           std::uint32_t(o[3]) << 24;
}

std::uint64_t Mot64(const unsigned char* o) {
    return std::uint64_t(Mot32(o)) | std::uint64_t(Mot32(o + 4)) << 32;
}

std::string Minuscules(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

constexpr const char* CONSEIL =
    " Réinstallez TERRAFLOT ou copiez un fichier d'aide en bon état dans le dossier du programme.";

enum class EnTetes { Valides, Tronque, Invalides };

// The file's two headers, checked before anything else reads it.
EnTetes VerifieEnTetes(std::ifstream& in, std::uint64_t taille) {
    const EnTetes Invalides = EnTetes::Invalides;
    unsigned char itsf[0x60] = {};
    if (taille < 0x58 || !in.read(reinterpret_cast<char*>(itsf), 0x58)) return Invalides;
    if (std::memcmp(itsf, "ITSF", 4) != 0) return Invalides;
    const std::uint32_t version = Mot32(itsf + 4);
    const std::uint32_t longueur = Mot32(itsf + 8);
    if (!((version == 2 && longueur == 0x58) || (version == 3 && longueur == 0x60))) return Invalides;
    if (version == 3) {
        if (taille < 0x60 || !in.read(reinterpret_cast<char*>(itsf + 0x58), 8)) return Invalides;
        if (Mot64(itsf + 0x58) >= taille) return Invalides;
    }
    const std::uint64_t dossier = Mot64(itsf + 0x48);
    const std::uint64_t longueurDossier = Mot64(itsf + 0x50);
    if (dossier > taille || longueurDossier > taille - dossier || longueurDossier < 0x54)
        return Invalides;

    unsigned char itsp[0x54];
    in.seekg(std::streamoff(dossier));
    if (!in.read(reinterpret_cast<char*>(itsp), sizeof itsp)) return Invalides;
    if (std::memcmp(itsp, "ITSP", 4) != 0 || Mot32(itsp + 4) != 1 || Mot32(itsp + 8) != 0x54)
        return Invalides;
    // The number of directory blocks follows from the directory's length;
    // the count written in the header is not reliable across compilers.
    const std::uint64_t bloc = Mot32(itsp + 0x10);
    if (bloc < 0x20 || bloc > (1u << 16)) return Invalides;
    const std::uint64_t blocs = (longueurDossier - 0x54) / bloc;
    if (blocs == 0) return Invalides;
    const std::int32_t racine = std::int32_t(Mot32(itsp + 0x1c));
    const std::int32_t tete = std::int32_t(Mot32(itsp + 0x20));
    if (racine != -1 && (racine < 0 || std::uint64_t(racine) >= blocs)) return Invalides;
    if (tete < 0 || std::uint64_t(tete) >= blocs) return Invalides;

    // The first header section holds the length of the whole file.
    const std::uint64_t section = Mot64(itsf + 0x38);
    const std::uint64_t longueurSection = Mot64(itsf + 0x40);
    if (longueurSection >= 0x10 && section <= taille - 0x10) {
        unsigned char s0[0x10];
        in.seekg(std::streamoff(section));
        if (!in.read(reinterpret_cast<char*>(s0), sizeof s0)) return Invalides;
        if (Mot64(s0 + 8) > taille) return EnTetes::Tronque;
    }
    return EnTetes::Valides;
}

// A child process may map 1 GiB more than its parent already does, and
// lives a little longer than its parent waits for it.
void BorneEnfant(int delaiMs) {
    unsigned long long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%llu", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    if (pages > 0) {
        const rlim_t limite = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (rlim_t(1) << 30);
        const rlimit memoire{limite, limite};
        ::setrlimit(RLIMIT_AS, &memoire);
    }
    ::alarm(unsigned(delaiMs / 1000 + 1));
}

// --- The child process: unpacks every object and sends it down a pipe as
// (32-bit path length, path, 64-bit length, bytes), then a zero length.

bool EcritTout(int fd, const void* donnees, size_t n) {
    const char* p = static_cast<const char*>(donnees);
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        p += k;
        n -= size_t(k);
    }
    return true;
}

struct Envoi {
    int fd = -1;
    std::uint64_t total = 0;
    bool abime = false;
    std::vector<unsigned char> tampon;
};

int EnvoieObjet(chmFile* h, chmUnitInfo* ui, void* contexte) {
    Envoi& e = *static_cast<Envoi*>(contexte);
    const size_t longueurChemin = strnlen(ui->path, CHM_MAX_PATHLEN);
    if (longueurChemin == 0 || ui->path[longueurChemin - 1] == '/') return CHM_ENUMERATOR_CONTINUE;
    if (ui->length > LecteurChm::TAILLE_OBJET_MAX) return CHM_ENUMERATOR_CONTINUE;
    if (e.total + ui->length > LecteurChm::TAILLE_TOTALE_MAX) return CHM_ENUMERATOR_SUCCESS;
    e.tampon.resize(size_t(ui->length));
    if (ui->length > 0 &&
        chm_retrieve_object(h, ui, e.tampon.data(), 0, LONGINT64(ui->length)) != LONGINT64(ui->length)) {
        e.abime = true;  // an object that does not unpack: the file is damaged
        return CHM_ENUMERATOR_SUCCESS;
    }
    e.total += ui->length;
    const std::uint32_t n = std::uint32_t(longueurChemin);
    const std::uint64_t l = ui->length;
    if (!EcritTout(e.fd, &n, sizeof n) || !EcritTout(e.fd, ui->path, n) ||
        !EcritTout(e.fd, &l, sizeof l) || !EcritTout(e.fd, e.tampon.data(), e.tampon.size()))
        ::_exit(3);
    return CHM_ENUMERATOR_CONTINUE;
}

[[noreturn]] void Depaquette(const char* chemin, int fd) {
    // Bounded in memory and in time, whatever the file says.
    BorneEnfant(LecteurChm::DELAI_MS);
    chmFile* h = chm_open(chemin);
    if (!h) ::_exit(2);
    Envoi e;
    e.fd = fd;
    chm_enumerate(h, CHM_ENUMERATE_ALL, EnvoieObjet, &e);
    chm_close(h);
    if (e.abime) ::_exit(4);
    const std::uint32_t fin = 0;
    if (!EcritTout(fd, &fin, sizeof fin)) ::_exit(3);
    ::_exit(0);
}

// --- The parent: reads the pipe within the time allowed.

class Reception {
public:
    Reception(int fd, std::chrono::steady_clock::time_point limite) : fd_(fd), limite_(limite) {}

    bool Lit(void* donnees, size_t n) {
        char* p = static_cast<char*>(donnees);
        while (n > 0) {
            const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                limite_ - std::chrono::steady_clock::now()).count();
            if (reste <= 0) return false;
            pollfd pf{fd_, POLLIN, 0};
            const int r = ::poll(&pf, 1, int(std::min<long long>(reste, 1000)));
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) return false;
            if (r == 0) continue;
            const ssize_t k = ::read(fd_, p, n);
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) return false;
            p += k;
            n -= size_t(k);
        }
        return true;
    }

private:
    int fd_;
    std::chrono::steady_clock::time_point limite_;
};

// Waits for a child, killed first when it is not done.
void Recueille(pid_t enfant, bool fini, int& etat) {
    if (!fini) ::kill(enfant, SIGKILL);
    while (::waitpid(enfant, &etat, 0) < 0 && errno == EINTR) {
    }
}

// Unpacks the file in a child process; false when it could not be read whole.
bool Depaquete(const std::string& chemin, std::map<std::string, std::string>& objets) {
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) return false;
    const pid_t enfant = ::fork();
    if (enfant < 0) {
        ::close(tube[0]);
        ::close(tube[1]);
        return false;
    }
    if (enfant == 0) {
        ::close(tube[0]);
        Depaquette(chemin.c_str(), tube[1]);
    }
    ::close(tube[1]);

    Reception r(tube[0], std::chrono::steady_clock::now() +
                             std::chrono::milliseconds(LecteurChm::DELAI_MS));
    bool complet = false;
    std::uint64_t total = 0;
    for (;;) {
        std::uint32_t n = 0;
        if (!r.Lit(&n, sizeof n)) break;
        if (n == 0) {
            complet = true;
            break;
        }
        if (n > CHM_MAX_PATHLEN) break;
        std::string nom(n, '\0');
        std::uint64_t l = 0;
        if (!r.Lit(nom.data(), n) || !r.Lit(&l, sizeof l)) break;
        if (l > LecteurChm::TAILLE_OBJET_MAX || total + l > LecteurChm::TAILLE_TOTALE_MAX) break;
        total += l;
        std::string contenu(size_t(l), '\0');
        if (!r.Lit(contenu.data(), contenu.size())) break;
        objets[Minuscules(nom)] = std::move(contenu);
    }
    ::close(tube[0]);
    int etat = 0;
    Recueille(enfant, complet, etat);
    return complet && WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

} // namespace

LecteurChm::~LecteurChm() { Ferme(); }

void LecteurChm::Ferme() {
    objets_.clear();
    ouvert_ = false;
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
    const std::string endommage = nom + " est endommagé ou n'est pas un fichier d'aide.";
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
        switch (VerifieEnTetes(in, taille)) {
        case EnTetes::Valides: break;
        case EnTetes::Tronque: return Echec(nom + " est incomplet : il a été tronqué.");
        case EnTetes::Invalides: return Echec(endommage);
        }
    }
    if (!Depaquete(chemin, objets_)) return Echec(endommage);
    ouvert_ = true;

    // The default topic and the title are records of the #SYSTEM object:
    // a 32-bit version, then (16-bit code, 16-bit length, data) records.
    const std::optional<std::string> systeme = Lit("/#SYSTEM");
    if (!systeme) return Echec(endommage);
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
    if (!Existe(theme_)) {
        const std::string page = theme_.substr(1);
        return Echec("La page d'accueil « " + page + " » manque dans le " + nom.substr(3) + ".");
    }
    return true;
}

bool LecteurChm::Existe(const std::string& chemin) const {
    return objets_.contains(Minuscules(chemin));
}

std::optional<std::string> LecteurChm::Lit(const std::string& chemin) const {
    auto it = objets_.find(Minuscules(chemin));
    if (it == objets_.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> DansUnEnfant(const std::function<std::string()>& travail, int delaiMs) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(delaiMs);
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t enfant = ::fork();
    if (enfant < 0) {
        ::close(tube[0]);
        ::close(tube[1]);
        return std::nullopt;
    }
    if (enfant == 0) {
        ::close(tube[0]);
        BorneEnfant(delaiMs);
        const std::string r = travail();
        const std::uint64_t n = r.size();
        ::_exit(EcritTout(tube[1], &n, sizeof n) && EcritTout(tube[1], r.data(), r.size()) ? 0 : 3);
    }
    ::close(tube[1]);
    Reception reception(tube[0], limite);
    std::uint64_t n = 0;
    std::string r;
    bool complet = reception.Lit(&n, sizeof n) && n <= LecteurChm::TAILLE_OBJET_MAX;
    if (complet) {
        r.resize(size_t(n));
        complet = reception.Lit(r.data(), r.size());
    }
    ::close(tube[0]);
    int etat = 0;
    Recueille(enfant, complet, etat);
    if (!complet || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0) return std::nullopt;
    return r;
}

} // namespace terraflot
