// The public drawing calls of the picture and their protocols: painted at
// once, or recorded and painted when the picture is read, only what still
// shows.
#include "dessin.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <memory>
#include <variant>
#include <vector>

#include "enregistrements.h"
#include "pinceau.h"
#include "visibilite.h"

namespace terraflot {

namespace {

// Largest picture kept of the drawing area: a side of 8192 pixels and the
// area of a 5K screen.
constexpr int PIXELS_COTE_MAX = 8192;
constexpr long long PIXELS_IMAGE_MAX = 5120LL * 2880LL;

int Pixels(double twips) {
    if (!(twips > 0)) return 0;
    return int(std::ceil(std::min(twips, 1.0e6) / TWIPS_PAR_PIXEL));
}

// Deferred calls held at most before they are painted.
constexpr std::size_t ATTENTE_MAX = 1 << 16;

bool IndiceValide(int i) { return i >= 0 && i <= COLONNE_MAX; }
double Y(const Modele& m, double altM) { return YDepuisAltitude(m, altM); }

} // namespace

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
        std::vector<Plage> plages;
    } axes;
    bool AxesEnPlages(const OpGraphe& o);

    Visibilite visibilite;
};

bool Dessin::Prive::AxesEnPlages(const OpGraphe& o) {
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
        axes.opaque = Plages(calque, axes.plages);
    }
    return axes.opaque;
}

void Dessin::PeintEnAttente() {
    std::vector<Op>& ops = d_->attente;
    if (ops.empty()) return;
    std::size_t debut = 0;
    for (std::size_t j = ops.size(); j-- > 0;)
        if (std::holds_alternative<OpEfface>(ops[j])) {
            debut = j;
            break;
        }
    Visibilite& vu = d_->visibilite;
    vu.Trie(ops, debut, d_->image.format() == QImage::Format_RGB32);

    {
        Pinceau p(d_->image);
        p.TextesEnVignettes();
        p.EcritDirectement();
        for (std::size_t j = debut; j < ops.size(); ++j) {
            const Vivant& v = vu.vivants[j];
            if (!v.peint) continue;
            std::visit(
                [&](const auto& o) {
                    using T = std::decay_t<decltype(o)>;
                    if constexpr (std::is_same_v<T, OpEfface>)
                        EffaceSauf(d_->image, vu.bandesRepeintes, vu.lignesRepeintes);
                    else if constexpr (std::is_same_v<T, OpGraphe>) {
                        const bool tampon = v.axes && p.Direct() && d_->AxesEnPlages(o);
                        if (tampon) p.Tamponne(d_->axes.plages, 0, 0);
                        Peint(p, o, v.axes && !tampon, v.grille, v.mer);
                    } else
                        Peint(p, o);
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
        if (d_->attente.size() >= ATTENTE_MAX) PeintEnAttente();
        d_->attente.emplace_back(std::move(op));
        return;
    }
    if constexpr (std::is_same_v<T, OpEfface>) {
        if (!d_->image.isNull()) d_->image.fill(Qc(CouleurFond));
    } else {
        Pinceau p(d_->image);
        if constexpr (std::is_same_v<T, OpGraphe>)
            Peint(p, op, true, op.grille, op.mer);
        else
            Peint(p, op);
    }
}

Dessin::Dessin(Modele& m) : m_(m), d_(std::make_unique<Prive>()) {}
Dessin::Dessin(const Dessin& autre, Modele& m)
    : m_(m), d_(std::make_unique<Prive>(*autre.d_)), generation_(autre.generation_),
      protocole_(autre.protocole_) {}
Dessin::~Dessin() = default;

void Dessin::Redimensionne(double largeurTwips, double hauteurTwips) {
    // The picture never exceeds what a screen can show: beyond that the
    // drawing area is larger than any window, and a picture of its whole
    // size would take gigabytes and minutes to paint.
    const int w = std::min(Pixels(largeurTwips), PIXELS_COTE_MAX);
    const int h = std::min({Pixels(hauteurTwips), PIXELS_COTE_MAX,
                            std::max(1, int(PIXELS_IMAGE_MAX / std::max(w, 1)))});
    PeintEnAttente();  // the new picture starts from what the old one shows
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
        Peint(p, Colonne(m_, i, altSocle, epSocle, epGlace, epSediments));
        const OpGraphe c = Graphe(m_);
        Peint(p, c, true, c.grille, c.mer);
        if (m_.AnimErosionMassif) Peint(p, MarqueurErosion(m_, i));
        ++generation_;
        return;
    }
    Enregistre(Colonne(m_, i, altSocle, epSocle, epGlace, epSediments));
    Enregistre(Graphe(m_));
    if (m_.AnimErosionMassif) Enregistre(MarqueurErosion(m_, i));
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
    Enregistre(Graphe(m_));
}

void Dessin::GRAPHE() { Enregistre(Graphe(m_)); }

void Dessin::Ligne(double x1, double y1, double x2, double y2, Rgb couleur) {
    Enregistre(OpLigne{x1, y1, x2, y2, couleur, 1});
}

QSize Dessin::TailleImage() const { return d_->image.size(); }

const QImage& Dessin::Image() {
    PeintEnAttente();
    return d_->image;
}

void Dessin::EchelleHorizontale() {
    const int w = Pixels(LARGEUR_PICTURE4), h = Pixels(HAUTEUR_PICTURE4);
    if (d_->echelle.width() != w || d_->echelle.height() != h)
        d_->echelle = QImage(w, h, QImage::Format_RGB32);
    d_->echelle.fill(Qc(CouleurLegende));
    {
        Pinceau p(d_->echelle);
        PeintEchelle(m_, p);
    }
    ++generation_;
}

void Dessin::ChoisitProtocole(Protocole protocole) {
    PeintEnAttente();
    protocole_ = protocole;
}

const QImage& Dessin::ImageEchelle() { return d_->echelle; }

Dessin::Cliche Dessin::Sauve() {
    PeintEnAttente();
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
