// The real windows: a press on the drawing area does what the driver's
// press does, menus carry the state's checks, the dashboard opens at the
// bottom right without the focus, the quit question, and Timer1.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

#include "cadre.h"
#include "commandes.h"
#include "etat.h"
#include "moteur.h"

namespace terraflot {
namespace {

// The application is prepared as the program's main does, once the test
// main has made it.
struct Preparation : ::testing::Environment {
    void SetUp() override { PrépareApplication(); }
};
const auto* const preparation = ::testing::AddGlobalTestEnvironment(new Preparation);

constexpr const char* QUESTION_QUITTER = "Etes-vous sûr de quitter TERRAFLOT ? ";

// The program as a user launches it, the notice dismissed by its "OK".
struct Appli {
    std::unique_ptr<Plateforme> pf = CreePlateformeQt();
    Programme p{*pf};
    std::unique_ptr<QWidget> cadre{CreeCadre(p)};

    Appli() {
        auto* ok = Notice() ? Notice()->findChild<QPushButton*>("Command1") : nullptr;
        EXPECT_TRUE(ok) << "no start-up notice";
        if (ok) QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(p.Chargee("Avertissement"));
        p.ihm.messages.clear();
    }
    QWidget* Notice() { return cadre->findChild<QWidget*>("Avertissement"); }
    QWidget* Zone() { return cadre->findChild<QWidget*>("Picture1"); }
    QAction* Action(const char* nom) { return cadre->findChild<QAction*>(QString::fromUtf8(nom)); }
    QTimer* Timer1() { return cadre->findChild<QTimer*>("Timer1"); }
    QPushButton* Bouton(const char* nom) {
        return cadre->findChild<QWidget*>("Picture2")->findChild<QPushButton*>(nom);
    }
    QWidget* Tableau() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Tableau_bord" && w->isVisible()) return w;
        return nullptr;
    }
};

// Answers the next message box once it shows: records it, clicks `bouton`.
struct Reponse {
    QString titre, texte, boutons;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    bool vue = false;
    std::function<void()> essai;
    explicit Reponse(QString bouton) {
        essai = [this, bouton] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) {
                QTimer::singleShot(10, essai);
                return;
            }
            vue = true;
            titre = boite->windowTitle();
            texte = boite->text();
            icone = boite->icon();
            QAbstractButton* choix = nullptr;
            for (QAbstractButton* b : boite->buttons()) {
                boutons += (boutons.isEmpty() ? "" : "|") + b->text();
                if (b->text() == bouton) choix = b;
            }
            if (choix) choix->click();
            else boite->reject();
        };
        QTimer::singleShot(0, essai);
    }
};

double Tw(int pixels) { return pixels * 15.0; }

