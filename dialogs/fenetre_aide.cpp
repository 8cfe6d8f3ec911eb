#include "dialogs/fenetres_dialogues.h"

namespace terraflot {

std::unique_ptr<Miroir> CreeAide(Programme&, ApresAction, QWidget*) { return nullptr; }
std::unique_ptr<Miroir> CreeApropos(Programme&, ApresAction, QWidget*) { return nullptr; }
void OuvreVisionneuse(const std::string&, QWidget*) {}

} // namespace terraflot
