#include "render/dessin.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>

#include "model/nombres.h"
#include "render/rendu.h"

namespace terraflot {

namespace {

// Coordinates beyond this (twips) are pinned to it: far outside any picture,
// small enough for the rasteriser.  A crust denser than the mantle can send
// a column to huge or infinite altitudes.
constexpr double LIMITE_TWIPS = 1.0e6;

bool Borne(double& v) {
    if (std::isnan(v)) return false;
    v = std::clamp(v, -LIMITE_TWIPS, LIMITE_TWIPS);
    return true;
}

QColor Qc(Rgb c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)); }

// Largest picture kept of the drawing area: a side of 8192 pixels and the
// area of a 5K screen.
constexpr int PIXELS_COTE_MAX = 8192;
constexpr long long PIXELS_IMAGE_MAX = 5120LL * 2880LL;

int Pixels(double twips) {
    if (!(twips > 0)) return 0;
    return int(std::ceil(std::min(twips, 1.0e6) / TWIPS_PAR_PIXEL));
}

const QFont& PoliceArial() {
    static const QFont f = [] {
        QFont a(QStringLiteral("Arial"));
        a.setPixelSize(11);  // 8 points at 96 dpi
        a.setStyleStrategy(QFont::NoAntialias);
        return a;
    }();
    return f;
}

// A painter on one picture, in twips, without antialiasing.
class Pinceau {
public:
    explicit Pinceau(QImage& image) : image_(image) {
        if (image_.isNull()) return;
        p_.begin(&image_);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::TextAntialiasing, false);
        p_.setTransform(QTransform::fromScale(1.0 / TWIPS_PAR_PIXEL, 1.0 / TWIPS_PAR_PIXEL));
        Epaisseur(1);
    }
    bool actif() const { return p_.isActive(); }

    void Epaisseur(int pixels) { largeur_ = pixels; }

    void Ligne(double x1, double y1, double x2, double y2, Rgb c) {
        if (!actif() || !Borne(x1) || !Borne(y1) || !Borne(x2) || !Borne(y2)) return;
        QPen pen(Qc(c));
        pen.setCosmetic(true);
        pen.setWidth(largeur_);
        pen.setCapStyle(Qt::SquareCap);
        p_.setPen(pen);
        p_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }

    // An outlined box filled solid: the fill, then its four edges, so that a
    // box of no height still shows its outline line.
    void Boite(double x1, double y1, double x2, double y2, Rgb fond, Rgb contour) {
        if (!actif() || !Borne(x1) || !Borne(y1) || !Borne(x2) || !Borne(y2)) return;
        const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
        if (r.width() > 0 && r.height() > 0) p_.fillRect(r, Qc(fond));
        Ligne(r.left(), r.top(), r.right(), r.top(), contour);
        Ligne(r.right(), r.top(), r.right(), r.bottom(), contour);
        Ligne(r.right(), r.bottom(), r.left(), r.bottom(), contour);
        Ligne(r.left(), r.bottom(), r.left(), r.top(), contour);
    }

    // Text whose cell's top-left corner is at (x, y) twips.  Drawn in pixels
    // so that the font keeps its size.
    void Texte(double x, double y, const std::string& texte, Rgb c) {
        if (!actif() || !Borne(x) || !Borne(y)) return;
        p_.save();
        p_.resetTransform();
        p_.setFont(PoliceArial());
        p_.setPen(Qc(c));
        const QPointF coin(std::floor(x / TWIPS_PAR_PIXEL), std::floor(y / TWIPS_PAR_PIXEL));
        p_.drawText(QRectF(coin, QSizeF(2000, 200)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                    QString::fromStdString(texte));
        p_.restore();
    }

private:
    QImage& image_;
    QPainter p_;
    int largeur_ = 1;
};

} // namespace

struct Dessin::Prive {
    QImage image;
    QImage echelle;
    double largeur = 0;
    double hauteur = 0;

    // The painting steps, each on an open painter.
    static void Colonne(const Modele& m, Pinceau& p, int i, double s, double c, double g, double d);
    static void Cadre(const Modele& m, Pinceau& p);
    static void Reperes(const Modele& m, Pinceau& p, int i);
    static void Echelle(const Modele& m, Pinceau& p);
};