// A press on Picture1 with the mouse and the driver's press at the same
// twips give the same section; a move opens the same readout.
TEST(Cadre, PressAndMoveMatchTheDriver) {
    Appli a;
    ASSERT_EQ(a.p.ihm.LargeurCadre, 12500) << "the frame changed its start size";
    ASSERT_EQ(a.p.ihm.HauteurCadre, 9375);
    Moteur moteur{DossierExecutable()};
    Programme& r = moteur.programme();

    // Column 5 at about 2000 m, then column 9 below sea level.
    const int colonne5 = int((a.p.m.OrigineX + 4.5 * a.p.m.LargeurColonne) / 15);
    const int y2000 = int(YDepuisAltitude(a.p.m, 2000) / 15);
    const int colonne9 = int((a.p.m.OrigineX + 8.5 * a.p.m.LargeurColonne) / 15);
    const int yMer = int(YDepuisAltitude(a.p.m, -1500) / 15);
    for (QPoint q : {QPoint(colonne5, y2000), QPoint(colonne9, yMer)}) {
        QTest::mousePress(a.Zone(), Qt::LeftButton, {}, q);
        QTest::mouseRelease(a.Zone(), Qt::LeftButton, {}, q);
        EXPECT_EQ(Appuie(r, Tw(q.x()), Tw(q.y())), "");
    }
    QTest::mouseMove(a.Zone(), QPoint(colonne5, y2000 + 40));
    EXPECT_EQ(Survole(r, Tw(colonne5), Tw(y2000 + 40)), "");

    const Modele& m = a.p.m;
    const Modele& e = r.m;
    for (int i = 1; i <= 25; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m.AltSurface[i], e.AltSurface[i]);
        EXPECT_EQ(m.AltSocle[i], e.AltSocle[i]);
        EXPECT_EQ(m.EpSocle[i], e.EpSocle[i]);
        EXPECT_EQ(m.EpCroute[i], e.EpCroute[i]);
        EXPECT_EQ(m.ProfMoho[i], e.ProfMoho[i]);
        EXPECT_EQ(m.HauteurEau[i], e.HauteurEau[i]);
        EXPECT_EQ(m.AltRepereProfond[i], e.AltRepereProfond[i]);
    }
    EXPECT_EQ(m.IndexCurseur, e.IndexCurseur);
    EXPECT_EQ(m.YCurseur, e.YCurseur);
    EXPECT_EQ(a.p.ihm.etiquettes, r.ihm.etiquettes);
    // The press did build the column: about 2 km high on a root near 40 km.
    EXPECT_NEAR(m.AltSurface[5], 2.0, 0.2);
    EXPECT_NEAR(m.EpSocle[5], 40.1, 1.0);
    EXPECT_LT(m.AltSurface[9], 0);

    // The window shows the same picture the program drew.
    const QImage vue = a.Zone()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage image = a.p.dessin.Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(vue.size(), image.size());
    EXPECT_TRUE(vue == image.copy(vue.rect())) << "the window does not show the program's picture";
    auto* statut = a.cadre->findChild<QLabel*>("Label8");
    ASSERT_TRUE(statut);
    EXPECT_EQ(statut->text().toStdString(), a.p.Label("Quiral.Label8"));
}

// A user's resize of the frame lays the main window out again, down to the
// smallest frame that keeps a drawing area.
TEST(Cadre, ResizeLaysOutTheSection) {
    Appli a;
    // The frame's outer size, borders included, is what the program gets.
    const QSize bords = a.cadre->frameGeometry().size() - a.cadre->size();
    a.cadre->resize(QSize(1000, 700) - bords);
    QTest::qWait(0);
    EXPECT_EQ(a.p.ihm.LargeurCadre, 15000);
    EXPECT_EQ(a.p.ihm.HauteurCadre, 10500);
    EXPECT_EQ(a.p.m.HauteurZone, 10500 - 1280);
    EXPECT_EQ(a.p.m.LargeurColonne, 600);   // Int(15000 / 25)
    EXPECT_EQ(a.Zone()->size(), a.p.dessin.Image().size());
    EXPECT_EQ(a.Zone()->width(), 1000);
    const QRect legende = a.cadre->findChild<QWidget*>("Picture4")->geometry();
    EXPECT_EQ(legende.bottom() + 1, (10500 - 1280) / 15);

    a.cadre->resize(50, 40);
    QTest::qWait(0);
    EXPECT_GE(a.p.ihm.LargeurCadre, LARGEUR_CADRE_MIN);
    EXPECT_GE(a.p.ihm.HauteurCadre, HAUTEUR_CADRE_MIN);
    EXPECT_GT(a.p.m.HauteurZone, 0);
    EXPECT_GE(a.cadre->width() * 15, LARGEUR_CADRE_MIN);
}

