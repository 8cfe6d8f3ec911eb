// terraflot-replay run as a program: every output line is UTF-8 JSON, and a
// script that cannot be read or a picture that cannot be written stops it
// with an error line and exit status 2.
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Sortie {
    int etat = -1;
    std::vector<std::string> lignes;
};

// Runs the driver on `argument` (a file), or on `script` through a file of
// our own when `argument` is empty.
Sortie Lance(const std::string& script, std::string argument = {}) {
    const fs::path dossier = fs::temp_directory_path() / ("terraflot-pilote-" + std::to_string(::getpid()));
    fs::create_directories(dossier);
    if (argument.empty()) {
        argument = (dossier / "script.tf").string();
        std::ofstream(argument, std::ios::binary) << script;
    }
    const std::string commande = std::string(PILOTE) + " '" + argument + "' 2>/dev/null";
    Sortie s;
    FILE* f = ::popen(commande.c_str(), "r");
    if (!f) return s;
    std::string texte;
    char tampon[4096];
    for (size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) texte.append(tampon, n);
    const int etat = ::pclose(f);
    s.etat = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);) s.lignes.push_back(l);
    return s;
}

// True when `s` is UTF-8 throughout.
bool Utf8Valide(const std::string& s) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(QByteArrayView(s.data(), qsizetype(s.size())));
    return !utf8.hasError();
}

QJsonObject Json(const std::string& ligne) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(ligne)).object();
}

} // namespace

TEST(Pilote, LignesEnUtf8) {
    // A refused line and an error line carrying bytes that are not UTF-8.
    const Sortie s = Lance("menu caf\xe9\xff\n" "click \xc3\n" "menu \xed\xa0\x80x\n" "\xfe\xfe 1\n");
    EXPECT_EQ(s.etat, 2);
    ASSERT_EQ(s.lignes.size(), 4u);
    for (const std::string& l : s.lignes) {
        EXPECT_TRUE(Utf8Valide(l)) << l;
        EXPECT_FALSE(Json(l).isEmpty()) << l;
    }
    EXPECT_EQ(Json(s.lignes[0])["refused"].toString(), QString::fromUtf8("menu caf\uFFFD\uFFFD"));
    EXPECT_EQ(Json(s.lignes[1])["refused"].toString(), QString::fromUtf8("click \uFFFD"));
    EXPECT_EQ(Json(s.lignes[3])["line"].toInt(), 4);
    EXPECT_TRUE(Json(s.lignes[3])["error"].toString().contains(QString::fromUtf8("\uFFFD\uFFFD")));
}

// Scripts that cannot be read, pictures that cannot be written and counts
// out of bounds: exit status 2 and an error line naming the line.
TEST(Pilote, ErreursEtBornes) {
    struct Cas {
        const char* nom;
        std::string argument, script;
        int ligne;   // of the error; 0: the script runs to its end
    };
    const std::string image = (fs::temp_directory_path() / ("terraflot-pilote-" + std::to_string(::getpid())) /
                             "image.png").string();
    for (const Cas& c : {Cas{"dossier", "/tmp", "", 1}, Cas{"mémoire", "/proc/self/mem", "", 1},
                         Cas{"absent", "/nulle/part/script.tf", "", 1},
                         Cas{"ligne de 70 000 zéros", "", "dump\n" + std::string(70000, '\0') + "\n", 2},
                         Cas{"ligne trop longue sans fin", "", "dump\n" + std::string(70000, 'a'), 2},
                         Cas{"64 Kio tout juste", "", "#" + std::string(65535, 'a') + "\ndump\n", 0},
                         Cas{"/dev/full", "", "png /dev/full\ndump\n", 1},
                         Cas{"dossier absent", "", "png /nulle/part/image.png\n", 1},
                         Cas{"/proc/version", "", "png /proc/version\n", 1},
                         Cas{"image", "", "png " + image + "\n", 0},
                         Cas{"tick 1000000", "", "tick 1000000\n", 0}, Cas{"tick 1000001", "", "tick 1000001\n", 1},
                         Cas{"resize max", "", "resize 10000000 10000000\n", 0},
                         Cas{"resize large", "", "resize 10000001 100\n", 1},
                         Cas{"resize haut", "", "resize 100 10000001\n", 1}}) {
        SCOPED_TRACE(c.nom);
        const Sortie s = Lance(c.script, c.argument);
        EXPECT_EQ(s.etat, c.ligne ? 2 : 0);
        if (c.ligne == 0) continue;
        ASSERT_FALSE(s.lignes.empty());
        const QJsonObject e = Json(s.lignes.back());
        EXPECT_TRUE(e.contains("error")) << s.lignes.back();
        EXPECT_EQ(e["line"].toInt(), c.ligne);
    }
    EXPECT_GT(fs::file_size(image), 100u);
}
