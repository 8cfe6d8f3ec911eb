// The help window "Comment ...", the about box and the help-file command.
#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "aide.h"
#include "programme.h"

namespace fs = std::filesystem;
using namespace terraflot;

namespace {

class PlateformeEssai : public Plateforme {
public:
    Reponse MsgBox(const Message&) override { return Reponse::Ok; }
    void OuvreAide(const std::string& chemin) override { ouvertures.push_back(chemin); }
    std::string DossierProgramme() override { return dossier; }
    std::vector<std::string> ouvertures;
    std::string dossier = "/nulle/part";
};

struct Essai : essais::Demarre<PlateformeEssai> {
    void Modes(bool Modele::*drapeau) {
        Modele& m = p.m;
        m.ModeProfil = m.ModeErosion = m.ModeMoho = m.ModeDepot = m.ModeSimulErosion =
            m.ModeGlaciation = m.AnimErosionMassif = false;
        if (drapeau) m.*drapeau = true;
    }
    const Geometrie& G(const char* cle) { return p.ihm.geometries.at(cle); }
};

// A temporary program folder, removed at the end.
struct Dossier {
    fs::path chemin;
    Dossier() {
        chemin = fs::temp_directory_path() /
                 ("terraflot-aide-" + std::to_string(::getpid()) + "-" + std::to_string(compteur++));
        fs::remove_all(chemin);
        fs::create_directories(chemin);
    }
    ~Dossier() {
        std::error_code ec;
        fs::permissions(chemin, fs::perms::owner_all, ec);
        fs::remove_all(chemin, ec);
    }
    std::string Fichier(const std::string& nom, const std::string& contenu = "x") const {
        std::ofstream(chemin / nom, std::ios::binary) << contenu;
        return (chemin / nom).string();
    }
    std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
    static inline int compteur = 0;
};

const char* const MESSAGE_ABSENT =
    "Le fichier d'aide n'a pas été trouvé dans le répertoire de l'application, vous devez le "
    "télécharger et le copier dans le dossier contenant ''TerraFlot.exe''.";

} // namespace

TEST(FenetreAide, TitreDuModeActif) {
    struct Cas {
        bool Modele::*drapeau;
        const char* titre;
    };
    const Cas cas[] = {
        {&Modele::ModeProfil, "Construire le profil d'une croûte initiale ?"},
        {&Modele::ModeErosion, " Modifier le profil de la croûte ?"},
        {&Modele::ModeMoho, " Modifier le profil du MOHO ?"},
        {&Modele::ModeDepot, "Simuler un dépôt sédimentaire? "},
        {&Modele::ModeSimulErosion, "Simuler l'érosion?"},
        {&Modele::ModeGlaciation, "Simuler une glaciation et une fonte généralisée des glaciers?"},
        {&Modele::AnimErosionMassif, "Simuler l'érosion d'un massif montagneux ?"},
        {nullptr, "Comment simuler l'érosion d'un massif montagneux ?"},
    };
    Essai e;
    std::set<std::string> textes;
    for (const Cas& c : cas) {
        e.Modes(c.drapeau);
        ASSERT_EQ(Menu(e.p, "mnu_aide2"), "");
        EXPECT_EQ(e.p.Label("Aide.Label1"), c.titre);
        const std::string& texte = e.p.Label("Aide.Label2");
        // Lines joined by CR LF only.
        EXPECT_NE(texte.find(SautLigne), std::string::npos) << c.titre;
        for (size_t k = 0; k < texte.size(); ++k)
            if (texte[k] == '\n') {
                EXPECT_TRUE(k > 0 && texte[k - 1] == '\r') << c.titre;
            }
        textes.insert(texte);
        ASSERT_EQ(Clique(e.p, "Aide.HLBBttn1"), "");
    }
    EXPECT_EQ(textes.size(), 8u) << "each topic has its own text";

    // A later flag in the table wins over an earlier one.
    e.Modes(&Modele::ModeProfil);
    e.p.m.ModeGlaciation = true;
    Menu(e.p, "mnu_aide2");
    EXPECT_EQ(e.p.Label("Aide.Label1"), "Simuler une glaciation et une fonte généralisée des glaciers?");
}

