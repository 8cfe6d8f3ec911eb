// The help windows where the scenarios cannot tell; the help file, its reader, the viewer, hostile pages cleaned.
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "aide.h"
#include "commandes.h"
#include "lecteur_chm.h"
#include "page_aide.h"
#include "demarrage.h"
#include "etat.h"
#include "visionneuse.h"

namespace fs = std::filesystem;
using namespace terraflot;

namespace {
constexpr auto npos = std::string::npos;

struct PlateformeEssai : Plateforme {
    Reponse MsgBox(const Message&) override { return Reponse::Ok; }
    void OuvreAide(const std::string& chemin) override { ouvertures.push_back(chemin); }
    std::string DossierProgramme() override { return dossier; }
    std::vector<std::string> ouvertures;
    std::string dossier;
};
// A program as a user finds it: a 1280 x 1024 screen, the notice closed.
struct Essai {
    PlateformeEssai pf;
    Programme p{pf};
    Modele& m = p.m;
    Essai() {
        p.ihm.LargeurEcran = 1280 * 15;
        p.ihm.HauteurEcran = 1024 * 15;
        Demarre(p);
        Clique(p, "Avertissement.Command1");
        p.ihm.messages.clear();
    }
};

std::string Ecrit(const fs::path& chemin, const std::string& octets = "x") {
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
    return chemin.string();
}

QStringList Valeurs(const QString& texte, const char* motif) {
    QStringList v;
    for (const auto& m : QRegularExpression(motif, QRegularExpression::DotMatchesEverythingOption).globalMatch(texte))
        v << m.captured(1);
    return v;
}

QImage Image(PagesAide* p, QString n) { return p->loadResource(QTextDocument::ImageResource, QUrl(n)).value<QImage>(); }
} // namespace

