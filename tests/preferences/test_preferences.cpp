// "Modifier les valeurs ": real bars as the driver's `bar`, mirroring, drags, focus; basements of any thickness.
#include <QApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>
#include "commandes.h"
#include "fenetres_dialogues.h"
#include "moteur.h"
#include "preferences.h"

namespace terraflot {
namespace {
using enum QAbstractSlider::SliderAction;

struct Ecran {
    Moteur moteur{DossierExecutable()};
    Programme& p = moteur.programme();
    QWidget principal;
    int apres = 0;   // after-actions the window called
    std::unique_ptr<Miroir> miroir{(principal.show(), Menu(p, "mnu_modifier"),
                                    CreePreferences(p, moteur.seance(), [this] { ++apres; }, &principal))};
    QWidget* F() { return miroir->Widget(); }
    QScrollBar* Barre(const char* nom) { return F()->findChild<QScrollBar*>(nom); }
    int Sens(const char* nom) { return Barre(nom)->orientation() == Qt::Vertical ? -1 : 1; }   // largest on top
    int Affichee(const char* nom) { return Sens(nom) * Barre(nom)->value(); }
};

// Every bar, each arrow and page way in turn: the top or right ones raise the value shown, and the
// model after the real widget's move is that of the driver's `bar` to it; the gauge shows the speed.
TEST(FenetrePreferences, RealBarsGiveTheModelOfTheDriver) {
    Ecran e, t;   // t: the driver's engine, its bars moved by `bar`
    std::ostringstream sortie;
    for (const char* nom : {"VScroll1MV", "VScroll2MV", "VScroll3MV", "VScroll4MV", "VScroll5MV", "VScroll1NC",
                            "VScroll2NC", "VScroll3NC", "VScroll31NC", "VScroll1", "VScroll2", "HScroll1"})
        for (auto [action, sens] : {std::pair{SliderSingleStepAdd, 1}, {SliderSingleStepSub, -1},
                                    {SliderPageStepSub, -1}, {SliderPageStepAdd, 1}}) {
            // Unmoved only at an end of the range.
            const int avant = e.Affichee(nom);
            e.Barre(nom)->triggerAction(action);
            const int vu = e.Affichee(nom);
            EXPECT_GE((vu - avant) * sens * e.Sens(nom), 0) << nom << " " << int(action);
            t.moteur.Ligne("bar " + std::string(nom) + " " + std::to_string(vu), 1, sortie);
            EXPECT_EQ(e.moteur.Dump(), t.moteur.Dump()) << nom << " action " << int(action);
        }
    EXPECT_EQ(e.F()->findChild<QProgressBar*>("Gauge1")->value(), e.p.ihm.Gauge1_value);
}

// A move the handler narrows, and changes made elsewhere, are mirrored without emitting a change; a dragged thumb
// changes the model once, released. The main window active, a move and the menu again leave it so. "Quitter": hidden.
TEST(FenetrePreferences, MirroringDragAndFocus) {
    Ecran e;
    e.p.m.EpSocleMax = 20;
    e.Barre("VScroll3NC")->triggerAction(SliderSingleStepSub);   // 25 -> 26, narrowed to 20
    EXPECT_EQ(std::tuple(e.Affichee("VScroll3NC"), e.p.m.ProfRepereProfond, -e.Barre("VScroll3NC")->minimum(),
                         -e.Barre("VScroll3NC")->maximum()), std::tuple(20, 20, 20, 18));   // value, level, range
    QSignalSpy spy(e.Barre("VScroll31NC"), &QScrollBar::valueChanged);
    ChangeBarre(e.p, "VScroll31NC", 20);
    e.miroir->Synchronise();
    EXPECT_EQ(std::tuple(spy.count(), e.apres, e.Affichee("VScroll31NC")), std::tuple(0, 1, 20));
    QScrollBar* b = e.Barre("VScroll1NC");
    b->setSliderDown(true);
    for (int v : {-90, -70}) b->setSliderPosition(v);
    const int pendant = e.p.m.NivCompensation;
    b->setSliderDown(false);
    EXPECT_EQ(std::tuple(pendant, e.p.m.NivCompensation, e.apres), std::tuple(100, 70, 2));
    e.principal.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.principal));
    e.Barre("VScroll2MV")->triggerAction(SliderSingleStepSub);
    Menu(e.p, "mnu_modifier");
    e.miroir->Synchronise();
    QTest::qWait(20);
    EXPECT_TRUE(e.F()->isVisible() && QApplication::activeWindow() == &e.principal);
    e.moteur.plateforme().reponses = {true};
    e.F()->findChild<QMenuBar*>()->actions()[0]->trigger();
    EXPECT_FALSE(e.F()->isVisible());
}

// Opening clears the eroded volume. Basements all thinner than the intermediate level, or without
// bound: the deep-level range never runs backwards, the deep level never rises above the intermediate one.
TEST(Ouverture, ErosionClearedAndDeepLevelRangeNeverBackwards) {
    for (double v : {10.0, -HUGE_VAL, HUGE_VAL, double(NAN)}) {
        Ecran e;
        mnu_modifier_Click((e.p.m.ErosionCumulee[100] = 2, e.p));
        e.p.m.EpSocleMax = v;
        ChangeBarre(e.p, "VScroll3NC", 15);
        const Barre& b = e.p.ihm.barres.at("VScroll3NC");
        EXPECT_TRUE(e.p.m.ErosionCumulee[100] == 0 && b.min == 18 && b.min <= b.valeur && b.valeur <= b.max) << v;
        EXPECT_GE(e.p.m.ProfRepereProfond, e.p.m.ProfRepereIntermediaire) << v;
    }
}

} // namespace
} // namespace terraflot
