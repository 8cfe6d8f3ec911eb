// Lessons opened and refused, the line reader and the example lessons
// shipped with the program.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "commun.h"
#include "lecon.h"

namespace {

using essais::EtatDe;
using essais::Joue;
using terraflot::Moteur;

std::string Ecrit(const QTemporaryDir& d, const char* nom, const std::string& texte) {
    const std::string chemin = d.filePath(nom).toStdString();
    std::ofstream(chemin, std::ios::binary) << texte;
    return chemin;
}

// A session of a few steps, on which lessons are then opened.
void Prepare(Moteur& m) {
    essais::JoueTexte(m, "pressalt 50 3000\nmove 2000 2000\nmenu mnu_érosion\npressalt 30 -2000\n");
    m.programme().ihm.messages.clear();
}

struct Mauvaise {
    const char* nom;
    std::string texte;
    std::string message;
};

TEST(Lecon, MauvaisesLeconsRefuseesSansRienChanger) {
    QTemporaryDir d;
    std::string septieme = "# lesson\npressalt 50 3000\n\nmove 1 1\nanswer yes\ntick\nfoo 3\n";
    const Mauvaise cas[] = {
        {"inconnue.terraflot", septieme, "ligne 7 : commande inconnue « foo »"},
        {"binaire.terraflot", std::string("pressalt 50 3000\n\x01\x02\x00\xff", 21),
         "ligne 2 : le fichier contient des octets binaires, ce n'est pas un texte"},
        {"latin1.terraflot", "menu mnu_r\xe9" "ajuster\n", "ligne 1 : le texte n'est pas en UTF-8"},
        {"grand.terraflot", "pressalt 50 3000\ntick 2000000\n",
         "ligne 2 : « tick » attend au plus un nombre de pas, de 0 à 1000000 : « 2000000 » est hors des bornes"},
        {"enorme.terraflot", "press 1" + std::string(400, '0') + " 5\n",
         "ligne 1 : « press » attend deux nombres : « 1" + std::string(39, '0') + "… » est un nombre trop grand"},
        {"taille.terraflot", "resize 20000000 9000\n",
         "ligne 1 : « resize » attend deux nombres entiers de 0 à 10000000 : « 20000000 » est hors des bornes"},
        {"arguments.terraflot", "pressalt 50\n", "ligne 1 : « pressalt » attend deux nombres"},
        {"quitte.terraflot", "pressalt 50 3000\nanswer yes\nmenu Mnu_quitter\npressalt 20 3000\n",
         "ligne 3 : cette ligne quitte le programme"},
        {"longue.terraflot", "# " + std::string(70000, 'x') + "\n",
         "ligne 1 : la ligne est trop longue (plus de 65536 octets)"},
    };
    for (const Mauvaise& c : cas) {
        Moteur m(terraflot::DossierExecutable());
        Prepare(m);
        const auto avant = EtatDe(m);
        const std::string journal = m.seance().Texte();
        const std::string chemin = Ecrit(d, c.nom, c.texte);
        EXPECT_EQ(Joue(m, "open " + chemin), "") << c.nom;
        auto& messages = m.programme().ihm.messages;
        ASSERT_EQ(messages.size(), 1u) << c.nom;
        EXPECT_EQ(messages[0].texte, std::string("Impossible d'ouvrir la leçon « ") + c.nom + " » : " +
                                         c.message + ".");
        EXPECT_TRUE(messages[0].titre == "TERRAFLOT" && messages[0].icone == terraflot::Icone::Stop &&
                    messages[0].boutons == terraflot::Boutons::Ok);
        messages.clear();
        EXPECT_EQ(EtatDe(m), avant) << c.nom;
        EXPECT_EQ(m.seance().Texte(), journal) << c.nom;
        EXPECT_EQ(m.seance().Pas(), 3u);
    }
}

TEST(Lecon, FichiersIllisibles) {
    QTemporaryDir d;
    // A sparse file of 100 MB: refused on its size, without reading it.
    const std::string gros = d.filePath("gros.terraflot").toStdString();
    std::filesystem::resize_file(Ecrit(d, "gros.terraflot", ""), 100u << 20);
    const std::pair<std::string, std::string> cas[] = {
        {d.filePath("absente.terraflot").toStdString(),
         "Impossible d'ouvrir la leçon « absente.terraflot » : le fichier n'existe pas."},
        {gros, "Impossible d'ouvrir la leçon « gros.terraflot » : le fichier est trop gros pour une "
               "leçon (plus de 10 Mo)."},
        {d.path().toStdString(), "Impossible d'ouvrir la leçon « " + QDir(d.path()).dirName().toStdString() +
                                     " » : ce n'est pas un fichier."},
    };
    for (const auto& [chemin, texte] : cas) {
        Moteur m(terraflot::DossierExecutable());
        Prepare(m);
        const auto avant = EtatDe(m);
        const auto debut = std::chrono::steady_clock::now();
        bool ouverte = true;
        EXPECT_EQ(m.seance().Ouvre(chemin, &ouverte), "");
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(500));
        EXPECT_FALSE(ouverte);
        ASSERT_EQ(m.programme().ihm.messages.size(), 1u);
        EXPECT_EQ(m.programme().ihm.messages[0].texte, texte);
        m.programme().ihm.messages.clear();
        EXPECT_EQ(EtatDe(m), avant);
    }
    Moteur m(terraflot::DossierExecutable());
    bool reussi = true;
    EXPECT_EQ(m.seance().Enregistre("/nulle/part/x.terraflot", &reussi), "");
    EXPECT_FALSE(reussi);
    ASSERT_EQ(m.programme().ihm.messages.size(), 1u);
    EXPECT_EQ(m.programme().ihm.messages[0].texte,
              "Impossible d'enregistrer la leçon « x.terraflot » : son dossier n'existe pas.");
}

