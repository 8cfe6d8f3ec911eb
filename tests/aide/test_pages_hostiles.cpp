// Help pages made to hurt: deep tables and lists, one style sheet named a
// thousand times, huge pages. The cleaning keeps what is allowed and bounds
// the rest (the viewer on arbitrary pages is the fuzz target's).
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "page_aide.h"

using namespace terraflot;

namespace {

std::string Repete(const std::string& motif, int n) {
    std::string s;
    s.reserve(motif.size() * size_t(n));
    for (int k = 0; k < n; ++k) s += motif;
    return s;
}

std::string Tables(int n) {
    return "<html><body>" + Repete("<table><tr><td>etage", n) + "fond" + Repete("</td></tr></table>", n) +
           "</body></html>";
}

std::string Listes(int n) {
    return "<html><body>" + Repete("<ul><li>etage", n) + "fond" + Repete("</li></ul>", n) + "</body></html>";
}

size_t Compte(const std::string& s, const std::string& mot) {
    size_t n = 0;
    for (size_t k = s.find(mot); k != std::string::npos; k = s.find(mot, k + 1)) ++n;
    return n;
}

PageNettoyee Nettoie(const std::string& page) {
    return NettoiePage(page, [](std::string_view href) -> std::optional<FeuilleDeStyle> {
        if (href == "a.css" || href == "./a.css") return FeuilleDeStyle{"/a.css", "p { color: red; }"};
        if (href == "b.css") return FeuilleDeStyle{"/b.css", "</style><img src=x>"};
        return std::nullopt;
    });
}

} // namespace

TEST(NettoyagePage, BalisesEtAttributsPermis) {
    const PageNettoyee p = Nettoie(
        "<html><head><title>Titre &amp; co</title><script>alert(1)</script></head>"
        "<body bgcolor=\"#ffffff\" onload=\"x()\"><h1 onclick=\"y()\">Isostasie</h1>"
        "<p>Texte <b>gras</b> &lt;balise&gt;<iframe src=\"http://x\">cadre</iframe></p>"
        "<a href=\"page2.html#ancre\">suite</a> <a href=\"https://exemple.fr\">web</a> "
        "<a href=\"javascript:z()\">js</a> <a href=\"file:///etc/passwd\">fichier</a>"
        "<img src=\"images/coupe.png\" width=\"300\"> <img src=\"file:///dev/zero\">"
        "<img src=\"data:image/png;base64,AAAA\" width=\"99999999\"><base href=\"file:///\">"
        "<blink>clignote</blink><td colspan=\"9999\">x</td></body></html>");
    EXPECT_FALSE(p.raccourcie);
    const std::string& h = p.html;
    EXPECT_NE(h.find("<title>Titre &amp; co</title>"), std::string::npos) << h;
    EXPECT_NE(h.find("<body bgcolor=\"#ffffff\">"), std::string::npos) << h;
    EXPECT_NE(h.find("<h1>Isostasie</h1>"), std::string::npos) << h;
    EXPECT_NE(h.find("Texte <b>gras</b> &lt;balise&gt;"), std::string::npos) << h;
    EXPECT_NE(h.find("<a href=\"page2.html#ancre\">suite</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a href=\"https://exemple.fr\">web</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a>js</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<a>fichier</a>"), std::string::npos) << h;
    EXPECT_NE(h.find("<img src=\"images/coupe.png\" width=\"300\">"), std::string::npos) << h;
    EXPECT_NE(h.find("clignote"), std::string::npos) << h;
    for (const char* absent : {"script", "alert", "onload", "onclick", "iframe", "cadre", "file:",
                               "data:", "99999999", "<base", "9999", "blink"})
        EXPECT_EQ(h.find(absent), std::string::npos) << absent << " in " << h;
}

TEST(NettoyagePage, ImbricationsBornees) {
    // Tables and lists inside one another are cut at a few levels; what is
    // inside them still shows.
    for (int n : {25, 3000}) {
        const PageNettoyee p = Nettoie(Tables(n));
        EXPECT_TRUE(p.raccourcie);
        EXPECT_EQ(Compte(p.html, "<table"), size_t(LimitesPage::TABLEAUX)) << n;
        EXPECT_EQ(Compte(p.html, "<table"), Compte(p.html, "</table>"));
        EXPECT_NE(p.html.find(n < 100 ? "fond" : "etage"), std::string::npos);
        EXPECT_NE(p.html.find(PAGE_RACCOURCIE), std::string::npos);
    }
    const PageNettoyee l = Nettoie(Listes(20000));
    EXPECT_TRUE(l.raccourcie);
    EXPECT_EQ(Compte(l.html, "<ul"), size_t(LimitesPage::LISTES));
    EXPECT_EQ(Compte(l.html, "<li"), size_t(LimitesPage::LISTES));
    EXPECT_GT(Compte(l.html, "etage"), 100u);
    // 100,000 <div> inside one another: 40 kept, in a tenth of a second.
    QElapsedTimer t;
    t.start();
    const PageNettoyee d = Nettoie(Repete("<div>", 100000) + "fond");
    EXPECT_EQ(Compte(d.html, "<div>"), size_t(LimitesPage::PROFONDEUR));
    EXPECT_EQ(Compte(d.html, "</div>"), size_t(LimitesPage::PROFONDEUR));
    EXPECT_LT(t.elapsed(), 100);
    // Twelve tables of a normal page, side by side, are all kept.
    const PageNettoyee cote = Nettoie(Repete("<table><tr><td>x</td></tr></table>", 12));
    EXPECT_FALSE(cote.raccourcie);
    EXPECT_EQ(Compte(cote.html, "<table>"), 12u);
}

TEST(NettoyagePage, FeuillesDeStyleUneFoisEtTailleBornee) {
    const PageNettoyee p = Nettoie(
        "<html><head>" + Repete("<link rel=\"stylesheet\" href=\"a.css\">", 5000) +
        "<link rel=stylesheet href=\"./a.css\"><LINK REL=\"StyleSheet\" HREF=\"b.css\">"
        "<link rel=\"stylesheet\" href=\"absente.css\"></head><body>x</body></html>");
    EXPECT_FALSE(p.raccourcie);
    EXPECT_EQ(Compte(p.html, "p { color: red; }"), 1u) << p.html.substr(0, 300);
    // A sheet cannot close the <style> it is pasted into.
    EXPECT_EQ(Compte(p.html, "</style>"), 1u);
    EXPECT_EQ(p.html.find("<img"), std::string::npos);

    // A 31 MiB one-word page: a few hundred KiB shown, with the notice.
    const PageNettoyee g = Nettoie("<p>" + std::string(31u << 20, 'a'));
    EXPECT_TRUE(g.raccourcie);
    EXPECT_LT(g.html.size(), LimitesPage::TEXTE * 21 / 20);
    EXPECT_GT(g.html.size(), LimitesPage::TEXTE);
    EXPECT_NE(g.html.find(PAGE_RACCOURCIE), std::string::npos);
    // ... cut into words the page area can lay out.
    EXPECT_EQ(g.html.find(std::string(LimitesPage::MOT + 1, 'a')), std::string::npos);
    // Many small elements: at most ELEMENTS kept.
    const PageNettoyee e = Nettoie(Repete("<b>x</b>", 100000));
    EXPECT_TRUE(e.raccourcie);
    EXPECT_EQ(Compte(e.html, "<b>"), LimitesPage::ELEMENTS);
}
