// The Qt windows of the parameters dialog, the help window, the about box
// and the help viewer.
#pragma once

#include <memory>
#include <string>

#include "miroir.h"

namespace terraflot {

std::unique_ptr<Miroir> CreePreferences(Programme& p, Seance& s, ApresAction apres, QWidget* parent);
std::unique_ptr<Miroir> CreeAide(Programme& p, Seance& s, ApresAction apres, QWidget* parent);
std::unique_ptr<Miroir> CreeApropos(Programme& p, Seance& s, ApresAction apres, QWidget* parent);
// Opens the help file's default topic in the program's own help viewer, a
// window independent of the others.  A damaged or foreign file gives a
// French message.
void OuvreVisionneuse(const std::string& chemin, QWidget* parent);

} // namespace terraflot
