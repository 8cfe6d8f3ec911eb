#include <QApplication>
#include <QWidget>
#include <memory>

#include "cadre.h"
#include "etat.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    terraflot::PrépareApplication();
    auto plateforme = terraflot::CreePlateformeQt();
    terraflot::Programme programme(*plateforme);
    // The frame goes before the program whose state it shows.
    std::unique_ptr<QWidget> cadre(terraflot::CreeCadre(programme));
    if (!cadre) return 1;
    if (programme.ihm.ended) return 0;
    terraflot::QuandTermine(cadre.get(), [] { QCoreApplication::exit(0); });
    return app.exec();
}
