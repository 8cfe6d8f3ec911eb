#include "aide.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "etat.h"

namespace terraflot {

namespace {

// French spacing: the blank before ? ! : ; and inside « » does not break,
// so that a word-wrapped caption never starts a line with a lone sign.
std::string Insecables(std::string texte) {
    static const std::pair<const char*, const char*> paires[] = {
        {" ?", "\u00a0?"}, {" !", "\u00a0!"}, {" :", "\u00a0:"}, {" ;", "\u00a0;"},
        {"« ", "«\u00a0"}, {" »", "\u00a0»"}};
    for (const auto& [de, vers] : paires)
        for (size_t k = texte.find(de); k != std::string::npos; k = texte.find(de, k))
            texte.replace(k, std::strlen(de), vers);
    return texte;
}

std::string Lignes(std::initializer_list<const char*> lignes) {
    std::string texte;
    for (const char* l : lignes) {
        if (!texte.empty()) texte += SautLigne;
        texte += l;
    }
    return Insecables(texte);
}

struct Sujet {
    const char* titre;
    std::string texte;
};

// The suggestions shared by the mountain-erosion topics.
const char* const SUGGESTIONS_MASSIF[] = {
    "- suivez les roches profondes (niveaux repères orange et magenta) : à quelle altitude "
    "arrivent-elles à la fin de l'érosion ?",
    "- choisissez « Erosion seule » : sans compensation, le relief s'use-t-il plus vite ou "
    "moins vite ?",
    "- relevez le volume érodé et le temps écoulé, puis comparez-les entre les deux cas.",
};

std::string TexteMassif(const char* paragraphe) {
    return Lignes({paragraphe, "", "Suggestions :", SUGGESTIONS_MASSIF[0], SUGGESTIONS_MASSIF[1],
                   SUGGESTIONS_MASSIF[2]});
}

// The topic of the active tool mode: the flags are read in this order and a
// later one that is on replaces an earlier one.
Sujet SujetCourant(const Modele& m) {
    Sujet s{"Comment simuler l'érosion d'un massif montagneux ?",
            TexteMassif("L'érosion peut être poursuivie tant que le niveau 0 n'est pas "
                        "atteint partout (bouton « Pas à pas... » ou « Démarrer »). Vous pouvez "
                        "aussi simuler un dépôt sédimentaire ou une glaciation à partir du "
                        "relief obtenu (menu « Calcul »).")};
    if (m.ModeProfil)
        s = {"Construire le profil d'une croûte initiale ?",
             Lignes({"C'est le mode de départ. Cliquez dans chaque colonne à l'altitude que "
                     "doit avoir sa surface, ou à la profondeur du fond sous la mer : TERRAFLOT "
                     "donne aussitôt à la colonne la racine crustale qui l'équilibre. Choisissez "
                     "des altitudes et des profondeurs réalistes.",
                     "",
                     "Suggestions :",
                     "- construisez une chaîne de montagnes et observez l'épaisseur de sa racine ;",
                     "- construisez un bassin marin et comparez l'épaisseur de sa croûte ;",
                     "- dans « Préférences », « Modifier les valeurs », changez les masses "
                     "volumiques de la croûte et du manteau, puis reconstruisez le même relief : "
                     "comment la racine change-t-elle ? C'est le principe de l'isostasie."})};
    if (m.ModeErosion)
        s = {" Modifier le profil de la croûte ?",
             Lignes({"Cliquez dans chaque colonne à la nouvelle altitude du socle. La colonne "
                     "n'est alors plus en équilibre : déplacez le curseur sur la coupe, le "
                     "tableau de bord montre une anomalie négative (bleu : la colonne tend à "
                     "remonter) ou positive (rouge : elle tend à s'enfoncer).",
                     "",
                     "Suggestions :",
                     "- choisissez « Réajustement Isostatique » et observez la montée ou la "
                     "descente des colonnes ;",
                     "- observez les zones profondes de la croûte, où se forment les roches "
                     "métamorphiques et les granites."})};
    if (m.ModeMoho)
        s = {" Modifier le profil du MOHO ?",
             Lignes({"Cliquez dans chaque colonne à la profondeur que doit avoir le Moho : la "
                     "croûte s'épaissit (comme lors d'une compression) ou s'amincit (comme "
                     "après une extension).",
                     "",
                     "Suggestions :",
                     "- choisissez « Réajustement Isostatique » ;",
                     "- observez en surface l'effet d'un épaississement (un relief se forme) "
                     "et celui d'un amincissement (un bassin se creuse)."})};
    if (m.ModeDepot)
        s = {"Simuler un dépôt sédimentaire? ",
             Lignes({"Cliquez dans chaque colonne à l'altitude du sommet du dépôt : les "
                     "sédiments remplissent la colonne jusqu'à ce niveau.",
                     "",
                     "Suggestions :",
                     "- choisissez « Réajustement Isostatique » : le rééquilibrage tient compte "
                     "de l'épaisseur des sédiments ;",
                     "- comparez l'épaisseur déposée à l'enfoncement du bassin qui en résulte."})};
    if (m.ModeSimulErosion)
        s = {"Simuler l'érosion?",
             Lignes({"Cliquez dans chaque colonne à la nouvelle altitude de la surface "
                     "d'érosion. Par défaut, seules les altitudes positives sont érodées.",
                     "",
                     "Suggestions :",
                     "- déplacez le curseur sur la coupe : le tableau de bord montre les "
                     "anomalies créées par l'érosion ;",
                     "- choisissez « Réajustement Isostatique » et mesurez la remontée du "
                     "relief."})};
    if (m.ModeGlaciation)
        s = {"Simuler une glaciation et une fonte généralisée des glaciers?",
             Lignes({"Cliquez dans chaque colonne à l'altitude du sommet de la glace : une "
                     "calotte glaciaire se pose sur la croûte.",
                     "",
                     "Suggestions :",
                     "- choisissez « Réajustement Isostatique » : la croûte s'enfonce sous le "
                     "poids de la glace ;",
                     "- suivez la croûte grâce aux niveaux repères et cherchez où les roches "
                     "de la croûte commencent à fondre ;",
                     "- dans le menu « Calcul », choisissez la fonte glaciaire : tous les "
                     "glaciers disparaissent et le rebond isostatique apparaît."})};
    if (m.AnimErosionMassif)
        s = {"Simuler l'érosion d'un massif montagneux ?",
             TexteMassif("Le relief évolue au cours du temps. L'érosion est d'autant plus "
                         "rapide que l'altitude est élevée, et chaque cycle d'érosion est suivi "
                         "d'un rebond isostatique.")};
    return s;
}

// Help window layout (twips).
constexpr int AIDE_GAUCHE = 240;
constexpr int AIDE_HAUT = 120;
constexpr int AIDE_LARGEUR_TEXTE = 5490;
constexpr int AIDE_HAUTEUR_TITRE = 564;
constexpr int AIDE_LARGEUR = AIDE_LARGEUR_TEXTE + 2 * AIDE_GAUCHE + 120;
constexpr int BOUTON_LARGEUR = 960;
constexpr int BOUTON_HAUTEUR = 480;

void Centre(Programme& p, Fenetre& f) {
    f.gauche = std::max(0, (p.ihm.LargeurEcran - f.largeur) / 2);
    f.haut = std::max(0, (p.ihm.HauteurEcran - f.hauteur) / 2);
}

} // namespace

int HauteurTexte(const std::string& texte, int largeur, bool gras) {
    QFont police(QString::fromLatin1(POLICE_AIDE));
    police.setPixelSize(TAILLE_POLICE_AIDE_PX);
    police.setBold(gras);
    const QFontMetrics fm(police);
    QString t = QString::fromStdString(texte);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, largeur / 15), 1 << 20),
                                    Qt::TextWordWrap, t);
    return std::max(r.height(), fm.height()) * 15;
}