TEST(FenetreAide, LaFenetreGranditAvecLeTexte) {
    Essai e;
    struct Mesure {
        int texte, bouton, fenetre;
    };
    auto mesure = [&](bool Modele::*drapeau) {
        e.Modes(drapeau);
        Menu(e.p, "mnu_aide2");
        const Geometrie& l1 = e.G("Aide.Label1");
        const Geometrie& l2 = e.G("Aide.Label2");
        const Geometrie& b = e.G("Aide.HLBBttn1");
        EXPECT_EQ(l1.hauteur, 564);
        EXPECT_EQ(l2.largeur, 5490);
        EXPECT_EQ(b.haut, l2.hauteur + l1.hauteur + 300);
        EXPECT_EQ(e.p.Fen("Aide").hauteur, b.hauteur + l2.hauteur + l1.hauteur + 1200);
        // The text fits in its label, the button lies below it.
        EXPECT_GE(l2.hauteur, HauteurTexte(e.p.Label("Aide.Label2"), 5490));
        EXPECT_GT(b.haut, l1.haut + l1.hauteur);
        Mesure m{l2.hauteur, b.haut, e.p.Fen("Aide").hauteur};
        Clique(e.p, "Aide.HLBBttn1");
        return m;
    };
    const Mesure depot = mesure(&Modele::ModeDepot);
    const Mesure glace = mesure(&Modele::ModeGlaciation);
    EXPECT_GT(glace.texte, depot.texte) << "the glaciation text is the longer one";
    EXPECT_EQ(glace.fenetre - depot.fenetre, glace.texte - depot.texte);
    EXPECT_EQ(glace.bouton - depot.bouton, glace.texte - depot.texte);

    // The measure itself: one line is one font height, more words more lines.
    const int ligne = HauteurTexte("Moho", 5490);
    EXPECT_GT(ligne, 0);
    EXPECT_EQ(ligne % 15, 0) << "twips of whole pixels";
    std::string long_;
    for (int k = 0; k < 40; ++k) long_ += "la croûte flotte sur le manteau ";
    EXPECT_GE(HauteurTexte(long_, 5490), 8 * ligne);
    EXPECT_EQ(HauteurTexte(std::string("a") + SautLigne + "b" + SautLigne + "c", 5490), 3 * ligne);
    EXPECT_GT(HauteurTexte(long_, 2000), HauteurTexte(long_, 5490));
}

TEST(AProposDe, NonModaleEtRameneeAuPremierPlan) {
    Essai e;
    ASSERT_EQ(Menu(e.p, "mnu_apropos"), "");
    const Fenetre& f = e.p.Fen("Apropos");
    EXPECT_EQ(f.largeur, 8310);
    EXPECT_EQ(f.hauteur, 9165);
    EXPECT_EQ(e.p.Label("Apropos.Label12"),
              "TERRAFLOT : Modélisation de l'équilibre vertical de la lithosphère continentale");
    EXPECT_TRUE(e.p.Label("Apropos.Label13").starts_with("Version 2.1"));
    EXPECT_TRUE(e.p.Label("Apropos.Label2").starts_with("Équipe TERRAFLOT"));
    // One reference a line, each with its year in brackets; the list fits its label.
    const std::string& biblio = e.p.Label("Apropos.Label3");
    size_t debut = 0;
    int n = 0;
    for (;;) {
        const size_t fin = biblio.find(SautLigne, debut);
        const std::string ref = biblio.substr(debut, fin - debut);
        EXPECT_TRUE(std::regex_search(ref, std::regex(R"(\((1[89]|20)\d\d\)\. )"))) << ref;
        ++n;
        if (fin == std::string::npos) break;
        debut = fin + 2;
    }
    EXPECT_GE(n, 5);
    const Geometrie& l3 = e.G("Apropos.Label3");
    EXPECT_EQ(l3.largeur, 7800);
    EXPECT_EQ(l3.hauteur, 4695);
    EXPECT_LE(HauteurTexte(biblio, l3.largeur), l3.hauteur);
    EXPECT_LE(HauteurTexte(e.p.Label("Apropos.Label13"), 8085), 1230);
    // Everything lies inside the client area.
    for (const char* c : {"Apropos.Label12", "Apropos.Label13", "Apropos.Picture3", "Apropos.Picture1",
                          "Apropos.HLBBttn1"}) {
        const Geometrie& g = e.G(c);
        EXPECT_LE(g.gauche + g.largeur, 8310) << c;
        EXPECT_LE(g.haut + g.hauteur, 9165) << c;
    }

    // The main window stays usable; choosing it again brings the same window forward.
    EXPECT_EQ(Menu(e.p, "mnu_aide2"), "");
    Clique(e.p, "Aide.HLBBttn1");
    const int avant = f.premierPlan;
    e.p.Label("Apropos.Label13", "marque");  // a reload would rewrite it
    ASSERT_EQ(Menu(e.p, "mnu_apropos"), "");
    EXPECT_EQ(f.premierPlan, avant + 1);
    EXPECT_EQ(e.p.Label("Apropos.Label13"), "marque");
}

