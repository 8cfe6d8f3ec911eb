// The menus "Fichier" and "Edition": their states, undo and redo by the
// keyboard, a lesson saved then opened, the exported picture against the
// driver's png, the printed page, and the command line.
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QImage>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "cadre.h"
#include "etat.h"
#include "ligne_commande.h"
#include "menus_fichier.h"
#include "isostasie.h"

namespace terraflot {
namespace {

// The program as a user launches it, the notice dismissed; the file
// dialogs answer `fichier`.
struct Bureau {
    std::unique_ptr<Plateforme> pf = CreePlateformeQt();
    Programme p{*pf};
    std::unique_ptr<QWidget> cadre{CreeCadre(p)};
    QTemporaryDir dossier;
    QString fichier;

    Bureau() {
        if (auto* ok = cadre->findChild<QWidget*>("Avertissement")->findChild<QPushButton*>("Command1"))
            QTest::mouseClick(ok, Qt::LeftButton);
        cadre->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
        ChoisitFichiersPar([this](QWidget*, const QString&, bool, const QString&) { return fichier; });
    }
    ~Bureau() { ChoisitFichiersPar(nullptr); }
    QAction* Action(const char* nom) { return cadre->findChild<QAction*>(QString::fromUtf8(nom)); }
    QWidget* Zone() { return cadre->findChild<QWidget*>("Picture1"); }
    // A press at `altitude` on column i, in the area's pixels.
    QPoint Point(int i, double altitude) {
        return QPoint(int((p.m.OrigineX + (i - 0.5) * p.m.LargeurColonne) / 15),
                      int(YDepuisAltitude(p.m, altitude) / 15));
    }
    void Construit(int i, double altitude) {
        QTest::mouseClick(Zone(), Qt::LeftButton, {}, Point(i, altitude));
    }
    void Touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { QTest::keyClick(cadre.get(), k, m); }
    QImage Image() { return p.dessin.Image().convertToFormat(QImage::Format_RGB32); }
};

TEST(MenusFichier, UndoRedoByTheKeyboardAndTheirStates) {
    Bureau b;
    const QList<QAction*> barre = b.cadre->findChild<QMenuBar*>()->actions();
    ASSERT_GE(barre.size(), 2);
    EXPECT_EQ(barre[0]->text(), "Fichier");
    EXPECT_EQ(barre[1]->text(), "Edition");
    EXPECT_FALSE(b.Action("edition_annuler")->isEnabled());
    EXPECT_FALSE(b.Action("edition_retablir")->isEnabled());
    EXPECT_TRUE(b.Action("fichier_enregistrer")->isEnabled());
    EXPECT_TRUE(b.Action("fichier_imprimer")->isEnabled());

    const double avant = b.p.m.AltSurface[6];
    b.Construit(6, 2000);
    const double bati = b.p.m.AltSurface[6];
    ASSERT_NEAR(bati, 2.0, 0.2);
    EXPECT_TRUE(b.Action("edition_annuler")->isEnabled());
    b.Touche(Qt::Key_Z);
    EXPECT_EQ(b.p.m.AltSurface[6], avant);
    EXPECT_TRUE(b.Action("edition_retablir")->isEnabled());
    EXPECT_FALSE(b.Action("edition_annuler")->isEnabled());
    b.Touche(Qt::Key_Y);
    EXPECT_EQ(b.p.m.AltSurface[6], bati);
    b.Touche(Qt::Key_Z);
    b.Touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(b.p.m.AltSurface[6], bati);
}

TEST(MenusFichier, SavedLessonOpensToTheSamePicture) {
    Bureau b;
    b.Construit(5, 1500);
    b.Construit(7, 3000);
    b.fichier = b.dossier.filePath("essai");   // no extension: it is added
    b.Touche(Qt::Key_S);
    ASSERT_TRUE(QFile::exists(b.fichier + ".terraflot"));
    const QImage voulue = b.Image();
    b.Construit(12, -2000);
    ASSERT_NE(b.Image(), voulue);
    b.fichier += ".terraflot";
    b.Touche(Qt::Key_O);
    EXPECT_EQ(b.Image(), voulue);
    EXPECT_FALSE(b.Action("edition_retablir")->isEnabled());
}

// Export as the user sees it is the driver's png of the same actions.
TEST(MenusFichier, ExportIsTheDriversPng) {
    Bureau b;
    const QPoint q = b.Point(8, 2500);
    b.Construit(8, 2500);
    b.fichier = b.dossier.filePath("vue.png");
    b.Action("fichier_exporter_1")->trigger();
    b.fichier = b.dossier.filePath("double.png");
    b.Action("fichier_exporter_2")->trigger();

    const QString script = b.dossier.filePath("script.tf"), pilote = b.dossier.filePath("pilote.png");
    std::ofstream(script.toStdString()) << "press " << q.x() * 15 << ' ' << q.y() * 15 << "\npng "
                                        << pilote.toStdString() << "\n";
    QProcess replay;
    replay.start(TERRAFLOT_REPLAY, {script});
    ASSERT_TRUE(replay.waitForFinished(30000));
    ASSERT_EQ(replay.exitCode(), 0) << replay.readAllStandardError().toStdString();

    const QImage vue(b.dossier.filePath("vue.png")), attendue(pilote);
    ASSERT_FALSE(attendue.isNull());
    EXPECT_EQ(vue.convertToFormat(QImage::Format_RGB32), attendue.convertToFormat(QImage::Format_RGB32));
    const QImage double_(b.dossier.filePath("double.png"));
    ASSERT_EQ(double_.size(), vue.size() * 2);
    for (QPoint r : {QPoint(3, 3), QPoint(vue.width() / 2, vue.height() / 2), QPoint(vue.width() - 1, 10)})
        EXPECT_EQ(double_.pixel(r * 2 + QPoint(1, 1)), vue.pixel(r));
}

// The printed page, through a PDF, shows the section's main colours.
TEST(MenusFichier, PrintedPdfShowsTheSection) {
    Bureau b;
    b.Construit(10, 3000);
    QTest::mouseMove(b.Zone(), b.Point(10, 0));
    const QString pdf = b.dossier.filePath("coupe.pdf");
    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf);
    ASSERT_TRUE(ImprimeSection(b.p, imprimante));
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, b.dossier.filePath("page")}), 0);
    const QImage page = QImage(b.dossier.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());

    // The three commonest colours of the section are on the page.
    std::map<QRgb, int> compte;
    const QImage section = b.Image();
    for (int y = 0; y < section.height(); y += 2)
        for (int x = 0; x < section.width(); x += 2) ++compte[section.pixel(x, y) & 0xffffff];
    std::vector<std::pair<int, QRgb>> tri;
    for (auto [c, n] : compte) tri.push_back({n, c});
    std::sort(tri.rbegin(), tri.rend());
    ASSERT_GE(tri.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const QColor voulue(tri[k].second);
        bool vue = false;
        for (int y = 0; y < page.height() && !vue; ++y)
            for (int x = 0; x < page.width() && !vue; ++x) {
                const QColor c(page.pixel(x, y));
                vue = std::abs(c.red() - voulue.red()) + std::abs(c.green() - voulue.green()) +
                          std::abs(c.blue() - voulue.blue()) < 12;
            }
        EXPECT_TRUE(vue) << voulue.name().toStdString();
    }
}

