// The help file as built, its reader, and the viewer on damaged files.
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "lecteur_chm.h"
#include "visionneuse.h"

namespace fs = std::filesystem;
using namespace terraflot;

namespace {

std::string Contenu(const std::string& chemin) {
    std::ifstream in(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Fichiers {
    fs::path dossier;
    Fichiers() {
        dossier = fs::temp_directory_path() / ("terraflot-chm-" + std::to_string(::getpid()));
        fs::create_directories(dossier);
    }
    ~Fichiers() {
        std::error_code ec;
        fs::remove_all(dossier, ec);
    }
    std::string Ecrit(const std::string& nom, const std::string& octets) const {
        const std::string chemin = (dossier / nom).string();
        std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
        return chemin;
    }
};

// Links and pictures named by a page.
std::vector<std::string> Liens(const std::string& page, const char* attribut) {
    std::vector<std::string> liens;
    const QRegularExpression re(QStringLiteral("%1=\"([^\"#:]+)").arg(QLatin1String(attribut)));
    auto it = re.globalMatch(QString::fromStdString(page));
    while (it.hasNext()) liens.push_back(it.next().captured(1).toStdString());
    return liens;
}

} // namespace

TEST(FichierAideConstruit, AccueilPagesEtImages) {
    LecteurChm l;
    ASSERT_TRUE(l.Ouvre(CHM_AIDE)) << l.Erreur();
    EXPECT_EQ(l.ThemeParDefaut(), "/index.html");
    EXPECT_EQ(l.Titre(), "Aide de TERRAFLOT");
    const std::optional<std::string> accueil = l.Lit(l.ThemeParDefaut());
    ASSERT_TRUE(accueil);
    EXPECT_NE(accueil->find("Sommaire"), std::string::npos);

    // Every page reachable from the first one is in the file, and so is every
    // picture and style sheet it names; every picture decodes.
    std::set<std::string> vues{"index.html"};
    std::vector<std::string> a_voir{"index.html"};
    int images = 0;
    while (!a_voir.empty()) {
        const std::string page = a_voir.back();
        a_voir.pop_back();
        const std::optional<std::string> html = l.Lit("/" + page);
        ASSERT_TRUE(html) << page;
        EXPECT_NE(html->find("charset=\"utf-8\""), std::string::npos) << page;
        for (const std::string& lien : Liens(*html, "href")) {
            EXPECT_TRUE(l.Existe("/" + lien)) << page << " -> " << lien;
            if (lien.ends_with(".html") && vues.insert(lien).second) a_voir.push_back(lien);
        }
        for (const std::string& src : Liens(*html, "src")) {
            const std::optional<std::string> png = l.Lit("/" + src);
            ASSERT_TRUE(png) << page << " -> " << src;
            QImage image;
            EXPECT_TRUE(image.loadFromData(QByteArray::fromStdString(*png))) << src;
            EXPECT_GT(image.width(), 100) << src;
            ++images;
        }
    }
    EXPECT_GE(vues.size(), 8u);
    EXPECT_GE(images, 4);
    EXPECT_FALSE(l.Lit("/absente.html"));
    EXPECT_FALSE(l.Existe(""));
}

TEST(Visionneuse, PremierePageLiensRetourEtSuite) {
    std::string erreur;
    auto v = CreeVisionneuse(CHM_AIDE, erreur);
    ASSERT_TRUE(v) << erreur;
    PagesAide* pages = v->Pages();
    EXPECT_EQ(pages->source().toString(), "chm:/index.html");
    EXPECT_EQ(pages->documentTitle(), "Aide de TERRAFLOT");
    auto* precedent = v->findChild<QToolButton*>(QStringLiteral("Precedent"));
    auto* suivant = v->findChild<QToolButton*>(QStringLiteral("Suivant"));
    ASSERT_TRUE(precedent && suivant);
    EXPECT_FALSE(precedent->isEnabled());

    // A link of the page, as a click delivers it.
    emit pages->anchorClicked(QUrl(QStringLiteral("isostasie.html")));
    EXPECT_EQ(pages->source().toString(), "chm:/isostasie.html");
    EXPECT_TRUE(pages->toPlainText().contains(QStringLiteral("compensation locale")));
    EXPECT_TRUE(precedent->isEnabled());
    // Its picture comes from the file.
    const QVariant image = pages->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("chm:/images/racine.png")));
    EXPECT_FALSE(image.value<QImage>().isNull());

