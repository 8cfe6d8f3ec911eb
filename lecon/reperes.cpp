#include "reperes.h"

#include <cstring>
#include <type_traits>

namespace terraflot {

static_assert(std::is_trivially_copyable_v<Modele>, "checkpoints copy the model as bytes");

namespace {

template <class Map>
std::size_t OctetsCarte(const Map& carte, std::size_t valeur) {
    std::size_t n = 0;
    for (const auto& e : carte) n += 64 + e.first.capacity() + valeur;
    return n;
}

// A fair estimate of the heap an Ihm holds.
std::size_t Octets(const Ihm& ihm) {
    std::size_t n = sizeof(Ihm) + OctetsCarte(ihm.menus, sizeof(ElementMenu)) +
                    OctetsCarte(ihm.fenetres, sizeof(Fenetre)) +
                    OctetsCarte(ihm.barres, sizeof(Barre)) +
                    OctetsCarte(ihm.geometries, sizeof(Geometrie)) +
                    OctetsCarte(ihm.etiquettesMasquees, sizeof(bool));
    for (const auto& [cle, texte] : ihm.etiquettes) n += 64 + cle.capacity() + texte.capacity();
    for (const auto& [cle, menu] : ihm.menus) n += menu.libelle.capacity();
    for (const auto& [cle, f] : ihm.fenetres) n += f.libelle.capacity();
    return n;
}

void Remplace(Programme& p, const Ihm& ihm) {
    std::vector<Message> messages = std::move(p.ihm.messages);
    std::vector<DemandeAide> aide = std::move(p.ihm.aide);
    const Pointeur avant = p.ihm.pointeur;
    p.ihm = ihm;
    p.ihm.messages = std::move(messages);
    p.ihm.aide = std::move(aide);
    if (p.ihm.pointeur != avant) p.pf.PointeurChange(p.ihm.pointeur);
}

} // namespace

Repere Capture(Programme& p, const Repere* precedent) {
    Repere r;
    r.modele = qCompress(reinterpret_cast<const uchar*>(&p.m), int(sizeof(Modele)), 1);
    auto ihm = std::make_shared<Ihm>(p.ihm);
    ihm->messages.clear();
    ihm->aide.clear();
    r.octets = r.modele.size() + Octets(*ihm);
    r.ihm = std::move(ihm);

    r.generation = p.dessin.Generation();
    Dessin::Cliche c = p.dessin.Sauve();
    r.largeur = c.largeur;
    r.hauteur = c.hauteur;
    r.echelle = c.echelle;
    r.octets += c.echelle.sizeInBytes();
    r.largeurImage = c.image.width();
    r.hauteurImage = c.image.height();
    r.format = c.image.format();
    r.cleImage = c.image.cacheKey();
    if (precedent && precedent->cleImage == r.cleImage &&
        precedent->generation == r.generation && !precedent->image.isNull()) {
        r.image = precedent->image;   // shared, counted once
    } else if (!c.image.isNull()) {
        r.image = qCompress(c.image.constBits(), int(c.image.sizeInBytes()), 1);
        r.octets += r.image.size();
    }
    return r;
}

void Restaure(Programme& p, const Repere& r) {
    const QByteArray modele = qUncompress(r.modele);
    if (modele.size() == qsizetype(sizeof(Modele))) std::memcpy(&p.m, modele.constData(), sizeof(Modele));
    Remplace(p, *r.ihm);
    Dessin::Cliche c;
    c.largeur = r.largeur;
    c.hauteur = r.hauteur;
    c.echelle = r.echelle;
    if (r.largeurImage > 0 && r.hauteurImage > 0) {
        c.image = QImage(r.largeurImage, r.hauteurImage, r.format);
        const QByteArray pixels = qUncompress(r.image);
        if (pixels.size() == c.image.sizeInBytes())
            std::memcpy(c.image.bits(), pixels.constData(), size_t(pixels.size()));
    }
    p.dessin.Restaure(c);
}

void Copie(Programme& cible, Programme& source) {
    cible.m = source.m;
    Remplace(cible, source.ihm);
    cible.dessin.Restaure(source.dessin.Sauve());
}

} // namespace terraflot
