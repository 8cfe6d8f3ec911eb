// The Qt window of the parameters dialog: its real scroll bars give the
// same model as the driver's `bar`, mirroring never re-enters a handler,
// and the window never takes the focus from the main window.
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

#include "app/commandes.h"
#include "app/etat.h"
#include "dialogs/fenetres_dialogues.h"
#include "dialogs/preferences.h"
#include "replay/moteur.h"

namespace terraflot {
namespace {

constexpr const char* BARRES[] = {"VScroll1MV", "VScroll2MV", "VScroll3MV", "VScroll4MV",
                                  "VScroll5MV", "VScroll1NC", "VScroll2NC", "VScroll3NC",
                                  "VScroll31NC", "VScroll1", "VScroll2", "HScroll1"};

// A started program with the dialog open in its Qt window.
struct Ecran {
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    QWidget principal;
    std::unique_ptr<Miroir> miroir;
    int apres = 0;

    Ecran() {
        principal.setObjectName(QStringLiteral("Quiral"));
        principal.resize(400, 300);
        principal.show();
        principal.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&principal));
        EXPECT_EQ(Menu(p, "mnu_modifier"), "");
        miroir = CreePreferences(p, [this] { ++apres; }, &principal);
    }
    QWidget* Fenetre() { return miroir->Widget(); }
    QScrollBar* Barre(const char* nom) {
        return Fenetre()->findChild<QScrollBar*>(QString::fromUtf8(nom));
    }
    QString Texte(const char* nom) {
        auto* l = Fenetre()->findChild<QLabel*>(QString::fromUtf8(nom));
        return l ? l->text() : QStringLiteral("<absent>");
    }
};

// The value a bar shows to the user: vertical bars carry their largest
// value at the top.
int Affichee(QScrollBar* b) { return b->orientation() == Qt::Vertical ? -b->value() : b->value(); }

TEST(FenetrePreferences, ShowsTheDialogAsLoaded) {
    Ecran e;
    QWidget* f = e.Fenetre();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Modifier les valeurs "));
    EXPECT_EQ(f->pos(), QPoint(10 / 15, 800 / 15));
    for (const char* nom : BARRES) {
        QScrollBar* b = e.Barre(nom);
        ASSERT_NE(b, nullptr) << nom;
        const terraflot::Barre& m = e.p.ihm.barres.at(nom);
        EXPECT_EQ(Affichee(b), m.value) << nom;
        EXPECT_EQ(b->singleStep(), 1) << nom;
        // Top end (vertical) or right end (horizontal) is the largest value.
        const int haut = b->orientation() == Qt::Vertical ? -b->minimum() : b->maximum();
        EXPECT_EQ(haut, m.max) << nom;
    }
    EXPECT_EQ(e.Barre("HScroll1")->orientation(), Qt::Horizontal);
    EXPECT_EQ(e.Barre("HScroll1")->pageStep(), 100);
    EXPECT_EQ(e.Texte("Label9MV"), QStringLiteral("2,67"));
    EXPECT_EQ(e.Texte("labelMvOcéan"), QStringLiteral("Masse volumique de l'océan :"));
    auto* jauge = f->findChild<QProgressBar*>(QStringLiteral("Gauge1"));
    ASSERT_NE(jauge, nullptr);
    EXPECT_EQ(jauge->value(), 801);

    auto* menus = f->findChild<QMenuBar*>();
    ASSERT_NE(menus, nullptr);
    QStringList textes;
    for (QAction* a : menus->actions()) textes << a->text() + (a->isEnabled() ? "" : " (off)");
    EXPECT_EQ(textes.join('|'), QStringLiteral("Quitter|Valeurs par défaut (off)"));
}

// Shown as a tool window above the main one that the window system must not
// activate; once shown, nothing the dialog does activates it: neither its
// moves nor being brought forward by "Modifier les valeurs " again.  (The
// offscreen platform activates every window it shows, so the main window is
// made active again first.)
TEST(FenetrePreferences, StaysAboveWithoutTakingTheFocus) {
    Ecran e;
    QWidget* f = e.Fenetre();
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(f->windowType(), Qt::Tool);
    EXPECT_TRUE(f->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(f->parentWidget(), &e.principal);
    e.principal.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.principal));

    e.Barre("VScroll2MV")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    e.Barre("HScroll1")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &e.principal);

    const int avant = e.p.Fen("Préférences").premierPlan;
    EXPECT_EQ(Menu(e.p, "mnu_modifier"), "");
    EXPECT_NE(e.p.Fen("Préférences").premierPlan, avant) << "brought forward when already shown";
    e.miroir->Synchronise();
    QTest::qWait(20);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &e.principal);
    EXPECT_FALSE(f->isActiveWindow());
}

