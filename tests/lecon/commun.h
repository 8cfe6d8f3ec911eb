// What the session tests share: the state of a driver as it can be
// compared (the dump without the messages shown, and the picture).
#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>

#include "moteur.h"

namespace essais {

struct Etat {
    std::string dump;
    std::size_t image = 0;
    bool operator==(const Etat&) const = default;
};

inline std::size_t Empreinte(const QImage& image) {
    const std::string_view octets(reinterpret_cast<const char*>(image.constBits()),
                                  std::size_t(image.sizeInBytes()));
    return std::hash<std::string_view>()(octets) ^ (std::size_t(image.width()) << 20) ^ std::size_t(image.height());
}

// Leaves the messages and help requests where they are.
inline Etat EtatDe(terraflot::Moteur& moteur) {
    terraflot::Programme& p = moteur.programme();
    auto messages = p.ihm.messages;
    auto aide = p.ihm.aide;
    p.ihm.messages.clear();
    p.ihm.aide.clear();
    Etat e{moteur.Dump(), Empreinte(p.dessin.Image())};
    p.ihm.messages = std::move(messages);
    p.ihm.aide = std::move(aide);
    return e;
}

// Plays one line; returns what the driver printed.
inline std::string Joue(terraflot::Moteur& moteur, const std::string& ligne, int numero = 1) {
    std::ostringstream sortie;
    moteur.Ligne(ligne, numero, sortie);
    return sortie.str();
}

inline void JoueTexte(terraflot::Moteur& moteur, const std::string& texte) {
    std::istringstream script(texte);
    std::ostringstream sortie;
    moteur.Execute(script, sortie);
}

} // namespace essais
