#include "ligne_commande.h"

namespace terraflot {

LigneCommande AnalyseLigne(const QStringList& arguments) {
    LigneCommande l;
    bool options = true;
    for (const QString& a : arguments) {
        if (options && a == QStringLiteral("--")) {
            options = false;
        } else if (options && (a == QStringLiteral("--help") || a == QStringLiteral("-h"))) {
            l.aide = true;
        } else if (options && (a == QStringLiteral("--version") || a == QStringLiteral("-v"))) {
            l.version = true;
        } else if (options && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            l.erreur = QStringLiteral("option inconnue : %1").arg(a);
        } else if (!l.lecon.isEmpty()) {
            l.erreur = QStringLiteral("une seule leçon à la fois : %1").arg(a);
        } else {
            l.lecon = a;
        }
    }
    return l;
}

QString TexteAide() {
    return QStringLiteral(
        "Usage : terraflot [OPTION] [FICHIER.terraflot]\n"
        "Simulation de l'isostasie : une coupe de croûte découpée en colonnes.\n"
        "\n"
        "  FICHIER.terraflot  ouvre cette leçon au démarrage\n"
        "  -h, --help         affiche cette aide et quitte\n"
        "  -v, --version      affiche la version et quitte\n");
}

QString TexteVersion() { return QStringLiteral("TerraFLOT " TERRAFLOT_VERSION "\n"); }

} // namespace terraflot