namespace {

// Horizontal extent of column i: unrounded column width, inset by the margin.
double X1(const Modele& m, int i) {
    return m.OrigineX + (i - 1) * double(m.LargeurGraphe) / m.NbColonnes + m.MargeColonne;
}
double X2(const Modele& m, int i) {
    return m.OrigineX + i * double(m.LargeurGraphe) / m.NbColonnes - m.MargeColonne;
}
double Y(const Modele& m, double altM) { return YDepuisAltitude(m, altM); }

bool IndiceValide(int i) { return i >= 0 && i <= COLONNE_MAX; }

} // namespace

void Dessin::Prive::Colonne(const Modele& m, Pinceau& p, int i, double s, double c, double g,
                            double d) {
    if (m.NbColonnes <= 0) return;
    const double x1 = X1(m, i), x2 = X2(m, i);
    const double top = s + g + d;
    const double moho = (c - s) * 1000;
    const double compensation = (c - s) * 1000 + m.EpManteau[i] * 1000;
    if (top >= 0) {
        p.Boite(x1, 0, x2, Y(m, top * 1000), CouleurCiel, CouleurCiel);
        p.Boite(x1, Y(m, top * 1000), x2, Y(m, (s + d) * 1000), CouleurGlace, CouleurContour);
        p.Boite(x1, Y(m, (s + d) * 1000), x2, Y(m, s * 1000), CouleurSediments, CouleurContour);
    } else {
        p.Boite(x1, 0, x2, Y(m, 0), CouleurCiel, CouleurCiel);
        p.Boite(x1, Y(m, (s + d) * 1000), x2, Y(m, s * 1000), CouleurSediments, CouleurContour);
        p.Boite(x1, Y(m, top * 1000), x2, Y(m, (s + d) * 1000), CouleurGlace, CouleurContour);
        p.Boite(x1, Y(m, 0), x2, Y(m, top * 1000), CouleurEau, CouleurContour);
    }
    p.Boite(x1, Y(m, s * 1000), x2, Y(m, (s - c) * 1000), CouleurCroute, CouleurContour);
    p.Boite(x1, Y(m, -moho), x2, Y(m, -compensation), CouleurManteau, CouleurContour);
    p.Boite(x1, Y(m, -compensation), x2, m.HauteurZone, CouleurSousCompensation,
            CouleurSousCompensation);
}

void Dessin::Prive::Cadre(const Modele& m, Pinceau& p) {
    const double B = m.OrigineY + double(m.HauteurGraphe);
    const double L = m.OrigineX;
    const double W = m.LargeurGraphe;
    const double O = m.OrigineY;
    const int M = std::min<int>(m.NbColonnes, COLONNE_MAX);
    const int nb = m.NbTranches;

    p.Epaisseur(2);
    p.Ligne(L, B, L, O, CouleurAxes);
    p.Ligne(L, B, L + W, B, CouleurAxes);
    p.Ligne(L + W, B, L + W - 70, B - 70, CouleurAxes);
    p.Ligne(L + W, B, L + W - 70, B + 70, CouleurAxes);
    p.Ligne(L - 70, O + 100, L, O, CouleurAxes);
    p.Ligne(L + 70, O + 100, L, O, CouleurAxes);
    p.Epaisseur(1);

    if (nb <= 0) return;
    for (int k = 1; k <= 2 * nb + 1; ++k)
        p.Texte(100, k * B / nb - 80, Str(10 - 10 * k), CouleurAxes);

    if (m.Quadrillage) {
        for (int k = 1; k <= 2 * nb + 1; ++k) {
            if (k == 2) continue;
            const double y = k * B / nb / 2;
            p.Ligne(L, y, L + W, y, CouleurQuadrillage);
        }
        for (int k = 1; k <= M; ++k) {
            const double x = L + k * W / M;
            p.Ligne(x, B, x, O, CouleurQuadrillage);
        }
    }
    for (int k = 1; k <= M; ++k)
        if (m.AltProfil[k] != 0)
            p.Ligne(L + (k - 1) * W / M, Y(m, 0), L + k * W / M, Y(m, 0), CouleurQuadrillage);
}

void Dessin::Prive::Reperes(const Modele& m, Pinceau& p, int i) {
    if (!m.RepresenteReperes || m.NbColonnes <= 0) return;
    const double x1 = X1(m, i), x2 = X2(m, i);
    p.Boite(x1, Y(m, m.AltRepereProfond[i] * 1000), x2, Y(m, -m.ProfMoho[i] * 1000),
            CouleurNiveauProfond, CouleurNoire);
    p.Boite(x1, Y(m, m.AltRepereIntermediaire[i] * 1000), x2, Y(m, m.AltRepereProfond[i] * 1000),
            CouleurNiveauIntermediaire, CouleurNoire);
    const double y = Y(m, m.LimiteInitialeIntermediaire[i] * 1000);
    p.Ligne(m.OrigineX + (i - 1) * m.LargeurColonne + 10, y, m.OrigineX + i * m.LargeurColonne + 10,
            y, CouleurLimiteInitiale);
}

