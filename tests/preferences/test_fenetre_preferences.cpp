// The Qt window of the dialog: its real scroll bars give the model of the
// driver's `bar`, mirroring never re-enters a handler, the window never
// takes the focus from the main window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "commandes.h"
#include "etat.h"
#include "fenetres_dialogues.h"
#include "preferences.h"
#include "moteur.h"

namespace terraflot {
namespace {

struct Ecran {
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    QWidget principal;
    std::unique_ptr<Miroir> miroir;
    int apres = 0;

    Ecran() {
        principal.show();
        EXPECT_EQ(Menu(p, "mnu_modifier"), "");
        miroir = CreePreferences(p, moteur.seance(), [this] { ++apres; }, &principal);
    }
    QWidget* F() { return miroir->Widget(); }
    QScrollBar* Barre(const char* nom) { return F()->findChild<QScrollBar*>(QString::fromUtf8(nom)); }
    QString Texte(const char* nom) { return F()->findChild<QLabel*>(QString::fromUtf8(nom))->text(); }
};

// The value a bar shows: vertical bars carry their largest value on top.
int Affichee(QScrollBar* b) { return b->orientation() == Qt::Vertical ? -b->value() : b->value(); }

// Every bar, each arrow and page direction: the model after the real
// widget's move equals the model after `bar` with the value it shows.
TEST(FenetrePreferences, RealBarsGiveTheModelOfTheDriver) {
    for (const char* nom : {"VScroll1MV", "VScroll2MV", "VScroll3MV", "VScroll4MV", "VScroll5MV",
                            "VScroll1NC", "VScroll2NC", "VScroll3NC", "VScroll31NC", "VScroll1",
                            "VScroll2", "HScroll1"})
        for (auto action : {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub}) {
            Ecran e;
            Moteur temoin(DossierExecutable());
            std::ostringstream sortie;
            temoin.Ligne("menu mnu_modifier", 1, sortie);
            QScrollBar* b = e.Barre(nom);
            ASSERT_NE(b, nullptr) << nom;
            const int avant = Affichee(b);
            b->triggerAction(action);
            const int voulu = Affichee(b);
            temoin.Ligne("bar " + std::string(nom) + " " + std::to_string(voulu), 2, sortie);
            EXPECT_EQ(e.p.ihm.barres.at(nom).valeur, voulu) << nom << " action " << int(action);
            EXPECT_EQ(e.moteur.Dump(), temoin.Dump()) << nom << " action " << int(action);
            EXPECT_EQ(e.apres, voulu != avant ? 1 : 0) << nom;
        }
}

// The top arrow raises a density, the right page the speed; labels, gauge
// and window title follow the program.
TEST(FenetrePreferences, ArrowsMoveTheValueTheWayTheThumbGoes) {
    Ecran e;
    EXPECT_EQ(e.F()->windowTitle(), QStringLiteral("Modifier les valeurs "));
    EXPECT_EQ(e.F()->pos(), QPoint(10 / 15, 800 / 15));
    e.Barre("VScroll2MV")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_DOUBLE_EQ(e.p.m.MvCroute, 2.68);
    EXPECT_EQ(e.Texte("Label9MV"), QStringLiteral("2,68"));
    e.Barre("HScroll1")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(e.p.m.IntervalleAnimation, 100);
    EXPECT_EQ(e.F()->findChild<QProgressBar*>(QStringLiteral("Gauge1"))->value(), 901);
}

// A move the handler narrows, and model changes made elsewhere, are
// mirrored without emitting a change.
TEST(FenetrePreferences, MirroringNeverReentersTheHandlers) {
    Ecran e;
    e.p.m.EpSocleMax = 20;
    QScrollBar* profond = e.Barre("VScroll3NC");
    profond->triggerAction(QAbstractSlider::SliderSingleStepSub);  // 25 -> 26, narrowed to 20
    EXPECT_EQ(e.p.m.ProfRepereProfond, 20);
    EXPECT_EQ(Affichee(profond), 20);
    EXPECT_EQ(-profond->minimum(), 20);
    EXPECT_EQ(-profond->maximum(), 18);
    EXPECT_EQ(e.Texte("Label2NC"), QStringLiteral("20"));

    QSignalSpy spy(e.Barre("VScroll31NC"), &QScrollBar::valueChanged);
    ChangeBarre(e.p, "VScroll31NC", 20);
    ChangeBarre(e.p, "VScroll2NC", 40);
    e.miroir->Synchronise();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(e.apres, 1);
    EXPECT_EQ(Affichee(e.Barre("VScroll31NC")), 20);
    EXPECT_EQ(e.p.m.EpCrouteRef, 40);
}

// A dragged thumb changes the model once, when it is released.
TEST(FenetrePreferences, DraggedThumbAppliesOnRelease) {
    Ecran e;
    QScrollBar* b = e.Barre("VScroll1NC");
    b->setSliderDown(true);
    b->setSliderPosition(-90);
    b->setSliderPosition(-70);
    EXPECT_EQ(e.p.m.NivCompensation, 100);
    b->setSliderDown(false);
    EXPECT_EQ(e.p.m.NivCompensation, 70);
    EXPECT_EQ(e.apres, 1);
}

// A tool window above the main one, shown without activation (which the
// window system honours; the offscreen platform activates every window it
// shows, so the main window is made active again first).  Its moves and
// being brought forward by "Modifier les valeurs " never activate it.
TEST(FenetrePreferences, StaysAboveWithoutTakingTheFocus) {
    Ecran e;
    EXPECT_TRUE(e.F()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(e.F()->windowType(), Qt::Tool);
    EXPECT_TRUE(e.F()->testAttribute(Qt::WA_ShowWithoutActivating));
    e.principal.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.principal));
    e.Barre("VScroll2MV")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Menu(e.p, "mnu_modifier"), "");
    e.miroir->Synchronise();
    QTest::qWait(20);
    EXPECT_TRUE(e.F()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &e.principal);
}

TEST(FenetrePreferences, QuitterAsksThenHides) {
    Ecran e;
    const QList<QAction*> menus = e.F()->findChild<QMenuBar*>()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Valeurs par défaut"));
    EXPECT_FALSE(menus[1]->isEnabled());
    e.moteur.plateforme().reponses = {false, true};
    menus[0]->trigger();
    EXPECT_TRUE(e.F()->isVisible());
    menus[0]->trigger();
    EXPECT_FALSE(e.F()->isVisible());
    EXPECT_EQ(e.p.ihm.messages.size(), 2u);
}

} // namespace
} // namespace terraflot
