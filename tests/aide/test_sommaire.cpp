// The table of contents and the index of the help file: each entry shows a
// title and leads to a page of the help folder.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Entree {
    QString nom, page;
};

// The "Name" and "Local" of every sitemap object of a .hhc or .hhk file.
std::vector<Entree> Entrees(const QString& chemin) {
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    const QString texte = QString::fromUtf8(f.readAll());
    static const QRegularExpression objet(
        QStringLiteral(R"(<OBJECT type="text/sitemap">(.*?)</OBJECT>)"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression param(QStringLiteral(R"x(<param name="(\w+)" value="([^"]*)">)x"),
                                          QRegularExpression::CaseInsensitiveOption);
    std::vector<Entree> liste;
    for (const auto& o : objet.globalMatch(texte)) {
        Entree e;
        for (const auto& p : param.globalMatch(o.captured(1))) {
            if (p.captured(1) == "Name") e.nom = p.captured(2);
            if (p.captured(1) == "Local") e.page = p.captured(2);
        }
        liste.push_back(e);
    }
    return liste;
}

TEST(Sommaire, EveryEntryATitleLeadingToAPage) {
    const QDir aide(QStringLiteral(AIDE_SOURCES));
    const QStringList fichiers = aide.entryList({"*.hhc", "*.hhk"}, QDir::Files);
    ASSERT_EQ(fichiers.size(), 2) << "a table of contents and an index";
    for (const QString& fichier : fichiers) {
        const std::vector<Entree> liste = Entrees(aide.filePath(fichier));
        EXPECT_GE(liste.size(), 8u) << fichier.toStdString();
        for (const Entree& e : liste) {
            SCOPED_TRACE(fichier.toStdString() + ": " + e.nom.toStdString());
            EXPECT_TRUE(QFile::exists(aide.filePath(e.page))) << "no page " << e.page.toStdString();
            EXPECT_TRUE(e.page.endsWith(".html")) << e.page.toStdString();
            EXPECT_FALSE(e.nom.isEmpty());
            EXPECT_FALSE(e.nom.contains(QRegularExpression(QStringLiteral(R"(\.html?$)"))))
                << "a file name for a title";
            EXPECT_FALSE(QFile::exists(aide.filePath(e.nom)));
        }
    }
    // The table of contents opens on the home page, whose title is "Accueil".
    const std::vector<Entree> sommaire = Entrees(aide.filePath("sommaire.hhc"));
    ASSERT_FALSE(sommaire.empty());
    EXPECT_EQ(sommaire.front().nom, "Accueil");
    EXPECT_EQ(sommaire.front().page, "index.html");
}

} // namespace
