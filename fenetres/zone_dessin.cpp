#include "zone_dessin.h"

#include <QMouseEvent>
#include <QPainter>

#include "seance.h"
#include "conversions.h"
#include "couleurs_qt.h"
#include "etat.h"

namespace terraflot {

ZoneDessin::ZoneDessin(Programme& p, Seance& s, ApresAction apres, QWidget* parent)
    : QWidget(parent), p_(p), s_(s), apres_(std::move(apres)) {
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZoneDessin::paintEvent(QPaintEvent* e) {
    // Only the exposed part: a caption over the area repaints a strip.
    QPainter g(this);
    const QRect r = e->rect();
    g.fillRect(r, Qc(CouleurFond));
    const QImage& image = p_.dessin.Image();
    if (!image.isNull()) g.drawImage(r.topLeft(), image, r);
}

void ZoneDessin::mousePressEvent(QMouseEvent* e) {
    if (!Dedans(e->position())) return;   // any button edits
    s_.Appuie(e->position().x() * TWIPS, e->position().y() * TWIPS);
    if (apres_) apres_();
}

void ZoneDessin::mouseMoveEvent(QMouseEvent* e) {
    if (!Dedans(e->position())) return;
    s_.Survole(e->position().x() * TWIPS, e->position().y() * TWIPS);
    if (apres_) apres_();
}

bool ZoneDessin::Dedans(const QPointF& q) const {
    return q.x() >= 0 && q.y() >= 0 && q.x() < width() && q.y() < height();
}

Legende::Legende(Programme& p, QWidget* parent) : QWidget(parent), p_(p) {
    setObjectName(QStringLiteral("Picture4"));
}

void Legende::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), Qc(CouleurLegende));
    const QImage& image = p_.dessin.ImageEchelle();
    if (!image.isNull()) g.drawImage(QPoint(0, 0), image);
    g.setPen(Qc(CouleurContour));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace terraflot
