// The Qt window of the parameters dialog "Modifier les valeurs ": a tool
// window above the main window, never activated by being shown, whose
// scroll bars hand every move to the program's own change handlers.
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <map>
#include <string>

#include "seance.h"
#include "conversions.h"
#include "etat.h"
#include "fenetres_dialogues.h"
#include "preferences.h"
#include "couleurs.h"

namespace terraflot {

namespace {

constexpr const char* FENETRE = "Préférences";

QString Fond(Rgb c) {
    return QStringLiteral("background-color: #%1; color: white;")
        .arg(qulonglong(c), 6, 16, QLatin1Char('0'));
}

class FenetrePreferences : public QWidget {
public:
    FenetrePreferences(Programme& p, Seance& s, ApresAction apres, QWidget* parent)
        : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), p_(p), s_(s), apres_(std::move(apres)) {
        setObjectName(QString::fromUtf8(FENETRE));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);

        auto* racine = new QVBoxLayout(this);
        auto* barreMenus = new QMenuBar(this);
        barreMenus->setNativeMenuBar(false);
        quitter_ = barreMenus->addAction(QStringLiteral("Quitter"));
        quitter_->setObjectName(QStringLiteral("mnu_quitter"));
        connect(quitter_, &QAction::triggered, this, [this] { Quitte(); });
        defaut_ = barreMenus->addAction(QStringLiteral("Valeurs par défaut"));
        defaut_->setObjectName(QString::fromUtf8("mnu_défaut"));
        defaut_->setEnabled(false);
        racine->setMenuBar(barreMenus);

        auto* grille = new QGridLayout;
        racine->addLayout(grille, 1);
        for (const DefinitionBarre& c : BARRES) {
            if (!*c.valeur) continue;   // the speed bar has its own row
            auto* colonne = new QVBoxLayout;
            QLabel* legende = Etiquette(c.legende);
            legende->setWordWrap(true);
            legende->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            // Every column the same width, captions wrapped to it.
            legende->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            legende->setMinimumHeight(5 * legende->fontMetrics().height());
            colonne->addWidget(legende);
            QLabel* valeur = Etiquette(c.valeur);
            valeur->setAlignment(Qt::AlignCenter);
            valeur->setFrameShape(QFrame::Panel);
            valeur->setFrameShadow(QFrame::Sunken);
            valeur->setFixedWidth(64);
            colonne->addWidget(valeur, 0, Qt::AlignHCenter);
            QScrollBar* b = Barre(c, Qt::Vertical);
            b->setMinimumHeight(90);
            colonne->addWidget(b, 1, Qt::AlignHCenter);
            grille->addLayout(colonne, c.ligne, c.colonne);
            grille->setColumnStretch(c.colonne, 1);
        }
        etiquettes_["Label9MV"]->setStyleSheet(Fond(CouleurCroute));
        etiquettes_["Label11MV"]->setStyleSheet(Fond(CouleurManteau));

        auto* vitesse = new QHBoxLayout;
        vitesse->addWidget(Etiquette("Label17"));
        for (const DefinitionBarre& c : BARRES)
            if (!*c.valeur) vitesse->addWidget(Barre(c, Qt::Horizontal), 1);
        jauge_ = new QProgressBar(this);
        jauge_->setObjectName(QStringLiteral("Gauge1"));
        jauge_->setRange(1, 1000);
        jauge_->setFormat(QStringLiteral("%v"));
        vitesse->addWidget(jauge_, 1);
        racine->addLayout(vitesse);
    }