// The menu bar in its order; checks and enabled states follow the modes.
TEST(Cadre, MenusMirrorTheModes) {
    Appli a;
    QStringList barre;
    for (QAction* x : a.cadre->findChild<QMenuBar*>()->actions()) barre << x->text();
    EXPECT_EQ(barre, QStringList({"Fichier", "Edition", "Quitter", "Préférences", "Réajustement Isostatique", "Calcul", "?"}));
    EXPECT_TRUE(a.Action("mnu_profil")->isChecked());
    EXPECT_FALSE(a.Action("mnu_anim_montagne")->isEnabled());
    EXPECT_FALSE(a.Action("mnu_anim_epaississement")->isEnabled());
    EXPECT_FALSE(a.Action("mnu_animepaississementEROSION")->isEnabled());
    // Only the tool modes carry a check box.
    for (const char* nom : {"mnu_aide2", "mnu_aide1", "mnu_apropos", "mnu_quadrillage", "mnu_modifier"})
        EXPECT_FALSE(a.Action(nom)->isCheckable()) << nom;

    a.Action("mnu_modifmoho")->trigger();
    EXPECT_TRUE(a.Action("mnu_modifmoho")->isChecked());
    EXPECT_FALSE(a.Action("mnu_profil")->isChecked());

    // The mountain-erosion mode: panel shown, the dialog's entry and the
    // melt out of reach.
    a.Action("mnu_Anim_érosion")->trigger();
    EXPECT_TRUE(a.Action("mnu_Anim_érosion")->isChecked());
    EXPECT_FALSE(a.Action("mnu_modifmoho")->isChecked());
    EXPECT_FALSE(a.Action("mnu_modifier")->isEnabled());
    EXPECT_FALSE(a.Action("mnu_fonte")->isEnabled());
    EXPECT_TRUE(a.cadre->findChild<QWidget*>("Picture2")->isVisible());

    // A toggle swaps its caption; choosing a mode hides the panel again.
    a.Action("mnu_affichetableau")->trigger();
    EXPECT_EQ(a.Action("mnu_affichetableau")->text(), "Afficher le tableau de bord");
    a.Action("mnu_profil")->trigger();
    EXPECT_TRUE(a.Action("mnu_profil")->isChecked());
    EXPECT_FALSE(a.Action("mnu_Anim_érosion")->isChecked());
    EXPECT_FALSE(a.cadre->findChild<QWidget*>("Picture2")->isVisible());
}

// The dashboard opens at the bottom right of the screen above the frame
// and leaves the focus where it was; switched off, the next move closes it.
TEST(Cadre, DashboardBottomRightWithoutFocus) {
    Appli a;
    a.cadre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.cadre.get()));
    const int x = int((a.p.m.OrigineX + 2.5 * a.p.m.LargeurColonne) / 15);
    QTest::mouseMove(a.Zone(), QPoint(x, 200));
    QWidget* t = a.Tableau();
    ASSERT_TRUE(t);
    EXPECT_EQ(t->windowTitle(), "Tableau de bord");
    EXPECT_TRUE(t->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(t->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(t->testAttribute(Qt::WA_ShowWithoutActivating));
    const QRect ecran = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(t->x(), (ecran.width() * 15 - 3240 - 50) / 15);
    EXPECT_EQ(t->y(), (ecran.height() * 15 - a.p.Fen("Tableau_bord").hauteur - 500) / 15);
    EXPECT_EQ(t->findChild<QLabel*>("Label1")->text(), "Index N° 3");
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), a.cadre.get());

    a.Action("mnu_affichetableau")->trigger();
    QTest::mouseMove(a.Zone(), QPoint(x + 5, 210));
    QTest::qWait(0);   // the window goes with a deferred delete
    EXPECT_EQ(a.Tableau(), nullptr);
    a.Action("mnu_affichetableau")->trigger();
    QTest::mouseMove(a.Zone(), QPoint(x, 220));
    ASSERT_TRUE(a.Tableau());
    EXPECT_EQ(a.Tableau()->x(), (ecran.width() * 15 - 3240 - 50) / 15);
}

