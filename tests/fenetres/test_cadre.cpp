// What only the real windows do: titles, presses, resizes, keys, menus, the close box, lessons, export,
// print, the dashboard's place and focus, Timer1 in the event loop, the command line.
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "cadre.h"
#include "commandes.h"
#include "etat.h"
#include "isostasie.h"
#include "ligne_commande.h"
#include "menus_fichier.h"
#include "moteur.h"

namespace terraflot {
namespace {

// The program as launched (the application prepared once as main does), the start-up notice dismissed
// by its "OK" unless kept, the frame active; the file dialogs answer `fichier`.
struct Appli {
    static int Prepare() { static const int fait = (PrépareApplication(), 0); return fait; }
    std::unique_ptr<Plateforme> pf = (Prepare(), CreePlateformeQt());
    Programme p{*pf};
    std::unique_ptr<QWidget> cadre{CreeCadre(p)};
    QString fichier;
    explicit Appli(bool notice = false) {
        ChoisitFichiersPar([this](QWidget*, const QString&, bool, const QString&) { return fichier; });
        if (!notice) FermeNotice();
    }
    ~Appli() { ChoisitFichiersPar(nullptr); }
    void FermeNotice() {
        QTest::mouseClick(Trouve("Avertissement")->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        p.ihm.messages.clear();
        cadre->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    }
    template <class W = QWidget>
    W* Trouve(const char* nom) { return cadre->findChild<W*>(QString::fromUtf8(nom)); }
    QAction* Action(const char* nom) { return Trouve<QAction>(nom); }
    QWidget* Zone() { return Trouve("Picture1"); }
    QPoint Point(double c, double a) {   // the pixel of the drawing area mid column c, at altitude a
        return QPoint(int((p.m.OrigineX + (c - 0.5) * p.m.LargeurColonne) / 15), int(YDepuisAltitude(p.m, a) / 15));
    }
    void Clic(int c, double a, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(Zone(), b, {}, Point(c, a)); }
    void Touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { QTest::keyClick(cadre.get(), k, m); }
    QImage Image() { return p.dessin.Image().convertToFormat(QImage::Format_RGB32); }
};

// Once the next message box shows (within 5 s): runs `ouverte`, then clicks `bouton`.
void Repond(QString bouton, std::function<void()> ouverte = {}, int essais = 500) {
    QTimer::singleShot(10, [=] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite) return essais > 0 ? Repond(bouton, ouverte, essais - 1) : void();
        if (ouverte) ouverte();
        for (QAbstractButton* b : boite->buttons()) if (b->text() == bouton) b->click();
    });
}

// Every window shows exactly its caption (no display name added), every bar of "Modifier les valeurs " its tooltip.
// Left, right, middle presses and a move give the driver's model and labels; the frame's outer size; "Non" keeps it.
TEST(Cadre, TitlesPressesResizeAndCloseBox) {
    Appli a(true);
    QCoreApplication::setApplicationName(QStringLiteral("sonde"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "sonde") << "a display name is fixed";
    QCoreApplication::setApplicationName(QStringLiteral("terraflot"));
    EXPECT_EQ(a.cadre->windowTitle() + "|" + a.Trouve("Avertissement")->windowTitle(), "TerraFLOT|Avertissement");
    a.FermeNotice();
    Moteur moteur{DossierExecutable()};
    Programme& r = moteur.programme();
    for (auto [c, alt, bouton] :
         {std::tuple{5, 2000, Qt::LeftButton}, {8, 2000, Qt::RightButton}, {9, -1500, Qt::MiddleButton}})
        EXPECT_EQ((a.Clic(c, alt, bouton), Appuie(r, a.Point(c, alt).x() * 15.0, a.Point(c, alt).y() * 15.0)), "");
    QTest::mouseMove(a.Zone(), QPoint(100, 80));
    EXPECT_EQ(Survole(r, 1500, 1200), "");
    for (const TableauNomme& t : TABLEAUX_COLONNES) EXPECT_EQ(a.p.m.*t.tableau, r.m.*t.tableau) << t.nom;
    EXPECT_EQ(a.p.ihm.etiquettes, r.ihm.etiquettes);
    EXPECT_EQ(a.Zone()->grab().toImage().convertToFormat(QImage::Format_RGB32), a.Image());
    a.Action("mnu_modifier")->trigger();
    EXPECT_EQ(a.Trouve("Préférences")->windowTitle(), "Modifier les valeurs ");
    EXPECT_EQ(std::ranges::count_if(a.Trouve("Préférences")->findChildren<QScrollBar*>(),
                                    [](QScrollBar* b) { return b->toolTip().endsWith('.'); }), 12);
    a.cadre->resize(QSize(1000, 700) - (a.cadre->frameGeometry().size() - a.cadre->size()));
    QTest::qWait(0);
    EXPECT_EQ(QSize(a.p.ihm.LargeurCadre, a.p.ihm.HauteurCadre), QSize(15000, 10500));
    EXPECT_EQ(a.Zone()->size(), QSize(1000, a.p.dessin.Image().height()));
    a.cadre->resize(50, 40);
    QTest::qWait(0);
    EXPECT_TRUE(a.cadre->width() * 15 >= LARGEUR_CADRE_MIN && a.cadre->height() * 15 >= HAUTEUR_CADRE_MIN);
    Repond("Non");
    a.cadre->close();
    EXPECT_TRUE(a.cadre->isVisible() && !a.p.ihm.termine);
    Repond("Oui");
    a.cadre->close();
    QTest::qWait(0);
    EXPECT_TRUE(a.p.ihm.termine && !a.cadre->isVisible() && a.p.ihm.messages.size() == 2);
}

// The menu bar in its order and states; Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z. A lesson saved then opened gives its picture
// back; the 1x export is the driver's png of it, the 2x every pixel doubled; the PDF print has its colours.
TEST(Cadre, FichierAndEditionMenus) {
    Appli a;
    QStringList barre;
    for (QAction* x : a.cadre->findChild<QMenuBar*>()->actions()) barre << x->text();
    EXPECT_EQ(barre.join('|'), "Fichier|Edition|Quitter|Préférences|Réajustement Isostatique|Calcul|?");
    for (const char* nom : {"edition_annuler", "edition_retablir", "mnu_anim_montagne", "mnu_anim_epaississement",
                            "mnu_animepaississementEROSION"})
        EXPECT_FALSE(a.Action(nom)->isEnabled()) << nom;
    EXPECT_TRUE(a.Action("fichier_enregistrer")->isEnabled() && a.Action("fichier_imprimer")->isEnabled());
    for (const char* nom : {"mnu_aide2", "mnu_aide1", "mnu_apropos", "mnu_quadrillage", "mnu_modifier"})
        EXPECT_FALSE(a.Action(nom)->isCheckable()) << nom << ": only the tool modes carry a check box";
    const double avant = a.p.m.AltSurface[6];
    a.Clic(6, 2000);
    const double bati = a.p.m.AltSurface[6];
    ASSERT_NEAR(bati, 2.0, 0.2);
    a.Touche(Qt::Key_Z);
    EXPECT_TRUE(a.p.m.AltSurface[6] == avant && a.Action("edition_retablir")->isEnabled() &&
                !a.Action("edition_annuler")->isEnabled());
    a.Touche(Qt::Key_Y);
    EXPECT_EQ(a.p.m.AltSurface[6], bati);
    a.Touche(Qt::Key_Z);
    a.Touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(a.p.m.AltSurface[6], bati);
    QTemporaryDir d;
    a.Clic(7, 3000);
    a.fichier = d.filePath("essai");   // no extension: it is added
    a.Touche(Qt::Key_S);
    const QImage voulue = a.Image();
    a.Clic(12, -2000);
    ASSERT_NE(a.Image(), voulue);
    a.fichier += ".terraflot";
    a.Touche(Qt::Key_O);
    EXPECT_EQ(a.Image(), voulue);
    std::ofstream(d.filePath("script.tf").toStdString()) << "open " << a.fichier.toStdString() << "\npng "
                                                         << d.filePath("pilote.png").toStdString();
    for (auto [action, nom] : {std::pair{"fichier_exporter_1", "vue.png"}, {"fichier_exporter_2", "double.png"}}) {
        a.fichier = d.filePath(nom);
        a.Action(action)->trigger();
    }
    ASSERT_EQ(QProcess::execute(TERRAFLOT_REPLAY, {d.filePath("script.tf")}), 0);
    const QImage vue = QImage(d.filePath("vue.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(!vue.isNull() && vue == QImage(d.filePath("pilote.png")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(QImage(d.filePath("double.png")).convertToFormat(QImage::Format_RGB32), vue.scaled(vue.size() * 2));
    QPrinter imprimante;
    const QString pdf = d.filePath("coupe.pdf");
    imprimante.setOutputFileName(pdf);   // a .pdf name: PDF output
    ASSERT_TRUE(ImprimeSection(a.p, imprimante));
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, d.filePath("page")}), 0);
    const QImage page = QImage(d.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    const auto* px = reinterpret_cast<const QRgb*>(page.constBits());   // 32-bit pixels: rows without padding
    const std::set<QRgb> imprimees(px, px + page.width() * page.height());
    for (double alt : {5000.0, -20000.0, -60000.0}) {   // air, crust and mantle of column 7
        const QRgb v = vue.pixel(a.Point(7, alt));
        EXPECT_TRUE(std::ranges::any_of(imprimees, [v](QRgb c) {
            return std::abs(qRed(c) - qRed(v)) + std::abs(qGreen(c) - qGreen(v)) + std::abs(qBlue(c) - qBlue(v)) < 12;
        })) << QColor(v).name().toStdString();
    }
}

// The dashboard opens at the screen's bottom right (room for a taskbar) without the focus; moved, it stays where
// put until closed; a reading too wide for its label is shown whole. Then the mountain-erosion mode: its check,
// the panel's tooltips, the dialog's entry out of reach. Timer1 at 1 ms runs erosion cycles from the event loop
// (crust denser than the mantle: no end), none behind a question; "STOP" queued among the ticks stops it.
TEST(Cadre, DashboardStaysWhereMovedAndTimer1) {
    Appli a;
    auto survole = [&](int c) {
        QTest::mouseMove(a.Zone(), a.Point(c, 3000));
        QTest::qWait(0);
        QWidget* t = a.Trouve("Tableau_bord");
        return t && t->isVisible() ? t : nullptr;
    };
    QWidget* t = survole(3);
    ASSERT_TRUE(t && t->windowTitle() == "Tableau de bord");
    const QRect ecran = QApplication::primaryScreen()->geometry(), place = t->frameGeometry();
    EXPECT_TRUE(ecran.contains(place) && ecran.right() - place.right() < 10 && ecran.bottom() - place.bottom() < 100);
    EXPECT_EQ((QTest::qWait(20), QApplication::activeWindow()), a.cadre.get());
    t->move(40, 60);   // as the user drags it
    EXPECT_EQ(survole(4)->findChild<QLabel*>("Label1")->text(), "Index N° 4");
    a.Clic(5, 1000);
    a.Action("mnu_réajuster")->trigger();
    EXPECT_EQ(survole(6)->pos(), QPoint(40, 60));
    auto* l18 = t->findChild<QLabel*>("Label18");
    const QRect rang = l18->geometry();
    a.p.m.MvCroute = 1e25;   // a crust dense beyond reason: thirty-digit pressures
    survole(2);
    EXPECT_TRUE(l18->text().size() > 28 && l18->geometry().right() == rang.right() &&
                QFontMetrics(l18->font()).horizontalAdvance(l18->text()) <= l18->contentsRect().width());
    a.p.m.MvCroute = a.p.m.MvCrouteSauve;
    EXPECT_TRUE(survole(7) && l18->geometry() == rang && l18->font() == t->font()) << "a fitting reading as before";
    a.Action("mnu_affichetableau")->trigger();
    EXPECT_EQ(survole(8), nullptr);
    a.Action("mnu_affichetableau")->trigger();
    ASSERT_TRUE(survole(9));
    EXPECT_EQ(survole(10)->frameGeometry(), place);
    Modele& m = a.p.m;
    AppuieAlt(a.p, 5, -1000);
    m.MvCroute = m.MvCrouteSauve = 3.4, m.MvManteau = m.MvManteauSauve = 3.0, m.IntervalleAnimation = 1;
    a.Action("mnu_réajuster")->trigger();
    a.Action("mnu_Anim_érosion")->trigger();
    EXPECT_TRUE(a.Action("mnu_Anim_érosion")->isChecked() && a.Trouve("Picture2")->isVisible());
    EXPECT_FALSE(a.Action("mnu_profil")->isChecked() || a.Action("mnu_modifier")->isEnabled());
    for (const char* nom : {"HLBBttn1", "HLBBttn2", "HLBBttn3", "HLBBttn4", "HLBBttn5"})
        EXPECT_TRUE(a.Trouve(nom)->toolTip().endsWith('.')) << nom;
    QTest::mouseClick(a.Trouve<QPushButton>("HLBBttn3"), Qt::LeftButton);
    auto* timer = a.Trouve<QTimer>("Timer1");
    QTRY_VERIFY_WITH_TIMEOUT(m.TempsEcoule >= 200, 60000);
    EXPECT_TRUE(timer->interval() == 1 && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
    double avant = -1, pendant = -2;
    Repond("Non", [&] { avant = m.TempsEcoule, QTest::qWait(50), pendant = m.TempsEcoule; });   // 50 ticks' worth
    a.Action("Mnu_quitter")->trigger();
    EXPECT_EQ(pendant, avant);
    QTRY_VERIFY_WITH_TIMEOUT(m.TempsEcoule > pendant, 20000);
    auto* stop = a.Trouve<QPushButton>("HLBBttn4");
    const QPointF centre = QRectF(stop->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(stop, new QMouseEvent(type, centre, centre, Qt::LeftButton, {}, {}));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 20000);   // the cursor after it: the scenarios'
}

TEST(LigneCommande, HelpVersionAndLesson) {
    EXPECT_EQ(AnalyseLigne({"cours.terraflot"}).lecon + AnalyseLigne({"cours.terraflot"}).erreur, "cours.terraflot");
    for (const QStringList& faute : {QStringList{"--couleur"}, QStringList{"a.terraflot", "b.terraflot"}})
        EXPECT_FALSE(AnalyseLigne(faute).erreur.isEmpty()) << faute.join(' ').toStdString();
    EXPECT_EQ(AnalyseLigne({"--", "-x.terraflot"}).lecon, "-x.terraflot");
    for (const char* option : {"--help", "--version"}) {
        QProcess terraflot;
        terraflot.start(TERRAFLOT_APPLI, {option});
        ASSERT_TRUE(terraflot.waitForFinished(10000) && terraflot.exitCode() == 0) << option;
        EXPECT_EQ(QString::fromUtf8(terraflot.readAllStandardOutput()),
                  std::string_view(option) == "--help" ? TexteAide() : TexteVersion());
    }
}

} // namespace
} // namespace terraflot
