#include "render/dessin.h"

namespace terraflot {

struct Dessin::Prive {
    QImage image;
    QImage echelle;
};

Dessin::Dessin(Modele& m) : m_(m), d_(new Prive) {}
Dessin::~Dessin() { delete d_; }
void Dessin::Redimensionne(double, double) {}
void Dessin::Efface() {}
void Dessin::DessineRectangle2(int, double, double, double, double) {}
void Dessin::ReprésenteNiveauxRemarquables(int i) { BorneReperes(m_, i); }
void Dessin::GRAPHE() {}
void Dessin::Ligne(double, double, double, double, Rgb) {}
const QImage& Dessin::Image() { return d_->image; }
void Dessin::EchelleHorizontale() {}
const QImage& Dessin::ImageEchelle() { return d_->echelle; }

} // namespace terraflot