// Any mouse button edits: a right or a middle press builds its column as a
// left one does.
TEST(Cadre, AnyButtonEdits) {
    Appli a;
    const int y = int(YDepuisAltitude(a.p.m, 2000) / 15);
    const Modele avant = a.p.m;
    for (auto [colonne, bouton] : {std::pair{5, Qt::RightButton}, std::pair{8, Qt::MiddleButton}}) {
        SCOPED_TRACE(colonne);
        const QPoint q(int((a.p.m.OrigineX + (colonne - 0.5) * a.p.m.LargeurColonne) / 15), y);
        QTest::mousePress(a.Zone(), bouton, {}, q);
        QTest::mouseRelease(a.Zone(), bouton, {}, q);
        // About 2000 m on a root near 40 km, as the reading guide gives it.
        EXPECT_NEAR(a.p.m.AltSurface[colonne], 2.0, 0.2);
        EXPECT_NEAR(a.p.m.EpSocle[colonne], 40.1, 1.0);
        EXPECT_EQ(a.p.m.ColonneClic, colonne);
    }
    EXPECT_EQ(a.p.m.AltSurface[6], avant.AltSurface[6]);
}

// The dashboard opens at the bottom right; moved, it stays where it was put
// while the readout changes, until it is closed; it opens again at the
// bottom right.
TEST(Cadre, MovedDashboardStaysUntilClosed) {
    Appli a;
    auto survole = [&](int colonne) {
        QTest::mouseMove(a.Zone(), QPoint(int((a.p.m.OrigineX + (colonne - 0.5) * a.p.m.LargeurColonne) / 15), 200));
        QTest::qWait(0);
    };
    survole(3);
    ASSERT_TRUE(a.Tableau());
    const QPoint coin = a.Tableau()->pos();
    const QRect ecran = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(coin.x(), (ecran.width() * 15 - 3240 - 50) / 15);

    const QPoint ailleurs(40, 60);
    a.Tableau()->move(ailleurs);   // as the user drags it
    QTest::qWait(0);
    survole(4);
    EXPECT_EQ(a.Tableau()->findChild<QLabel*>("Label1")->text(), "Index N° 4");
    EXPECT_EQ(a.Tableau()->pos(), ailleurs);
    // A press and a menu command bring every window in line: it stays.
    QTest::mouseClick(a.Zone(), Qt::LeftButton, {},
                      QPoint(int((a.p.m.OrigineX + 4.5 * a.p.m.LargeurColonne) / 15),
                             int(YDepuisAltitude(a.p.m, 1000) / 15)));
    EXPECT_NEAR(a.p.m.AltSurface[5], 1.0, 0.2);
    a.Action("mnu_réajuster")->trigger();
    survole(6);
    EXPECT_EQ(a.Tableau()->pos(), ailleurs);

    a.Action("mnu_affichetableau")->trigger();
    survole(7);
    EXPECT_EQ(a.Tableau(), nullptr);
    a.Action("mnu_affichetableau")->trigger();
    survole(8);
    ASSERT_TRUE(a.Tableau());
    EXPECT_EQ(a.Tableau()->pos(), coin);
}

