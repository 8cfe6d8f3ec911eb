// Picture1, the drawing area, and Picture4, the legend panel: they show the
// pictures of the program.
#pragma once

#include <QWidget>

#include "miroir.h"

namespace terraflot {

// Picture1: shows the section's picture; presses and moves go to the
// program in twips (15 a pixel), not rounded.
class ZoneDessin : public QWidget {
public:
    ZoneDessin(Programme& p, Seance& s, ApresAction apres, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool Dedans(const QPointF& q) const;
    Programme& p_;
    Seance& s_;
    ApresAction apres_;
};

// Picture4: the legend panel, its background the scale-bar picture.
class Legende : public QWidget {
public:
    Legende(Programme& p, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Programme& p_;
};

} // namespace terraflot
