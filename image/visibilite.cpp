#include "visibilite.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "pinceau.h"

namespace terraflot {

namespace {

// Painting is opaque and deterministic, so a record whose every pixel is
// painted again by a later record cannot show: it is dropped.  A column,
// its reference-level zones, a line, a frame or a grid is hidden by a later
// identical one; everything before a clear is hidden.  A later drawing of
// the same strip with other levels does not always hide a column: the
// outline of a box of no height ends on the pixel it shares with the next
// column, which the later boxes need not paint.

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

} // namespace

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


namespace {

template <class T> bool Contient(const std::vector<T>& v, const T& x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

void Visibilite::Trie(const std::vector<Op>& ops, std::size_t debut, bool effaceDirect) {
    vivants.assign(ops.size(), Vivant{});
    auto& colonnes = colonnes_;
    for (auto& c : colonnes) c.clear();
    auto& reperes = reperes_;
    reperes.clear();
    auto& axesVus = axes_;
    axesVus.clear();
    auto& grilles = grilles_;
    grilles.clear();
    auto& mers = mers_;
    mers.clear();
    std::size_t capacite = 16;
    while (capacite < 2 * (ops.size() - debut)) capacite *= 2;
    table_.assign(capacite, 0);
    // True the first time this line is met.
    auto NouvelleLigne = [&](std::size_t j, const OpLigne& o) {
        for (std::size_t k = CleLigne()(o) & (capacite - 1);; k = (k + 1) & (capacite - 1)) {
            if (table_[k] == 0) {
                table_[k] = std::uint32_t(j + 1);
                return true;
            }
            if (std::get<OpLigne>(ops[table_[k] - 1]) == o) return false;
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
                    v.peint = !Contient(colonnes[o.i], o);
                    if (v.peint && Reguliere(o)) colonnes[o.i].push_back(o);
                } else if constexpr (std::is_same_v<T, OpReperes>) {
                    v.peint = !Contient(reperes, o);
                    if (v.peint) reperes.push_back(o);
                } else if constexpr (std::is_same_v<T, OpLigne>) {
                    v.peint = NouvelleLigne(j, o);
                } else if constexpr (std::is_same_v<T, OpGraphe>) {
                    const GeometrieAxes gc{o.L, o.B, o.W, o.O, o.nb};
                    v.axes = !Contient(axesVus, gc);
                    if (v.axes) axesVus.push_back(gc);
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
                    v.peint = v.axes || v.grille || v.mer.any();
                }
            },
            ops[j]);
    }

    // Pixel columns that a later column repaints from the top of the picture
    // down, through its own boxes alone: the clear may leave them.
    bandesRepeintes.clear();
    lignesRepeintes = std::numeric_limits<int>::max();
    if (std::holds_alternative<OpEfface>(ops[debut]) && effaceDirect) {
        for (std::size_t j = debut + 1; j < ops.size(); ++j) {
            const auto* o = std::get_if<OpColonne>(&ops[j]);
            if (!o || !vivants[j].peint) continue;
            const auto b = BandeRepeinte(*o);
            if (!b) continue;
            bandesRepeintes.push_back({b->first, b->second});
            lignesRepeintes = std::min(lignesRepeintes, LignesRepeintes(*o));
        }
    }
}

} // namespace terraflot
