#include "moteur.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <istream>
#include <iterator>
#include <ostream>
#include <vector>

#include "commandes.h"
#include "demarrage.h"
#include "json.h"

namespace terraflot {

std::string DossierExecutable() {
    std::error_code ec;
    auto chemin = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return chemin.parent_path().string();
}

Moteur::Moteur(std::string dossier)
    : plateforme_(std::move(dossier)), programme_(std::make_unique<Programme>(plateforme_)) {
    Programme& p = *programme_;
    // A 1280 x 1024 screen.
    p.ihm.LargeurEcran = 1280 * 15;
    p.ihm.HauteurEcran = 1024 * 15;
    DemarreSession(p);
    seance_ = std::make_unique<Seance>(p);
}

namespace {

// Labels of the start-up notice that the program hides.
constexpr const char* AVERTISSEMENT_MASQUABLES[] = {"Avertissement.Label8", "Avertissement.Label10"};

// The bytes as UTF-8, each byte that is not UTF-8 written as U+FFFD.
std::string Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size())).toStdString();
}

std::string Echappe(std::string_view s) { return Json().Texte(Utf8(s)).Resultat(); }

// The picture as PNG in FILE, every byte of it written.
bool EcritPng(const QImage& image, std::string_view nom) {
    QByteArray png;
    QBuffer tampon(&png);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG")) return false;
    QFile fichier(QString::fromUtf8(nom.data(), qsizetype(nom.size())));
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool ecrit = fichier.write(png) == png.size() && fichier.flush();
    fichier.close();
    return ecrit && fichier.error() == QFileDevice::NoError;
}

// The longest script line read.
constexpr size_t LIGNE_MAX = 64 * 1024;

enum class Lecture { Ligne, Fin, TropLongue, Erreur };

Lecture LitLigne(std::istream& script, std::string& ligne) {
    ligne.clear();
    std::streambuf* tampon = script.rdbuf();
    if (!tampon) return Lecture::Erreur;
    try {
        for (;;) {
            const int c = tampon->sbumpc();
            if (c == std::char_traits<char>::eof()) return ligne.empty() ? Lecture::Fin : Lecture::Ligne;
            if (c == '\n') return Lecture::Ligne;
            if (ligne.size() == LIGNE_MAX) return Lecture::TropLongue;
            ligne += char(c);
        }
    } catch (const std::exception&) {
        // A read error (a directory, a device that fails).
        return Lecture::Erreur;
    }
}

const char* NomIcone(Icone i) {
    switch (i) {
    case Icone::Stop: return "stop";
    case Icone::Question: return "question";
    case Icone::Exclamation: return "exclamation";
    case Icone::Information: return "information";
    case Icone::Aucune: break;
    }
    return "none";
}

const char* NomReponse(Reponse r) {
    switch (r) {
    case Reponse::Oui: return "yes";
    case Reponse::Non: return "no";
    case Reponse::Ok: break;
    }
    return "ok";
}

std::string Couleur(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", unsigned(c & 0xFFFFFF));
    return buf;
}

} // namespace

bool Moteur::Ligne(std::string_view brute, int numero, std::ostream& sortie) {
    Commande c;
    ErreurLigne erreur;
    if (!Analyse(brute, c, erreur)) {
        Erreur(sortie, erreur.texte, numero);
        return false;
    }
    Programme& p = *programme_;
    std::string refus;
    switch (c.verbe) {
    case Verbe::Vide: return true;
    case Verbe::Answer: plateforme_.reponses.push_back(c.oui); return true;
    case Verbe::Dump: sortie << Dump() << '\n'; return true;
    case Verbe::Png: {
        if (!EcritPng(p.dessin.Image(), c.nom)) {
            Erreur(sortie, "png cannot write " + c.nom, numero);
            return false;
        }
        return true;
    }
    case Verbe::Undo: refus = seance_->Annule(); break;
    case Verbe::Redo: refus = seance_->Retablit(); break;
    case Verbe::Save: refus = seance_->Enregistre(c.nom); break;
    case Verbe::Open: refus = seance_->Ouvre(c.nom); break;
    default: refus = seance_->Joue(c); break;
    }
    if (!refus.empty()) {
        std::string_view texte = brute;
        while (!texte.empty() && (texte.back() == '\r' || texte.back() == '\n')) texte.remove_suffix(1);
        sortie << "{\"refused\":" << Echappe(texte) << ",\"line\":" << numero
               << ",\"why\":" << Echappe(refus) << "}\n";
    }
    return true;
}