void mnu_aide2_Click(Programme& p) {
    // Rebuilt at each opening: it shows the mode of this moment.
    if (p.Chargee("Aide")) p.Decharge("Aide");
    Fenetre& f = p.Fen("Aide");
    f.chargee = true;
    f.libelle = "Comment ...";

    const Sujet s = SujetCourant(p.m);
    p.Label("Aide.Label1", s.titre);
    p.Label("Aide.Label2", s.texte);

    Geometrie& label1 = p.ihm.geometries["Aide.Label1"];
    label1 = {AIDE_GAUCHE, AIDE_HAUT, AIDE_LARGEUR_TEXTE, AIDE_HAUTEUR_TITRE};
    Geometrie& label2 = p.ihm.geometries["Aide.Label2"];
    label2 = {AIDE_GAUCHE, AIDE_HAUT + AIDE_HAUTEUR_TITRE, AIDE_LARGEUR_TEXTE,
              HauteurTexte(s.texte, AIDE_LARGEUR_TEXTE)};
    Geometrie& bouton = p.ihm.geometries["Aide.HLBBttn1"];
    bouton = {(AIDE_LARGEUR - BOUTON_LARGEUR) / 2, label2.hauteur + label1.hauteur + 300,
              BOUTON_LARGEUR, BOUTON_HAUTEUR};
    f.largeur = AIDE_LARGEUR;
    f.hauteur = bouton.hauteur + label2.hauteur + label1.hauteur + 1200;
    Centre(p, f);

    f.visible = true;
    f.modale = true;
}