    void Synchronise() {
        if (!p_.Chargee(FENETRE)) {
            hide();
            return;
        }
        const Fenetre& f = p_.Fen(FENETRE);
        setWindowTitle(QString::fromStdString(f.libelle));
        const std::string prefixe = std::string(FENETRE) + ".";
        for (auto& [controle, l] : etiquettes_) {
            const QString t = Texte(p_.Label(prefixe + controle));
            if (l->text() != t) l->setText(t);
        }
        for (auto& [nom, b] : barres_) {
            auto it = p_.ihm.barres.find(nom);
            if (it == p_.ihm.barres.end()) continue;
            const QSignalBlocker bloque(b);
            int min = it->second.min, max = it->second.max, v = it->second.valeur;
            if (b->orientation() == Qt::Vertical) {   // top end largest
                std::swap(min, max);
                min = -min;
                max = -max;
                v = -v;
            }
            if (b->minimum() != min || b->maximum() != max) b->setRange(min, max);
            // A thumb being dragged keeps its place until it is released.
            if (b->value() != v) b->setValue(v);
        }
        jauge_->setValue(std::clamp(p_.ihm.Gauge1_value, 1, 1000));
        Element(quitter_, "Préférences.mnu_quitter");
        Element(defaut_, "Préférences.mnu_défaut");

        const QSize taille(f.largeur / TWIPS, std::max(1, (f.hauteur - DECOR_FENETRE) / TWIPS));
        if (!place_) resize(taille);
        if (f.visible) {
            if (!isVisible()) {
                if (!place_) move(f.gauche / TWIPS, f.haut / TWIPS);
                place_ = true;
                show();
            }
            if (f.premierPlan != premierPlan_) raise();
        } else if (isVisible()) {
            hide();
        }
        premierPlan_ = f.premierPlan;
    }

    QScrollBar* BarreNommee(const std::string& nom) const {
        auto it = barres_.find(nom);
        return it == barres_.end() ? nullptr : it->second;
    }

protected:
    // The close box asks to validate, as "Quitter" does.
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (p_.Chargee(FENETRE) && p_.Fen(FENETRE).visible) Quitte();
    }

private:
    QLabel* Etiquette(const char* controle) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromUtf8(controle));
        l->setTextFormat(Qt::PlainText);
        etiquettes_[controle] = l;
        return l;
    }

    QScrollBar* Barre(const DefinitionBarre& d, Qt::Orientation sens) {
        const char* nom = d.nom;
        auto* b = new QScrollBar(sens, this);
        b->setObjectName(QString::fromUtf8(nom));
        b->setToolTip(QString::fromUtf8(d.bulle));
        b->setSingleStep(1);
        b->setPageStep(d.pas);
        // A dragged thumb changes the value when it is released.
        b->setTracking(false);
        b->setFocusPolicy(Qt::NoFocus);
        const std::string cle = nom;
        connect(b, &QScrollBar::valueChanged, this, [this, cle, b](int v) {
            Deplace(cle, b->orientation() == Qt::Vertical ? -v : v);
        });
        barres_[cle] = b;
        return b;
    }

    void Element(QAction* a, const char* cle) {
        auto it = p_.ihm.menus.find(std::string_view(cle));
        if (it == p_.ihm.menus.end()) return;
        a->setText(QString::fromStdString(it->second.libelle));
        a->setEnabled(it->second.actif);
        a->setVisible(it->second.visible);
    }

    void Deplace(const std::string& nom, int v) {
        s_.BougeBarre(nom, v);
        Apres();
    }

    void Quitte() {
        s_.Menu("Préférences.mnu_quitter");
        Apres();
    }

    // Mirrors the new state; the frame may drop this window in apres(), so
    // nothing of `this` is used after it.
    void Apres() {
        Synchronise();
        Appelle(apres_);
    }

    Programme& p_;
    Seance& s_;
    ApresAction apres_;
    std::map<std::string, QLabel*> etiquettes_;
    std::map<std::string, QScrollBar*> barres_;
    QProgressBar* jauge_ = nullptr;
    QAction* quitter_ = nullptr;
    QAction* defaut_ = nullptr;
    bool place_ = false;
    int premierPlan_ = 0;
};

} // namespace

std::unique_ptr<Miroir> CreePreferences(Programme& p, Seance& s, ApresAction apres, QWidget* parent) {
    auto* f = new FenetrePreferences(p, s, std::move(apres), parent);
    auto miroir = std::make_unique<MiroirDe<FenetrePreferences>>(f);
    miroir->Synchronise();
    return miroir;
}

} // namespace terraflot
