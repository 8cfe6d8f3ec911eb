// The rasteriser of the picture: a painter in twips without antialiasing,
// which writes level and upright lines and boxes straight into the picture
// with the painter's own pixel rules, and stamps texts from sprites made
// once.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "couleurs_qt.h"
#include "dessin.h"

namespace terraflot {

// Coordinates beyond this (twips) are pinned to it: far outside any picture,
// small enough for the rasteriser.  A crust denser than the mantle can send
// a column to huge or infinite altitudes.
inline constexpr double LIMITE_TWIPS = 1.0e6;

inline bool Borne(double& v) {
    if (std::isnan(v)) return false;
    v = std::clamp(v, -LIMITE_TWIPS, LIMITE_TWIPS);
    return true;
}

inline const QFont& PoliceArial() {
    static const QFont f = [] {
        QFont a(QStringLiteral("Arial"));
        a.setPixelSize(11);  // 8 points at 96 dpi
        a.setStyleStrategy(QFont::NoAntialias);
        return a;
    }();
    return f;
}

// A run of equal pixels on one row of a sprite.
struct Plage {
    int y, x1, x2;
    QRgb couleur;
};

// The opaque pixels of a premultiplied picture as runs; false when some
// pixel is partly transparent, which only the painter can blend.
inline bool Plages(const QImage& image, std::vector<Plage>& plages) {
    plages.clear();
    const int largeur = image.width(), hauteur = image.height();
    for (int y = 0; y < hauteur; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < largeur; ++x) {
            const int a = qAlpha(ligne[x]);
            if (a == 0) continue;
            if (a != 255) return false;
            if (!plages.empty() && plages.back().y == y && plages.back().x2 == x - 1 &&
                plages.back().couleur == ligne[x])
                ++plages.back().x2;
            else
                plages.push_back({y, x, x, ligne[x]});
        }
    }
    return true;
}

// A painter on one picture, in twips, without antialiasing.
class Pinceau {
public:
    explicit Pinceau(QImage& image) : image_(image) {
        if (image_.isNull()) return;
        actif_ = true;
        largeurImage_ = image_.width();
        hauteurImage_ = image_.height();
    }
    bool actif() const { return actif_; }

    void Epaisseur(int pixels) { largeur_ = pixels; }

    void Ligne(double x1, double y1, double x2, double y2, Rgb c) {
        if (!actif() || !Borne(x1) || !Borne(y1) || !Borne(x2) || !Borne(y2)) return;
        if (direct_ && largeur_ == 1 && LigneDirecte(x1, y1, x2, y2, c)) return;
        Plume(c);
        Peintre().drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }

    // Level and upright lines and boxes are written straight into the
    // picture, pixel for pixel as the painter would set them: a one-pixel
    // line takes the pixels from its first to its last end in 1/64 pixel
    // (truncated), on the row or column of its 1/64-pixel position; a line
    // of no length is the pixel nearest its point; a box whose corner is not
    // left of or above the picture fills the pixels between its rounded
    // edges.  Anything else goes to the painter.
    void EcritDirectement() {
        if (!actif() || image_.format() != QImage::Format_RGB32) return;
        direct_ = true;
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
        pasLigne_ = image_.bytesPerLine() / 4;
        transformation_ = QTransform::fromScale(1.0 / TWIPS_PAR_PIXEL, 1.0 / TWIPS_PAR_PIXEL);
    }

    // The painter, begun on the picture the first time a call needs it.
    QPainter& Peintre() {
        if (!p_.isActive()) {
            p_.begin(&image_);
            p_.setRenderHint(QPainter::Antialiasing, false);
            p_.setRenderHint(QPainter::TextAntialiasing, false);
            p_.setTransform(QTransform::fromScale(1.0 / TWIPS_PAR_PIXEL, 1.0 / TWIPS_PAR_PIXEL));
        }
        return p_;
    }

