// A Qt window that mirrors part of the program's state (Ihm) and hands the
// user's actions to the commands of app/commandes.h.
#pragma once

#include <functional>
#include <memory>

class QWidget;

namespace terraflot {

struct Programme;

class Miroir {
public:
    virtual ~Miroir() = default;
    // Brings the widgets in line with the state after a handler ran.
    virtual void Synchronise() = 0;
    virtual QWidget* Widget() = 0;
};

// Called by a window after it delivered a user action, so that every window
// mirrors the new state.
using ApresAction = std::function<void()>;

} // namespace terraflot
