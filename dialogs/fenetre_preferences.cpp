#include "dialogs/fenetres_dialogues.h"

namespace terraflot {

std::unique_ptr<Miroir> CreePreferences(Programme&, ApresAction, QWidget*) { return nullptr; }

} // namespace terraflot
