// A Qt window that mirrors part of the program's state (Ihm) and hands the
// user's actions to the session (lecon/seance.h), which journals them and
// delivers them to the commands.
#pragma once

#include <functional>
#include <memory>

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace terraflot {

struct Programme;
class Seance;

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

// Runs a window's after-action from a copy: the frame may drop the window,
// and with it `apres`, while it runs.
inline void Appelle(const ApresAction& apres) {
    if (ApresAction copie = apres) copie();
}

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

// A dialog whose close box and Escape do what its "OK" does.
class DialogueOk : public QDialog {
public:
    using QDialog::QDialog;

protected:
    virtual void Valide() = 0;
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        Valide();
    }
    void reject() override { Valide(); }
};

} // namespace terraflot