void Aide_HLBBttn1_Click(Programme& p) { p.Decharge("Aide"); }

// About box layout (twips), client area 8310 x 9165.
namespace {
constexpr int APROPOS_LARGEUR = 8310;
constexpr int APROPOS_HAUTEUR = 9165;

void Apropos_Load(Programme& p) {
    Centre(p, p.Charge("Apropos", "A propos de...", APROPOS_LARGEUR, APROPOS_HAUTEUR));

    p.Label("Apropos.Label12",
            "TERRAFLOT : Modélisation de l'équilibre vertical de la lithosphère continentale");
    p.Label("Apropos.Label13",
            Lignes({"Version 2.1 - décembre 2026",
                    "Logiciel pédagogique pour l'enseignement de la géologie au collège et au "
                    "lycée. Il peut être copié et utilisé librement dans les établissements "
                    "scolaires, sans but commercial. Il est fourni tel quel, sans aucune "
                    "garantie : les valeurs calculées illustrent un modèle simplifié et ne "
                    "remplacent pas une mesure."}));
    p.Label("Apropos.Label4", "Bibliographie");
    p.Label("Apropos.Label3",
            Lignes({"Airy G. B. (1855). On the computation of the effect of the attraction of "
                    "mountain-masses... Philosophical Transactions of the Royal Society of "
                    "London, 145, 101-104.",
                    "Pratt J. H. (1855). On the attraction of the Himalaya Mountains... "
                    "Philosophical Transactions of the Royal Society of London, 145, 53-100.",
                    "Heiskanen W. A., Vening Meinesz F. A. (1958). The Earth and Its Gravity "
                    "Field. McGraw-Hill.",
                    "England P., Molnar P. (1990). Surface uplift, uplift of rocks, and "
                    "exhumation of rocks. Geology, 18, 1173-1177.",
                    "Jolivet L., Nataf H.-C. (1998). Géodynamique. Dunod.",
                    "Watts A. B. (2001). Isostasy and Flexure of the Lithosphere. Cambridge "
                    "University Press.",
                    "Turcotte D. L., Schubert G. (2002). Geodynamics, 2e édition. Cambridge "
                    "University Press.",
                    "Fowler C. M. R. (2005). The Solid Earth: An Introduction to Global "
                    "Geophysics, 2e édition. Cambridge University Press."}));
    p.Label("Apropos.Label1", "Auteur :");
    p.Label("Apropos.Label2", Lignes({"Équipe TERRAFLOT", "Logiciel pédagogique de géologie",
                                      "Sciences de la Vie et de la Terre"}));
    p.Label("Apropos.Label15", Insecables("Contact : remarques et suggestions par le dépôt du projet."));

    auto& g = p.ihm.geometries;
    g["Apropos.Label12"] = {150, 120, 8010, 495};
    g["Apropos.Label13"] = {120, 660, 8085, 1230};
    g["Apropos.Picture3"] = {120, 1980, 8085, 5070};
    g["Apropos.Label4"] = {120, 60, 7800, 255};        // inside Picture3
    g["Apropos.Label3"] = {120, 330, 7800, 4695};      // inside Picture3
    g["Apropos.Picture1"] = {120, 7200, 4425, 1740};
    g["Apropos.Label1"] = {120, 60, 2000, 255};        // inside Picture1
    g["Apropos.Label2"] = {120, 345, 3300, 840};       // inside Picture1
    g["Apropos.Label15"] = {120, 1230, 4200, 450};     // inside Picture1
    g["Apropos.Picture2"] = {3540, 120, 750, 750};     // inside Picture1
    g["Apropos.HLBBttn1"] = {APROPOS_LARGEUR - 240 - BOUTON_LARGEUR,
                             APROPOS_HAUTEUR - 240 - BOUTON_HAUTEUR, BOUTON_LARGEUR,
                             BOUTON_HAUTEUR};
}
} // namespace

void mnu_apropos_Click(Programme& p) {
    // Modeless; choosing it again brings the same window forward.
    if (!p.Chargee("Apropos")) Apropos_Load(p);
    Fenetre& f = p.Fen("Apropos");
    ++f.premierPlan;
    f.visible = true;
    f.modale = false;
}

void Apropos_HLBBttn1_Click(Programme& p) { p.Decharge("Apropos"); }

