// Random user actions, written as lines of the scenario driver, for the
// property, undo and picture sessions.
#pragma once

#include <random>
#include <string>

#include "moteur.h"

namespace essais {

// The next random action for the program as it stands.
std::string ActionAleatoire(std::mt19937_64& hasard, terraflot::Moteur& moteur);

// The seed of today's random sessions: TERRAFLOT_GRAINE when set, else the
// day's number; printed once, so that a failure can be replayed.
unsigned long long GraineDuJour();

} // namespace essais
