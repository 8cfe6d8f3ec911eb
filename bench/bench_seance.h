#pragma once

#include <cstddef>

namespace terraflot {

struct MesureSeance {
    double jeuSecondes = 0;            // playing the session
    double medianeMs = 0, maxMs = 0;   // of the undos then the redos
    std::size_t pas = 0, reperes = 0, octets = 0;
    int annulations = 0;               // undos timed, as many redos
};

// A random session of `actions` lines from the property generator, then undo and redo.
MesureSeance MesureAnnuler(int actions);

} // namespace terraflot