    void Plume(Rgb c) {
        if (c == couleurPlume_ && largeur_ == largeurPlume_) return;
        QPen pen(Qc(c));
        pen.setCosmetic(true);
        pen.setWidth(largeur_);
        pen.setCapStyle(Qt::SquareCap);
        Peintre().setPen(pen);
        couleurPlume_ = c;
        largeurPlume_ = largeur_;
    }

    // Texts are stamped from pictures of them made once, instead of being
    // laid out at every frame.
    void TextesEnVignettes() { vignettes_ = true; }

    // An outlined box filled solid: the fill, then its four edges, so that a
    // box of no height still shows its outline line.
    void Boite(double x1, double y1, double x2, double y2, Rgb fond, Rgb contour) {
        if (!actif() || !Borne(x1) || !Borne(y1) || !Borne(x2) || !Borne(y2)) return;
        const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
        if (r.width() > 0 && r.height() > 0 && !(direct_ && RemplitDirectement(r, fond)))
            Peintre().fillRect(r, Qc(fond));
        Ligne(r.left(), r.top(), r.right(), r.top(), contour);
        Ligne(r.right(), r.top(), r.right(), r.bottom(), contour);
        Ligne(r.right(), r.bottom(), r.left(), r.bottom(), contour);
        Ligne(r.left(), r.bottom(), r.left(), r.top(), contour);
    }

    // Text whose cell's top-left corner is at (x, y) twips.  Drawn in pixels
    // so that the font keeps its size.
    void Texte(double x, double y, const std::string& texte, Rgb c) {
        if (!actif() || !Borne(x) || !Borne(y)) return;
        if (vignettes_) {
            const Sprite& v = Vignette(texte, c);
            const double gauche = std::floor(x / TWIPS_PAR_PIXEL) - MARGE_VIGNETTE;
            const double haut = std::floor(y / TWIPS_PAR_PIXEL) - MARGE_VIGNETTE;
            if (direct_ && v.opaque) {
                Tamponne(v.plages, int(gauche), int(haut));
                return;
            }
            QPainter& p = Peintre();
            const QTransform twips = p.transform();
            p.resetTransform();
            p.drawImage(QPointF(gauche, haut), v.image);
            p.setTransform(twips);
            return;
        }
        QPainter& p = Peintre();
        p.save();
        p.resetTransform();
        Ecrit(p, QPointF(std::floor(x / TWIPS_PAR_PIXEL), std::floor(y / TWIPS_PAR_PIXEL)), texte, c);
        p.restore();
    }

