// The dashboard: the column under the cursor, one row per value, the strip
// coloured by the column's anomaly class.
#include "fenetres_cadre.h"

#include "conversions.h"
#include "couleurs_qt.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <map>
#include <string>

#include "etat.h"
#include "couleurs.h"
#include "rendu.h"

namespace terraflot {

namespace {

constexpr const char* TABLEAU = "Tableau_bord";
constexpr int LARGEUR_CAPTION = 2265;
constexpr int LARGEUR_VALEUR = 930;
constexpr int HAUTEUR_BANDE = 336;
constexpr int HAUTEUR_LABEL6 = 525;
constexpr int HAUTEUR_LIGNE_MAX = 480;

constexpr Rgb FondCaption = RGB(255, 192, 128);
constexpr Rgb FondValeur = RGB(64, 0, 0);
constexpr Rgb TexteValeur = RGB(255, 192, 128);

QString Style(Rgb fond, Rgb texte) {
    return QStringLiteral("background-color: %1; color: %2;").arg(Css(fond), Css(texte));
}

class FenetreTableau : public QWidget {
public:
    FenetreTableau(Programme& p, QWidget* parent)
        : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus), p_(p) {
        setObjectName(QString::fromUtf8(TABLEAU));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setAutoFillBackground(true);
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(11);
        setFont(police);

        bande_ = new QWidget(this);
        bande_->setObjectName(QStringLiteral("Picture1"));
        bande_->setAutoFillBackground(true);
        bande_->setGeometry(Pixels(0, 0, LARGEUR_TABLEAU_BORD, HAUTEUR_BANDE));

        // The row tops, to size every row up to the next one.
        std::vector<int> tops;
        for (const LigneTableauBord& l : LIGNES_TABLEAU_BORD) tops.push_back(l.haut);
        std::sort(tops.begin(), tops.end());
        tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
        auto hauteur = [&](int top) {
            auto it = std::upper_bound(tops.begin(), tops.end(), top);
            return it == tops.end() ? HAUTEUR_LIGNE_MAX : std::min(*it - top, HAUTEUR_LIGNE_MAX);
        };

        for (const LigneTableauBord& l : LIGNES_TABLEAU_BORD) {
            const std::string nom = l.nom;
            auto* e = new QLabel(nom == "Label1" ? bande_ : this);
            e->setObjectName(QString::fromUtf8(l.nom));
            e->setTextFormat(Qt::PlainText);
            e->setAutoFillBackground(true);
            if (nom == "Label1") {
                e->setGeometry(Pixels(60, 40, LARGEUR_TABLEAU_BORD - 120, HAUTEUR_BANDE - 80));
                QFont gras = police;
                gras.setBold(true);
                e->setFont(gras);
            } else if (nom == "Label6") {
                e->setGeometry(Pixels(0, l.haut, LARGEUR_TABLEAU_BORD, HAUTEUR_LABEL6));
                e->setStyleSheet(Style(CouleurNoire, TexteValeur));
            } else if (l.statique) {
                e->setGeometry(Pixels(0, l.haut, LARGEUR_CAPTION, hauteur(l.haut) - 15));
                e->setWordWrap(true);
                e->setStyleSheet(Style(FondCaption, CouleurNoire));
            } else {
                e->setGeometry(Pixels(LARGEUR_TABLEAU_BORD - LARGEUR_VALEUR - 30, l.haut,
                                      LARGEUR_VALEUR, hauteur(l.haut) - 15));
                e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                e->setStyleSheet(Style(FondValeur, TexteValeur));
                places_[e] = e->geometry();
            }
            etiquettes_[nom] = e;
        }
        QPalette fond = palette();
        fond.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
        setPalette(fond);
    }

    void Synchronise() {
        if (!p_.Chargee(TABLEAU)) {
            hide();
            return;
        }
        const Fenetre& f = p_.Fen(TABLEAU);
        const QString titre = QString::fromStdString(f.libelle);
        if (windowTitle() != titre) setWindowTitle(titre);
        const std::string prefixe = std::string(TABLEAU) + ".";
        for (auto& [nom, e] : etiquettes_) {
            const QString t = Texte(p_.Label(prefixe + nom));
            if (e->text() != t) e->setText(t);
            if (auto place = places_.find(e); place != places_.end()) Ajuste(e, place->second);
        }
        const Ihm& ihm = p_.ihm;
        if (bande_->property("fond").toUInt() != ihm.TableauPicture1_back || !couleursPosees_) {
            bande_->setProperty("fond", ihm.TableauPicture1_back);
            bande_->setStyleSheet(QStringLiteral("background-color: %1;").arg(Css(ihm.TableauPicture1_back)));
        }
        const QString style = Style(ihm.TableauLabel1_back, ihm.TableauLabel1_fore);
        QLabel* l1 = etiquettes_["Label1"];
        if (l1->styleSheet() != style) l1->setStyleSheet(style);
        couleursPosees_ = true;

        const int largeur = std::max(f.largeur, LARGEUR_TABLEAU_BORD) / TWIPS;
        const int hauteur = std::max(1, (std::max(f.hauteur, HAUTEUR_TABLEAU_BORD) - DECOR_FENETRE_OUTIL) / TWIPS);
        if (size() != QSize(largeur, hauteur)) setFixedSize(largeur, hauteur);
        const QPoint place(f.gauche / TWIPS, f.haut / TWIPS);
        if (f.visible) {
            // Placed as it shows; then it stays where the user puts it.
            if (!isVisible()) {
                move(place);
                show();
            }
        } else if (isVisible()) {
            hide();
        }
    }

protected:
    // Where the window system activates it anyway, the focus goes back.
    bool event(QEvent* e) override {
        const bool r = QWidget::event(e);
        if (e->type() == QEvent::WindowActivate && parentWidget() && parentWidget()->window()->isVisible())
            parentWidget()->window()->activateWindow();
        return r;
    }

private:
    // A value wider than its label is shown whole: the label grows to the
    // left over its caption, and its text shrinks if the row is still too
    // narrow.  A value that fits keeps the label as it is.
    void Ajuste(QLabel* e, const QRect& place) {
        constexpr int MARGE = 2;
        QFont police = font();
        const QString& t = e->text();
        QRect g = place;
        const int largeur = QFontMetrics(police).horizontalAdvance(t) + MARGE;
        if (largeur > g.width()) {
            g.setLeft(std::max(0, g.right() + 1 - largeur));
            for (int taille = police.pixelSize();
                 taille > 1 && QFontMetrics(police).horizontalAdvance(t) + MARGE > g.width();)
                police.setPixelSize(--taille);
            e->raise();
        }
        if (e->geometry() != g) e->setGeometry(g);
        if (e->font() != police) e->setFont(police);
    }

    Programme& p_;
    QWidget* bande_ = nullptr;
    std::map<std::string, QLabel*> etiquettes_;
    std::map<QLabel*, QRect> places_;   // value labels as laid out
    bool couleursPosees_ = false;
};

} // namespace

std::unique_ptr<Miroir> CreeTableauBord(Programme& p, QWidget* parent) {
    auto miroir = std::make_unique<MiroirDe<FenetreTableau>>(new FenetreTableau(p, parent));
    miroir->Synchronise();
    return miroir;
}

} // namespace terraflot
