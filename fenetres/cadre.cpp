// The frame MDIForm1 with its menu bar, the main window Quiral inside it,
// and the windows the frame opens and closes as the program's state says.
#include "cadre.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <map>
#include <string>

#include "commandes.h"
#include "menus_fichier.h"
#include "seance.h"
#include "demarrage.h"
#include "etat.h"
#include "fenetres_cadre.h"
#include "menus.h"
#include "fenetre_quiral.h"
#include "fenetres_dialogues.h"
#include "plateforme_qt.h"
#include "conversions.h"


namespace terraflot {

namespace {

using Createur = std::unique_ptr<Miroir> (*)(Programme&, Seance&, ApresAction, QWidget*);

struct Dialogue {
    const char* fenetre;
    Createur creer;
};

constexpr Dialogue DIALOGUES[] = {
    {"Préférences", CreePreferences},
    {"Aide", CreeAide},
    {"Apropos", CreeApropos},
    {"Avertissement", CreeAvertissement},
};

class Cadre : public QMainWindow {
public:
    explicit Cadre(Programme& p) : p_(p) {
        setObjectName(QStringLiteral("MDIForm1"));
        setWindowTitle(QStringLiteral("TerraFLOT"));
        apres_ = [this] { Synchronise(); };

        zone_ = new QMdiArea(this);
        zone_->setObjectName(QStringLiteral("MDIClient"));
        zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setCentralWidget(zone_);
        auto* qt = dynamic_cast<PlateformeQt*>(&p.pf);
        if (qt) qt->ChoisitCadre(this);
        Demarre(p);
        seance_ = std::make_unique<Seance>(p);
        quiral_ = new FenetreQuiral(p, *seance_, apres_, [qt] { return qt && qt->BoiteOuverte(); }, nullptr);
        QMdiSubWindow* sous = zone_->addSubWindow(quiral_, Qt::FramelessWindowHint);
        sous->setObjectName(QStringLiteral("FormeQuiral"));
        sous->showMaximized();

        ConstruitMenus();
        fichier_ = AjouteMenusFichier(this, p, *seance_, apres_, [qt] {
            return QApplication::activeModalWidget() != nullptr || (qt && qt->BoiteOuverte());
        });
        setMinimumSize(LARGEUR_CADRE_MIN / TWIPS, HAUTEUR_CADRE_MIN / TWIPS);
    }

    // Brings every window in line with the state.
    void Synchronise() {
        if (synchronise_) {   // asked again from inside a pass: once more after it
            encore_ = true;
            return;
        }
        synchronise_ = true;
        do {
            encore_ = false;
            Passe();
        } while (encore_ && !fini_);
        synchronise_ = false;
    }

    void AppliqueTaille() {
        const QSize voulue = TailleVoulue();
        const QSize decor = frameGeometry().size() - size();
        const QSize client(std::max(1, voulue.width() - decor.width()),
                           std::max(1, voulue.height() - decor.height()));
        if (size() != client) {
            applique_ = true;
            resize(client);
            applique_ = false;
        }
    }

protected:
    void closeEvent(QCloseEvent* e) override {
        if (p_.ihm.termine) {
            e->accept();
            return;
        }
        e->ignore();
        Fermeture(p_);   // the close box is no step of the session
        Synchronise();
    }

    void resizeEvent(QResizeEvent* e) override {
        QMainWindow::resizeEvent(e);
        if (applique_ || p_.ihm.termine || !isVisible()) return;
        const QSize exterieure = frameGeometry().size();
        if (exterieure == TailleVoulue()) return;
        seance_->Redimensionne(exterieure.width() * TWIPS, exterieure.height() * TWIPS);
        Synchronise();
    }

private:
    // The frame's outer size in pixels as the state gives it in twips.
    QSize TailleVoulue() const {
        return QSize(p_.ihm.LargeurCadre / TWIPS, p_.ihm.HauteurCadre / TWIPS);
    }

    void ConstruitMenus() {
        std::map<std::string, QMenu*> sousMenus;
        auto aDesEnfants = [](const char* nom) {
            for (const DefinitionMenu& d : MENUS_QUIRAL)
                if (std::string_view(d.parent) == nom) return true;
            return false;
        };
        for (const DefinitionMenu& d : MENUS_QUIRAL) {
            const QString caption = QString::fromUtf8(d.libelle);
            QMenu* parent = *d.parent ? sousMenus[d.parent] : nullptr;
            QAction* a = nullptr;
            if (aDesEnfants(d.nom)) {
                QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
                m->setObjectName(QString::fromUtf8(d.nom));
                sousMenus[d.nom] = m;
                a = m->menuAction();
            } else {
                a = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
                // Only the tool modes of "Calcul" carry a check mark.
                a->setCheckable(std::string_view(d.parent) == "mnu_calcul");
                const std::string nom = d.nom;
                connect(a, &QAction::triggered, this, [this, nom] {
                    seance_->Menu(nom);
                    Synchronise();
                });
            }
            a->setObjectName(QString::fromUtf8(d.nom));
            // Menu captions are the program's: an ampersand is no shortcut.
            a->setText(caption);
            actions_[d.nom] = a;
        }
    }

