// The menus "Fichier" and "Edition" of the frame, before the program's own
// menus: lessons, the picture (export, copy, print), undo and redo.  They
// are the desktop's, outside the program's menu table.
#pragma once

#include <QString>
#include <functional>

#include "miroir.h"

class QMainWindow;
class QPrinter;

namespace terraflot {

// The file dialogs of the menus: the file the user chose, empty when he
// gave up.  `enregistrer` for a file to write; `filtre` like
// "Leçons TerraFLOT (*.terraflot)".  Tests put their own.
using ChoixFichier =
    std::function<QString(QWidget* parent, const QString& titre, bool enregistrer, const QString& filtre)>;
void ChoisitFichiersPar(ChoixFichier choix);

// Prints the section's picture, its legend and the dashboard values of the
// column under the cursor on one page.  False when nothing could be drawn.
bool ImprimeSection(Programme& p, QPrinter& imprimante);

// The lesson file name with its ".terraflot".
QString AvecExtension(const QString& chemin);

// Adds the two menus to the frame's menu bar (before any other) and F1,
// the help of the current mode.  `modal` tells whether a modal window is
// open; `apres` mirrors the state after an action.  Returns the function
// that brings the items' enabled states in line.
std::function<void()> AjouteMenusFichier(QMainWindow* cadre, Programme& p, Seance& s, ApresAction apres,
                                         std::function<bool()> modal);

} // namespace terraflot
