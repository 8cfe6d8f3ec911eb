// What still shows of the deferred records.  Painting is opaque and
// deterministic, so a record that a later identical record paints again
// cannot show and is dropped; the clear may leave the pixel columns that
// later columns repaint from the top down.
#pragma once

#include <QImage>

#include <array>
#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

#include "enregistrements.h"

namespace terraflot {

// What a deferred record still shows: anything, and of a frame its axes and
// labels, its grid and which sea-level segments.
struct Vivant {
    bool peint = false;
    bool axes = false, grille = false;
    std::bitset<COLONNE_MAX + 1> mer;
};

struct GeometrieAxes {
    double L, B, W, O;
    int nb;
    bool operator==(const GeometrieAxes&) const = default;
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

// The sorting of the records.  Its buffers are kept from one painting to
// the next, so that a painting allocates nothing once the sizes are reached.
class Visibilite {
public:
    // What each record from `debut` (a clear, or the first record) still
    // shows, found from the last one back; then, when `debut` is a clear of
    // a picture written directly, the pixel columns it may leave.
    void Trie(const std::vector<Op>& ops, std::size_t debut, bool effaceDirect);

    std::vector<Vivant> vivants;
    std::vector<std::pair<int, int>> bandesRepeintes;
    int lignesRepeintes = 0;

private:
    std::array<std::vector<OpColonne>, COLONNE_MAX + 1> colonnes_;
    std::vector<OpReperes> reperes_;
    std::vector<std::uint32_t> table_;  // open addressing of the lines: index + 1, 0 free
    std::vector<GeometrieAxes> axes_;
    std::vector<GeometrieGrille> grilles_;
    std::vector<std::pair<GeometrieMer, std::bitset<COLONNE_MAX + 1>>> mers_;
};

// The clear, but for the given pixel columns over the first `lignes` rows.
void EffaceSauf(QImage& image, std::vector<std::pair<int, int>> bandes, int lignes);

} // namespace terraflot