void Moteur::Erreur(std::ostream& sortie, std::string_view pourquoi, int numero) {
    sortie << "{\"error\":" << Echappe(pourquoi) << ",\"line\":" << numero << "}\n";
}

int Moteur::Execute(std::istream& script, std::ostream& sortie) {
    std::string ligne;
    for (int numero = 1;; ++numero) {
        const Lecture l = LitLigne(script, ligne);
        if (l == Lecture::Fin) break;
        if (l != Lecture::Ligne) {
            Erreur(sortie, l == Lecture::TropLongue ? "line longer than 65536 bytes" : "cannot read the script",
                   numero);
            sortie.flush();
            return 2;
        }
        if (!Ligne(ligne, numero, sortie)) {
            sortie.flush();
            return 2;
        }
    }
    sortie.flush();
    return 0;
}

std::string Moteur::Dump() {
    Programme& p = *programme_;
    const Modele& m = p.m;
    Json j;
    j.Objet();

    auto nombres = [&](const char* objet, const auto& table) {
        j.Cle(objet).Objet();
        for (const auto& [nom, champ] : table) j.Cle(nom).Nombre(LitNombre(m, champ));
        j.FinObjet();
    };
    nombres("params", PARAMETRES);
    j.Cle("flags").Objet();
    for (const auto& [nom, drapeau] : DRAPEAUX) j.Cle(nom).Booleen(m.*drapeau);
    j.FinObjet();
    nombres("values", VALEURS);

    j.Cle("columns").Objet();
    for (const auto& [nom, tableau] : TABLEAUX_COLONNES) {
        j.Cle(nom).Tableau();
        for (double x : m.*tableau) j.Nombre(x);
        j.FinTableau();
    }
    j.FinObjet();

    auto chargee = [&](std::string_view cle) {
        auto point = cle.find('.');
        return p.Chargee(point == std::string_view::npos ? std::string_view("Quiral")
                                                          : cle.substr(0, point));
    };
    j.Cle("labels").Objet();
    for (const auto& [cle, texte] : p.ihm.etiquettes)
        if (chargee(cle)) j.Cle(cle).Texte(texte);
    j.FinObjet();

    j.Cle("menus").Objet();
    for (const auto& [cle, menu] : p.ihm.menus) {
        if (!chargee(cle)) continue;
        j.Cle(cle).Objet();
        j.Cle("caption").Texte(menu.libelle);
        for (auto [nom, oui] : {std::pair{"checked", menu.coche}, {"enabled", menu.actif},
                                {"visible", menu.visible}})
            j.Cle(nom).Booleen(oui);
        j.FinObjet();
    }
    j.FinObjet();

    j.Cle("windows").Objet();
    for (const char* nom : {"MDIForm1", "Quiral", "Tableau_bord", "Avertissement", "Préférences",
                            "Aide", "Apropos"}) {
        auto it = p.ihm.fenetres.find(std::string_view(nom));
        const Fenetre f = it == p.ihm.fenetres.end() ? Fenetre{} : it->second;
        j.Cle(nom).Objet();
        j.Cle("loaded").Booleen(f.chargee);
        j.Cle("visible").Booleen(f.visible);
        if (f.chargee) {
            j.Cle("caption").Texte(f.libelle);
            for (auto [nom, v] : {std::pair{"left", f.gauche}, {"top", f.haut},
                                  {"width", f.largeur}, {"height", f.hauteur}})
                j.Cle(nom).Entier(v);
        }
        j.FinObjet();
    }
    j.FinObjet();

    j.Cle("controls").Objet();
    // One object per control: the place the program gives it beside its state.
    auto place = [&](std::string_view cle) -> Json& {
        auto it = p.ihm.geometries.find(cle);
        if (it == p.ihm.geometries.end()) return j;
        const Geometrie& g = it->second;
        return j.Cle("left").Entier(g.gauche).Cle("top").Entier(g.haut)
            .Cle("width").Entier(g.largeur).Cle("height").Entier(g.hauteur);
    };
    j.Cle("Quiral.Picture2").Objet().Cle("visible").Booleen(p.ihm.Picture2_visible);
    place("Quiral.Picture2").FinObjet();
    j.Cle("Quiral.Option1").Objet().Cle("value").Booleen(p.ihm.Option1).FinObjet();
    j.Cle("Quiral.Option2").Objet().Cle("value").Booleen(p.ihm.Option2).FinObjet();
    j.Cle("Quiral.Picture3").Objet().Cle("backcolor").Texte(Couleur(p.ihm.Picture3_back)).FinObjet();
    j.Cle("Quiral.Picture10").Objet().Cle("backcolor").Texte(Couleur(p.ihm.Picture10_back)).FinObjet();
    if (p.Chargee("Tableau_bord")) {
        j.Cle("Tableau_bord.Picture1").Objet().Cle("backcolor")
            .Texte(Couleur(p.ihm.TableauPicture1_back)).FinObjet();
        j.Cle("Tableau_bord.Label1").Objet()
            .Cle("backcolor").Texte(Couleur(p.ihm.TableauLabel1_back))
            .Cle("forecolor").Texte(Couleur(p.ihm.TableauLabel1_fore)).FinObjet();
    }
    if (p.Chargee("Préférences"))
        j.Cle("Préférences.Gauge1").Objet().Cle("value").Entier(p.ihm.Gauge1_value).FinObjet();
    if (p.Chargee("Avertissement"))
        for (const char* cle : AVERTISSEMENT_MASQUABLES) {
            j.Cle(cle).Objet().Cle("visible").Booleen(!p.ihm.etiquettesMasquees.contains(std::string_view(cle)));
            place(cle).FinObjet();
        }
    for (const auto& [cle, g] : p.ihm.geometries) {
        if (!chargee(cle) || cle == "Quiral.Picture2" ||
            std::ranges::find(AVERTISSEMENT_MASQUABLES, cle) != std::end(AVERTISSEMENT_MASQUABLES))
            continue;
        j.Cle(cle).Objet();
        place(cle).FinObjet();
    }
    j.FinObjet();

    if (p.Chargee("Préférences")) {
        j.Cle("bars").Objet();
        for (const auto& [nom, barre] : p.ihm.barres)
            j.Cle(nom).Objet().Cle("value").Entier(barre.valeur).Cle("min").Entier(barre.min)
                .Cle("max").Entier(barre.max).FinObjet();
        j.FinObjet();
    }

    j.Cle("timers").Objet();
    j.Cle("Quiral.Timer1").Objet().Cle("enabled").Booleen(p.ihm.Timer1.actif)
        .Cle("interval").Entier(p.ihm.Timer1.intervalle).FinObjet();
    if (p.Chargee("Avertissement"))
        j.Cle("Avertissement.Timer1").Objet().Cle("enabled").Booleen(p.ihm.TimerAvertissement.actif)
            .Cle("interval").Entier(p.ihm.TimerAvertissement.intervalle).FinObjet();
    j.FinObjet();

    const char* pointeur = p.ihm.pointeur == Pointeur::Sablier ? "hourglass"
                           : p.ihm.pointeur == Pointeur::Fleche ? "arrow"
                                                                : "default";
    j.Cle("pointer").Texte(pointeur);

    j.Cle("messages").Tableau();
    for (const Message& msg : p.ihm.messages) {
        j.Objet();
        j.Cle("title").Texte(Utf8(msg.titre));
        j.Cle("text").Texte(Utf8(msg.texte));
        j.Cle("icon").Texte(NomIcone(msg.icone));
        j.Cle("buttons").Texte(msg.boutons == Boutons::OuiNon ? "yesno" : "ok");
        j.Cle("answer").Texte(NomReponse(msg.reponse));
        j.FinObjet();
    }
    j.FinTableau();
    p.ihm.messages.clear();

    j.Cle("help").Tableau();
    for (const DemandeAide& d : p.ihm.aide)
        j.Objet().Cle("path").Texte(Utf8(d.chemin)).Cle("found").Booleen(d.trouve).FinObjet();
    j.FinTableau();
    p.ihm.aide.clear();

    j.Cle("ended").Booleen(p.ihm.termine);
    j.FinObjet();
    return j.Resultat();
}

} // namespace terraflot