// The title of the active mode; the button below the text, all inside the window with the text's margins, the
// window inside the screen. The measure: a line a font height; more words or a narrower label, more lines.
TEST(FenetreEtFichierAide, TitreEtPlaceSelonLeModeEtUtiliserTerraflot) {
    const std::pair<bool Modele::*, const char*> cas[] = {
        {&Modele::ModeProfil, "Construire le profil d'une croûte initiale ?"},
        {&Modele::ModeErosion, " Modifier le profil de la croûte ?"}, {&Modele::ModeSimulErosion, "Simuler l'érosion?"},
        {&Modele::ModeMoho, " Modifier le profil du MOHO ?"}, {&Modele::ModeDepot, "Simuler un dépôt sédimentaire? "},
        {&Modele::ModeGlaciation, "Simuler une glaciation et une fonte généralisée des glaciers?"},
        {&Modele::AnimErosionMassif, "Simuler l'érosion d'un massif montagneux ?"},
        {nullptr, "Comment simuler l'érosion d'un massif montagneux ?"},
    };
    Essai e;
    ASSERT_EQ(Menu(e.p, "mnu_apropos"), "");   // modeless, "Comment ..." opens in front of it
    const std::string& biblio = e.p.Label("Apropos.Label3");
    for (auto [drapeau, titre] : cas) {
        for (auto [autre, t] : cas) if (autre) e.m.*autre = false;
        if (drapeau) e.m.*drapeau = true;
        ASSERT_EQ(Menu(e.p, "mnu_aide2"), "");
        EXPECT_EQ(e.p.Label("Aide.Label1"), titre);
        const Geometrie &l2 = e.p.ihm.geometries.at("Aide.Label2"), &b = e.p.ihm.geometries.at("Aide.HLBBttn1");
        const Fenetre& f = e.p.Fen("Aide");
        EXPECT_TRUE(b.haut >= l2.haut + l2.hauteur && b.haut + b.hauteur < f.hauteur) << titre;
        EXPECT_TRUE(2 * l2.gauche + l2.largeur <= f.largeur && b.gauche + b.largeur < f.largeur &&
                    f.gauche + f.largeur <= e.p.ihm.LargeurEcran) << titre;
        ASSERT_EQ(Clique(e.p, "Aide.HLBBttn1"), "");
    }
    const int ligne = HauteurTexte("Moho", 5490);
    EXPECT_TRUE(ligne > 0 && HauteurTexte("a\r\nb\r\nc", 5490) == 3 * ligne) << ligne;
    EXPECT_TRUE(HauteurTexte(biblio, 5490) >= 8 * ligne && HauteurTexte(biblio, 2000) > HauteurTexte(biblio, 5490));
    for (const char* c : {"Apropos.Label3", "Apropos.Label13", "Apropos.Label2"})   // the about box's texts fit
        EXPECT_LE(HauteurTexte(e.p.Label(c), e.p.ihm.geometries.at(c).largeur), e.p.ihm.geometries.at(c).hauteur) << c;
    // "Utiliser TerraFLOT": the help file beside the program whatever the case (the exact name first), hidden or
    // read-only, else the installed one; with neither (a folder is no file) the path looked at first. Only A-Z fold.
    QTemporaryDir t;
    const fs::path d = t.path().toStdString();
    for (const char* dossier : {"bin", "share/terraflot"}) fs::create_directories(d / dossier);
    const std::string installe = Ecrit(d / "share/terraflot/terraflot.chm");
    e.pf.dossier = (d / "bin").string();
    Menu(e.p, "mnu_aide1");
    const std::string casse = Ecrit(d / "bin/TerraFlot.CHM");
    Menu(e.p, "mnu_aide1");
    const std::string exact = Ecrit(d / "bin/terraflot.chm");
    Menu(e.p, "mnu_aide1");
    Ecrit(d / "bin/.hidden", "terraflot.chm\n");
    ::chmod(exact.c_str(), 0444);
    Menu(e.p, "mnu_aide1");
    EXPECT_EQ(e.pf.ouvertures, (std::vector{installe, casse, exact, exact}));
    for (const std::string& f : {installe, casse, exact}) fs::remove(f);
    fs::create_directory(installe);
    Menu(e.p, "mnu_aide1");
    const DemandeAide& absente = e.p.ihm.aide.back();
    EXPECT_TRUE(e.pf.ouvertures.size() == 4 && !absente.trouve && absente.chemin == (d / "bin/terraflot.chm").string());
    Ecrit(d / "a[z.txt");
    EXPECT_EQ(FichiersCorrespondants((d / "A[Z.TXT").string(), 7), std::vector{(d / "a[z.txt").string()});
    EXPECT_EQ(CompteFichiers((d / "a{z.txt").string(), 7), 0);
    EXPECT_EQ(CompteFichiers((d / "?[?.*").string(), 7) + CompteFichiers((d / "*z*").string(), 7), 2);
}

