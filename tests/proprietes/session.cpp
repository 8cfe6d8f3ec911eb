#include "session.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>

#include "commandes.h"
#include "etat.h"
#include "menus.h"

namespace essais {

using terraflot::Modele;
using terraflot::Programme;

namespace {

// Plain decimal form, as the driver reads numbers (no exponent).
std::string Nombre(double x) {
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed);
    return std::string(tampon, r.ptr);
}

const char* const BOUTONS[] = {"HLBBttn1", "HLBBttn2", "HLBBttn3", "HLBBttn4", "HLBBttn5",
                               "Option1", "Option2", "Aide.HLBBttn1", "Apropos.HLBBttn1",
                               "Avertissement.Command1"};

const char* const BARRES[] = {"VScroll1MV", "VScroll2MV", "VScroll3MV", "VScroll4MV",
                              "VScroll5MV", "VScroll1NC", "VScroll2NC", "VScroll3NC",
                              "VScroll31NC", "VScroll1", "VScroll2", "HScroll1"};

template <class T, size_t N>
const T& Un(std::mt19937_64& h, const T (&liste)[N]) {
    return liste[h() % N];
}

double Uniforme(std::mt19937_64& h, double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(h);
}

int Entier(std::mt19937_64& h, int a, int b) { return std::uniform_int_distribution<int>(a, b)(h); }

// An altitude (m) where something happens: the press limits, the column's
// own surfaces, or anywhere.
double Altitude(std::mt19937_64& h, const Modele& m, int c) {
    static const double bords[] = {9000,  9000.001, 8999.999, -2000, -1999.999, -2000.001,
                                   -6000, -6000.001, -5999.999, 0,   -1,        1,
                                   10000, -70000,   -200000,   1e7, -1e7,      0.0005};
    const int i = (c >= 1 && c <= terraflot::COLONNE_MAX) ? c : 1;
    switch (h() % 6) {
    case 0: return Un(h, bords);
    case 1: return m.AltSocle[i] * 1000 + Uniforme(h, -50, 50);
    case 2: return (m.AltSocle[i] + m.EpSediments[i] + m.EpGlace[i]) * 1000 + Uniforme(h, -3, 3);
    case 3: return -m.ProfMoho[i] * 1000 + Uniforme(h, -3000, 3000);
    default: return std::round(Uniforme(h, -12000, 11000));
    }
}

// A column number: mostly those in use, sometimes left of the first, right
// of the last, or past the arrays' end.
double Colonne(std::mt19937_64& h, const Modele& m) {
    switch (h() % 10) {
    case 0: return Un(h, (const double[]){-1, 0, 0.999, 100, 100.5, 101, 102, 150, 1e6});
    case 1: return m.NbColonnes + Entier(h, 1, 3);
    case 2: return Uniforme(h, 0, m.NbColonnes + 1);
    default: return Entier(h, 1, std::max<int>(1, m.NbColonnes));
    }
}

std::string Position(std::mt19937_64& h, const Modele& m) {
    double x, y;
    if (h() % 8 == 0) {
        static const double loin[] = {-1e7, -1, 0, 399.999, 400, 1e7, 3.4e38};
        x = Un(h, loin);
        y = Un(h, loin);
    } else {
        x = Uniforme(h, -500, m.LargeurZone + 3000);
        y = Uniforme(h, -1500, m.HauteurZone + 1500);
    }
    return Nombre(x) + " " + Nombre(y);
}

int Taille(std::mt19937_64& h, int minimum) {
    switch (h() % 6) {
    case 0: return Un(h, (const int[]){0, 1, 2999, 3000, 2399, 2400});
    case 1: return minimum + Entier(h, 0, 10);
    case 2: return Un(h, (const int[]){200000, 1000000, 10000000});
    default: return Entier(h, minimum, 30000);
    }
}

} // namespace

std::string ActionAleatoire(std::mt19937_64& h, terraflot::Moteur& moteur) {
    Programme& p = moteur.programme();
    const Modele& m = p.m;
    const bool panneau = p.ihm.Picture2_visible;
    const bool preferences = p.Chargee("Préférences") && p.Fen("Préférences").visible;

    // Weights of pressalt, press, move(alt), menu, click, bar, tick, noticetick,
    // answer and resize: presses and moves most, the panel's buttons while it
    // shows, the bars while the dialog is open.
    const int poids[] = {22, 6, 8, 14, panneau ? 14 : 2, preferences ? 20 : 1, panneau ? 8 : 2, 1, 3, 2};
    // A pupil soon closes the modal help window that blocks everything else.
    if (p.Chargee("Aide") && h() % 3 == 0) return "click Aide.HLBBttn1";
    std::discrete_distribution<int> sorte(std::begin(poids), std::end(poids));
    switch (sorte(h)) {
    case 0: {
        const double c = Colonne(h, m);
        return "pressalt " + Nombre(c) + " " + Nombre(Altitude(h, m, int(c)));
    }
    case 1: return "press " + Position(h, m);
    case 2:
        if (h() % 2) return "move " + Position(h, m);
        else {
            const double c = Colonne(h, m);
            return "movealt " + Nombre(c) + " " + Nombre(Altitude(h, m, int(c)));
        }
    case 3: {
        // Quitting is rare, so that sessions last.
        std::string nom = terraflot::MENUS_QUIRAL[h() % std::size(terraflot::MENUS_QUIRAL)].nom;
        if (nom == "Mnu_quitter" && h() % 4) nom = "mnu_réajuster";
        if (h() % 6 == 0) nom = "Préférences.mnu_quitter";
        if (h() % 40 == 0) nom = "mnu_inconnu";
        return "menu " + nom;
    }
    case 4: return std::string("click ") + Un(h, BOUTONS);
    case 5: {
        const std::string nom = Un(h, BARRES);
        int v = 0;
        auto it = p.ihm.barres.find(nom);
        const int bas = it == p.ihm.barres.end() ? 0 : it->second.min;
        const int haut = it == p.ihm.barres.end() ? 100 : it->second.max;
        switch (h() % 5) {
        case 0: v = bas; break;
        case 1: v = haut; break;
        case 2: v = Un(h, (const int[]){bas - 1, haut + 1, -2147483647, 2147483647, 0}); break;
        default: v = Entier(h, std::min(bas, haut), std::max(bas, haut)); break;
        }
        return "bar " + nom + " " + std::to_string(v);
    }
    case 6: return "tick " + std::to_string(h() % 4 ? Entier(h, 1, 5) : Entier(h, 6, 40));
    case 7: return "noticetick";
    case 8: return h() % 3 ? "answer yes" : "answer no";
    default:
        return "resize " + std::to_string(Taille(h, terraflot::LARGEUR_CADRE_MIN)) + " " +
               std::to_string(Taille(h, terraflot::HAUTEUR_CADRE_MIN));
    }
}

unsigned long long GraineDuJour() {
    static const unsigned long long graine = [] {
        if (const char* e = std::getenv("TERRAFLOT_GRAINE")) return std::strtoull(e, nullptr, 10);
        return static_cast<unsigned long long>(std::time(nullptr) / 86400);
    }();
    static const bool affichee =
        (std::printf("Random sessions: seed %llu (replay with TERRAFLOT_GRAINE=%llu)\n", graine, graine),
         std::fflush(stdout), true);
    (void)affichee;
    return graine;
}

} // namespace essais