    void Passe() {
        if (p_.ihm.termine) {
            Termine();
            return;
        }
        // The session starts where a lesson starts, the notice gone.
        if (notice_ && !p_.Chargee("Avertissement")) {
            notice_ = false;
            seance_->Recommence();
        }
        // After an undo, a redo or a lesson opened, every window mirrors
        // the whole new state: those of the old one go.
        if (seance_->Remplacements() != remplacements_) {
            remplacements_ = seance_->Remplacements();
            quiral_->ToutRevoir();
            tableau_.reset();
            for (auto& [nom, miroir] : dialogues_) miroir.reset();
        }
        const Fenetre& cadre = p_.Fen("MDIForm1");
        if (!cadre.libelle.empty() && windowTitle() != QString::fromStdString(cadre.libelle))
            setWindowTitle(QString::fromStdString(cadre.libelle));
        AppliqueTaille();
        for (auto& [nom, a] : actions_) {
            auto it = p_.ihm.menus.find(nom);
            if (it == p_.ihm.menus.end()) continue;
            const ElementMenu& e = it->second;
            const QString t = QString::fromStdString(e.libelle);
            if (a->text() != t) a->setText(t);
            if (a->isCheckable() && a->isChecked() != e.coche) a->setChecked(e.coche);
            if (a->isEnabled() != e.actif) a->setEnabled(e.actif);
            if (a->isVisible() != e.visible) a->setVisible(e.visible);
        }
        quiral_->Synchronise();

        // The dashboard comes and goes with the readout.
        if (p_.Chargee("Tableau_bord")) {
            if (!tableau_) tableau_ = CreeTableauBord(p_, this);
            tableau_->Synchronise();
        } else {
            tableau_.reset();
        }
        for (const Dialogue& d : DIALOGUES) {
            std::unique_ptr<Miroir>& miroir = dialogues_[d.fenetre];
            if (p_.Chargee(d.fenetre)) {
                if (!miroir) miroir = d.creer(p_, *seance_, apres_, this);   // nullptr while not written
                if (miroir) miroir->Synchronise();
            } else if (miroir) {
                miroir->Synchronise();
                miroir.reset();
            }
        }
        fichier_();
    }

    // The program has ended: every window goes, then the application.
    void Termine() {
        if (fini_) return;
        fini_ = true;
        tableau_.reset();
        for (auto& [nom, miroir] : dialogues_) miroir.reset();
        quiral_->Synchronise();   // stops Timer1
        QTimer::singleShot(0, this, [this] {
            close();
            if (termine_) termine_();
        });
    }

public:
    std::function<void()> termine_;

    void OuvreAuDepart(const std::string& chemin) {
        if (p_.Chargee("Avertissement")) seance_->Clique("Avertissement.Command1");
        Synchronise();
        seance_->Ouvre(chemin);
        Synchronise();
    }

private:

    Programme& p_;
    std::unique_ptr<Seance> seance_;
    std::uint64_t remplacements_ = 0;
    std::function<void()> fichier_;
    ApresAction apres_;
    QMdiArea* zone_ = nullptr;
    FenetreQuiral* quiral_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::unique_ptr<Miroir> tableau_;
    std::map<std::string, std::unique_ptr<Miroir>> dialogues_;
    bool synchronise_ = false;
    bool encore_ = false;
    bool applique_ = false;
    bool fini_ = false;
    bool notice_ = true;
};

} // namespace

void QuandTermine(QWidget* cadre, std::function<void()> action) {
    if (auto* c = dynamic_cast<Cadre*>(cadre)) c->termine_ = std::move(action);
}

void OuvreAuDepart(QWidget* cadre, const std::string& chemin) {
    if (auto* c = dynamic_cast<Cadre*>(cadre)) c->OuvreAuDepart(chemin);
}

QWidget* CreeCadre(Programme& p) {
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        p.ihm.LargeurEcran = ecran->geometry().width() * TWIPS;
        p.ihm.HauteurEcran = ecran->geometry().height() * TWIPS;
    }
    auto* cadre = new Cadre(p);
    cadre->AppliqueTaille();
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect r = ecran->availableGeometry();
        cadre->move(r.left() + std::max(0, (r.width() - cadre->width()) / 2),
                    r.top() + std::max(0, (r.height() - cadre->height()) / 3));
    }
    cadre->show();
    cadre->AppliqueTaille();   // the window system's borders are known once shown
    cadre->Synchronise();
    return cadre;
}

} // namespace terraflot
