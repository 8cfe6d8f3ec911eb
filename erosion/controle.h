// Helpers shared by the erosion panel and the animation.
#pragma once

#include <algorithm>

#include "modele.h"

namespace terraflot {

struct Programme;

// The two tests of the erosion check on column i: pressure at the
// compensation level equal to the reference pressure, then no ice.  Stores
// the column's pressure; shows the message and returns false on failure.
bool ControleColonne(Programme& p, int i);

} // namespace terraflot
