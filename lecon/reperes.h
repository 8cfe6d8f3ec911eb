// Checkpoints of the whole state of a program: the model, the windows'
// state and the picture, kept compressed.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "etat.h"

namespace terraflot {

struct Repere {
    QByteArray modele;                 // the Modele's bytes, compressed
    std::shared_ptr<const Ihm> ihm;    // without the messages and help requests
    QByteArray image;                  // Picture1's pixels, compressed
    int largeurImage = 0, hauteurImage = 0;
    QImage::Format format = QImage::Format_Invalid;
    qint64 cleImage = 0;               // QImage::cacheKey of the captured picture
    std::uint64_t generation = 0;      // and the picture's generation then
    QImage echelle;                    // Picture4, small
    double largeur = 0, hauteur = 0;   // the drawing area's size (twips)
    std::size_t octets = 0;            // memory held
};

// The state of `p` now.  `precedent`, when given, lends its compressed
// picture if the picture has not changed since.
Repere Capture(Programme& p, const Repere* precedent = nullptr);

// Puts the checkpoint's state into `p`.  The messages and help requests of
// `p` stay: they were shown.  The platform hears of a pointer change.
void Restaure(Programme& p, const Repere& r);

// Copies the state of `source` into `cible`, as Restaure does.
void Copie(Programme& cible, Programme& source);

} // namespace terraflot