// Lessons written by hand: comments, blank lines, CR LF, a byte-order mark,
// dump and png lines ignored, answers replayed.
TEST(Lecon, LeconEcriteALaMain) {
    QTemporaryDir d;
    const std::string png = d.filePath("jamais.png").toStdString();
    const std::string chemin =
        Ecrit(d, "main.terraflot",
              "\xEF\xBB\xBF# Une chaîne\r\n\r\npressalt 50 3000   # un relief\r\ndump\r\npng " + png +
                  "\r\nanswer yes\r\nmenu mnu_recommencer\r\npressalt 40 2500\r\n");
    Moteur m(terraflot::DossierExecutable());
    Prepare(m);
    EXPECT_EQ(Joue(m, "open " + chemin), "");
    EXPECT_TRUE(m.programme().ihm.messages.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));

    Moteur attendu(terraflot::DossierExecutable());
    essais::JoueTexte(attendu, "pressalt 50 3000\nanswer yes\nmenu mnu_recommencer\npressalt 40 2500\n");
    EXPECT_EQ(EtatDe(m), EtatDe(attendu));
    EXPECT_EQ(m.seance().Pas(), 3u);
    // The lesson's steps can be taken back, down to the fresh program.
    for (int k = 0; k < 3; ++k) EXPECT_EQ(m.seance().Annule(), "");
    EXPECT_EQ(Joue(m, "undo"), "{\"refused\":\"undo\",\"line\":1,\"why\":\"nothing to undo\"}\n");
    EXPECT_EQ(EtatDe(m), EtatDe(*std::make_unique<Moteur>(terraflot::DossierExecutable())));
}

TEST(Lecon, AnnulerRefuseOuOublie) {
    Moteur m(terraflot::DossierExecutable());
    EXPECT_EQ(Joue(m, "redo", 4), "{\"refused\":\"redo\",\"line\":4,\"why\":\"nothing to redo\"}\n");
    // Refused actions and moves are no steps; the prelude stays.
    essais::JoueTexte(m, "move 100 100\nclick HLBBttn1\nresize 12000 9000\npressalt 50 3000\nmove 3000 3000\n");
    EXPECT_EQ(m.seance().Pas(), 1u);
    EXPECT_EQ(m.seance().Texte(), terraflot::EnTeteLecon() +
                                      "move 100 100\nresize 12000 9000\npressalt 50 3000\nmove 3000 3000\n");
    // A new step after an undo drops what could be given back.
    essais::JoueTexte(m, "pressalt 40 3000\nundo\npressalt 30 3000\n");
    EXPECT_EQ(m.seance().PasRetablir(), 0u);
    EXPECT_NE(m.seance().Texte().find("pressalt 50 3000\nmove 3000 3000\npressalt 30 3000\n"), std::string::npos);
    // A modal window blocks the Edit and File commands.
    Joue(m, "menu mnu_aide2");
    ASSERT_TRUE(m.programme().Fen("Aide").modale);
    EXPECT_EQ(m.seance().PourquoiPasAnnuler(), "the modal window Aide is open");
    EXPECT_EQ(m.seance().PourquoiPasFichier(), "the modal window Aide is open");
}

