// Help pages made to hurt: deep tables and lists, one style sheet named a
// thousand times, huge pages, pictures naming local files, a FIFO or data.
// Each opens within a second and a bounded memory, shows what it kept, and
// the viewer answers a click right after.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "page_aide.h"
#include "visionneuse.h"

namespace fs = std::filesystem;
using namespace terraflot;

namespace {

std::string Repete(const std::string& motif, int n) {
    std::string s;
    s.reserve(motif.size() * size_t(n));
    for (int k = 0; k < n; ++k) s += motif;
    return s;
}

std::string Tables(int n) {
    return "<html><body>" + Repete("<table><tr><td>etage", n) + "fond" + Repete("</td></tr></table>", n) +
           "</body></html>";
}

std::string Listes(int n) {
    return "<html><body>" + Repete("<ul><li>etage", n) + "fond" + Repete("</li></ul>", n) + "</body></html>";
}

size_t Compte(const std::string& s, const std::string& mot) {
    size_t n = 0;
    for (size_t k = s.find(mot); k != std::string::npos; k = s.find(mot, k + 1)) ++n;
    return n;
}

PageNettoyee Nettoie(const std::string& page) {
    return NettoiePage(page, [](std::string_view href) -> std::optional<FeuilleDeStyle> {
        if (href == "a.css" || href == "./a.css") return FeuilleDeStyle{"/a.css", "p { color: red; }"};
        if (href == "b.css") return FeuilleDeStyle{"/b.css", "</style><img src=x>"};
        return std::nullopt;
    });
}

// Processor time of this process and of its finished children, in ms: a
// bound on it holds however loaded the machine is.
long TempsProcesseurMs() {
    long ms = 0;
    for (int qui : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage r{};
        ::getrusage(qui, &r);
        ms += (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
    }
    return ms;
}

long MegaOctetsResidents() {
    long pages = 0, residentes = 0;
    std::ifstream("/proc/self/statm") >> pages >> residentes;
    return residentes * ::sysconf(_SC_PAGESIZE) / (1 << 20);
}

} // namespace

TEST(NettoyagePage, BalisesEtAttributsPermis) {
    const PageNettoyee p = Nettoie(
        "<html><head><title>Titre &amp; co</title><script>alert(1)</script></head>"
        "<body bgcolor=\"#ffffff\" onload=\"x()\"><h1 onclick=\"y()\">Isostasie</h1>"
        "<p>Texte <b>gras</b> &lt;balise&gt;<iframe src=\"http://x\">cadre</iframe></p>"
        "<a href=\"page2.html#ancre\">suite</a> <a href=\"https://exemple.fr\">web</a> "
        "<a href=\"javascript:z()\">js</a> <a href=\"file:///etc/passwd\">fichier</a>"
        "<img src=\"images/coupe.png\" width=\"300\"> <img src=\"file:///dev/zero\">"
        "<img src=\"data:image/png;base64,AAAA\" width=\"99999999\"><base href=\"file:///\">"
        "<blink>clignote</blink><td colspan=\"9999\">x</td></body></html>");
    EXPECT_FALSE(p.raccourcie);
    const std::string& h = p.html;
    EXPECT_NE(h.find("<title>Titre &amp; co</title>"), std::string::npos) << h;
    EXPECT_NE(h.find("<body bgcolor=\"#ffffff\">"), std::string::npos) << h;
    EXPECT_NE(h.find("<h1>Isostasie</h1>"), std::string::npos) << h;
    EXPECT_NE(h.find("Texte <b>gras</b> &lt;balise&gt;"), std::string::npos) << h;
    EXPECT_NE(h.find("<a href=\"page2.html#ancre\">suite</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a href=\"https://exemple.fr\">web</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a>js</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a>fichier</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<img src=\"images/coupe.png\" width=\"300\">"), std::string::npos) << h;
    EXPECT_NE(h.find("clignote"), std::string::npos) << h;
    for (const char* absent : {"script", "alert", "onload", "onclick", "iframe", "cadre", "file:",
                               "data:", "99999999", "<base", "9999", "blink"})
        EXPECT_EQ(h.find(absent), std::string::npos) << absent << " in " << h;
}

TEST(NettoyagePage, ImbricationsBornees) {
    // Tables and lists inside one another are cut at a few levels; what is
    // inside them still shows.
    for (int n : {25, 3000}) {
        const PageNettoyee p = Nettoie(Tables(n));
        EXPECT_TRUE(p.raccourcie);
        EXPECT_EQ(Compte(p.html, "<table"), size_t(LimitesPage::TABLEAUX)) << n;
        EXPECT_EQ(Compte(p.html, "<table"), Compte(p.html, "</table>"));
        EXPECT_NE(p.html.find(n < 100 ? "fond" : "etage"), std::string::npos);
        EXPECT_NE(p.html.find(PAGE_RACCOURCIE), std::string::npos);
    }
    const PageNettoyee l = Nettoie(Listes(20000));
    EXPECT_TRUE(l.raccourcie);
    EXPECT_EQ(Compte(l.html, "<ul"), size_t(LimitesPage::LISTES));
    EXPECT_EQ(Compte(l.html, "<li"), size_t(LimitesPage::LISTES));
    EXPECT_GT(Compte(l.html, "etage"), 100u);
    // 100,000 <div> inside one another: 40 kept, in a tenth of a second.
    QElapsedTimer t;
    t.start();
    const PageNettoyee d = Nettoie(Repete("<div>", 100000) + "fond");
    EXPECT_EQ(Compte(d.html, "<div>"), size_t(LimitesPage::PROFONDEUR));
    EXPECT_EQ(Compte(d.html, "</div>"), size_t(LimitesPage::PROFONDEUR));
    EXPECT_LT(t.elapsed(), 100);
    // Twelve tables of a normal page, side by side, are all kept.
    const PageNettoyee cote = Nettoie(Repete("<table><tr><td>x</td></tr></table>", 12));
    EXPECT_FALSE(cote.raccourcie);
    EXPECT_EQ(Compte(cote.html, "<table>"), 12u);
}

TEST(NettoyagePage, FeuillesDeStyleUneFoisEtTailleBornee) {
    const PageNettoyee p = Nettoie(
        "<html><head>" + Repete("<link rel=\"stylesheet\" href=\"a.css\">", 5000) +
        "<link rel=stylesheet href=\"./a.css\"><LINK REL=\"StyleSheet\" HREF=\"b.css\">"
        "<link rel=\"stylesheet\" href=\"absente.css\"></head><body>x</body></html>");
    EXPECT_FALSE(p.raccourcie);
    EXPECT_EQ(Compte(p.html, "p { color: red; }"), 1u) << p.html.substr(0, 300);
    // A sheet cannot close the <style> it is pasted into.
    EXPECT_EQ(Compte(p.html, "</style>"), 1u);
    EXPECT_EQ(p.html.find("<img"), std::string::npos);

    // A 31 MiB one-word page: a few hundred KiB shown, with the notice.
    const PageNettoyee g = Nettoie("<p>" + std::string(31u << 20, 'a'));
    EXPECT_TRUE(g.raccourcie);
    EXPECT_LT(g.html.size(), LimitesPage::TEXTE * 21 / 20);
    EXPECT_GT(g.html.size(), LimitesPage::TEXTE);
    EXPECT_NE(g.html.find(PAGE_RACCOURCIE), std::string::npos);
    // ... cut into words the page area can lay out.
    EXPECT_EQ(g.html.find(std::string(LimitesPage::MOT + 1, 'a')), std::string::npos);
    // Many small elements: at most ELEMENTS kept.
    const PageNettoyee e = Nettoie(Repete("<b>x</b>", 100000));
    EXPECT_TRUE(e.raccourcie);
    EXPECT_EQ(Compte(e.html, "<b>"), LimitesPage::ELEMENTS);
}

// --- The viewer on a help file built here.

namespace {

struct FichierHostile {
    fs::path dossier;
    std::string chm;
    std::string fifo;
    std::string png;