// Every bar, one arrow and one page step at a time: the model after the
// real widget's move equals the model after `bar` with the value the widget
// shows, and the widget shows what the model holds.
TEST(FenetrePreferences, RealBarsGiveTheModelOfTheDriver) {
    for (const char* nom : BARRES)
        for (auto action : {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub}) {
            Ecran e;
            Moteur temoin(DossierExecutable());
            std::ostringstream sortie;
            ASSERT_TRUE(temoin.Ligne("menu mnu_modifier", 1, sortie));
            QScrollBar* b = e.Barre(nom);
            ASSERT_NE(b, nullptr) << nom;
            const int avant = Affichee(b);
            b->triggerAction(action);
            const int voulu = Affichee(b);
            ASSERT_TRUE(temoin.Ligne("bar " + std::string(nom) + " " + std::to_string(voulu), 2, sortie))
                << sortie.str();
            EXPECT_EQ(e.p.ihm.barres.at(nom).value, voulu) << nom << " action " << int(action);
            EXPECT_EQ(e.moteur.Dump(), temoin.Dump()) << nom << " action " << int(action);
            // A bar already at that end does not move, and nothing runs.
            EXPECT_EQ(e.apres, voulu != avant ? 1 : 0) << nom;
        }
}

// Up on a vertical bar raises the value; right on the speed bar raises it.
TEST(FenetrePreferences, ArrowsMoveTheValueTheWayTheThumbGoes) {
    Ecran e;
    e.Barre("VScroll2MV")->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the top arrow
    EXPECT_DOUBLE_EQ(e.p.m.MvCroute, 2.68);
    EXPECT_EQ(e.Texte("Label9MV"), QStringLiteral("2,68"));
    e.Barre("HScroll1")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(e.p.m.IntervalleAnimation, 100);
    auto* jauge = e.Fenetre()->findChild<QProgressBar*>(QStringLiteral("Gauge1"));
    EXPECT_EQ(jauge->value(), 901);
}

// A move the handler narrows (deep level below the thickest basement) and
// a model change from elsewhere are mirrored without running a handler.
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

    QSignalSpy spy(profond, &QScrollBar::valueChanged);
    const int apres = e.apres;
    ASSERT_TRUE(ChangeBarre(e.p, "VScroll31NC", 20));
    ASSERT_TRUE(ChangeBarre(e.p, "VScroll2NC", 40));
    e.miroir->Synchronise();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(e.apres, apres);
    EXPECT_EQ(Affichee(e.Barre("VScroll2NC")), 40);
    EXPECT_EQ(e.Texte("Label6NC"), QStringLiteral("20"));
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
    EXPECT_EQ(e.apres, 0);
    b->setSliderDown(false);
    EXPECT_EQ(e.p.m.NivCompensation, 70);
    EXPECT_EQ(e.apres, 1);
}

TEST(FenetrePreferences, QuitterAsksThenHides) {
    Ecran e;
    auto* menus = e.Fenetre()->findChild<QMenuBar*>();
    QAction* quitter = menus->actions().at(0);
    e.moteur.plateforme().reponses.push_back(false);
    quitter->trigger();
    EXPECT_TRUE(e.Fenetre()->isVisible());
    ASSERT_EQ(e.p.ihm.messages.size(), 1u);
    EXPECT_EQ(e.p.ihm.messages[0].texte, "Etes vous certain de valider les nouvelles valeurs ? ");
    e.moteur.plateforme().reponses.push_back(true);
    quitter->trigger();
    EXPECT_FALSE(e.Fenetre()->isVisible());
    EXPECT_TRUE(e.p.Chargee("Préférences"));
    EXPECT_EQ(e.apres, 2);

    // Closed by the animation mode: the window hides itself.
    EXPECT_EQ(Menu(e.p, "mnu_modifier"), "");
    e.miroir->Synchronise();
    EXPECT_TRUE(e.Fenetre()->isVisible());
    e.p.Decharge("Préférences");
    e.miroir->Synchronise();
    EXPECT_FALSE(e.Fenetre()->isVisible());
}

} // namespace
} // namespace terraflot
