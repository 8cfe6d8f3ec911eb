// The start-up notice: a picture of a small cross-section, the title, the
// subtitle (hidden after five seconds), the notice text and "OK".
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <map>
#include <string>

#include "seance.h"
#include "couleurs_qt.h"
#include "etat.h"
#include "fenetres_cadre.h"
#include "couleurs.h"

namespace terraflot {

namespace {

constexpr const char* AVERTISSEMENT = "Avertissement";

// A mountain range floating on the mantle: the crust thickens under the
// relief, and its root sinks into the mantle.
QPixmap ImageCoupe(int largeur, int hauteur) {
    QPixmap image(largeur, hauteur);
    image.fill(Qc(CouleurCiel));
    {   // the painter ends before the picture is handed out
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    const int n = 12;
    const double w = double(largeur) / n;
    const double mer = hauteur * 0.30;
    for (int i = 0; i < n; ++i) {
        // Relief in the middle columns, a deeper root beneath it.
        const double x = (i + 0.5) / n - 0.5;
        const double relief = hauteur * 0.16 * std::max(0.0, 1.0 - 9.0 * x * x);
        const double haut = mer - relief;
        const double moho = hauteur * 0.62 + 2.5 * relief;
        const QRectF croute(i * w, haut, w, moho - haut);
        const QRectF manteau(i * w, moho, w, hauteur - moho);
        g.setPen(QPen(Qc(CouleurContour), 1));
        g.setBrush(Qc(CouleurCroute));
        g.drawRect(croute);
        g.setBrush(Qc(CouleurManteau));
        g.drawRect(manteau);
        if (relief > hauteur * 0.09) {   // snow on the highest peaks
            g.setBrush(Qt::white);
            g.drawRect(QRectF(i * w, haut, w, hauteur * 0.025));
        }
    }
    g.setPen(QPen(Qc(CouleurQuadrillage), 1, Qt::DashLine));
    g.drawLine(QPointF(0, mer), QPointF(largeur, mer));
    g.setPen(QPen(Qc(CouleurAxes), 2));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRect(0, 0, largeur - 1, hauteur - 1));
    }
    return image;
}

class FenetreAvertissement : public DialogueOk {
public:
    FenetreAvertissement(Programme& p, Seance& s, ApresAction apres, QWidget* parent)
        : DialogueOk(parent), p_(p), s_(s), apres_(std::move(apres)) {
        setObjectName(QString::fromUtf8(AVERTISSEMENT));
        setWindowModality(Qt::WindowModal);
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        auto* racine = new QHBoxLayout(this);
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Picture12"));
        image->setPixmap(ImageCoupe(180, 220));
        racine->addWidget(image, 0, Qt::AlignTop);

        auto* colonne = new QVBoxLayout;
        racine->addLayout(colonne, 1);
        QLabel* titre = Etiquette("Label8");
        QFont grand(QStringLiteral("Arial"));
        grand.setPointSize(20);
        grand.setBold(true);
        titre->setFont(grand);
        titre->setStyleSheet(QStringLiteral("color: #000080;"));
        titre->setAlignment(Qt::AlignHCenter);
        colonne->addWidget(titre);
        QLabel* sousTitre = Etiquette("Label10");
        QFont moyen(QStringLiteral("Arial"));
        moyen.setPointSize(10);
        moyen.setItalic(true);
        sousTitre->setFont(moyen);
        sousTitre->setAlignment(Qt::AlignHCenter);
        colonne->addWidget(sousTitre);
        QLabel* texte = Etiquette("Label1");
        texte->setMinimumWidth(360);
        colonne->addWidget(texte, 1);
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("Command1"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { Valide(); });
        colonne->addWidget(ok, 0, Qt::AlignRight);

        minuterie_ = new QTimer(this);
        minuterie_->setObjectName(QStringLiteral("Timer1"));
        connect(minuterie_, &QTimer::timeout, this, [this] {
            s_.TicAvertissement();
            Apres();
        });
    }

    void Synchronise() {
        if (!p_.Chargee(AVERTISSEMENT)) {
            minuterie_->stop();
            hide();
            return;
        }
        const Fenetre& f = p_.Fen(AVERTISSEMENT);
        setWindowTitle(QString::fromStdString(f.libelle));
        const std::string prefixe = std::string(AVERTISSEMENT) + ".";
        for (auto& [nom, e] : etiquettes_) {
            QString t = QString::fromStdString(p_.Label(prefixe + nom));
            t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (e->text() != t) e->setText(t);
            // A hidden title keeps its place, so the text does not move up.
            const bool masque = p_.ihm.etiquettesMasquees.contains(prefixe + nom);
            QSizePolicy sp = e->sizePolicy();
            sp.setRetainSizeWhenHidden(true);
            e->setSizePolicy(sp);
            e->setVisible(!masque);
        }
        const Minuterie& t = p_.ihm.TimerAvertissement;
        if (t.actif && t.intervalle > 0) {
            if (minuterie_->interval() != t.intervalle) minuterie_->setInterval(t.intervalle);
            if (!minuterie_->isActive()) minuterie_->start();
        } else {
            minuterie_->stop();
        }
        if (f.visible && !isVisible()) show();
        else if (!f.visible && isVisible()) hide();
    }

private:
    QLabel* Etiquette(const char* nom) {
        auto* e = new QLabel(this);
        e->setObjectName(QString::fromUtf8(nom));
        e->setTextFormat(Qt::PlainText);
        e->setWordWrap(true);
        etiquettes_[nom] = e;
        return e;
    }

    void Valide() override {
        if (!p_.Chargee(AVERTISSEMENT)) return;
        s_.Clique("Avertissement.Command1");
        Apres();
    }

    // The frame may drop this window in apres(): nothing of `this` after it.
    void Apres() { Appelle(apres_); }

    Programme& p_;
    Seance& s_;
    ApresAction apres_;
    std::map<std::string, QLabel*> etiquettes_;
    QTimer* minuterie_ = nullptr;
};

} // namespace

std::unique_ptr<Miroir> CreeAvertissement(Programme& p, Seance& s, ApresAction apres, QWidget* parent) {
    auto miroir = std::make_unique<MiroirDe<FenetreAvertissement>>(
        new FenetreAvertissement(p, s, std::move(apres), parent));
    miroir->Synchronise();
    return miroir;
}

} // namespace terraflot