// Every window shows exactly its caption: the application fixes no display
// name that the window system would add to the titles.
TEST(Cadre, WindowTitlesAreTheCaptions) {
    const QString nom = QCoreApplication::applicationName();
    EXPECT_EQ(nom, "terraflot");
    QCoreApplication::setApplicationName(QStringLiteral("sonde"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "sonde") << "a display name is fixed";
    QCoreApplication::setApplicationName(nom);

    std::unique_ptr<Plateforme> pf = CreePlateformeQt();
    Programme p{*pf};
    std::unique_ptr<QWidget> cadre{CreeCadre(p)};
    EXPECT_EQ(cadre->windowTitle(), "TerraFLOT");
    auto* notice = cadre->findChild<QWidget*>("Avertissement");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->windowTitle(), "Avertissement");
    QTest::mouseClick(notice->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    auto* zone = cadre->findChild<QWidget*>("Picture1");
    QTest::mouseMove(zone, QPoint(int((p.m.OrigineX + 2.5 * p.m.LargeurColonne) / 15), 200));
    QWidget* tableau = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Tableau_bord" && w->isVisible()) tableau = w;
    ASSERT_TRUE(tableau);
    EXPECT_EQ(tableau->windowTitle(), "Tableau de bord");
    {
        Reponse non("Non");
        cadre->close();
        ASSERT_TRUE(non.vue);
        EXPECT_EQ(non.titre, "TERRAFLOT");
    }
    cadre->findChild<QAction*>("mnu_modifier")->trigger();
    auto* preferences = cadre->findChild<QWidget*>(QString::fromUtf8("Préférences"));
    ASSERT_TRUE(preferences);
    EXPECT_EQ(preferences->windowTitle().toStdString(), p.Fen("Préférences").libelle);
}

// Closing the frame asks once; "Non" keeps everything, "Oui" ends.
TEST(Cadre, QuitQuestion) {
    Appli a;
    AppuieAlt(a.p, 7, 3000);
    const Modele avant = a.p.m;
    {
        Reponse non("Non");
        a.cadre->close();
        ASSERT_TRUE(non.vue);
        EXPECT_EQ(non.titre, "TERRAFLOT");
        EXPECT_EQ(non.texte.toStdString(), QUESTION_QUITTER);
        EXPECT_EQ(non.icone, QMessageBox::Question);
        EXPECT_EQ(non.boutons, "Oui|Non");
    }
    EXPECT_TRUE(a.cadre->isVisible());
    EXPECT_FALSE(a.p.ihm.termine);
    EXPECT_EQ(a.p.m.AltSurface, avant.AltSurface);
    EXPECT_EQ(a.p.m.EpSocle, avant.EpSocle);
    EXPECT_TRUE(a.p.Chargee("Quiral"));
    {
        Reponse oui("Oui");
        a.cadre->close();
        ASSERT_TRUE(oui.vue);
    }
    EXPECT_TRUE(a.p.ihm.termine);
    QTest::qWait(0);
    EXPECT_FALSE(a.cadre->isVisible());
    EXPECT_EQ(a.p.ihm.messages.size(), 2u);
}

// "Quitter" answered "Oui" closes the frame without a second question.
TEST(Cadre, QuitterAsksOnce) {
    Appli a;
    {
        Reponse oui("Oui");
        a.Action("Mnu_quitter")->trigger();
        ASSERT_TRUE(oui.vue);
        EXPECT_EQ(oui.texte.toStdString(), QUESTION_QUITTER);
    }
    EXPECT_TRUE(a.p.ihm.termine);
    QTest::qWait(20);
    EXPECT_FALSE(a.cadre->isVisible());
    EXPECT_EQ(a.p.ihm.messages.size(), 1u);
}

// A runaway run (crust denser than the mantle) at 1 ms, started by "Démarrer".
void LanceSansFin(Appli& a) {
    Modele& m = a.p.m;
    AppuieAlt(a.p, 5, -1000);
    m.MvCroute = m.MvCrouteSauve = 3.4;
    m.MvManteau = m.MvManteauSauve = 3.0;
    m.IntervalleAnimation = 1;
    a.Action("mnu_réajuster")->trigger();
    a.Action("mnu_Anim_érosion")->trigger();
    ASSERT_TRUE(a.Bouton("HLBBttn3")) << "no erosion panel";
    ASSERT_TRUE(a.Bouton("HLBBttn3")->isVisible());
    QTest::mouseClick(a.Bouton("HLBBttn3"), Qt::LeftButton);
    ASSERT_TRUE(a.p.ihm.Timer1.actif) << (a.p.ihm.messages.empty() ? "" : a.p.ihm.messages.back().texte);
}

// A reading too wide for its label is shown whole, leading digits
// included; a reading that fits leaves the label as it was laid out.
TEST(Cadre, DashboardValueShownWhole) {
    Appli a;
    a.cadre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.cadre.get()));
    const int x = int((a.p.m.OrigineX + 2.5 * a.p.m.LargeurColonne) / 15);
    QTest::mouseMove(a.Zone(), QPoint(x, 200));
    QTRY_VERIFY_WITH_TIMEOUT(a.Tableau() != nullptr, 2000);
    QWidget* t = a.Tableau();
    ASSERT_TRUE(t);
    auto* l18 = t->findChild<QLabel*>("Label18");
    ASSERT_TRUE(l18);
    const QRect place = l18->geometry();
    const QFont police = l18->font();
    const double mv = a.p.m.MvCroute;
    a.p.m.MvCroute = 1e25;   // a crust dense beyond reason: thirty-digit pressures
    QTest::mouseMove(a.Zone(), QPoint(x, 210));
    QTest::qWait(0);
    const QString texte = l18->text();
    EXPECT_GT(texte.size(), 28) << texte.toStdString();
    EXPECT_LE(QFontMetrics(l18->font()).horizontalAdvance(texte), l18->contentsRect().width());
    EXPECT_EQ(l18->geometry().right(), place.right());
    a.p.m.MvCroute = mv;
    QTest::mouseMove(a.Zone(), QPoint(x, 200));
    QTest::qWait(0);
    EXPECT_EQ(l18->geometry(), place);
    EXPECT_EQ(l18->font(), police);
}

