#include "visionneuse.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "etat.h"
#include "fenetres_dialogues.h"

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

// The pages' style sheets are written into them: the page area does not
// fetch a linked style sheet by itself.
QString PagesAide::AvecFeuillesDeStyle(QString html, const QUrl& page) const {
    static const QRegularExpression lien(
        QStringLiteral("<link\\b[^>]*\\brel\\s*=\\s*\"?stylesheet\"?[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression href(QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    for (int debut = 0;;) {
        const QRegularExpressionMatch m = lien.match(html, debut);
        if (!m.hasMatch()) break;
        QString style;
        const QRegularExpressionMatch h = href.match(m.captured(0));
        if (h.hasMatch()) {
            const QUrl u = page.resolved(QUrl(h.captured(1)));
            if (u.scheme() == QLatin1String(SCHEMA))
                if (auto css = lecteur_->Lit(u.path(QUrl::FullyDecoded).toStdString()))
                    style = QStringLiteral("<style>") + QString::fromUtf8(css->data(), qsizetype(css->size())) +
                            QStringLiteral("</style>");
        }
        html.replace(m.capturedStart(), m.capturedLength(), style);
        debut = int(m.capturedStart() + style.size());
    }
    return html;
}

QVariant PagesAide::loadResource(int type, const QUrl& nom) {
    // A relative name (a style sheet, a picture) belongs to the page being
    // read, which may not be the source yet.
    QUrl u = nom;
    if (u.isRelative()) {
        QUrl base = document()->baseUrl();
        if (base.scheme() != QLatin1String(SCHEMA)) base = pageLue_;
        if (base.scheme() != QLatin1String(SCHEMA)) base = source();
        u = base.resolved(nom);
    }
    if (u.scheme() != QLatin1String(SCHEMA)) return {};
    if (type == QTextDocument::HtmlResource) pageLue_ = u;
    QString chemin = u.path(QUrl::FullyDecoded);
    if (!chemin.startsWith(QLatin1Char('/'))) chemin.prepend(QLatin1Char('/'));
    const std::optional<std::string> contenu = lecteur_->Lit(chemin.toStdString());
    switch (type) {
    case QTextDocument::HtmlResource: {
        if (!contenu)
            return PageAbsente(chemin.mid(1), Adresse(lecteur_->ThemeParDefaut()).toString());
        const QByteArray octets = QByteArray::fromStdString(*contenu);
        QStringDecoder decodeur = QStringDecoder::decoderForHtml(octets);
        if (!decodeur.isValid()) decodeur = QStringDecoder(QStringDecoder::Utf8);
        return AvecFeuillesDeStyle(QString(decodeur(octets)), u);
    }
    case QTextDocument::ImageResource: {
        QImage image;
        if (contenu) image.loadFromData(QByteArray::fromStdString(*contenu));
        return image;
    }
    case QTextDocument::StyleSheetResource:
        return contenu ? QString::fromUtf8(QByteArray::fromStdString(*contenu)) : QString();
    default:
        return {};
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