void Dessin::Prive::Echelle(const Modele& m, Pinceau& p) {
    const double lc = m.LargeurColonne;
    p.Ligne(300, 1000, 300 + lc, 1000, CouleurTexteLegende);
    p.Ligne(300, 900, 300, 1100, CouleurTexteLegende);
    p.Ligne(300 + lc, 900, 300 + lc, 1100, CouleurTexteLegende);
    p.Texte(lc + 550, 900, "20 km", CouleurTexteLegende);
}

Dessin::Dessin(Modele& m) : m_(m), d_(new Prive) {}
Dessin::~Dessin() { delete d_; }

void Dessin::Redimensionne(double largeurTwips, double hauteurTwips) {
    // The picture never exceeds what a screen can show: beyond that the
    // drawing area is larger than any window, and a picture of its whole
    // size would take gigabytes and minutes to paint.
    const int w = std::min(Pixels(largeurTwips), PIXELS_COTE_MAX);
    const int h = std::min({Pixels(hauteurTwips), PIXELS_COTE_MAX,
                            std::max(1, int(PIXELS_IMAGE_MAX / std::max(w, 1)))});
    d_->largeur = largeurTwips;
    d_->hauteur = hauteurTwips;
    if (w == d_->image.width() && h == d_->image.height()) return;
    QImage nouvelle;
    if (w > 0 && h > 0) {
        nouvelle = QImage(w, h, QImage::Format_RGB32);
        nouvelle.fill(Qc(CouleurFond));
        if (!d_->image.isNull()) {
            QPainter p(&nouvelle);
            p.drawImage(0, 0, d_->image);
        }
    }
    d_->image = nouvelle;
    ++generation_;
}

void Dessin::Efface() {
    if (!d_->image.isNull()) d_->image.fill(Qc(CouleurFond));
    ++generation_;
}

void Dessin::DessineRectangle2(int i, double altSocle, double epSocle, double epGlace,
                               double epSediments) {
    if (!IndiceValide(i)) return;
    {
        Pinceau p(d_->image);
        Prive::Colonne(m_, p, i, altSocle, epSocle, epGlace, epSediments);
        Prive::Cadre(m_, p);
        if (m_.AnimErosionMassif) {
            const double y = YDepuisAltitude(m_, m_.ProfilErosion[i] * 1000);
            p.Ligne(m_.OrigineX + (i - 1) * m_.LargeurColonne + 10, y,
                    m_.OrigineX + i * m_.LargeurColonne, y, CouleurContour);
        }
    }
    ++generation_;
}

void Dessin::ReprésenteNiveauxRemarquables(int i) {
    if (!IndiceValide(i)) return;
    BorneReperes(m_, i);
    {
        Pinceau p(d_->image);
        Prive::Reperes(m_, p, i);
        Prive::Cadre(m_, p);
    }
    ++generation_;
}

void Dessin::GRAPHE() {
    {
        Pinceau p(d_->image);
        Prive::Cadre(m_, p);
    }
    ++generation_;
}

void Dessin::Ligne(double x1, double y1, double x2, double y2, Rgb couleur) {
    {
        Pinceau p(d_->image);
        p.Ligne(x1, y1, x2, y2, couleur);
    }
    ++generation_;
}

const QImage& Dessin::Image() { return d_->image; }

void Dessin::EchelleHorizontale() {
    const int w = Pixels(LARGEUR_PICTURE4), h = Pixels(HAUTEUR_PICTURE4);
    if (d_->echelle.width() != w || d_->echelle.height() != h)
        d_->echelle = QImage(w, h, QImage::Format_RGB32);
    d_->echelle.fill(Qc(CouleurLegende));
    {
        Pinceau p(d_->echelle);
        Prive::Echelle(m_, p);
    }
    ++generation_;
}

void Dessin::ChoisitProtocole(Protocole protocole) { protocole_ = protocole; }

const QImage& Dessin::ImageEchelle() { return d_->echelle; }

} // namespace terraflot
