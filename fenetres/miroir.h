// A Qt window that mirrors part of the program's state (Ihm) and hands the
// user's actions to the commands of commandes/commandes.h.
#pragma once

#include <functional>
#include <memory>

#include <QPointer>
#include <QWidget>

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

// The mirror of one window W with a Synchronise(); the window goes with it.
template <class W>
class MiroirDe : public Miroir {
public:
    explicit MiroirDe(W* w) : w_(w) {}
    ~MiroirDe() override {
        if (w_) {
            w_->hide();
            w_->deleteLater();   // it may be inside one of its own signals
        }
    }
    void Synchronise() override {
        if (w_) w_->Synchronise();
    }
    QWidget* Widget() override { return w_; }

private:
    QPointer<W> w_;
};

} // namespace terraflot
