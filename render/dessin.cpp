#include "render/dessin.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <bitset>
#include <variant>
#include <vector>
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

// A run of equal pixels on one row of a sprite.
struct Passe {
    int y, x1, x2;
    QRgb couleur;
};

// The opaque pixels of a premultiplied picture as runs; false when some
// pixel is partly transparent, which only the painter can blend.
bool Passes(const QImage& image, std::vector<Passe>& passes) {
    passes.clear();
    const int largeur = image.width(), hauteur = image.height();
    for (int y = 0; y < hauteur; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < largeur; ++x) {
            const int a = qAlpha(ligne[x]);
            if (a == 0) continue;
            if (a != 255) return false;
            if (!passes.empty() && passes.back().y == y && passes.back().x2 == x - 1 &&
                passes.back().couleur == ligne[x])
                ++passes.back().x2;
            else
                passes.push_back({y, x, x, ligne[x]});
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
                Tamponne(v.passes, int(gauche), int(haut));
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
    void Tamponne(const std::vector<Passe>& passes, int gauche, int haut) {
        for (const Passe& p : passes) {
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
        std::vector<Passe> passes;
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
        sp.opaque = Passes(sp.image, sp.passes);
        return vignettes.emplace(cle, std::move(sp)).first->second;
    }

    QImage& image_;
    QPainter p_;
    int largeur_ = 1;
    Rgb couleurPlume_ = 0xFFFFFFFFu;  // none set yet
    int largeurPlume_ = 0;
    bool vignettes_ = false;
};

} // namespace

// The drawing calls as small records of what they paint, coordinates in
// twips already computed from the model, so that painting a record now or
// later gives the same pixels.
struct OpColonne {
    int i;
    double x1, x2, hauteur;
    bool emergee;  // surface at or above sea level
    double yTop, ySocleDepot, ySocle, y0, yBaseCroute, yCompensation;
    bool operator==(const OpColonne&) const = default;
};
struct OpReperes {
    int i;
    double x1, x2, hauteur, yProfond, yMoho, yIntermediaire;
    bool operator==(const OpReperes&) const = default;
};
struct OpLigne {
    double x1, y1, x2, y2;
    Rgb couleur;
    int largeur;
    bool operator==(const OpLigne&) const = default;
};
// The frame: axes, arrows, altitude labels, grid (when on) and the
// sea-level segments of the columns whose profile is not at 0.
struct OpCadre {
    double L, B, W, O, y0;
    int M, nb;
    bool grille;
    std::bitset<COLONNE_MAX + 1> mer;
};
struct OpEfface {};
using Op = std::variant<OpColonne, OpReperes, OpLigne, OpCadre, OpEfface>;

// Deferred calls held at most before they are painted.
constexpr std::size_t ATTENTE_MAX = 1 << 16;

struct Dessin::Prive {
    QImage image;
    QImage echelle;
    double largeur = 0;
    double hauteur = 0;
    std::vector<Op> attente;  // deferred calls, oldest first

    // The axes, arrows and altitude labels of the last frame geometry, as
    // runs of the pixels they set: all opaque, so stamping the runs sets
    // the pixels that painting them one after the other sets.
    struct Axes {
        std::array<double, 4> LBWO{};
        int nb = 0, largeur = 0, hauteur = 0;
        bool pret = false, opaque = false;
        std::vector<Passe> passes;
    } axes;
    bool AxesEnPasses(const OpCadre& o);

    // Buffers of the sorting of the records, kept from one painting to the
    // next so that a painting allocates nothing once the sizes are reached.
    struct Tri;
    std::unique_ptr<Tri> tri;

    static void Peint(Pinceau& p, const OpColonne& o);
    static void Peint(Pinceau& p, const OpReperes& o);
    static void Peint(Pinceau& p, const OpLigne& o);
    static void Peint(Pinceau& p, const OpCadre& o, bool cadre, bool grille,
                      const std::bitset<COLONNE_MAX + 1>& mer);
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

OpColonne Colonne(const Modele& m, int i, double s, double c, double g, double d) {
    const double top = s + g + d;
    const double moho = (c - s) * 1000;
    const double compensation = (c - s) * 1000 + m.EpManteau[i] * 1000;
    return {i,
            X1(m, i),
            X2(m, i),
            double(m.HauteurZone),
            top >= 0,
            Y(m, top * 1000),
            Y(m, (s + d) * 1000),
            Y(m, s * 1000),
            Y(m, 0),
            Y(m, -moho),
            Y(m, -compensation)};
}

OpReperes Reperes(const Modele& m, int i) {
    return {i, X1(m, i), X2(m, i), double(m.HauteurZone), Y(m, m.AltRepereProfond[i] * 1000),
            Y(m, -m.ProfMoho[i] * 1000), Y(m, m.AltRepereIntermediaire[i] * 1000)};
}

OpCadre Cadre(const Modele& m) {
    OpCadre o{double(m.OrigineX), m.OrigineY + double(m.HauteurGraphe), double(m.LargeurGraphe),
              double(m.OrigineY), Y(m, 0), std::min<int>(m.NbColonnes, COLONNE_MAX),
              m.NbTranches, m.Quadrillage, {}};
    // Built a word at a time: this runs for every column drawn.
    unsigned long long mots[2] = {0, 0};
    for (int k = 1; k <= o.M; ++k) mots[k >> 6] |= (unsigned long long)(m.AltProfil[k] != 0) << (k & 63);
    o.mer = (std::bitset<COLONNE_MAX + 1>(mots[1]) << 64) | std::bitset<COLONNE_MAX + 1>(mots[0]);
    return o;
}

} // namespace

void Dessin::Prive::Peint(Pinceau& p, const OpColonne& o) {
    const double x1 = o.x1, x2 = o.x2;
    if (o.emergee) {
        p.Boite(x1, 0, x2, o.yTop, CouleurCiel, CouleurCiel);
        p.Boite(x1, o.yTop, x2, o.ySocleDepot, CouleurGlace, CouleurContour);
        p.Boite(x1, o.ySocleDepot, x2, o.ySocle, CouleurSediments, CouleurContour);
    } else {
        p.Boite(x1, 0, x2, o.y0, CouleurCiel, CouleurCiel);
        p.Boite(x1, o.ySocleDepot, x2, o.ySocle, CouleurSediments, CouleurContour);
        p.Boite(x1, o.yTop, x2, o.ySocleDepot, CouleurGlace, CouleurContour);
        p.Boite(x1, o.y0, x2, o.yTop, CouleurEau, CouleurContour);
    }
    p.Boite(x1, o.ySocle, x2, o.yBaseCroute, CouleurCroute, CouleurContour);
    p.Boite(x1, o.yBaseCroute, x2, o.yCompensation, CouleurManteau, CouleurContour);
    p.Boite(x1, o.yCompensation, x2, o.hauteur, CouleurSousCompensation,
            CouleurSousCompensation);
}

void Dessin::Prive::Peint(Pinceau& p, const OpReperes& o) {
    p.Boite(o.x1, o.yProfond, o.x2, o.yMoho, CouleurNiveauProfond, CouleurNoire);
    p.Boite(o.x1, o.yIntermediaire, o.x2, o.yProfond, CouleurNiveauIntermediaire, CouleurNoire);
}

void Dessin::Prive::Peint(Pinceau& p, const OpLigne& o) {
    p.Epaisseur(o.largeur);
    p.Ligne(o.x1, o.y1, o.x2, o.y2, o.couleur);
    p.Epaisseur(1);
}

void Dessin::Prive::Peint(Pinceau& p, const OpCadre& o, bool cadre, bool grille,
                          const std::bitset<COLONNE_MAX + 1>& mer) {
    const double B = o.B, L = o.L, W = o.W, O = o.O;
    const int M = o.M, nb = o.nb;
    if (cadre) {
        p.Epaisseur(2);
        p.Ligne(L, B, L, O, CouleurAxes);
        p.Ligne(L, B, L + W, B, CouleurAxes);
        p.Ligne(L + W, B, L + W - 70, B - 70, CouleurAxes);
        p.Ligne(L + W, B, L + W - 70, B + 70, CouleurAxes);
        p.Ligne(L - 70, O + 100, L, O, CouleurAxes);
        p.Ligne(L + 70, O + 100, L, O, CouleurAxes);
        p.Epaisseur(1);
    }
    if (nb <= 0) return;
    if (cadre)
        for (int k = 1; k <= 2 * nb + 1; ++k)
            p.Texte(100, k * B / nb - 80, Str(10 - 10 * k), CouleurAxes);
    if (grille) {
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
        if (mer[k]) p.Ligne(L + (k - 1) * W / M, o.y0, L + k * W / M, o.y0, CouleurQuadrillage);
}

bool Dessin::Prive::AxesEnPasses(const OpCadre& o) {
    const std::array<double, 4> lbwo{o.L, o.B, o.W, o.O};
    if (!axes.pret || axes.LBWO != lbwo || axes.nb != o.nb || axes.largeur != image.width() ||
        axes.hauteur != image.height()) {
        // Beyond the size of a large screen the runs are not worth a
        // transparent copy of the picture: the frame is painted as it is.
        if (qint64(image.width()) * image.height() > 4096LL * 2160LL) return false;
        QImage calque(image.size(), QImage::Format_ARGB32_Premultiplied);
        calque.fill(Qt::transparent);
        {
            Pinceau p(calque);
            p.TextesEnVignettes();
            Peint(p, o, true, false, {});
        }
        axes = {lbwo, o.nb, image.width(), image.height(), true, false, {}};
        axes.opaque = Passes(calque, axes.passes);
    }
    return axes.opaque;
}

void Dessin::Prive::Echelle(const Modele& m, Pinceau& p) {
    const double lc = m.LargeurColonne;
    p.Ligne(300, 1000, 300 + lc, 1000, CouleurTexteLegende);
    p.Ligne(300, 900, 300, 1100, CouleurTexteLegende);
    p.Ligne(300 + lc, 900, 300 + lc, 1100, CouleurTexteLegende);
    p.Texte(lc + 550, 900, "20 km", CouleurTexteLegende);
}

namespace {

// Painting is opaque and deterministic, so a record whose every pixel is
// painted again by a later record cannot show: it is dropped.  A column's
// boxes cover its whole strip, x1..x2 from the top of the picture to the
// bottom, whatever its levels (the boxes are chained edge to edge), so a
// later drawing of the same strip hides both its boxes and its
// reference-level zones.  Lines, frames and grids are hidden by a later
// identical one; everything before a clear is hidden.
struct Bande {
    double x1, x2, hauteur;
    bool operator==(const Bande&) const = default;
};

bool Reguliere(const OpColonne& o) {
    for (double v : {o.x1, o.x2, o.hauteur, o.yTop, o.ySocleDepot, o.ySocle, o.y0, o.yBaseCroute,
                     o.yCompensation})
        if (std::isnan(v)) return false;
    return true;
}

struct CleLigne {
    std::size_t operator()(const OpLigne& o) const {
        std::size_t h = std::hash<double>()(o.x1);
        for (double v : {o.y1, o.x2, o.y2}) h = h * 1000003u ^ std::hash<double>()(v);
        return h ^ (std::size_t(o.couleur) << 3) ^ std::size_t(o.largeur);
    }
};

struct GeometrieCadre {
    double L, B, W, O;
    int nb;
    bool operator==(const GeometrieCadre&) const = default;
};
struct GeometrieGrille {
    double L, B, W, O;
    int M, nb;
    bool operator==(const GeometrieGrille&) const = default;
};
struct GeometrieMer {
    double L, W, y0;
    int M;
    bool operator==(const GeometrieMer&) const = default;
};

// The columns' boxes are written straight into the picture when none
// reaches above or left of it; they then fill, between their rounded edges,
// every row from the top of the picture to the rounded bottom of the area.
// The pixel columns strictly inside the strip's edge lines, over those rows
// but the last, are surely repainted.
std::optional<std::pair<int, int>> BandeRepeinte(const OpColonne& o) {
    if (!Reguliere(o) || !(o.x1 >= 0) || !(o.x2 >= o.x1) || !(o.hauteur > 0)) return {};
    for (double y : {o.yTop, o.ySocleDepot, o.ySocle, o.y0, o.yBaseCroute, o.yCompensation})
        if (!(y >= 0) || y > LIMITE_TWIPS) return {};
    if (o.x2 > LIMITE_TWIPS || o.hauteur > LIMITE_TWIPS) return {};
    const double e = 1.0 / TWIPS_PAR_PIXEL;
    const int gauche = int(std::floor(o.x1 * e)) + 1, droite = int(std::floor(o.x2 * e)) - 1;
    if (gauche > droite) return {};
    return std::make_pair(gauche, droite);
}
int LignesRepeintes(const OpColonne& o) { return qRound(o.hauteur / TWIPS_PAR_PIXEL) - 1; }

// The clear, but for the given pixel columns over the first `lignes` rows.
void EffaceSauf(QImage& image, std::vector<std::pair<int, int>> bandes, int lignes) {
    if (image.isNull()) return;
    const QRgb fond = 0xFF000000u | CouleurFond;
    if (bandes.empty() || lignes <= 0 || image.format() != QImage::Format_RGB32) {
        image.fill(Qc(CouleurFond));
        return;
    }
    std::sort(bandes.begin(), bandes.end());
    const int w = image.width(), h = image.height();
    // Runs of columns to clear on the rows the bands cover.
    std::vector<std::pair<int, int>> trous;
    int x = 0;
    for (auto [a, b] : bandes) {
        a = std::max(a, 0);
        b = std::min(b, w - 1);
        if (a > b) continue;
        if (a > x) trous.push_back({x, a});
        x = std::max(x, b + 1);
    }
    if (x < w) trous.push_back({x, w});
    for (int y = 0; y < h; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (y >= lignes) {
            std::fill(ligne, ligne + w, fond);
            continue;
        }
        for (auto [a, b] : trous) std::fill(ligne + a, ligne + b, fond);
    }
}

// What a deferred record still shows: anything, and of a frame its axes and
// labels, its grid and which sea-level segments.
struct Vivant {
    bool peint = false;
    bool cadre = false, grille = false;
    std::bitset<COLONNE_MAX + 1> mer;
};

template <class T> bool Contient(const std::vector<T>& v, const T& x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

struct Dessin::Prive::Tri {
    std::vector<Vivant> vivants;
    std::array<std::vector<Bande>, COLONNE_MAX + 1> bandes;
    std::vector<OpReperes> reperes;
    std::vector<std::uint32_t> table;  // open addressing of the lines: index + 1, 0 free
    std::vector<GeometrieCadre> cadres;
    std::vector<GeometrieGrille> grilles;
    std::vector<std::pair<GeometrieMer, std::bitset<COLONNE_MAX + 1>>> mers;
};

void Dessin::Vide() {
    std::vector<Op>& ops = d_->attente;
    if (ops.empty()) return;
    std::size_t debut = 0;
    for (std::size_t j = ops.size(); j-- > 0;)
        if (std::holds_alternative<OpEfface>(ops[j])) {
            debut = j;
            break;
        }

    // What each record still shows, found from the last one back.
    if (!d_->tri) d_->tri = std::make_unique<Prive::Tri>();
    Prive::Tri& tri = *d_->tri;
    std::vector<Vivant>& vivants = tri.vivants;
    vivants.assign(ops.size(), Vivant{});
    auto& bandes = tri.bandes;
    for (auto& b : bandes) b.clear();
    auto& reperes = tri.reperes;
    reperes.clear();
    auto& cadres = tri.cadres;
    cadres.clear();
    auto& grilles = tri.grilles;
    grilles.clear();
    auto& mers = tri.mers;
    mers.clear();
    std::size_t capacite = 16;
    while (capacite < 2 * (ops.size() - debut)) capacite *= 2;
    tri.table.assign(capacite, 0);
    // True the first time this line is met.
    auto NouvelleLigne = [&](std::size_t j, const OpLigne& o) {
        for (std::size_t k = CleLigne()(o) & (capacite - 1);; k = (k + 1) & (capacite - 1)) {
            if (tri.table[k] == 0) {
                tri.table[k] = std::uint32_t(j + 1);
                return true;
            }
            if (std::get<OpLigne>(ops[tri.table[k] - 1]) == o) return false;
        }
    };

    for (std::size_t j = ops.size(); j-- > debut;) {
        Vivant& v = vivants[j];
        std::visit(
            [&](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, OpEfface>) {
                    v.peint = true;
                } else if constexpr (std::is_same_v<T, OpColonne>) {
                    const Bande b{o.x1, o.x2, o.hauteur};
                    v.peint = !Contient(bandes[o.i], b);
                    if (v.peint && Reguliere(o)) bandes[o.i].push_back(b);
                } else if constexpr (std::is_same_v<T, OpReperes>) {
                    v.peint = !Contient(bandes[o.i], Bande{o.x1, o.x2, o.hauteur}) &&
                              !Contient(reperes, o);
                    if (v.peint) reperes.push_back(o);
                } else if constexpr (std::is_same_v<T, OpLigne>) {
                    v.peint = NouvelleLigne(j, o);
                } else if constexpr (std::is_same_v<T, OpCadre>) {
                    const GeometrieCadre gc{o.L, o.B, o.W, o.O, o.nb};
                    v.cadre = !Contient(cadres, gc);
                    if (v.cadre) cadres.push_back(gc);
                    if (o.grille) {
                        const GeometrieGrille gg{o.L, o.B, o.W, o.O, o.M, o.nb};
                        v.grille = !Contient(grilles, gg);
                        if (v.grille) grilles.push_back(gg);
                    }
                    const GeometrieMer gm{o.L, o.W, o.y0, o.M};
                    auto it = std::find_if(mers.begin(), mers.end(),
                                           [&](const auto& e) { return e.first == gm; });
                    if (it == mers.end()) it = mers.insert(mers.end(), {gm, {}});
                    v.mer = o.mer & ~it->second;
                    it->second |= o.mer;
                    v.peint = v.cadre || v.grille || v.mer.any();
                }
            },
            ops[j]);
    }

    // Pixel columns that a later column repaints from the top of the picture
    // down, through its own boxes alone: the clear may leave them.
    std::vector<std::pair<int, int>> bandes_repeintes;
    int lignes_repeintes = std::numeric_limits<int>::max();
    if (std::holds_alternative<OpEfface>(ops[debut]) &&
        d_->image.format() == QImage::Format_RGB32) {
        for (std::size_t j = debut + 1; j < ops.size(); ++j) {
            const auto* o = std::get_if<OpColonne>(&ops[j]);
            if (!o || !vivants[j].peint) continue;
            const auto b = BandeRepeinte(*o);
            if (!b) continue;
            bandes_repeintes.push_back({b->first, b->second});
            lignes_repeintes = std::min(lignes_repeintes, LignesRepeintes(*o));
        }
    }

    {
        Pinceau p(d_->image);
        p.TextesEnVignettes();
        p.EcritDirectement();
        for (std::size_t j = debut; j < ops.size(); ++j) {
            const Vivant& v = vivants[j];
            if (!v.peint) continue;
            std::visit(
                [&](const auto& o) {
                    using T = std::decay_t<decltype(o)>;
                    if constexpr (std::is_same_v<T, OpEfface>)
                        EffaceSauf(d_->image, bandes_repeintes, lignes_repeintes);
                    else if constexpr (std::is_same_v<T, OpCadre>) {
                        const bool tampon = v.cadre && p.Direct() && d_->AxesEnPasses(o);
                        if (tampon) p.Tamponne(d_->axes.passes, 0, 0);
                        Prive::Peint(p, o, v.cadre && !tampon, v.grille, v.mer);
                    } else
                        Prive::Peint(p, o);
                },
                ops[j]);
        }
    }
    ops.clear();
}

template <class T> void Dessin::Enregistre(T op) {
    ++generation_;
    if (protocole_ == Protocole::Aucun) return;
    if (protocole_ == Protocole::Differe) {
        // A clear hides everything recorded before it; and a picture nobody
        // reads (the driver between dumps) must not hold calls without end.
        if constexpr (std::is_same_v<T, OpEfface>) d_->attente.clear();
        if (d_->attente.size() >= ATTENTE_MAX) Vide();
        d_->attente.emplace_back(std::move(op));
        return;
    }
    if constexpr (std::is_same_v<T, OpEfface>) {
        if (!d_->image.isNull()) d_->image.fill(Qc(CouleurFond));
    } else {
        Pinceau p(d_->image);
        if constexpr (std::is_same_v<T, OpCadre>)
            Prive::Peint(p, op, true, op.grille, op.mer);
        else
            Prive::Peint(p, op);
    }
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
    Vide();  // the new picture starts from what the old one shows
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

void Dessin::Efface() { Enregistre(OpEfface{}); }

void Dessin::DessineRectangle2(int i, double altSocle, double epSocle, double epGlace,
                               double epSediments) {
    if (!IndiceValide(i) || m_.NbColonnes <= 0 || protocole_ == Protocole::Aucun) return;
    if (protocole_ == Protocole::Litteral) {
        // One painter for the three steps, as they are written.
        Pinceau p(d_->image);
        Prive::Peint(p, Colonne(m_, i, altSocle, epSocle, epGlace, epSediments));
        const OpCadre c = Cadre(m_);
        Prive::Peint(p, c, true, c.grille, c.mer);
        if (m_.AnimErosionMassif) Prive::Peint(p, Marqueur(i));
        ++generation_;
        return;
    }
    Enregistre(Colonne(m_, i, altSocle, epSocle, epGlace, epSediments));
    Enregistre(Cadre(m_));
    if (m_.AnimErosionMassif) Enregistre(Marqueur(i));
}

OpLigne Dessin::Marqueur(int i) const {
    const double y = YDepuisAltitude(m_, m_.ProfilErosion[i] * 1000);
    return {m_.OrigineX + (i - 1) * m_.LargeurColonne + 10, y, m_.OrigineX + i * m_.LargeurColonne,
            y, CouleurContour, 1};
}

void Dessin::ReprésenteNiveauxRemarquables(int i) {
    if (!IndiceValide(i)) return;
    BorneReperes(m_, i);
    if (m_.RepresenteReperes && m_.NbColonnes > 0) {
        Enregistre(Reperes(m_, i));
        const double y = Y(m_, m_.LimiteInitialeIntermediaire[i] * 1000);
        Enregistre(OpLigne{m_.OrigineX + (i - 1) * m_.LargeurColonne + 10, y,
                           m_.OrigineX + i * m_.LargeurColonne + 10, y, CouleurLimiteInitiale, 1});
    }
    Enregistre(Cadre(m_));
}

void Dessin::GRAPHE() { Enregistre(Cadre(m_)); }

void Dessin::Ligne(double x1, double y1, double x2, double y2, Rgb couleur) {
    Enregistre(OpLigne{x1, y1, x2, y2, couleur, 1});
}

QSize Dessin::TailleImage() const { return d_->image.size(); }

const QImage& Dessin::Image() {
    Vide();
    return d_->image;
}

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

void Dessin::ChoisitProtocole(Protocole protocole) {
    Vide();
    protocole_ = protocole;
}

const QImage& Dessin::ImageEchelle() { return d_->echelle; }

Dessin::Cliche Dessin::Sauve() {
    Vide();
    return {d_->image, d_->echelle, d_->largeur, d_->hauteur};
}

void Dessin::Restaure(const Cliche& cliche) {
    // What was pending belongs to the picture being replaced.
    d_->attente.clear();
    d_->image = cliche.image;
    d_->echelle = cliche.echelle;
    d_->largeur = cliche.largeur;
    d_->hauteur = cliche.hauteur;
    ++generation_;
}

} // namespace terraflot
