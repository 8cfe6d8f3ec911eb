// "Utiliser TerraFLOT" with a help file that is empty, cut short, made of
// random bytes, huge, or whose home page is missing: the program reports it
// (its own message when the file is absent, the viewer's when it cannot be
// shown) and goes on.
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "fenetres_dialogues.h"
#include "lecteur_chm.h"

namespace fs = std::filesystem;
using namespace terraflot;

namespace {

// The program's platform with the real help viewer; message boxes are
// answered and the viewer's own error box is read and closed.
class PlateformeEssai : public Plateforme {
public:
    explicit PlateformeEssai(std::string dossier) : dossier_(std::move(dossier)) {}
    Reponse MsgBox(const Message&) override { return Reponse::Ok; }
    void OuvreAide(const std::string& chemin) override {
        boiteVue.clear();
        QTimer::singleShot(0, &contexte_, [this] { FermeBoite(); });
        OuvreVisionneuse(chemin, nullptr);
        // A viewer that did open is closed again.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMessageBox*>(w)) {
                visionneuseOuverte = true;
                w->close();
            }
    }
    std::string DossierProgramme() override { return dossier_; }

    std::string boiteVue;
    bool visionneuseOuverte = false;

private:
    void FermeBoite() {
        if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boiteVue = b->text().toStdString();
            b->done(QMessageBox::Ok);
        } else if (!boiteVue.empty() || visionneuseOuverte) {
            return;
        } else {
            QTimer::singleShot(10, &contexte_, [this] { FermeBoite(); });
        }
    }
    std::string dossier_;
    QObject contexte_;   // its timers end with the platform
};

struct Dossier {
    fs::path chemin;
    Dossier() {
        chemin = fs::temp_directory_path() / ("terraflot_aide_" + std::to_string(::getpid()));
        fs::remove_all(chemin);
        fs::create_directories(chemin);
    }
    ~Dossier() {
        std::error_code ec;
        fs::permissions(chemin / "terraflot.chm", fs::perms::owner_all, ec);
        fs::remove_all(chemin, ec);
    }
    fs::path Aide() const { return chemin / "terraflot.chm"; }
    void Ecrit(const std::string& contenu) const {
        fs::remove_all(Aide());
        std::ofstream(Aide(), std::ios::binary) << contenu;
    }
};

