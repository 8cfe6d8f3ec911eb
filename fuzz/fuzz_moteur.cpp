// Feeds arbitrary bytes to the scenario driver as a script, on a fresh
// program for every input, and then as a lesson file opened on a fresh
// program: the reader must accept or refuse it with its message, and a
// refused lesson must leave the program as it was.  A malformed line must stop the script with the
// driver's error line; anything else is played.  Each input is kept cheap:
// at most LIGNES_MAX lines, tick counts and frame sizes cut down, no files
// written.
#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <QTemporaryFile>

#include "lecon.h"
#include "moteur.h"

namespace {

constexpr size_t LIGNES_MAX = 40;
constexpr long TICKS_MAX = 20;
constexpr long TAILLE_MAX = 40000;   // twips

std::vector<std::string_view> Mots(std::string_view ligne) {
    std::vector<std::string_view> mots;
    size_t k = 0;
    while (k < ligne.size()) {
        while (k < ligne.size() && (ligne[k] == ' ' || ligne[k] == '\t')) ++k;
        const size_t debut = k;
        while (k < ligne.size() && ligne[k] != ' ' && ligne[k] != '\t') ++k;
        if (k > debut) mots.push_back(ligne.substr(debut, k - debut));
    }
    return mots;
}

// A whole number of at most 9 digits, or -1.
long Chiffres(std::string_view mot) {
    if (mot.empty() || mot.size() > 9) return -1;
    long n = 0;
    for (char c : mot) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The line as played: long runs of ticks and huge frames are cut down, a
// picture is never written.  Lines the driver must reject are left alone.
std::string Borne(std::string_view brute) {
    std::string_view ligne = brute;
    if (auto diese = ligne.find('#'); diese != std::string_view::npos) ligne = ligne.substr(0, diese);
    const auto mots = Mots(ligne);
    if (mots.empty()) return std::string(brute);
    if (mots[0] == "png") return "# png";
    if (mots[0] == "tick" && mots.size() == 2) {
        const long n = Chiffres(mots[1]);
        if (n > TICKS_MAX && n <= 1000000) return "tick " + std::to_string(TICKS_MAX);
    }
    if (mots[0] == "resize" && mots.size() == 3) {
        const long w = Chiffres(mots[1]), h = Chiffres(mots[2]);
        if (w >= 0 && h >= 0 && w <= 10000000 && h <= 10000000 && (w > TAILLE_MAX || h > TAILLE_MAX))
            return "resize " + std::to_string(std::min(w, TAILLE_MAX)) + " " +
                   std::to_string(std::min(h, TAILLE_MAX));
    }
    return std::string(brute);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "fuzz_moteur";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    terraflot::Moteur moteur(terraflot::DossierExecutable());
    size_t debut = 0;
    for (int numero = 1; debut < texte.size() && size_t(numero) <= LIGNES_MAX; ++numero) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) fin = texte.size();
        const std::string ligne = Borne(texte.substr(debut, fin - debut));
        debut = fin + 1;
        std::ostringstream sortie;
        if (moteur.Ligne(ligne, numero, sortie)) continue;
        // Stopped: the last output line must be the driver's error naming
        // this line.
        const std::string s = sortie.str();
        const std::string attendu = ",\"line\":" + std::to_string(numero) + "}\n";
        if (s.rfind("{\"error\":", 0) != 0 || s.size() < attendu.size() ||
            s.compare(s.size() - attendu.size(), attendu.size(), attendu) != 0) {
            std::fprintf(stderr, "line %d stopped the driver without its error line: %s\n", numero,
                         s.c_str());
            std::abort();
        }
        break;
    }

    // The same bytes as a lesson.  Only small ones are played.
    std::vector<terraflot::LigneLecon> lignes;
    std::string raison;
    const bool bonne = terraflot::AnalyseLecon(texte, lignes, raison);
    bool petite = lignes.size() <= LIGNES_MAX;
    for (const auto& l : lignes)
        if ((l.commande.verbe == terraflot::Verbe::Tick && l.commande.n > TICKS_MAX) ||
            (l.commande.verbe == terraflot::Verbe::Resize && (l.commande.n > TAILLE_MAX || l.commande.h > TAILLE_MAX)))
            petite = false;
    if (bonne && !petite) return 0;   // refused lessons are read whatever their size
    QTemporaryFile fichier;
    if (!fichier.open() || fichier.write(reinterpret_cast<const char*>(donnees), qint64(taille)) != qint64(taille))
        return 0;
    fichier.close();
    terraflot::Moteur lecon(terraflot::DossierExecutable());
    const std::string avant = lecon.seance().Texte();
    bool ouverte = false;
    lecon.seance().Ouvre(fichier.fileName().toStdString(), &ouverte);
    const auto& messages = lecon.programme().ihm.messages;
    if (!ouverte && (messages.size() != 1 || lecon.seance().Texte() != avant)) {
        std::fprintf(stderr, "a refused lesson changed the session or showed no message\n");
        std::abort();
    }
    return 0;
}