// While a question is open no erosion cycle runs behind it; answered, the
// run goes on.
TEST(Cadre, NoTickWhileAMessageBoxIsOpen) {
    Appli a;
    LanceSansFin(a);
    QTRY_VERIFY_WITH_TIMEOUT(a.p.m.TempsEcoule >= 5, 20000);
    double pendant = -1, avant = -1;
    std::function<void()> essai;
    essai = [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite) {
            QTimer::singleShot(5, essai);
            return;
        }
        if (avant < 0) {
            avant = a.p.m.TempsEcoule;
            QTimer::singleShot(50, essai);   // 50 ticks' worth with the box open
            return;
        }
        pendant = a.p.m.TempsEcoule;
        for (QAbstractButton* b : boite->buttons())
            if (b->text() == "Non") b->click();
    };
    QTimer::singleShot(0, essai);
    a.Action("Mnu_quitter")->trigger();
    EXPECT_EQ(pendant, avant);
    EXPECT_FALSE(a.p.ihm.termine);
    const double apres = a.p.m.TempsEcoule;
    QTRY_VERIFY_WITH_TIMEOUT(a.p.m.TempsEcoule > apres, 20000);
    QTest::mouseClick(a.Bouton("HLBBttn4"), Qt::LeftButton);
    EXPECT_FALSE(a.p.ihm.Timer1.actif);
}

// Timer1 at 1 ms runs erosion cycles from the event loop; a click on
// "STOP" queued among the ticks is handled and stops the run.  The crust is
// denser than the mantle, so the run would never end by itself.
TEST(Cadre, Timer1RunsAndStopStopsIt) {
    Appli a;
    Modele& m = a.p.m;
    LanceSansFin(a);
    if (!a.p.ihm.Timer1.actif) return;
    EXPECT_TRUE(a.Timer1()->isActive());
    EXPECT_EQ(a.Timer1()->timerType(), Qt::PreciseTimer);

    QTRY_VERIFY_WITH_TIMEOUT(m.TempsEcoule >= 200, 60000);
    EXPECT_EQ(a.Timer1()->interval(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor,
              Qt::WaitCursor);

    // The click goes through the event queue as a user's would.
    QPushButton* stop = a.Bouton("HLBBttn4");
    const QPointF centre = QRectF(stop->rect()).center();
    QCoreApplication::postEvent(stop, new QMouseEvent(QEvent::MouseButtonPress, centre, stop->mapToGlobal(centre),
                                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(stop, new QMouseEvent(QEvent::MouseButtonRelease, centre, stop->mapToGlobal(centre),
                                                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTRY_VERIFY_WITH_TIMEOUT(!a.p.ihm.Timer1.actif, 20000);
    EXPECT_FALSE(a.Timer1()->isActive());
    const double arret = m.TempsEcoule;
    QTest::qWait(30);
    EXPECT_EQ(m.TempsEcoule, arret);
    EXPECT_EQ(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor,
              Qt::ArrowCursor);
    EXPECT_EQ(a.cadre->findChild<QLabel*>("Label2")->text().toStdString().find("Temps écoulé = "), 0u);
}

} // namespace
} // namespace terraflot
