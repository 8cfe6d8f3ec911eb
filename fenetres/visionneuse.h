// The program's help viewer: a window of its own showing the pages of the
// help file, with back and forward buttons.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include <memory>
#include <string>

#include "lecteur_chm.h"

class QToolButton;

namespace terraflot {

// The page area: reads pages and pictures from the help file, and nothing
// else: any other address gives an empty page or a blank picture.
class PagesAide : public QTextBrowser {
public:
    explicit PagesAide(std::unique_ptr<LecteurChm> lecteur, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& nom) override;
    const LecteurChm& Lecteur() const { return *lecteur_; }
    // The address of a page inside the file ("chm:/index.html").
    static QUrl Adresse(const std::string& chemin);

    // The longest wait for a page to be prepared, in milliseconds.
    static constexpr int DELAI_PAGE_MS = 2000;
    void ChoisitDelai(int ms) { delai_ = ms; }

private:
    void Lien(const QUrl& lien);
    QString Prepare(const std::string& page, const QUrl& adresse) const;
    std::unique_ptr<LecteurChm> lecteur_;
    QUrl pageLue_;
    int delai_ = DELAI_PAGE_MS;
};

class Visionneuse : public QWidget {
public:
    explicit Visionneuse(std::unique_ptr<LecteurChm> lecteur);
    PagesAide* Pages() { return pages_; }
    void Accueil();

private:
    PagesAide* pages_;
    QToolButton* precedent_;
    QToolButton* suivant_;
};

// The viewer on the file's default topic, or null with the French reason
// in `erreur` when the file cannot be shown.
std::unique_ptr<Visionneuse> CreeVisionneuse(const std::string& chemin, std::string& erreur);

} // namespace terraflot
