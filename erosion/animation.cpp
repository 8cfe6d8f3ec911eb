#include "erosion/erosion.h"
#include "app/etat.h"

namespace terraflot {
} // namespace terraflot
