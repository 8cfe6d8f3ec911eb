// The dashboard Tableau_bord and the start-up notice Avertissement: Qt
// windows that mirror their part of the program's state.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "miroir.h"

namespace terraflot {

// A tool window above the others that never takes the focus.
std::unique_ptr<Miroir> CreeTableauBord(Programme& p, QWidget* parent);
// Modal to the frame; its "OK" hands the click to the program, then `apres`.
std::unique_ptr<Miroir> CreeAvertissement(Programme& p, ApresAction apres, QWidget* parent);

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
