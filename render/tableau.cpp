#include "render/rendu.h"
#include "app/etat.h"

namespace terraflot {
} // namespace terraflot