// Ticks merge into one line; the answers of a step come before it.
TEST(Lecon, JournalDesTicksEtDesReponses) {
    Moteur m(terraflot::DossierExecutable());
    essais::JoueTexte(m, "pressalt 12 2000\npressalt 13 4000\nmenu mnu_Anim_érosion\nclick HLBBttn3\n"
                         "tick 3\nmove 10 10\ntick 4\ntick 5\nclick HLBBttn4\n");
    std::string t = m.seance().Texte();
    EXPECT_NE(t.find("click HLBBttn3\ntick 3\nmove 10 10\ntick 9\nclick HLBBttn4\n"), std::string::npos) << t;
    // The queued answer and the No given for want of one.
    Moteur n(terraflot::DossierExecutable());
    essais::JoueTexte(n, "menu mnu_modifier\nbar VScroll2MV 280\nanswer yes\nmenu Préférences.mnu_quitter\n"
                         "menu mnu_modifier\nbar VScroll2MV 290\nmenu Préférences.mnu_quitter\n");
    t = n.seance().Texte();
    EXPECT_NE(t.find("answer yes\nmenu Préférences.mnu_quitter\nmenu mnu_modifier\nbar VScroll2MV 290\nanswer no\n"
                     "menu Préférences.mnu_quitter\n"),
              std::string::npos) << t;
}

// Lines read back as written, down to the extremes of a double.
TEST(Lecon, LignesRelues) {
    terraflot::Commande c;
    terraflot::ErreurLigne e;
    const std::string grand = "movealt " + terraflot::EcritNombre(1.7976931348623157e308) + " 2";
    EXPECT_EQ(grand.size(), 8u + 309u + 2u);
    for (const std::string l : {"press -0 0.1", "pressalt 0.30000000000000004 -1999.999", "bar VScroll1 -5",
                                "resize 0 10000000", "tick 1000000", "tick", "answer no", "menu mnu_dépôt",
                                grand.c_str(), "press 0.0000000000000000000000000000000000000000000001 5"}) {
        ASSERT_TRUE(terraflot::Analyse(l, c, e)) << l << ": " << e.texte;
        EXPECT_EQ(terraflot::Ecrit(c), l);
    }
    EXPECT_EQ(c.x, 1e-46);
    ASSERT_TRUE(terraflot::Analyse("press -0 1", c, e));
    EXPECT_TRUE(std::signbit(c.x));
    EXPECT_FALSE(terraflot::Analyse("press 1e5 1", c, e));
    EXPECT_EQ(e.francais, "« press » attend deux nombres : « 1e5 » n'est pas un nombre");
    EXPECT_FALSE(terraflot::Analyse("undo now", c, e));
    EXPECT_EQ(e.texte, "undo takes no argument");
}

// Each lesson shipped with the program opens without a message and changes
// the section.
TEST(Lecon, LeconsLivrees) {
    const QStringList lecons = QDir(LECONS_DIR).entryList({"*.terraflot"}, QDir::Files);
    ASSERT_EQ(lecons.size(), 3);
    for (const QString& nom : lecons) {
        Moteur m(terraflot::DossierExecutable());
        const auto depart = EtatDe(m);
        bool ouverte = false;
        EXPECT_EQ(m.seance().Ouvre((QString(LECONS_DIR) + "/" + nom).toStdString(), &ouverte), "");
        EXPECT_TRUE(ouverte) << nom.toStdString() << ": " << m.programme().ihm.messages.front().texte;
        EXPECT_TRUE(m.programme().ihm.messages.empty());
        EXPECT_GT(m.seance().Pas(), 0u);
        EXPECT_NE(EtatDe(m).dump, depart.dump);
    }
}

} // namespace
