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
#include "ligne.h"
#include "moteur.h"

namespace {

constexpr size_t LIGNES_MAX = 40;
constexpr long long TICKS_MAX = 20;
constexpr long long TAILLE_MAX = 40000;   // twips

// The line as played: long runs of ticks and huge frames are cut down, a
// picture or a lesson is never written.  Lines the driver must reject are
// left alone.
std::string Borne(std::string_view brute) {
    terraflot::Commande c;
    terraflot::ErreurLigne erreur;
    if (!terraflot::Analyse(brute, c, erreur)) return std::string(brute);
    if (c.verbe == terraflot::Verbe::Png || c.verbe == terraflot::Verbe::Save) return "# no file written";
    if (c.verbe == terraflot::Verbe::Tick && c.n > TICKS_MAX) {
        c.n = TICKS_MAX;
    } else if (c.verbe == terraflot::Verbe::Resize && (c.n > TAILLE_MAX || c.h > TAILLE_MAX)) {
        c.n = std::min(c.n, TAILLE_MAX);
        c.h = std::min(c.h, TAILLE_MAX);
    } else {
        return std::string(brute);
    }
    return terraflot::Ecrit(c);
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