    FichierHostile() {
        dossier = fs::temp_directory_path() / ("terraflot-hostile-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
        fifo = (dossier / "tube").string();
        ::mkfifo(fifo.c_str(), 0600);
        png = (dossier / "local.png").string();
        QImage rouge(40, 40, QImage::Format_RGB32);
        rouge.fill(Qt::red);
        rouge.save(QString::fromStdString(png));

        const std::string images =
            "<html><body><p>Images</p><img src=\"file://" + png + "\"><img src=\"" + png +
            "\"><img src=\"file:///dev/zero\"><img src=\"file://" + fifo + "\"><img src=\"" + fifo +
            "\"><img src=\"../../../../../../.." + fifo + "\"><img src=\"data:image/png;base64," +
            "iVBORw0KGgo=\"><p style=\"background-image: url(file://" + png + ")\">fond</p>"
            "<link rel=\"stylesheet\" href=\"file://" + png + "\"></body></html>";
        const std::vector<std::pair<std::string, std::string>> pages = {
            {"index.html", "<html><head><title>Hostile</title><link rel=\"stylesheet\" href=\"s.css\">"
                           "</head><body><p>Accueil</p></body></html>"},
            {"s.css", "@import url(file:///dev/zero); p { color: blue; }"},
            {"tables3000.html", Tables(3000)},
            {"tables25.html", Tables(25)},
            {"listes.html", Listes(20000)},
            {"feuilles.html", "<html><head>" + Repete("<link rel=\"stylesheet\" href=\"s.css\">", 20000) +
                                  "</head><body>feuilles</body></html>"},
            {"enorme.html", "<p>" + std::string(2u << 20, 'a')},
            {"images.html", images},
        };
        std::ofstream hhp(dossier / "hostile.hhp");
        hhp << "[OPTIONS]\nCompiled file=hostile.chm\nDefault topic=index.html\nTitle=Hostile\n\n[FILES]\n";
        for (const auto& [nom, contenu] : pages) {
            std::ofstream(dossier / nom, std::ios::binary) << contenu;
            hhp << nom << "\n";
        }
        hhp.close();
        const std::string commande = "cd '" + dossier.string() + "' && " CHMCMD
                                     " --no-html-scan --verbosity 0 hostile.hhp >/dev/null 2>&1";
        EXPECT_EQ(std::system(commande.c_str()), 0);
        chm = (dossier / "hostile.chm").string();
    }
    ~FichierHostile() {
        std::error_code ec;
        fs::remove_all(dossier, ec);
    }
};

} // namespace

const FichierHostile& Hostile() {
    static const FichierHostile f;
    return f;
}

TEST(VisionneuseHostile, ChaquePageOuvreEnMoinsDUneSeconde) {
    const FichierHostile& f = Hostile();
    // Should a picture read the FIFO anyway, a writer unblocks it after a
    // while so that the test fails instead of hanging.
    std::atomic<bool> fini = false;
    std::thread debloque([&] {
        for (int k = 0; k < 100 && !fini; ++k) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        while (!fini) {
            const int fd = ::open(f.fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });

    std::string erreur;
    auto v = CreeVisionneuse(f.chm, erreur);
    ASSERT_TRUE(v) << erreur;
    v->show();
    PagesAide* pages = v->Pages();
    auto* accueil = v->findChild<QToolButton*>(QStringLiteral("Accueil"));
    ASSERT_TRUE(accueil);
    EXPECT_TRUE(pages->toPlainText().contains(QStringLiteral("Accueil")));
    const long memoireAvant = MegaOctetsResidents();

    struct Cas {
        const char* page;
        const char* texte;   // a text the page shows
        bool raccourcie;
    };
    for (const Cas& c : {Cas{"tables3000.html", "etage", true}, Cas{"tables25.html", "fond", true},
                         Cas{"listes.html", "etage", true}, Cas{"feuilles.html", "feuilles", false},
                         Cas{"enorme.html", "aaaa", true}, Cas{"images.html", "Images", false}}) {
        SCOPED_TRACE(c.page);
        long debut = TempsProcesseurMs();
        emit pages->anchorClicked(QUrl(QString::fromLatin1(c.page)));
        pages->document()->documentLayout()->documentSize();
        pages->repaint();
        QApplication::processEvents();
        EXPECT_LT(TempsProcesseurMs() - debut, 1000);
        EXPECT_EQ(pages->source().path(), QStringLiteral("/") + QString::fromLatin1(c.page));
        const QString texte = pages->toPlainText();
        EXPECT_TRUE(texte.contains(QString::fromLatin1(c.texte)));
        EXPECT_EQ(texte.contains(QString::fromUtf8(PAGE_RACCOURCIE)), c.raccourcie);
        EXPECT_LT(MegaOctetsResidents() - memoireAvant, 300);

        // The viewer answers right after.
        debut = TempsProcesseurMs();
        accueil->click();
        QApplication::processEvents();
        EXPECT_LT(TempsProcesseurMs() - debut, 1000);
        EXPECT_EQ(pages->source().toString(), "chm:/index.html");
    }

    // No picture came from outside the file: each is the blank one.
    emit pages->anchorClicked(QUrl(QStringLiteral("images.html")));
    for (const std::string& nom : {"file://" + f.png, f.png, std::string("file:///dev/zero"),
                                   "file://" + f.fifo, f.fifo, std::string("data:image/png;base64,iVBORw0KGgo=")}) {
        const QVariant r =
            pages->document()->resource(QTextDocument::ImageResource, QUrl(QString::fromStdString(nom)));
        EXPECT_EQ(r.value<QImage>().size(), QSize(1, 1)) << nom;
    }
    const QVariant css = pages->document()->resource(QTextDocument::StyleSheetResource,
                                                     QUrl(QString::fromStdString("file://" + f.png)));
    EXPECT_TRUE(css.toString().isEmpty());
    fini = true;
    debloque.join();
}

TEST(VisionneuseHostile, PageTropLenteRemplaceeParUnMessage) {
    const FichierHostile& f = Hostile();
    std::string erreur;
    auto v = CreeVisionneuse(f.chm, erreur);
    ASSERT_TRUE(v) << erreur;
    PagesAide* pages = v->Pages();
    // No time at all to prepare a page: the message stands in for it.
    pages->ChoisitDelai(0);
    QElapsedTimer t;
    t.start();
    emit pages->anchorClicked(QUrl(QStringLiteral("enorme.html")));
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_TRUE(pages->toPlainText().contains(QStringLiteral("n'a pas pu être préparée à temps")));
    pages->ChoisitDelai(PagesAide::DELAI_PAGE_MS);
    v->Accueil();
    EXPECT_TRUE(pages->toPlainText().contains(QStringLiteral("Accueil")));
}
