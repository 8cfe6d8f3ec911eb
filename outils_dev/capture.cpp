// Builds a small mountain range, runs a few erosion cycles and writes the
// frame as the user sees it to the PNG file given as argument.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <memory>

#include "cadre.h"
#include "commandes.h"
#include "etat.h"
#include "moteur.h"

#include <cstdio>

using namespace terraflot;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    // Message boxes are answered and printed, never shown.
    PlateformeScript pf(DossierExecutable());
    Programme p(pf);
    std::unique_ptr<QWidget> cadre(CreeCadre(p));
    Clique(p, "Avertissement.Command1");
    for (int c = 6; c <= 20; ++c) AppuieAlt(p, c, 3500 - 450 * std::abs(c - 13));
    for (int c = 22; c <= 25; ++c) AppuieAlt(p, c, -1200);
    Menu(p, "mnu_Anim_érosion");
    for (int k = 0; k < 6; ++k) Clique(p, "HLBBttn1");
    // A move over the section mirrors everything and opens the dashboard.
    QWidget* zone = cadre->findChild<QWidget*>("Picture1");
    const QPointF q((p.m.OrigineX + 12.5 * p.m.LargeurColonne) / 15, 300);
    QMouseEvent deplace(QEvent::MouseMove, q, zone->mapToGlobal(q), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(zone, &deplace);
    for (const Message& msg : p.ihm.messages) std::fprintf(stderr, "%s\n", msg.texte.c_str());
    QTimer::singleShot(300, [&] {
        cadre->grab().save(QString::fromLocal8Bit(argv[1]));
        app.quit();
    });
    return app.exec();
}
