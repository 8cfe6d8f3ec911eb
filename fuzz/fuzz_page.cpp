// Feeds arbitrary bytes to the preparation of a help page, as a page and as
// the style sheet every <link> of it names, then lays the prepared page out
// as the viewer would.  The first two bytes give the length of the sheet.
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

#include <cstdint>
#include <string>

#include "page_aide.h"

namespace {

// The viewer's rule: nothing is read from outside the help file.
class Document : public QTextDocument {
protected:
    QVariant loadResource(int type, const QUrl&) override {
        if (type == QTextDocument::ImageResource) {
            QImage vide(1, 1, QImage::Format_ARGB32);
            vide.fill(Qt::transparent);
            return vide;
        }
        return QString(QLatin1String(""));
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "fuzz_page";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, size_t taille) {
    if (taille < 2) return 0;
    const size_t longueur = std::min(taille - 2, size_t(donnees[0] | donnees[1] << 8));
    const std::string feuille(reinterpret_cast<const char*>(donnees) + 2, longueur);
    const std::string page(reinterpret_cast<const char*>(donnees) + 2 + longueur, taille - 2 - longueur);
    const terraflot::PageNettoyee p = terraflot::NettoiePage(page, [&](std::string_view href) {
        return std::optional<terraflot::FeuilleDeStyle>({std::string(href), feuille});
    });
    Document document;
    document.setTextWidth(600);
    document.setHtml(QString::fromStdString(p.html));
    document.documentLayout()->documentSize();
    return 0;
}