TEST(FichierAide, CompteFichiers) {
    Dossier d;
    const std::string chm = d.Fichier("terraflot.chm");
    EXPECT_EQ(CompteFichiers(chm, 7), 1);
    EXPECT_EQ(CompteFichiers(chm, 0), 1);
    EXPECT_EQ(CompteFichiers(d / "absent.chm", 7), 0);
    EXPECT_EQ(CompteFichiers(d / "absent" + "/terraflot.chm", 7), 0);
    EXPECT_EQ(CompteFichiers("", 7), 0);

    // Read-only: counts with the mask 7, not with 0.
    ::chmod(chm.c_str(), 0444);
    EXPECT_EQ(CompteFichiers(chm, 7), 1);
    EXPECT_EQ(CompteFichiers(chm, 0), 0);
    ::chmod(chm.c_str(), 0644);

    // Hidden: a dot file, or a name listed in the folder's .hidden.
    const std::string point = d.Fichier(".terraflot.chm");
    EXPECT_EQ(CompteFichiers(point, 7), 1);
    EXPECT_EQ(CompteFichiers(point, 0), 0);
    d.Fichier(".hidden", "autre.txt\nterraflot.chm\n");
    EXPECT_EQ(CompteFichiers(chm, 7), 1);
    EXPECT_EQ(CompteFichiers(chm, 1), 0);

    // Wildcards.
    d.Fichier("a.chm");
    d.Fichier("b.txt");
    EXPECT_EQ(CompteFichiers(d / "*.chm", 7), 3);    // a, terraflot and .terraflot
    EXPECT_EQ(CompteFichiers(d / "*.chm", 0), 1);    // a only
    EXPECT_EQ(CompteFichiers(d / "?.*", 7), 2);
    EXPECT_EQ(CompteFichiers(d / "*", 7), 5);        // with .hidden itself

    // A folder of that name is no file.
    Dossier d2;
    fs::create_directory(d2.chemin / "terraflot.chm");
    EXPECT_EQ(CompteFichiers(d2 / "terraflot.chm", 7), 0);
    EXPECT_EQ(CompteFichiers(d2 / "terraflot.chm", 16), 1);
}

TEST(FichierAide, UtiliserTerraflot) {
    // Absent: the message, and no viewer.
    {
        Essai e;
        Dossier d;
        e.pf.dossier = d.chemin.string();
        ASSERT_EQ(Menu(e.p, "mnu_aide1"), "");
        ASSERT_EQ(e.p.ihm.messages.size(), 1u);
        const Message& m = e.p.ihm.messages[0];
        EXPECT_EQ(m.texte, MESSAGE_ABSENT);
        EXPECT_EQ(m.titre, "TERRAFLOT");
        EXPECT_EQ(m.icone, Icone::Stop);
        EXPECT_EQ(m.boutons, Boutons::Ok);
        EXPECT_TRUE(e.pf.ouvertures.empty());
        ASSERT_EQ(e.p.ihm.aide.size(), 1u);
        EXPECT_EQ(e.p.ihm.aide[0].chemin, d / "terraflot.chm");
        EXPECT_FALSE(e.p.ihm.aide[0].trouve);
        EXPECT_EQ(Menu(e.p, "mnu_profil"), "") << "the program goes on";
    }
    // Present, then hidden, then read-only: the viewer opens each time.
    {
        Essai e;
        Dossier d;
        e.pf.dossier = d.chemin.string();
        const std::string chm = d.Fichier("terraflot.chm");
        Menu(e.p, "mnu_aide1");
        d.Fichier(".hidden", "terraflot.chm\n");
        Menu(e.p, "mnu_aide1");
        fs::remove(d.chemin / ".hidden");
        ::chmod(chm.c_str(), 0444);
        Menu(e.p, "mnu_aide1");
        EXPECT_TRUE(e.p.ihm.messages.empty());
        EXPECT_EQ(e.pf.ouvertures, std::vector<std::string>(3, chm));
        ASSERT_EQ(e.p.ihm.aide.size(), 3u);
        for (const DemandeAide& a : e.p.ihm.aide) EXPECT_TRUE(a.trouve);
    }
}