    precedent->click();
    EXPECT_EQ(pages->source().toString(), "chm:/index.html");
    EXPECT_TRUE(suivant->isEnabled());
    suivant->click();
    EXPECT_EQ(pages->source().toString(), "chm:/isostasie.html");

    // A page missing from the file shows a page that says so.
    emit pages->anchorClicked(QUrl(QStringLiteral("perdue.html")));
    EXPECT_TRUE(pages->toPlainText().contains(QStringLiteral("perdue.html")));
    v->Accueil();
    EXPECT_EQ(pages->source().toString(), "chm:/index.html");
}

TEST(Visionneuse, FichiersEndommagesOuEtrangers) {
    Fichiers f;
    const std::string bon = Contenu(CHM_AIDE);
    ASSERT_GT(bon.size(), 1000u);
    std::mt19937 hasard(1234);
    std::string bruit(bon.size(), '\0');
    for (char& c : bruit) c = char(hasard());
    std::string faux = bruit;
    faux.replace(0, 4, "ITSF");

    struct Cas {
        std::string nom;
        std::string chemin;
        const char* mot;   // a word the message must carry
    };
    std::vector<Cas> cas = {
        {"vide", f.Ecrit("vide.chm", ""), "vide"},
        {"tronqué à 100 octets", f.Ecrit("t100.chm", bon.substr(0, 100)), "endommagé"},
        {"tronqué de moitié", f.Ecrit("moitie.chm", bon.substr(0, bon.size() / 2)), "tronqué"},
        {"tronqué d'un octet", f.Ecrit("moins1.chm", bon.substr(0, bon.size() - 1)), "tronqué"},
        {"octets au hasard", f.Ecrit("bruit.chm", bruit), "endommagé"},
        {"signature seule", f.Ecrit("faux.chm", faux), "endommagé"},
        {"page web", f.Ecrit("page.chm", "<html><body>Bonjour</body></html>"), "endommagé"},
        {"sans page d'accueil", std::string(CHM_ESSAIS) + "/sans_accueil.chm", "page d'accueil"},
        {"accueil absent", std::string(CHM_ESSAIS) + "/accueil_absent.chm", "absente.html"},
        {"absent", (f.dossier / "nulle.chm").string(), "introuvable"},
        {"dossier", f.dossier.string(), "n'est pas un fichier"},
    };
    // Far larger than any help file: a sparse file, nothing is written.
    const std::string gros = f.Ecrit("gros.chm", bon);
    fs::resize_file(gros, LecteurChm::TAILLE_FICHIER_MAX + 1);
    cas.push_back({"énorme", gros, "trop gros"});
    const std::string tube = (f.dossier / "tube.chm").string();
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    cas.push_back({"tube", tube, "n'est pas un fichier"});

    for (const Cas& c : cas) {
        std::string erreur;
        auto v = CreeVisionneuse(c.chemin, erreur);
        EXPECT_FALSE(v) << c.nom;
        EXPECT_NE(erreur.find("fichier d'aide"), std::string::npos) << c.nom << ": " << erreur;
        EXPECT_NE(erreur.find(c.mot), std::string::npos) << c.nom << ": " << erreur;
    }
}

// Damage anywhere in the file never crashes the reader: it refuses the file
// or reads what it can.
TEST(Visionneuse, OctetsAbimesAuHasard) {
    Fichiers f;
    const std::string bon = Contenu(CHM_AIDE);
    std::mt19937 hasard(42);
    const std::vector<std::string> chemins = {"/#SYSTEM", "/index.html", "/isostasie.html",
                                              "/images/montagne.png", "/style.css"};
    int ouverts = 0;
    for (int essai = 0; essai < 400; ++essai) {
        std::string abime = bon;
        if (essai % 4 == 3) {
            abime.resize(hasard() % bon.size());
        } else {
            const int n = 1 + int(hasard() % 8);
            // Half the time in the headers and directory, where offsets live.
            const size_t zone = essai % 2 ? abime.size() : std::min<size_t>(abime.size(), 8192);
            for (int k = 0; k < n; ++k) abime[hasard() % zone] = char(hasard());
        }
        const std::string chemin = f.Ecrit("abime.chm", abime);
        LecteurChm l;
        if (!l.Ouvre(chemin)) {
            EXPECT_FALSE(l.Erreur().empty());
            continue;
        }
        ++ouverts;
        for (const std::string& c : chemins) (void)l.Lit(c);
    }
    EXPECT_GT(ouverts, 0) << "damage far from the headers leaves the file readable";
}
