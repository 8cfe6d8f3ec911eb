// The picture of the drawing area Picture1, painted in twips into an
// off-screen image that the window shows, and the scale-bar picture of the
// legend panel Picture4.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

#include "isostasie.h"
#include "couleurs.h"

namespace terraflot {

// Twips per pixel at 96 dpi.
inline constexpr double TWIPS_PAR_PIXEL = 15.0;

// Size of the legend panel Picture4 and of the erosion panel Picture2 (twips).
inline constexpr int LARGEUR_PICTURE4 = 5900;
inline constexpr int HAUTEUR_PICTURE4 = 2025;
inline constexpr int LARGEUR_PICTURE2 = 6420;
inline constexpr int HAUTEUR_PICTURE2 = 2025;

// How the drawing calls reach the picture.  Litteral paints every call at
// once, as the calls are written; Differe records them and paints, when the
// picture is read, only what is still visible: the same pixels, far fewer
// paints during a whole-section pass.  Aucun paints nothing: the model's
// own cost, for measurements.
enum class Protocole { Litteral, Differe, Aucun };

class Dessin : public DessinColonnes {
public:
    explicit Dessin(Modele& m);
    // A copy of `autre`'s pictures and pending calls, drawing the model m.
    Dessin(const Dessin& autre, Modele& m);
    ~Dessin() override;

    // The size of Picture1 (twips); the image is reallocated when it changes.
    void Redimensionne(double largeurTwips, double hauteurTwips);
    // Clears Picture1 to CouleurFond.
    void Efface();

    // One column: its boxes, then the frame, then the erosion-profile marker
    // while the animation mode is on.
    void DessineRectangle2(int i, double altSocle, double epSocle,
                           double epGlace, double epSediments) override;
    // Clamps the column's reference levels, paints the zones and the red
    // initial-limit line while they are shown, then the frame.
    void ReprésenteNiveauxRemarquables(int i) override;
    // Axes, arrows, altitude labels, grid and sea-level line.
    void GRAPHE();
    // A plain line in Picture1 (erosion-level marks), twips.
    void Ligne(double x1, double y1, double x2, double y2, Rgb couleur);

    // The picture as the user sees it.
    const QImage& Image();
    // Its size, without painting what is pending.
    QSize TailleImage() const;

    // Picture4: cleared, then the one-column scale bar and "20 km".
    void EchelleHorizontale();
    const QImage& ImageEchelle();

    void ChoisitProtocole(Protocole protocole);
    // Paints the deferred calls that still show (Image() does it).
    void PeintEnAttente();
    Protocole ProtocoleActuel() const { return protocole_; }

    // The whole state of both pictures, for the session's checkpoints: the
    // pending calls are painted first, so that the pictures and the size of
    // the drawing area are all there is.  The images are shared until one
    // side paints again.
    struct Cliche {
        QImage image, echelle;
        double largeur = 0, hauteur = 0;
    };
    Cliche Sauve();
    void Restaure(const Cliche& cliche);

    // Bumps whenever either picture changes, so that windows repaint.
    std::uint64_t Generation() const { return generation_; }

private:
    struct Prive;
    template <class T> void Enregistre(T op);
    Modele& m_;
    std::unique_ptr<Prive> d_;
    std::uint64_t generation_ = 0;
    Protocole protocole_ = Protocole::Differe;
};

} // namespace terraflot
