#include "visionneuse.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStringDecoder>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "etat.h"
#include "fenetres_dialogues.h"
#include "page_aide.h"

#include <algorithm>

namespace terraflot {

namespace {

constexpr const char* SCHEMA = "chm";

QString PageAbsente(const QString& chemin, const QString& accueil) {
    return QStringLiteral(
               "<html><body><h2>Page introuvable</h2><p>La page « %1 » manque dans le "
               "fichier d'aide.</p><p><a href=\"%2\">Revenir à l'accueil</a></p></body></html>")
        .arg(chemin.toHtmlEscaped(), accueil.toHtmlEscaped());
}

} // namespace

PagesAide::PagesAide(std::unique_ptr<LecteurChm> lecteur, QWidget* parent)
    : QTextBrowser(parent), lecteur_(std::move(lecteur)) {
    // Links are followed here: pages of the file in this window, the others
    // (a web address) in the desktop's own program.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& u) { Lien(u); });
}

QUrl PagesAide::Adresse(const std::string& chemin) {
    QUrl u;
    u.setScheme(QString::fromLatin1(SCHEMA));
    u.setPath(QString::fromStdString(chemin));
    return u;
}

void PagesAide::Lien(const QUrl& lien) {
    const QUrl u = source().resolved(lien);
    if (u.scheme() == QLatin1String(SCHEMA)) {
        setSource(u);
        return;
    }
    if (u.scheme() == QLatin1String("http") || u.scheme() == QLatin1String("https") ||
        u.scheme() == QLatin1String("mailto"))
        QDesktopServices::openUrl(u);
}

namespace {

// A blank picture: a picture that is not in the file must not be looked
// for elsewhere (the page area would read the local file of that name).
QImage ImageVide() {
    QImage vide(1, 1, QImage::Format_ARGB32);
    vide.fill(Qt::transparent);
    return vide;
}

// A picture of the file, read only when its size is that of a picture.
QImage LitImage(const std::string& octets) {
    constexpr int COTE_MAX = 8192;
    QByteArray donnees = QByteArray::fromRawData(octets.data(), qsizetype(octets.size()));
    QBuffer tampon(&donnees);
    QImageReader lecteur(&tampon);
    const QSize taille = lecteur.size();
    if (!taille.isValid() || taille.width() > COTE_MAX || taille.height() > COTE_MAX) return ImageVide();
    QImage image = lecteur.read();
    return image.isNull() ? ImageVide() : image;
}

QString PageNonPreparee(const QString& accueil) {
    return QStringLiteral(
               "<html><body><h2>Page non affichée</h2><p>Cette page du fichier d'aide n'a pas pu "
               "être préparée à temps pour être affichée.</p><p><a href=\"%1\">Revenir à "
               "l'accueil</a></p></body></html>")
        .arg(accueil.toHtmlEscaped());
}

} // namespace

// The page is cleaned in a child process, so that no page, however made,
// holds this window longer than the time given.
QString PagesAide::Prepare(const std::string& page, const QUrl& adresse) const {
    const bool coupee = page.size() > LimitesPage::ENTREE;
    const QByteArray octets =
        QByteArray::fromRawData(page.data(), qsizetype(std::min(page.size(), LimitesPage::ENTREE)));
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(octets);
    if (!decodeur.isValid()) decodeur = QStringDecoder(QStringDecoder::Utf8);
    const std::string utf8 = QString(decodeur(octets)).toStdString();
    const LecteurChm& lecteur = *lecteur_;
    const ChercheFeuille feuille = [&](std::string_view href) -> std::optional<FeuilleDeStyle> {
        const QUrl u = adresse.resolved(QUrl(QString::fromUtf8(href.data(), qsizetype(href.size()))));
        if (u.scheme() != QLatin1String(SCHEMA)) return std::nullopt;
        const std::string chemin = u.path(QUrl::FullyDecoded).toStdString();
        auto css = lecteur.Lit(chemin);
        if (!css) return std::nullopt;
        return FeuilleDeStyle{chemin, std::move(*css)};
    };
    const std::optional<std::string> propre =
        DansUnEnfant([&] { return NettoiePage(utf8, feuille, coupee).html; }, delai_);
    if (!propre) return PageNonPreparee(Adresse(lecteur_->ThemeParDefaut()).toString());
    return QString::fromStdString(*propre);
}

QVariant PagesAide::loadResource(int type, const QUrl& nom) {
    // A relative name (a picture) belongs to the page being read, which may
    // not be the source yet.
    QUrl u = nom;
    if (u.isRelative()) {
        QUrl base = document()->baseUrl();
        if (base.scheme() != QLatin1String(SCHEMA)) base = pageLue_;
        if (base.scheme() != QLatin1String(SCHEMA)) base = source();
        u = base.resolved(nom);
    }
    // Style sheets are pasted into the pages as they are prepared: none is
    // fetched afterwards (an @import of a sheet would be read unchecked).
    if (u.scheme() != QLatin1String(SCHEMA) || type == QTextDocument::StyleSheetResource) {
        if (type == QTextDocument::ImageResource) return ImageVide();
        return QString(QLatin1String(""));
    }
    if (type == QTextDocument::HtmlResource) pageLue_ = u;
    QString chemin = u.path(QUrl::FullyDecoded);
    if (!chemin.startsWith(QLatin1Char('/'))) chemin.prepend(QLatin1Char('/'));
    const std::optional<std::string> contenu = lecteur_->Lit(chemin.toStdString());
    switch (type) {
    case QTextDocument::HtmlResource:
        if (!contenu)
            return PageAbsente(chemin.mid(1), Adresse(lecteur_->ThemeParDefaut()).toString());
        return Prepare(*contenu, u);
    case QTextDocument::ImageResource: return contenu ? LitImage(*contenu) : ImageVide();
    default: return QString(QLatin1String(""));
    }
}

Visionneuse::Visionneuse(std::unique_ptr<LecteurChm> lecteur) {
    setObjectName(QStringLiteral("Visionneuse"));
    const QString titre = QString::fromStdString(lecteur->Titre());
    setWindowTitle(titre.isEmpty() ? QStringLiteral("Aide de TERRAFLOT") : titre);
    pages_ = new PagesAide(std::move(lecteur), this);
    pages_->setObjectName(QStringLiteral("Pages"));

    auto bouton = [this](const QString& texte, const QString& bulle, QStyle::StandardPixmap icone) {
        auto* b = new QToolButton(this);
        b->setText(texte);
        b->setToolTip(bulle);
        b->setIcon(style()->standardIcon(icone));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    precedent_ = bouton(QStringLiteral("Précédent"), QStringLiteral("Revenir à la page précédente"),
                        QStyle::SP_ArrowBack);
    suivant_ = bouton(QStringLiteral("Suivant"), QStringLiteral("Aller à la page suivante"),
                      QStyle::SP_ArrowForward);
    QToolButton* accueil = bouton(QStringLiteral("Accueil"), QStringLiteral("Revenir au sommaire"),
                                  QStyle::SP_DirHomeIcon);
    precedent_->setObjectName(QStringLiteral("Precedent"));
    suivant_->setObjectName(QStringLiteral("Suivant"));
    accueil->setObjectName(QStringLiteral("Accueil"));
    precedent_->setEnabled(false);
    suivant_->setEnabled(false);
    connect(precedent_, &QToolButton::clicked, pages_, &QTextBrowser::backward);
    connect(suivant_, &QToolButton::clicked, pages_, &QTextBrowser::forward);
    connect(accueil, &QToolButton::clicked, this, [this] { Accueil(); });
    connect(pages_, &QTextBrowser::backwardAvailable, precedent_, &QWidget::setEnabled);
    connect(pages_, &QTextBrowser::forwardAvailable, suivant_, &QWidget::setEnabled);

    auto* barre = new QHBoxLayout;
    barre->addWidget(precedent_);
    barre->addWidget(suivant_);
    barre->addWidget(accueil);
    barre->addStretch(1);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(4, 4, 4, 4);
    colonne->addLayout(barre);
    colonne->addWidget(pages_, 1);

    pages_->setSource(PagesAide::Adresse(pages_->Lecteur().ThemeParDefaut()));
    resize(820, 680);
}

void Visionneuse::Accueil() {
    pages_->setSource(PagesAide::Adresse(pages_->Lecteur().ThemeParDefaut()));
}

std::unique_ptr<Visionneuse> CreeVisionneuse(const std::string& chemin, std::string& erreur) {
    auto lecteur = std::make_unique<LecteurChm>();
    if (!lecteur->Ouvre(chemin)) {
        erreur = lecteur->Erreur();
        return nullptr;
    }
    erreur.clear();
    return std::make_unique<Visionneuse>(std::move(lecteur));
}

void OuvreVisionneuse(const std::string& chemin, QWidget* parent) {
    // One viewer: asking again brings it forward on its first page.
    static QPointer<Visionneuse> ouverte;
    std::string erreur;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto v = CreeVisionneuse(chemin, erreur);
    QGuiApplication::restoreOverrideCursor();
    if (!v) {
        QMessageBox::critical(parent, QString::fromLatin1(TitreApplication),
                              QString::fromStdString(erreur));
        return;
    }
    if (ouverte) ouverte->close();
    Visionneuse* fenetre = v.release();
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre->move(zone.center() - fenetre->rect().center());
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    ouverte = fenetre;
}

} // namespace terraflot
