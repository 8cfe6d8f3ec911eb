// The push button of the erosion panel, the help window and the about box:
// a caption (wrapped when asked), a background colour that changes while
// the mouse is over it, and one click event (QPushButton::clicked).
#pragma once

#include <QPushButton>

#include "couleurs.h"

namespace terraflot {

class BoutonHLB : public QPushButton {
    Q_OBJECT
public:
    BoutonHLB(const QString& caption, QWidget* parent = nullptr,
              bool wordbreak = false,
              Rgb backcolor = RGB(255, 224, 192),
              Rgb backcolorover = RGB(192, 255, 192));
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void metAJourTexte();
    QString caption_;
    bool wordbreak_;
};

} // namespace terraflot