namespace {

char Minuscule(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// '*' any run of characters, '?' any one character; nothing else is special.
// Letters match whatever their case, as in a directory search of the
// program's original platform.
bool Correspond(std::string_view motif, std::string_view nom) {
    size_t m = 0, n = 0, etoile = std::string_view::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && (motif[m] == '?' || Minuscule(motif[m]) == Minuscule(nom[n]))) {
            ++m;
            ++n;
        } else if (m < motif.size() && motif[m] == '*') {
            etoile = m++;
            reprise = n;
        } else if (etoile != std::string_view::npos) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == '*') ++m;
    return m == motif.size();
}

constexpr int LECTURE_SEULE = 1;
constexpr int CACHE = 2;
constexpr int DOSSIER = 16;

// Names listed in the folder's ".hidden" file are hidden, as dot files are.
std::vector<std::string> NomsCaches(const std::string& dossier) {
    std::vector<std::string> noms;
    std::ifstream in(dossier + "/.hidden");
    std::string ligne;
    while (noms.size() < 10000 && std::getline(in, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (!ligne.empty()) noms.push_back(ligne);
    }
    return noms;
}

// Attributes of a directory entry, or -1 when it is neither a file nor a
// folder (a pipe, a device, a dangling link): those never count.
int Attributs(const std::string& chemin, const std::string& nom,
              const std::vector<std::string>& caches) {
    struct stat st;
    if (::stat(chemin.c_str(), &st) != 0) return -1;
    int a = 0;
    if (S_ISDIR(st.st_mode)) a |= DOSSIER;
    else if (!S_ISREG(st.st_mode)) return -1;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) a |= LECTURE_SEULE;
    if (nom.starts_with('.') || std::find(caches.begin(), caches.end(), nom) != caches.end())
        a |= CACHE;
    return a;
}

} // namespace

std::vector<std::string> FichiersCorrespondants(const std::string& chemin, int masque) {
    std::vector<std::string> trouves;
    if (chemin.empty()) return trouves;
    const size_t barre = chemin.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : chemin.substr(0, barre);
    const std::string motif = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    if (motif.empty()) return trouves;
    const std::string prefixe = barre == std::string::npos ? "" : chemin.substr(0, barre + 1);
    const std::vector<std::string> caches = NomsCaches(dossier);
    auto convient = [&](const std::string& nom) {
        if (nom == "." || nom == "..") return false;
        const int a = Attributs(dossier + "/" + nom, nom, caches);
        return a >= 0 && (a & ~masque) == 0;
    };
    DIR* d = ::opendir(dossier.c_str());
    if (!d) {
        // A folder that can be entered but not listed: only the exact name.
        if (motif.find_first_of("*?") == std::string::npos && convient(motif))
            trouves.push_back(chemin);
        return trouves;
    }
    while (const dirent* e = ::readdir(d))
        if (Correspond(motif, e->d_name) && convient(e->d_name)) trouves.push_back(prefixe + e->d_name);
    ::closedir(d);
    std::sort(trouves.begin(), trouves.end());
    return trouves;
}

int CompteFichiers(const std::string& chemin, int masque) {
    return static_cast<int>(FichiersCorrespondants(chemin, masque).size());
}

namespace {

constexpr const char* NOM_AIDE = "terraflot.chm";

// The help file in `dossier`, whatever the case of its name (the exact name
// first when several differ only by case); empty when there is none.
std::string AideDans(const std::string& dossier) {
    const std::string chemin = dossier + "/" + NOM_AIDE;
    const std::vector<std::string> trouves = FichiersCorrespondants(chemin, 7);
    if (trouves.empty()) return {};
    if (std::find(trouves.begin(), trouves.end(), chemin) != trouves.end()) return chemin;
    return trouves.front();
}

// The installed data folder, found from the program's folder so that a
// relocated installation finds it too.
std::string DossierDonnees(const std::string& dossierProgramme) {
    return (std::filesystem::path(dossierProgramme) / DOSSIER_DONNEES_DEPUIS_PROGRAMME)
        .lexically_normal()
        .string();
}

} // namespace

void mnu_aide1_Click(Programme& p) {
    // Beside the program first, then in the installed data folder.
    const std::string dossier = p.pf.DossierProgramme();
    std::string chemin = AideDans(dossier);
    if (chemin.empty()) chemin = AideDans(DossierDonnees(dossier));
    const bool trouve = !chemin.empty();
    p.ihm.aide.push_back({trouve ? chemin : dossier + "/" + NOM_AIDE, trouve});
    if (!trouve) {
        p.MsgBox("Le fichier d'aide n'a pas été trouvé dans le répertoire de l'application, vous "
                 "devez le télécharger et le copier dans le dossier contenant ''TerraFlot.exe''.",
                 Boutons::Ok, Icone::Stop);
        return;
    }
    p.pf.OuvreAide(chemin);
}

} // namespace terraflot
