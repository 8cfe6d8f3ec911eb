#include "session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <mutex>
#include <sstream>
#include <thread>

#include "etat.h"
#include "commandes.h"
#include "menus.h"
#include "isostasie.h"

namespace essais {

using terraflot::Colonnes;
using terraflot::Modele;
using terraflot::Programme;

namespace {

// Plain decimal form, as the driver reads numbers (no exponent).
std::string Nombre(double x) {
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed);
    return std::string(tampon, r.ptr);
}

// --- Random actions ---------------------------------------------------------

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

    // Weights: presses and moves most, the panel's buttons while it shows,
    // the bars while the dialog is open.
    const int poids[] = {
        22,                    // 0 pressalt
        6,                     // 1 press
        8,                     // 2 movealt / move
        14,                    // 3 menu
        panneau ? 14 : 2,      // 4 click
        preferences ? 20 : 1,  // 5 bar
        panneau ? 8 : 2,       // 6 tick
        1,                     // 7 noticetick
        3,                     // 8 answer
        2,                     // 9 resize
    };
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

// --- Checks -----------------------------------------------------------------

namespace {

std::atomic<long long> debutLigne{0};   // steady-clock ms, 0 when idle
std::mutex verrou;
std::string ligneEnCours;
std::string contexte;
const std::vector<std::string>* sessionEnCours = nullptr;

long long MaintenantMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Echec Rate(size_t ligne, std::string sorte, std::string detail) {
    return {true, ligne, std::move(sorte), std::move(detail)};
}

// Every value the model stores is finite.
std::string NonFini(const Modele& m) {
    for (const auto& [nom, t] : terraflot::TABLEAUX_COLONNES)
        for (int i = 0; i < terraflot::NB_ELEMENTS; ++i)
            if (!std::isfinite((m.*t)[i]))
                return std::string(nom) + "[" + std::to_string(i) + "] = " + Nombre((m.*t)[i]);
    const std::pair<const char*, double> scalaires[] = {
        {"MvOcean", m.MvOcean}, {"MvCroute", m.MvCroute}, {"MvManteau", m.MvManteau},
        {"MvSediments", m.MvSediments}, {"MvGlace", m.MvGlace}, {"EpCrouteRef", m.EpCrouteRef},
        {"MvOceanSauve", m.MvOceanSauve}, {"MvCrouteSauve", m.MvCrouteSauve},
        {"MvManteauSauve", m.MvManteauSauve}, {"MvSedimentsSauve", m.MvSedimentsSauve},
        {"MvGlaceSauve", m.MvGlaceSauve}, {"EpCrouteRefSauve", m.EpCrouteRefSauve},
        {"EpCrouteRefCourante", m.EpCrouteRefCourante}, {"EpSocleMax", m.EpSocleMax},
        {"SommeErosion", m.SommeErosion}, {"TempsEcoule", m.TempsEcoule},
        {"YCurseur", m.YCurseur}, {"LargeurZone", m.LargeurZone},
        {"HauteurZone", m.HauteurZone}, {"LargeurGraphe", m.LargeurGraphe},
        {"HauteurGraphe", m.HauteurGraphe}, {"LargeurColonne", m.LargeurColonne},
        {"AltRepereProfondM", m.AltRepereProfondM},
        {"AltRepereIntermediaireM", m.AltRepereIntermediaireM}};
    for (const auto& [nom, x] : scalaires)
        if (!std::isfinite(x)) return std::string(nom) + " = " + Nombre(x);
    return {};
}

// Element 0 of every array keeps the value it had after start-up.
std::string ElementZero(const Modele& m, const Modele& depart) {
    for (const auto& [nom, t] : terraflot::TABLEAUX_COLONNES)
        if (!((m.*t)[0] == (depart.*t)[0]))
            return std::string(nom) + "[0] = " + Nombre((m.*t)[0]) + ", " + Nombre((depart.*t)[0]) +
                   " after start-up";
    return {};
}

bool Proche(double a, double b, double tolerance = 1e-6) {
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

// Relations 1 to 3 of the section model for every column in use, and a dry
// column at the altitude its equilibrium gives.  After the second pass the
// Moho and mantle of a flooded column follow the previous pass's altitude:
// relations 2 and 3 are then only asked of dry columns.
std::string Relations(const Modele& m, bool passe2) {
    const int n = std::min<int>(m.NbColonnes, terraflot::COLONNE_MAX);
    for (int i = 1; i <= n; ++i) {
        const double s = m.EpSediments[i], g = m.EpGlace[i];
        const std::string col = " in column " + std::to_string(i);
        if (!Proche(m.AltSurface[i], m.AltSocle[i] + s + g))
            return "AltSurface " + Nombre(m.AltSurface[i]) + " != AltSocle + EpSediments + EpGlace " +
                   Nombre(m.AltSocle[i] + s + g) + col;
        const bool sec = m.HauteurEau[i] == 0 && m.AltSocle[i] + s + g >= 0;
        if ((sec || !passe2) && !Proche(m.ProfMoho[i], m.EpSocle[i] - m.AltSocle[i]))
            return "ProfMoho " + Nombre(m.ProfMoho[i]) + " != EpSocle - AltSocle " +
                   Nombre(m.EpSocle[i] - m.AltSocle[i]) + col;
        if ((sec || !passe2) && !Proche(m.EpManteau[i], m.NivCompensation - m.ProfMoho[i], 1e-5))
            return "EpManteau " + Nombre(m.EpManteau[i]) + " != NivCompensation - ProfMoho " +
                   Nombre(m.NivCompensation - m.ProfMoho[i]) + col;
        if (sec) {
            const double h = terraflot::AltSocleEquilibre(
                m, m.AltSurface[i], m.AltSocle[i], m.EpSocle[i], m.MvOcean, m.MvCroute,
                m.MvManteau, m.EpCrouteRef, m.NivCompensation, g, s, m.MvSediments);
            if (!Proche(m.AltSocle[i], h, 1e-9))
                return "dry AltSocle " + Nombre(m.AltSocle[i]) + " != AltSocleEquilibre " +
                       Nombre(h) + col;
        }
    }
    return {};
}

// While the zones are shown, each level lies between the Moho and the
// basement top, both included.  An erosion cycle rounds the basement top to
// the metre after it has drawn the column: half a metre is allowed.
std::string Reperes(const Modele& m) {
    if (!m.RepresenteReperes) return {};
    const int n = std::min<int>(m.NbColonnes, terraflot::COLONNE_MAX);
    for (int i = 1; i <= n; ++i) {
        if (m.AltSocle[i] < -m.ProfMoho[i]) continue;   // a basement thinner than nothing
        for (const auto& [nom, t] : {std::pair{"AltRepereProfond", &Modele::AltRepereProfond},
                                     std::pair{"AltRepereIntermediaire", &Modele::AltRepereIntermediaire}}) {
            const double a = (m.*t)[i];
            if (a > m.AltSocle[i] + 0.0005 + 1e-9 || a < -m.ProfMoho[i] - 0.0005 - 1e-9)
                return std::string(nom) + "[" + std::to_string(i) + "] = " + Nombre(a) +
                       " outside [-ProfMoho, AltSocle] = [" + Nombre(-m.ProfMoho[i]) + ", " +
                       Nombre(m.AltSocle[i]) + "]";
        }
    }
    return {};
}

// Removes what a refused action may change from a dump: the messages and
// help requests it reports, and what the program computes on the way to a
// refusal (the pressed column, the pressures of the columns checked before
// erosion, the pointer).
QJsonObject SansMessages(const std::string& dump, const std::string& ligne) {
    QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(dump)).object();
    o.remove("messages");
    o.remove("help");
    o.remove("pointer");
    QJsonObject valeurs = o.value("values").toObject();
    valeurs.remove("ColonneClic");
    o.insert("values", valeurs);
    QJsonObject colonnes = o.value("columns").toObject();
    colonnes.remove("PressionCompensation");
    o.insert("columns", colonnes);
    if (ligne == "click HLBBttn3") {
        // "Démarrer" fixes the levels before its checks.
        QJsonObject drapeaux = o.value("flags").toObject();
        drapeaux.remove("ReperesFixes");
        o.insert("flags", drapeaux);
    }
    if (ligne == "menu mnu_Anim_érosion") {
        // Entering the animation closes the parameters dialog and disables
        // "Modifier les valeurs " before its checks.
        for (const char* cle : {"labels", "menus", "windows", "controls"}) {
            QJsonObject partie = o.value(cle).toObject();
            for (const QString& k : partie.keys())
                if (k.startsWith(QStringLiteral("Préférences")) || k == "mnu_modifier") partie.remove(k);
            o.insert(cle, partie);
        }
        o.remove("bars");
    }
    return o;
}

// First path where two dumps differ.
std::string Difference(const QJsonValue& a, const QJsonValue& b, const std::string& chemin) {
    if (a.type() != b.type()) return chemin;
    if (a.isObject()) {
        const QJsonObject oa = a.toObject(), ob = b.toObject();
        for (const QString& k : oa.keys()) {
            if (!ob.contains(k)) return chemin + "/" + k.toStdString() + " (gone)";
            if (auto d = Difference(oa.value(k), ob.value(k), chemin + "/" + k.toStdString()); !d.empty())
                return d;
        }
        for (const QString& k : ob.keys())
            if (!oa.contains(k)) return chemin + "/" + k.toStdString() + " (new)";
        return {};
    }
    if (a.isArray()) {
        const QJsonArray ta = a.toArray(), tb = b.toArray();
        if (ta.size() != tb.size()) return chemin + " (size)";
        for (qsizetype k = 0; k < ta.size(); ++k)
            if (auto d = Difference(ta.at(k), tb.at(k), chemin + "/" + std::to_string(k)); !d.empty())
                return d;
        return {};
    }
    if (a != b) {
        auto texte = [](const QJsonValue& v) {
            QJsonArray t{v};
            return QJsonDocument(t).toJson(QJsonDocument::Compact).toStdString();
        };
        return chemin + ": " + texte(a) + " -> " + texte(b);
    }
    return {};
}

enum class Passe { Aucune, Reequilibrage, Reequilibrage2 };

// Which whole-section pass ends the action, judged from the state before it.
Passe PasseAttendue(const std::string& ligne, const Programme& avant) {
    if (ligne == "menu mnu_réajuster")
        return avant.m.ModeMoho ? Passe::Reequilibrage2 : Passe::Reequilibrage;
    if (ligne == "menu mnu_affichetableau") return Passe::Reequilibrage2;
    for (const char* l : {"menu mnu_profil", "menu mnu_InitialiserNiveauxRepères",
                          "menu mnu_quadrillage", "menu mnu_ReprésenterNiveauxRepères",
                          "menu mnu_recommencer"})
        if (ligne == l) return Passe::Reequilibrage;
    if (ligne.starts_with("resize ")) return Passe::Reequilibrage;
    return Passe::Aucune;
}

int Ticks(const std::string& ligne) {
    if (!ligne.starts_with("tick")) return 0;
    return ligne.size() > 5 ? std::atoi(ligne.c_str() + 5) : 1;
}

} // namespace

Echec Joue(std::vector<std::string>& lignes, const Limites& limites, Compteurs* compteurs,
           std::mt19937_64* generer, size_t nombre) {
    terraflot::Moteur moteur(terraflot::DossierExecutable());
    Programme& p = moteur.programme();
    const Modele depart = p.m;
    {
        std::lock_guard<std::mutex> l(verrou);
        sessionEnCours = &lignes;
    }
    struct Fin {
        ~Fin() {
            std::lock_guard<std::mutex> l(verrou);
            sessionEnCours = nullptr;
        }
    } fin;
    std::string avant = moteur.Dump();
    const size_t total = generer ? nombre : lignes.size();

    for (size_t k = 0; k < total; ++k) {
        if (generer) {
            if (p.ihm.termine) {
                if (compteurs) ++compteurs->fins;
                break;
            }
            lignes.push_back(ActionAleatoire(*generer, moteur));
        }
        const std::string& ligne = lignes[k];
        const Passe passe = PasseAttendue(ligne, p);
        const bool finiAvant = p.ihm.termine;
        {
            std::lock_guard<std::mutex> l(verrou);
            ligneEnCours = ligne;
        }
        const long long t0 = MaintenantMs();
        debutLigne = t0;
        std::ostringstream sortie;
        const bool continuer = moteur.Ligne(ligne, int(k + 1), sortie);
        const long long duree = MaintenantMs() - t0;
        debutLigne = 0;

        if (!continuer) return Rate(k, "error", "the driver rejected the line: " + sortie.str());
        const bool refusee = sortie.str().find("\"refused\"") != std::string::npos;
        bool refus = false;
        bool reponseOui = false;
        for (const terraflot::Message& msg : p.ihm.messages) {
            if (msg.boutons == terraflot::Boutons::Ok &&
                (msg.icone == terraflot::Icone::Stop || msg.icone == terraflot::Icone::Question))
                refus = true;
            if (msg.reponse == terraflot::Reponse::Oui) reponseOui = true;
        }
        if (compteurs) {
            ++compteurs->actions;
            compteurs->refusees += refusee;
            compteurs->messages += refus;
        }

        const double permis = limites.msParLigne + limites.msParTick * Ticks(ligne);
        if (double(duree) > permis)
            return Rate(k, "time", "took " + std::to_string(duree) + " ms (bound " +
                                       std::to_string(long(permis)) + " ms)");
        if (auto d = NonFini(p.m); !d.empty()) return Rate(k, "finite", d);
        if (auto d = ElementZero(p.m, depart); !d.empty()) return Rate(k, "zero", d);

        std::string apres = moteur.Dump();
        if (refusee || refus) {
            const QJsonObject a = refusee ? QJsonDocument::fromJson(QByteArray::fromStdString(avant)).object()
                                          : SansMessages(avant, ligne);
            QJsonObject b = refusee ? QJsonDocument::fromJson(QByteArray::fromStdString(apres)).object()
                                    : SansMessages(apres, ligne);
            if (refusee) {
                // The driver's refusal reports nothing, but the previous
                // dump already took the earlier messages.
                QJsonObject a2 = a;
                a2.remove("messages");
                a2.remove("help");
                b.remove("messages");
                b.remove("help");
                if (auto d = Difference(a2, b, ""); !d.empty())
                    return Rate(k, "refused", "a refused action changed " + d);
            } else if (auto d = Difference(a, b, ""); !d.empty()) {
                return Rate(k, "refusal", "an action refused with a message changed " + d);
            }
        }
        if (!finiAvant && !refusee && !refus && !p.ihm.termine) {
            if (passe != Passe::Aucune) {
                if (compteurs) ++compteurs->passes;
                if (auto d = Relations(p.m, passe == Passe::Reequilibrage2); !d.empty())
                    return Rate(k, "relations", d);
            } else if (ligne == "menu Préférences.mnu_quitter" && reponseOui) {
                if (compteurs) ++compteurs->passes;
                if (auto d = Relations(p.m, false); !d.empty()) return Rate(k, "relations", d);
            }
        }
        if (auto d = Reperes(p.m); !d.empty()) return Rate(k, "levels", d);
        avant = std::move(apres);
    }
    return {};
}

std::vector<std::string> Reduit(std::vector<std::string> lignes, const Echec& echec,
                                const Limites& limites) {
    lignes.resize(std::min(lignes.size(), echec.ligne + 1));
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    auto echoue = [&](std::vector<std::string>& essai) {
        const Echec e = Joue(essai, limites);
        if (!e.echoue || e.sorte != echec.sorte) return false;
        essai.resize(e.ligne + 1);
        return true;
    };
    for (size_t morceau = std::max<size_t>(1, lignes.size() / 2); morceau >= 1;) {
        bool reduit = false;
        for (size_t debut = 0; debut < lignes.size() && std::chrono::steady_clock::now() < fin;) {
            std::vector<std::string> essai;
            essai.insert(essai.end(), lignes.begin(), lignes.begin() + long(debut));
            essai.insert(essai.end(), lignes.begin() + long(std::min(lignes.size(), debut + morceau)),
                         lignes.end());
            if (!essai.empty() && echoue(essai)) {
                lignes = std::move(essai);
                reduit = true;
            } else {
                debut += morceau;
            }
        }
        if (std::chrono::steady_clock::now() >= fin) break;
        if (morceau == 1 && !reduit) break;
        if (!reduit) morceau /= 2;
    }
    return lignes;
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

void Contexte(std::string texte) {
    std::lock_guard<std::mutex> l(verrou);
    contexte = std::move(texte);
}

void DemarreChien(double secondes) {
    std::thread([secondes] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const long long t0 = debutLigne;
            if (t0 != 0 && double(MaintenantMs() - t0) > secondes * 1000) {
                std::lock_guard<std::mutex> l(verrou);
                std::fprintf(stderr, "\nHANG (%s): one line has run for more than %.0f s: %s\n",
                             contexte.c_str(), secondes, ligneEnCours.c_str());
                if (sessionEnCours) {
                    std::fprintf(stderr, "The session up to it:\n");
                    for (const std::string& l : *sessionEnCours) std::fprintf(stderr, "%s\n", l.c_str());
                }
                std::fflush(stderr);
                std::abort();
            }
        }
    }).detach();
}

} // namespace essais