// Every erosion-panel button and every bar of "Modifier les valeurs " has
// its sentence.
TEST(MenusFichier, TooltipsOnPanelButtonsAndBars) {
    Bureau b;
    for (const char* nom : {"HLBBttn1", "HLBBttn2", "HLBBttn3", "HLBBttn4", "HLBBttn5"}) {
        auto* bouton = b.cadre->findChild<QWidget*>("Picture2")->findChild<QWidget*>(nom);
        ASSERT_TRUE(bouton) << nom;
        EXPECT_TRUE(bouton->toolTip().endsWith('.')) << nom;
    }
    b.Action("mnu_modifier")->trigger();
    QWidget* preferences = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Préférences") preferences = w;
    ASSERT_TRUE(preferences);
    const QList<QScrollBar*> barres = preferences->findChildren<QScrollBar*>();
    EXPECT_EQ(barres.size(), 12);
    for (QScrollBar* barre : barres) EXPECT_TRUE(barre->toolTip().endsWith('.')) << barre->objectName().toStdString();
}

TEST(LigneCommande, HelpVersionAndLesson) {
    LigneCommande l = AnalyseLigne({"cours.terraflot"});
    EXPECT_EQ(l.lecon, "cours.terraflot");
    EXPECT_TRUE(l.erreur.isEmpty());
    EXPECT_FALSE(AnalyseLigne({"--couleur"}).erreur.isEmpty());
    EXPECT_FALSE(AnalyseLigne({"a.terraflot", "b.terraflot"}).erreur.isEmpty());
    EXPECT_EQ(AnalyseLigne({"--", "-x.terraflot"}).lecon, "-x.terraflot");

    for (const char* option : {"--help", "--version"}) {
        QProcess terraflot;
        terraflot.start(TERRAFLOT_APPLI, {option});
        ASSERT_TRUE(terraflot.waitForFinished(10000));
        EXPECT_EQ(terraflot.exitCode(), 0);
        const QString sortie = QString::fromUtf8(terraflot.readAllStandardOutput());
        EXPECT_EQ(sortie, std::string_view(option) == "--help" ? TexteAide() : TexteVersion());
    }
    EXPECT_TRUE(TexteAide().contains("FICHIER.terraflot"));
    EXPECT_EQ(TexteVersion(), "TerraFLOT 2.1\n");
}

} // namespace
} // namespace terraflot