// The help file as built: every page reachable from home in it, with its pictures and style sheets; every contents
// and index entry has a title (Name) and an existing page (Local). Damaged or foreign files refused, saying why,
// never a crash. The viewer: links, back, forward; nothing read but the file's own pages and pictures, none over
// 8192 px wide. A page cleaner that never ends is killed; a page not ready in time: a message, the file still open.
TEST(FichierLecteurVisionneuse, ConstruitEndommagesRienDAutreEtNettoyage) {
    LecteurChm l;
    ASSERT_TRUE(l.Ouvre(CHM_AIDE)) << l.Erreur();
    std::set<QString> vues{"index.html"};
    std::vector<QString> a_voir{"index.html"};
    int images = 0, ouverts = 0;
    for (QString page; !a_voir.empty();) {
        page = a_voir.back();
        a_voir.pop_back();
        const QString h = QString::fromStdString(l.Lit("/" + page.toStdString()).value_or(""));
        EXPECT_TRUE(h.contains("charset=\"utf-8\"")) << page.toStdString();
        for (const QString& lien : Valeurs(h, R"((?:href|src)="([^"#:]+))")) {
            const std::string chemin = "/" + lien.toStdString();
            EXPECT_TRUE(l.Existe(chemin)) << page.toStdString() << " -> " << chemin;
            const QByteArray octets = QByteArray::fromStdString(l.Lit(chemin).value_or(""));
            if (lien.endsWith(".png") && ++images) { EXPECT_GT(QImage::fromData(octets).width(), 100) << chemin; }
            if (lien.endsWith(".html") && vues.insert(lien).second) a_voir.push_back(lien);
        }
    }
    EXPECT_TRUE(vues.size() >= 8 && images >= 4) << vues.size() << " pages, " << images << " pictures";
    const QDir aide(AIDE_SOURCES);
    for (const char* fichier : {"sommaire.hhc", "index.hhk"}) {
        QFile f(aide.filePath(fichier));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << fichier;
        const QStringList objets = Valeurs(QString::fromUtf8(f.readAll()), R"(sitemap">(.*?)</OBJECT>)");
        EXPECT_GE(objets.size(), 8) << fichier;
        for (const QString& o : objets) {
            const QStringList nom = Valeurs(o, R"x(<param name="Name" value="([^"]*)">)x");
            const QStringList page = Valeurs(o, R"x(<param name="Local" value="([^"]*)">)x");
            ASSERT_TRUE(nom.size() == 1 && page.size() == 1) << fichier << ": " << o.toStdString();
            EXPECT_TRUE(page[0].endsWith(".html") && QFile::exists(aide.filePath(page[0])) && !nom[0].isEmpty() &&
                        !nom[0].contains(".htm")) << (nom[0] + " " + page[0]).toStdString();
        }
    }
    QTemporaryDir t;
    const fs::path d = t.path().toStdString();
    std::ifstream in(CHM_AIDE, std::ios::binary);
    const std::string bon{std::istreambuf_iterator<char>(in), {}};
    std::mt19937 hasard(1234);
    std::string bruit = bon, erreur;
    for (char& c : bruit) c = char(hasard());
    const std::string tube = (d / "tube.chm").string(), gros = Ecrit(d / "gros.chm");
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    fs::resize_file(gros, LecteurChm::TAILLE_FICHIER_MAX + 1);   // sparse: nothing is written
    const std::pair<std::string, const char*> cas[] = {
        {Ecrit(d / "vide.chm", ""), "vide"}, {(d / "nulle.chm").string(), "introuvable"}, {gros, "trop gros"},
        {Ecrit(d / "moins1.chm", bon.substr(0, bon.size() - 1)), "tronqué"},
        {Ecrit(d / "bruit.chm", bruit), "endommagé"}, {d.string(), "n'est pas un fichier"},
        {CHM_ESSAIS "/sans_accueil.chm", "page d'accueil"}, {CHM_ESSAIS "/accueil_absent.chm", "absente.html"},
        {tube, "n'est pas un fichier"},
    };
    for (const auto& [chemin, mot] : cas) {
        std::string raison;
        EXPECT_FALSE(CreeVisionneuse(chemin, raison)) << chemin;
        EXPECT_TRUE(raison.find("fichier d'aide") != npos && raison.find(mot) != npos) << raison;
    }
    for (int i = 0; i < 400; ++i) {   // a few bytes changed, half the time among the offsets
        std::string abime = bon;
        for (int k = 1 + int(hasard() % 8); k > 0; --k) abime[hasard() % (i % 2 ? bon.size() : 8192)] = char(hasard());
        LecteurChm c;
        EXPECT_TRUE(c.Ouvre(Ecrit(d / "abime.chm", abime)) ? ++ouverts && c.Erreur().empty() : !c.Erreur().empty());
    }
    EXPECT_GT(ouverts, 0) << "damage far from the headers leaves the file readable";
    auto v = CreeVisionneuse(CHM_AIDE, erreur);
    ASSERT_TRUE(v) << erreur;
    PagesAide* pages = v->Pages();
    auto source = [&] { return pages->source().toString(); };
    EXPECT_EQ(source() + " " + pages->documentTitle(), "chm:/index.html Aide de TERRAFLOT");
    emit pages->anchorClicked(QUrl("isostasie.html"));
    EXPECT_TRUE(source() == "chm:/isostasie.html" && pages->toPlainText().contains("compensation locale"));
    EXPECT_GT(Image(pages, "images/racine.png").width(), 100);
    v->findChild<QToolButton*>("Precedent")->click();
    EXPECT_EQ(source(), "chm:/index.html");
    v->findChild<QToolButton*>("Suivant")->click();
    EXPECT_EQ(source(), "chm:/isostasie.html");
    emit pages->anchorClicked(QUrl("perdue.html"));
    EXPECT_TRUE(pages->toPlainText().contains("perdue.html"));
    const QString fifo = QString::fromStdString(tube), locale = t.filePath("locale.png");
    ASSERT_TRUE(QImage(40, 40, QImage::Format_RGB32).save(locale));
    for (const QString& nom : {"file://" + locale, locale, QString("file:///dev/zero"), QString("/dev/zero"),
                               "file://" + fifo, fifo, "../../../../../.." + fifo, QString("data:image/png,x")})
        EXPECT_EQ(Image(pages, nom).size(), QSize(1, 1)) << nom.toStdString();
    EXPECT_EQ(pages->loadResource(QTextDocument::StyleSheetResource, QUrl("file://" + fifo)).toString(), "");
    auto fichier = CreeVisionneuse(CHM_ESSAIS "/images.chm", erreur);
    ASSERT_TRUE(fichier) << erreur;
    EXPECT_EQ(std::pair(Image(fichier->Pages(), "chm:/trop_large.png").size(),
                        Image(fichier->Pages(), "chm:/limite.png").size()), std::pair(QSize(1, 1), QSize(8192, 2)));
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_FALSE(DansUnEnfant([] { for (;;) ::pause(); return std::string(); }, 100));
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(900));
    pages->ChoisitDelai(0);
    emit pages->anchorClicked(QUrl("coupe.html"));
    EXPECT_TRUE(pages->toPlainText().contains("n'a pas pu être préparée à temps"));
    pages->ChoisitDelai(PagesAide::DELAI_PAGE_MS);
    v->Accueil();
    EXPECT_TRUE(pages->toPlainText().contains("Sommaire"));
    // The cleaning keeps what a help page needs, drops the rest; a sheet pasted once, unable to close its <style>.
    const ChercheFeuille feuille = [](std::string_view href) -> std::optional<FeuilleDeStyle> {
        if (href == "b.css") return FeuilleDeStyle{"/b.css", "</style><img src=x>"};
        return href.ends_with("a.css") ? std::optional(FeuilleDeStyle{"/a.css", "p { color: red; }"}) : std::nullopt;
    };
    const PageNettoyee p = NettoiePage(
        "<html><head><title>T &amp; co</title><script>alert(1)</script>" +
            QString("<link rel=\"stylesheet\" href=\"a.css\">").repeated(500).toStdString() +
            "<link rel=stylesheet href=\"./a.css\"><LINK REL=\"StyleSheet\" HREF=\"b.css\"></head>"
            "<body bgcolor=\"#ffffff\" onload=\"x()\"><h1 onclick=\"y()\">Isostasie</h1><iframe>cadre</iframe>"
            "<a href=\"page2.html#ancre\">suite</a> <a href=\"javascript:z()\">js</a><base href=\"file:///\">"
            "<img src=\"images/coupe.png\" width=\"300\"> <img src=\"file:///dev/zero\">"
            "<img src=\"data:image/png;base64,AAAA\" width=\"99999999\"><blink>clignote</blink></body></html>",
        feuille);
    for (const char* k : {"<title>T &amp; co</title>", "<body bgcolor=\"#ffffff\">", "<h1>Isostasie</h1>", "<a>js</a>",
                          "<a href=\"page2.html#ancre\">suite</a>", "<img src=\"images/coupe.png\" width=\"300\">"})
        EXPECT_NE(p.html.find(k), npos) << k << " in " << p.html;
    for (const char* absent : {"script", "alert", "onload", "onclick", "iframe", "cadre", "file:", "data:", "99999999",
                               "<base", "blink", "<img src=x"})
        EXPECT_EQ(p.html.find(absent), npos) << absent << " in " << p.html;
    const QString h = QString::fromStdString(p.html);
    EXPECT_TRUE(!p.raccourcie && h.count("p { color: red; }") == 1 && h.count("</style>") == 1);
    const PageNettoyee g = NettoiePage("<p>" + std::string(31u << 20, 'a'), feuille);
    EXPECT_TRUE(g.raccourcie && g.html.find(PAGE_RACCOURCIE) != npos && g.html.size() < LimitesPage::TEXTE * 2);
}
