#include <QApplication>

#include "app/cadre.h"
#include "app/etat.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("terraflot"));
    QApplication::setApplicationDisplayName(QStringLiteral("TerraFLOT"));
    auto plateforme = terraflot::CreePlateformeQt();
    if (!plateforme) return 1;
    terraflot::Programme programme(*plateforme);
    if (!terraflot::CreeCadre(programme)) return 1;
    return app.exec();
}
