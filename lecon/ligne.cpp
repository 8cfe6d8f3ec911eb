#include "ligne.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace terraflot {

namespace {

std::vector<std::string_view> Mots(std::string_view ligne) {
    std::vector<std::string_view> mots;
    size_t k = 0;
    while (k < ligne.size()) {
        while (k < ligne.size() && (ligne[k] == ' ' || ligne[k] == '\t')) ++k;
        size_t debut = k;
        while (k < ligne.size() && ligne[k] != ' ' && ligne[k] != '\t') ++k;
        if (k > debut) mots.push_back(ligne.substr(debut, k - debut));
    }
    return mots;
}

bool Decimal(std::string_view mot) {
    if (mot.empty() || mot[0] == '+') return false;
    for (size_t k = 0; k < mot.size(); ++k) {
        const char c = mot[k];
        if (!((c >= '0' && c <= '9') || c == '.' || (c == '-' && k == 0))) return false;
    }
    return true;
}

// Plain decimal numbers only: no inf, nan, hexadecimal or exponent.
bool Nombre(std::string_view mot, double& x) {
    if (!Decimal(mot)) return false;
    const char* fin = mot.data() + mot.size();
    auto r = std::from_chars(mot.data(), fin, x, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == fin && std::isfinite(x);
}

bool Entier(std::string_view mot, long long minimum, long long maximum, long long& n) {
    double x;
    if (!Nombre(mot, x) || x != std::floor(x) || x < double(minimum) || x > double(maximum))
        return false;
    n = static_cast<long long>(x);
    return true;
}

// A word as a message quotes it: at most 40 bytes, cut on a character.
std::string Cite(std::string_view mot) {
    if (mot.size() <= 40) return "« " + std::string(mot) + " »";
    size_t n = 40;
    while (n > 0 && (static_cast<unsigned char>(mot[n]) & 0xC0) == 0x80) --n;
    return "« " + std::string(mot.substr(0, n)) + "… »";
}

// What is wrong with a word that should be a number.
std::string PasNombre(std::string_view mot) {
    double x;
    if (Decimal(mot) && mot.find_first_of("0123456789") != std::string_view::npos &&
        !Nombre(mot, x))
        return Cite(mot) + " est un nombre trop grand";
    if (Nombre(mot, x)) return Cite(mot) + " est hors des bornes";
    return Cite(mot) + " n'est pas un nombre";
}

struct Entree {
    std::string_view mot;
    Verbe verbe;
};

constexpr Entree VERBES[] = {
    {"press", Verbe::Press},   {"pressalt", Verbe::PressAlt}, {"move", Verbe::Move},
    {"movealt", Verbe::MoveAlt}, {"menu", Verbe::Menu},       {"click", Verbe::Click},
    {"bar", Verbe::Bar},       {"tick", Verbe::Tick},         {"noticetick", Verbe::NoticeTick},
    {"answer", Verbe::Answer}, {"resize", Verbe::Resize},     {"dump", Verbe::Dump},
    {"png", Verbe::Png},       {"undo", Verbe::Undo},         {"redo", Verbe::Redo},
    {"save", Verbe::Save},     {"open", Verbe::Open},
};

std::string_view Mot(Verbe v) {
    for (const Entree& e : VERBES)
        if (e.verbe == v) return e.mot;
    return {};
}

} // namespace

bool EstAction(Verbe v) {
    switch (v) {
    case Verbe::Press: case Verbe::PressAlt: case Verbe::Move: case Verbe::MoveAlt:
    case Verbe::Menu: case Verbe::Click: case Verbe::Bar: case Verbe::Tick:
    case Verbe::NoticeTick: case Verbe::Resize:
        return true;
    default:
        return false;
    }
}

bool Analyse(std::string_view ligne, Commande& c, ErreurLigne& e) {
    c = Commande{};
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    if (auto diese = ligne.find('#'); diese != std::string_view::npos) ligne = ligne.substr(0, diese);
    const auto mots = Mots(ligne);
    if (mots.empty()) return true;
    const std::string_view cmd = mots[0];
    const std::string nom(cmd);
    const std::string cite = "« " + nom + " »";
    const size_t arguments = mots.size() - 1;
    auto rate = [&](std::string texte, std::string francais, std::string detail = {}) {
        e.texte = std::move(texte);
        e.francais = detail.empty() ? std::move(francais) : francais + " : " + detail;
        return false;
    };

    for (const Entree& entree : VERBES)
        if (entree.mot == cmd) c.verbe = entree.verbe;
    switch (c.verbe) {
    case Verbe::Vide:
        return rate("unknown command " + nom, "commande inconnue " + Cite(cmd));
    case Verbe::Press: case Verbe::PressAlt: case Verbe::Move: case Verbe::MoveAlt: {
        const std::string texte = nom + " takes two numbers";
        const std::string francais = cite + " attend deux nombres";
        if (arguments != 2) return rate(texte, francais);
        for (int k : {1, 2})
            if (!Nombre(mots[k], k == 1 ? c.x : c.y)) return rate(texte, francais, PasNombre(mots[k]));
        return true;
    }
    case Verbe::Menu: case Verbe::Click:
        if (arguments != 1) return rate(nom + " takes one name", cite + " attend un nom");
        c.nom = mots[1];
        return true;
    case Verbe::Bar: {
        const char* texte = "bar takes a name and a whole number";
        const std::string francais = cite + " attend un nom et un nombre entier";
        if (arguments != 2) return rate(texte, francais);
        if (!Entier(mots[2], -2147483647, 2147483647, c.n))
            return rate(texte, francais, PasNombre(mots[2]));
        c.nom = mots[1];
        return true;
    }
    case Verbe::Tick: {
        const char* texte = "tick takes an optional count from 0 to 1000000";
        const std::string francais = cite + " attend au plus un nombre de pas, de 0 à 1000000";
        c.n = 1;
        if (arguments > 1) return rate(texte, francais);
        if (arguments == 1 && !Entier(mots[1], 0, TICKS_PAR_LIGNE_MAX, c.n))
            return rate(texte, francais, PasNombre(mots[1]));
        return true;
    }
    case Verbe::NoticeTick: case Verbe::Dump: case Verbe::Undo: case Verbe::Redo:
        if (arguments != 0) return rate(nom + " takes no argument", cite + " ne prend pas d'argument");
        return true;
    case Verbe::Answer:
        if (arguments != 1 || (mots[1] != "yes" && mots[1] != "no"))
            return rate("answer takes yes or no", cite + " attend yes ou no");
        c.oui = mots[1] == "yes";
        return true;
    case Verbe::Resize: {
        const char* texte = "resize takes two whole numbers from 0 to 10000000";
        const std::string francais = cite + " attend deux nombres entiers de 0 à 10000000";
        if (arguments != 2) return rate(texte, francais);
        for (int k : {1, 2})
            if (!Entier(mots[k], 0, TAILLE_CADRE_MAX, k == 1 ? c.n : c.h))
                return rate(texte, francais, PasNombre(mots[k]));
        return true;
    }
    case Verbe::Png: case Verbe::Save: case Verbe::Open:
        if (arguments != 1) return rate(nom + " takes one file name", cite + " attend un nom de fichier");
        c.nom = mots[1];
        return true;
    }
    return true;
}

std::string EcritNombre(double x) {
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed);
    return std::string(tampon, r.ptr);
}

std::string Ecrit(const Commande& c) {
    std::string ligne(Mot(c.verbe));
    switch (c.verbe) {
    case Verbe::Press: case Verbe::PressAlt: case Verbe::Move: case Verbe::MoveAlt:
        return ligne + ' ' + EcritNombre(c.x) + ' ' + EcritNombre(c.y);
    case Verbe::Menu: case Verbe::Click: case Verbe::Png: case Verbe::Save: case Verbe::Open:
        return ligne + ' ' + c.nom;
    case Verbe::Bar: return ligne + ' ' + c.nom + ' ' + std::to_string(c.n);
    case Verbe::Tick: return c.n == 1 ? ligne : ligne + ' ' + std::to_string(c.n);
    case Verbe::Answer: return ligne + (c.oui ? " yes" : " no");
    case Verbe::Resize: return ligne + ' ' + std::to_string(c.n) + ' ' + std::to_string(c.h);
    default: return ligne;
    }
}

} // namespace terraflot