    static void Ecrit(QPainter& p, QPointF coin, const std::string& texte, Rgb c) {
        p.setFont(PoliceArial());
        p.setPen(Qc(c));
        p.drawText(QRectF(coin, QSizeF(2000, 200)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                   QString::fromStdString(texte));
    }

    // Sets the runs' pixels, the sprite's corner at (gauche, haut) pixels:
    // what drawing an opaque sprite does.
    void Tamponne(const std::vector<Plage>& plages, int gauche, int haut) {
        for (const Plage& p : plages) {
            const int y = haut + p.y;
            if (y < 0 || y >= hauteurImage_) continue;
            const int a = std::max(gauche + p.x1, 0), b = std::min(gauche + p.x2, largeurImage_ - 1);
            if (a <= b)
                std::fill(pixels_ + std::ptrdiff_t(y) * pasLigne_ + a,
                          pixels_ + std::ptrdiff_t(y) * pasLigne_ + b + 1, p.couleur);
        }
    }
    bool Direct() const { return direct_; }

private:
    static constexpr int MARGE_VIGNETTE = 8;

    void Pose(int x, int y, QRgb c) {
        if (x >= 0 && y >= 0 && x < largeurImage_ && y < hauteurImage_)
            pixels_[std::ptrdiff_t(y) * pasLigne_ + x] = c;
    }

    bool LigneDirecte(double x1, double y1, double x2, double y2, Rgb couleur) {
        const double e = 1.0 / TWIPS_PAR_PIXEL;
        const double X1 = x1 * e, Y1 = y1 * e, X2 = x2 * e, Y2 = y2 * e;
        const QRgb c = 0xFF000000u | couleur;
        if (x1 == x2 && y1 == y2) {
            Pose(qRound(X1), qRound(Y1), c);
            return true;
        }
        const bool palier = Y1 == Y2;
        if (!palier && X1 != X2) return false;
        int a = int((palier ? X1 : Y1) * 64), b = int((palier ? X2 : Y2) * 64);
        if (a > b) std::swap(a, b);
        if (a == b) return true;
        const int fixe = int((palier ? Y1 : X1) * 64) >> 6;
        const int limite = palier ? largeurImage_ : hauteurImage_;
        if (fixe < 0 || fixe >= (palier ? hauteurImage_ : largeurImage_)) return true;
        const int debut = std::max(a >> 6, 0), fin = std::min(b >> 6, limite - 1);
        if (debut > fin) return true;
        if (palier)
            std::fill(pixels_ + std::ptrdiff_t(fixe) * pasLigne_ + debut,
                      pixels_ + std::ptrdiff_t(fixe) * pasLigne_ + fin + 1, c);
        else
            for (int y = debut; y <= fin; ++y) pixels_[std::ptrdiff_t(y) * pasLigne_ + fixe] = c;
        return true;
    }

    bool RemplitDirectement(const QRectF& r, Rgb couleur) {
        const QRectF d = transformation_.mapRect(r);
        if (!(d.x() >= 0 && d.y() >= 0)) return false;
        const int x1 = qRound(d.x()), y1 = qRound(d.y());
        const int x2 = std::min(qRound(d.right()), largeurImage_);
        const int y2 = std::min(qRound(d.bottom()), hauteurImage_);
        const QRgb c = 0xFF000000u | couleur;
        if (x1 >= x2) return true;
        for (int y = y1; y < y2; ++y)
            std::fill(pixels_ + std::ptrdiff_t(y) * pasLigne_ + x1,
                      pixels_ + std::ptrdiff_t(y) * pasLigne_ + x2, c);
        return true;
    }

    bool direct_ = false;
    bool actif_ = false;
    int largeurImage_ = 0, hauteurImage_ = 0;
    QRgb* pixels_ = nullptr;
    std::ptrdiff_t pasLigne_ = 0;
    QTransform transformation_;

    // The text as the painter writes it, on a transparent picture, a margin
    // all round for the glyphs that overhang their cell.
    struct Sprite {
        QImage image;
        bool opaque;
        std::vector<Plage> plages;
    };
    static const Sprite& Vignette(const std::string& texte, Rgb c) {
        static std::map<std::pair<std::string, Rgb>, Sprite> vignettes;
        auto cle = std::make_pair(texte, c);
        auto it = vignettes.find(cle);
        if (it != vignettes.end()) return it->second;
        if (vignettes.size() > 512) vignettes.clear();
        const QFontMetrics fm(PoliceArial());
        const QString q = QString::fromStdString(texte);
        QImage v(fm.horizontalAdvance(q) + 2 * MARGE_VIGNETTE + fm.maxWidth(),
                 fm.height() + 2 * MARGE_VIGNETTE, QImage::Format_ARGB32_Premultiplied);
        v.fill(Qt::transparent);
        {
            QPainter p(&v);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            Ecrit(p, QPointF(MARGE_VIGNETTE, MARGE_VIGNETTE), texte, c);
        }
        Sprite sp{std::move(v), true, {}};
        sp.opaque = Plages(sp.image, sp.plages);
        return vignettes.emplace(cle, std::move(sp)).first->second;
    }

    QImage& image_;
    QPainter p_;
    int largeur_ = 1;
    Rgb couleurPlume_ = 0xFFFFFFFFu;  // none set yet
    int largeurPlume_ = 0;
    bool vignettes_ = false;
};

} // namespace terraflot
