#include "tools/outils.h"
#include "app/etat.h"

namespace terraflot {
} // namespace terraflot
