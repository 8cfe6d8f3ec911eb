#include "app/cadre.h"

#include "app/etat.h"

namespace terraflot {

std::unique_ptr<Plateforme> CreePlateformeQt() { return nullptr; }
QWidget* CreeCadre(Programme&) { return nullptr; }

} // namespace terraflot
