#include "lecon.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <QDir>

namespace terraflot {

namespace {

QString Chemin(const std::string& chemin) { return QString::fromUtf8(chemin.data(), qsizetype(chemin.size())); }

std::string NomFichier(const std::string& chemin) {
    const QString nom = QFileInfo(Chemin(chemin)).fileName();
    return nom.isEmpty() ? chemin : nom.toStdString();
}

// Length of the UTF-8 character at s[k], or 0 when the bytes there are not
// one (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t Caractere(std::string_view s, std::size_t k) {
    const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = octet(k);
    if (c < 0x80) return 1;
    std::size_t n;
    char32_t u;
    if (c >= 0xC2 && c <= 0xDF) n = 2, u = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF) n = 3, u = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4) n = 4, u = c & 0x07;
    else return 0;
    if (k + n > s.size()) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((octet(k + i) & 0xC0) != 0x80) return 0;
        u = (u << 6) | (octet(k + i) & 0x3F);
    }
    if ((n == 3 && (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF))) || (n == 4 && (u < 0x10000 || u > 0x10FFFF)))
        return 0;
    return n;
}

std::string Ligne(int numero) { return "ligne " + std::to_string(numero) + " : "; }

} // namespace

std::string EnTeteLecon() {
    return "# Leçon TERRAFLOT\n"
           "# Une action par ligne, dans l'ordre où elles ont été faites ; ce qui suit\n"
           "# un # est un commentaire.  Ouvrir une leçon rejoue ses actions.\n";
}

bool LitFichierLecon(const std::string& chemin, std::string& octets, std::string& raison) {
    const QFileInfo info(Chemin(chemin));
    if (!info.exists()) return raison = "le fichier n'existe pas", false;
    if (!info.isFile()) return raison = "ce n'est pas un fichier", false;
    if (info.size() > qint64(TAILLE_LECON_MAX))
        return raison = "le fichier est trop gros pour une leçon (plus de 10 Mo)", false;
    QFile fichier(info.filePath());
    if (!fichier.open(QIODevice::ReadOnly)) return raison = "le fichier ne peut pas être lu", false;
    // The file may have grown since: never more than the bound.
    const QByteArray lus = fichier.read(qint64(TAILLE_LECON_MAX) + 1);
    if (fichier.error() != QFileDevice::NoError) return raison = "le fichier ne peut pas être lu", false;
    if (lus.size() > qsizetype(TAILLE_LECON_MAX))
        return raison = "le fichier est trop gros pour une leçon (plus de 10 Mo)", false;
    octets.assign(lus.constData(), std::size_t(lus.size()));
    return true;
}

bool AnalyseLecon(std::string_view texte, std::vector<LigneLecon>& lignes, std::string& raison) {
    lignes.clear();
    if (texte.starts_with("\xEF\xBB\xBF")) texte.remove_prefix(3);   // a byte-order mark
    int numero = 0;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        ++numero;
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) fin = texte.size();
        const std::string_view ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        if (ligne.size() > LONGUEUR_LIGNE_MAX)
            return raison = Ligne(numero) + "la ligne est trop longue (plus de 65536 octets)", false;
        for (std::size_t k = 0; k < ligne.size();) {
            const unsigned char c = static_cast<unsigned char>(ligne[k]);
            if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7F)
                return raison = Ligne(numero) + "le fichier contient des octets binaires, ce n'est pas un texte", false;
            const std::size_t n = Caractere(ligne, k);
            if (n == 0) return raison = Ligne(numero) + "le texte n'est pas en UTF-8", false;
            k += n;
        }
        LigneLecon l;
        l.numero = numero;
        ErreurLigne erreur;
        if (!Analyse(ligne, l.commande, erreur)) return raison = Ligne(numero) + erreur.francais, false;
        switch (l.commande.verbe) {
        case Verbe::Vide: case Verbe::Dump: case Verbe::Png: case Verbe::Save: case Verbe::Open:
            break;   // nothing to play
        default:
            lignes.push_back(std::move(l));
        }
    }
    return true;
}

bool EcritFichierLecon(const std::string& chemin, const std::string& texte, std::string& raison) {
    const QFileInfo info(Chemin(chemin));
    if (info.isDir()) return raison = "c'est un dossier", false;
    if (!info.absoluteDir().exists()) return raison = "son dossier n'existe pas", false;
    QSaveFile fichier(info.filePath());
    if (!fichier.open(QIODevice::WriteOnly))
        return raison = "le fichier ne peut pas être créé dans ce dossier", false;
    if (fichier.write(texte.data(), qint64(texte.size())) != qint64(texte.size()) || !fichier.commit())
        return raison = "l'écriture du fichier a échoué", false;
    return true;
}

std::string MessageOuverture(const std::string& chemin, const std::string& raison) {
    return "Impossible d'ouvrir la leçon « " + NomFichier(chemin) + " » : " + raison + ".";
}

std::string MessageEnregistrement(const std::string& chemin, const std::string& raison) {
    return "Impossible d'enregistrer la leçon « " + NomFichier(chemin) + " » : " + raison + ".";
}

} // namespace terraflot
