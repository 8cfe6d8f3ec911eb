#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "cadre.h"
#include "etat.h"
#include "ligne_commande.h"

int main(int argc, char** argv) {
    // --help and --version need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const terraflot::LigneCommande ligne = terraflot::AnalyseLigne(arguments);
    if (!ligne.erreur.isEmpty()) {
        std::fprintf(stderr, "terraflot : %s\n%s", ligne.erreur.toUtf8().constData(),
                     "Essayez « terraflot --help ».\n");
        return 2;
    }
    if (ligne.aide || ligne.version) {
        const QString texte = ligne.aide ? terraflot::TexteAide() : terraflot::TexteVersion();
        std::fputs(texte.toUtf8().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    terraflot::PrépareApplication();
    auto plateforme = terraflot::CreePlateformeQt();
    terraflot::Programme programme(*plateforme);
    // The frame goes before the program whose state it shows.
    std::unique_ptr<QWidget> cadre(terraflot::CreeCadre(programme));
    if (!cadre) return 1;
    if (programme.ihm.termine) return 0;
    if (!ligne.lecon.isEmpty()) terraflot::OuvreAuDepart(cadre.get(), ligne.lecon.toStdString());
    terraflot::QuandTermine(cadre.get(), [] { QCoreApplication::exit(0); });
    return app.exec();
}
