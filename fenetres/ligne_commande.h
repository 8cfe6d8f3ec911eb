// The command line of the program: a lesson to open at start, --help and
// --version.
#pragma once

#include <QString>
#include <QStringList>

namespace terraflot {

struct LigneCommande {
    bool aide = false;
    bool version = false;
    QString lecon;    // the lesson to open, empty for none
    QString erreur;   // in French, empty when the line is good
};

// `arguments` without the program's name.
LigneCommande AnalyseLigne(const QStringList& arguments);
QString TexteAide();
QString TexteVersion();

} // namespace terraflot