std::string Contenu(const std::string& chemin) {
    std::ifstream in(chemin, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const ABSENT =
    "Le fichier d'aide n'a pas été trouvé dans le répertoire de l'application, vous devez le "
    "télécharger et le copier dans le dossier contenant ''TerraFlot.exe''.";

struct Resultat {
    bool trouve = false;
    std::string message;    // the program's own message box
    std::string boite;      // the viewer's error box
    bool visionneuse = false;
};

Resultat UtiliserTerraflot(const Dossier& d) {
    PlateformeEssai pf(d.chemin.string());
    Programme p(pf);
    p.ihm.LargeurEcran = 1280 * 15;
    p.ihm.HauteurEcran = 1024 * 15;
    Demarre(p);
    Clique(p, "Avertissement.Command1");
    p.ihm.messages.clear();
    EXPECT_EQ(Menu(p, "mnu_aide1"), "");
    Resultat r;
    if (!p.ihm.aide.empty()) r.trouve = p.ihm.aide.back().trouve;
    if (!p.ihm.messages.empty()) r.message = p.ihm.messages.back().texte;
    r.boite = pf.boiteVue;
    r.visionneuse = pf.visionneuseOuverte;
    // The program goes on: the next command works.
    EXPECT_EQ(Menu(p, "mnu_réajuster"), "");
    EXPECT_FALSE(p.ihm.termine);
    return r;
}

// The help file beside the program is there, but cannot be shown: the
// viewer says why in French and no viewer window stays.
void AttendRefus(const Dossier& d, const std::string& cas, const std::string& mot) {
    const Resultat r = UtiliserTerraflot(d);
    EXPECT_TRUE(r.trouve) << cas;
    EXPECT_EQ(r.message, "") << cas;
    EXPECT_FALSE(r.visionneuse) << cas;
    EXPECT_NE(r.boite.find("fichier d'aide"), std::string::npos) << cas << ": " << r.boite;
    EXPECT_NE(r.boite.find(mot), std::string::npos) << cas << ": " << r.boite;
}

TEST(FichierAide, AbsentOuPasUnFichier) {
    Dossier d;
    Resultat r = UtiliserTerraflot(d);
    EXPECT_FALSE(r.trouve);
    EXPECT_EQ(r.message, ABSENT);
    EXPECT_EQ(r.boite, "");

    // A folder of that name, or a link to nothing, is not a help file.
    fs::create_directory(d.Aide());
    r = UtiliserTerraflot(d);
    EXPECT_FALSE(r.trouve);
    EXPECT_EQ(r.message, ABSENT);
    fs::remove(d.Aide());
    fs::create_symlink(d.chemin / "nulle_part.chm", d.Aide());
    r = UtiliserTerraflot(d);
    EXPECT_FALSE(r.trouve);
    EXPECT_EQ(r.message, ABSENT);
    fs::remove(d.Aide());
    fs::create_symlink(d.Aide(), d.Aide());   // a link to itself
    r = UtiliserTerraflot(d);
    EXPECT_FALSE(r.trouve);
    EXPECT_EQ(r.message, ABSENT);
}

TEST(FichierAide, BonFichierSOuvre) {
    Dossier d;
    d.Ecrit(Contenu(CHM_AIDE));
    const Resultat r = UtiliserTerraflot(d);
    EXPECT_TRUE(r.trouve);
    EXPECT_EQ(r.boite, "");
    EXPECT_TRUE(r.visionneuse);
}

TEST(FichierAide, VideTronqueOuAuHasard) {
    Dossier d;
    const std::string bon = Contenu(CHM_AIDE);
    ASSERT_GT(bon.size(), 4096u);
    d.Ecrit("");
    AttendRefus(d, "vide", "vide");
    // Cut inside the first header, right after it, inside the directory,
    // in the middle and one byte short of the end.
    for (size_t n : {size_t(1), size_t(4), size_t(0x57), size_t(0x58), size_t(0x60), size_t(0x78),
                     size_t(0x200), size_t(4096), bon.size() / 2, bon.size() - 1}) {
        d.Ecrit(bon.substr(0, n));
        const Resultat r = UtiliserTerraflot(d);
        EXPECT_TRUE(r.trouve) << n;
        EXPECT_FALSE(r.visionneuse) << "cut at " << n;
        EXPECT_NE(r.boite.find("fichier d'aide"), std::string::npos) << n << ": " << r.boite;
    }
    std::mt19937 hasard(2026);
    for (size_t taille : {size_t(1), size_t(100), size_t(5000), bon.size()}) {
        std::string bruit(taille, '\0');
        for (char& c : bruit) c = char(hasard());
        d.Ecrit(bruit);
        AttendRefus(d, "random " + std::to_string(taille), "endommagé");
        // Random bytes behind a true signature and header.
        bruit.replace(0, std::min<size_t>(taille, 0x58), bon.substr(0, std::min<size_t>(taille, 0x58)));
        d.Ecrit(bruit);
        const Resultat r = UtiliserTerraflot(d);
        EXPECT_FALSE(r.visionneuse) << taille;
        EXPECT_NE(r.boite.find("fichier d'aide"), std::string::npos) << taille << ": " << r.boite;
    }
}

TEST(FichierAide, EnormeOuSansAccueil) {
    Dossier d;
    // Far larger than any help file: sparse, nothing is written.
    d.Ecrit(Contenu(CHM_AIDE));
    fs::resize_file(d.Aide(), LecteurChm::TAILLE_FICHIER_MAX + 1);
    AttendRefus(d, "huge", "trop gros");
    // Just under the limit: the true file followed by a sparse hole.
    fs::resize_file(d.Aide(), LecteurChm::TAILLE_FICHIER_MAX);
    {
        const Resultat r = UtiliserTerraflot(d);
        EXPECT_TRUE(r.trouve);
        EXPECT_TRUE(r.visionneuse || !r.boite.empty());
    }

    d.Ecrit(Contenu(std::string(CHM_ESSAIS) + "/accueil_absent.chm"));
    AttendRefus(d, "home page missing", "absente.html");
    d.Ecrit(Contenu(std::string(CHM_ESSAIS) + "/sans_accueil.chm"));
    AttendRefus(d, "no home page", "page d'accueil");
}

TEST(FichierAide, Illisible) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    Dossier d;
    d.Ecrit(Contenu(CHM_AIDE));
    fs::permissions(d.Aide(), fs::perms::none);
    AttendRefus(d, "unreadable", "lu");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
