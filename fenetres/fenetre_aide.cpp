// The Qt windows of the help window "Comment ..." and of the about box.
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <map>

#include "bouton.h"
#include "conversions.h"
#include "couleurs_qt.h"
#include "seance.h"
#include "etat.h"
#include "aide.h"
#include "fenetres_dialogues.h"
#include "couleurs.h"

namespace terraflot {

namespace {

QFont Police(bool gras = false, int taille = TAILLE_POLICE_AIDE_PX) {
    QFont f(QString::fromLatin1(POLICE_AIDE));
    f.setPixelSize(taille);
    f.setBold(gras);
    return f;
}

// A dialog window whose labels and geometry follow the program's state.
class FenetreEtiquetee : public DialogueOk {
public:
    FenetreEtiquetee(Programme& p, Seance& s, ApresAction apres, QWidget* parent, const char* nom,
                     const char* bouton)
        : DialogueOk(parent), p_(p), s_(s), apres_(std::move(apres)), nom_(nom), bouton_(bouton) {
        setObjectName(QString::fromUtf8(nom));
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    }

    // A label of the window, placed in `dans` (the window itself or a frame).
    QLabel* Etiquette(const char* controle, QWidget* dans, QFont police) {
        auto* l = new QLabel(dans);
        l->setObjectName(QString::fromUtf8(controle));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(police);
        l->setTextFormat(Qt::PlainText);
        etiquettes_[controle] = l;
        return l;
    }

    QFrame* Cadre(const char* controle) {
        auto* c = new QFrame(this);
        c->setObjectName(QString::fromUtf8(controle));
        c->setFrameShape(QFrame::Box);
        c->setFrameShadow(QFrame::Sunken);
        places_[controle] = c;
        return c;
    }

    // Another control placed from the state's geometry.
    void Place(const char* controle, QWidget* w) { places_[controle] = w; }

    BoutonHLB* Ok() {
        auto* b = new BoutonHLB(QStringLiteral("OK"), this);
        b->setObjectName(QStringLiteral("HLBBttn1"));
        b->setDefault(true);
        connect(b, &QPushButton::clicked, this, [this] { Valide(); });
        ok_ = b;
        return b;
    }

    void Synchronise() {
        if (!p_.Chargee(nom_)) {
            hide();
            return;
        }
        const Fenetre& f = p_.Fen(nom_);
        setWindowTitle(QString::fromStdString(f.libelle));
        const std::string prefixe = std::string(nom_) + ".";
        for (auto& [controle, l] : etiquettes_) {
            l->setText(Texte(p_.Label(prefixe + controle)));
            Place(l, controle);
        }
        for (auto& [controle, w] : places_) Place(w, controle);
        if (ok_) Place(ok_, "HLBBttn1");
        setFixedSize(f.largeur / TWIPS, std::max(1, (f.hauteur - hauteurCadre_) / TWIPS));

        if (f.visible) {
            setWindowModality(f.modale ? Qt::ApplicationModal : Qt::NonModal);
            if (!isVisible()) {
                move(f.gauche / TWIPS, f.haut / TWIPS);
                show();
            }
            if (f.premierPlan != premierPlan_) {
                raise();
                activateWindow();
            }
        } else if (isVisible()) {
            hide();
        }
        premierPlan_ = f.premierPlan;
    }

    // The program's heights count the title bar; the about box gives its
    // client area itself.
    void HauteurSansCadre(int twips) { hauteurCadre_ = twips; }

private:
    void Place(QWidget* w, const std::string& controle) {
        auto it = p_.ihm.geometries.find(std::string(nom_) + "." + controle);
        if (it != p_.ihm.geometries.end()) w->setGeometry(Pixels(it->second));
    }

    void Valide() override {
        if (!p_.Chargee(nom_)) return;
        s_.Clique(bouton_);
        // The frame may drop this window once it is unloaded: nothing of
        // `this` is used after apres().
        Appelle(apres_);
    }

    Programme& p_;
    Seance& s_;
    ApresAction apres_;
    const char* nom_;
    const char* bouton_;
    std::map<std::string, QLabel*> etiquettes_;
    std::map<std::string, QWidget*> places_;
    BoutonHLB* ok_ = nullptr;
    int hauteurCadre_ = DECOR_FENETRE;
    int premierPlan_ = 0;
};

// The small picture of the author block: a mountain range and its root
// floating on the mantle.
QPixmap Vignette(int cote) {
    QPixmap pm(cote, cote);
    pm.fill(QColor(0xf0, 0xf8, 0xff));
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    const double u = cote / 10.0;
    g.fillRect(QRectF(0, 6 * u, cote, 4 * u), QColor(0x3c, 0x8c, 0x50));       // mantle
    QPolygonF croute;
    croute << QPointF(0, 3 * u) << QPointF(3 * u, 3 * u) << QPointF(5 * u, 0.8 * u)
           << QPointF(7 * u, 3 * u) << QPointF(cote, 3 * u) << QPointF(cote, 6 * u)
           << QPointF(7 * u, 6 * u) << QPointF(5 * u, 9.2 * u) << QPointF(3 * u, 6 * u)
           << QPointF(0, 6 * u);
    g.setPen(QPen(Qt::black, 1));
    g.setBrush(QColor(0xc8, 0x96, 0x64));                                      // crust
    g.drawPolygon(croute);
    g.setPen(QPen(QColor(0x20, 0x60, 0xc0), 1, Qt::DashLine));                 // sea level
    g.drawLine(QPointF(0, 3 * u), QPointF(cote, 3 * u));
    return pm;
}

} // namespace

std::unique_ptr<Miroir> CreeAide(Programme& p, Seance& s, ApresAction apres, QWidget* parent) {
    auto* f = new FenetreEtiquetee(p, s, std::move(apres), parent, "Aide", "Aide.HLBBttn1");
    QLabel* titre = f->Etiquette("Label1", f, Police(true, 14));
    titre->setStyleSheet(QStringLiteral("color: #000080;"));
    f->Etiquette("Label2", f, Police());
    f->Ok();
    auto miroir = std::make_unique<MiroirDe<FenetreEtiquetee>>(f);
    miroir->Synchronise();
    return miroir;
}

std::unique_ptr<Miroir> CreeApropos(Programme& p, Seance& s, ApresAction apres, QWidget* parent) {
    auto* f = new FenetreEtiquetee(p, s, std::move(apres), parent, "Apropos", "Apropos.HLBBttn1");
    f->HauteurSansCadre(0);
    QLabel* titre = f->Etiquette("Label12", f, Police(true, 14));
    titre->setStyleSheet(QStringLiteral("color: #000080;"));
    f->Etiquette("Label13", f, Police());
    QFrame* biblio = f->Cadre("Picture3");
    f->Etiquette("Label4", biblio, Police(true));
    f->Etiquette("Label3", biblio, Police());
    QFrame* auteur = f->Cadre("Picture1");
    f->Etiquette("Label1", auteur, Police(true));
    f->Etiquette("Label2", auteur, Police());
    f->Etiquette("Label15", auteur, Police(false, 12));
    auto* image = new QLabel(auteur);
    image->setObjectName(QStringLiteral("Picture2"));
    image->setPixmap(Vignette(750 / TWIPS));
    f->Place("Picture2", image);
    f->Ok();
    auto miroir = std::make_unique<MiroirDe<FenetreEtiquetee>>(f);
    miroir->Synchronise();
    return miroir;
}

} // namespace terraflot
