// The dashboard Tableau_bord and the start-up notice Avertissement: Qt
// windows that mirror their part of the program's state.
#pragma once

#include <QWidget>
#include <memory>

#include "miroir.h"

namespace terraflot {

// A tool window above the others that never takes the focus.
std::unique_ptr<Miroir> CreeTableauBord(Programme& p, QWidget* parent);
// Modal to the frame; its "OK" hands the click to the program, then `apres`.
std::unique_ptr<Miroir> CreeAvertissement(Programme& p, Seance& s, ApresAction apres, QWidget* parent);

} // namespace terraflot