TEST(FichierAide, CasseIgnoree) {
    Dossier d;
    const std::string chm = d.Fichier("TerraFlot.CHM");
    EXPECT_EQ(CompteFichiers(d / "terraflot.chm", 7), 1);
    EXPECT_EQ(CompteFichiers(d / "TERRAFLOT.chm", 7), 1);
    EXPECT_EQ(CompteFichiers(d / "t*.chm", 7), 1);
    EXPECT_EQ(CompteFichiers(d / "terraflot.chmx", 7), 0);
    EXPECT_EQ(FichiersCorrespondants(d / "terraflot.chm", 7), std::vector<std::string>{chm});
    // Only letters fold: "[" and "{" differ by the same bit as "A" and "a".
    d.Fichier("a[.txt");
    EXPECT_EQ(CompteFichiers(d / "A[.TXT", 7), 1);
    EXPECT_EQ(CompteFichiers(d / "a{.txt", 7), 0);

    // "Utiliser TerraFLOT" opens the file under the name it has in the folder.
    Essai e;
    e.pf.dossier = d.chemin.string();
    ASSERT_EQ(Menu(e.p, "mnu_aide1"), "");
    EXPECT_TRUE(e.p.ihm.messages.empty());
    EXPECT_EQ(e.pf.ouvertures, std::vector<std::string>{chm});
    // Two names differing only by case: the exact one is preferred.
    const std::string exact = d.Fichier("terraflot.chm");
    Menu(e.p, "mnu_aide1");
    ASSERT_EQ(e.pf.ouvertures.size(), 2u);
    EXPECT_EQ(e.pf.ouvertures[1], exact);
}

TEST(FichierAide, DossierDesDonnees) {
    // An installation moved anywhere: PREFIXE/bin/terraflot and
    // PREFIXE/share/terraflot/terraflot.chm.
    Dossier d;
    fs::create_directories(d.chemin / "bin");
    fs::create_directories(d.chemin / "share/terraflot");
    const std::string installe = d.Fichier("share/terraflot/terraflot.chm");
    Essai e;
    e.pf.dossier = d / "bin";
    ASSERT_EQ(Menu(e.p, "mnu_aide1"), "");
    EXPECT_TRUE(e.p.ihm.messages.empty());
    EXPECT_EQ(e.pf.ouvertures, std::vector<std::string>{installe});
    ASSERT_EQ(e.p.ihm.aide.size(), 1u);
    EXPECT_EQ(e.p.ihm.aide[0].chemin, installe);

    // A copy beside the program comes first.
    const std::string voisin = d.Fichier("bin/terraflot.chm");
    Menu(e.p, "mnu_aide1");
    EXPECT_EQ(e.pf.ouvertures.back(), voisin);
    fs::remove(voisin);

    // Neither there nor in the data folder: the message names the program's
    // folder, and the path looked at first is the one recorded.
    fs::remove(installe);
    fs::create_directory(d.chemin / "share/terraflot/terraflot.chm");   // a folder is no file
    e.p.ihm.aide.clear();
    Menu(e.p, "mnu_aide1");
    ASSERT_EQ(e.p.ihm.messages.size(), 1u);
    EXPECT_EQ(e.p.ihm.messages[0].texte, MESSAGE_ABSENT);
    ASSERT_EQ(e.p.ihm.aide.size(), 1u);
    EXPECT_EQ(e.p.ihm.aide[0].chemin, d / "bin/terraflot.chm");
    EXPECT_FALSE(e.p.ihm.aide[0].trouve);
    EXPECT_EQ(e.pf.ouvertures.size(), 2u);
}
