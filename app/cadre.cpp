// The frame MDIForm1 with its menu bar, the main window Quiral inside it
// (drawing area, captions, legend, erosion panel, Timer1), and the windows
// the frame opens and closes as the program's state says.
#include "app/cadre.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <map>
#include <string>

#include "app/bouton.h"
#include "app/commandes.h"
#include "app/demarrage.h"
#include "app/etat.h"
#include "app/fenetres_cadre.h"
#include "app/menus.h"
#include "dialogs/fenetres_dialogues.h"
#include "render/couleurs.h"
#include "render/rendu.h"

namespace terraflot {

namespace {

constexpr int TWIPS = 15;

QColor Qc(Rgb c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
QString Css(Rgb c) { return QStringLiteral("#%1").arg(qulonglong(c & 0xFFFFFF), 6, 16, QLatin1Char('0')); }

QString Texte(const std::string& s) {
    QString t = QString::fromStdString(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QRect Pixels(int left, int top, int width, int height) {
    return QRect(left / TWIPS, top / TWIPS, std::max(0, width / TWIPS), std::max(0, height / TWIPS));
}
QRect Pixels(const Geometrie& g) { return Pixels(g.left, g.top, g.width, g.height); }

// The frame, parent of the message boxes when no other window is active.
QPointer<QWidget> g_cadre;
// Message boxes open: timer ticks wait until they are answered, so that no
// erosion cycle runs in the middle of the handler that asked.
int g_boitesOuvertes = 0;

class PlateformeQt : public Plateforme {
public:
    Reponse MsgBox(const Message& message) override {
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent) parent = QApplication::activeWindow();
        if (!parent) parent = g_cadre;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        switch (message.icone) {
        case Icone::Stop: icone = QMessageBox::Critical; break;
        case Icone::Question: icone = QMessageBox::Question; break;
        case Icone::Exclamation: icone = QMessageBox::Warning; break;
        case Icone::Information: icone = QMessageBox::Information; break;
        case Icone::Aucune: break;
        }
        QMessageBox boite(icone, QString::fromStdString(message.titre), Texte(message.texte),
                          QMessageBox::NoButton, parent);
        boite.setObjectName(QStringLiteral("MsgBox"));
        QAbstractButton* oui = nullptr;
        if (message.boutons == Boutons::OuiNon) {
            oui = boite.addButton(QMessageBox::Yes);
            oui->setText(QStringLiteral("Oui"));
            QPushButton* non = boite.addButton(QMessageBox::No);
            non->setText(QStringLiteral("Non"));
            boite.setDefaultButton(static_cast<QPushButton*>(oui));
            boite.setEscapeButton(non);
        } else {
            boite.addButton(QMessageBox::Ok);
        }
        // The hourglass of a long command does not cover the question.
        const bool sablier = QGuiApplication::overrideCursor() != nullptr;
        if (sablier) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        ++g_boitesOuvertes;
        boite.exec();
        --g_boitesOuvertes;
        if (sablier) QGuiApplication::restoreOverrideCursor();
        if (message.boutons == Boutons::Ok) return Reponse::Ok;
        return boite.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
    }

    void PointeurChange(Pointeur pointeur) override {
        if (pointeur == Pointeur::Defaut) {
            if (pose_) QGuiApplication::restoreOverrideCursor();
            pose_ = false;
            return;
        }
        const QCursor forme(pointeur == Pointeur::Sablier ? Qt::WaitCursor : Qt::ArrowCursor);
        if (pose_) QGuiApplication::changeOverrideCursor(forme);
        else QGuiApplication::setOverrideCursor(forme);
        pose_ = true;
    }

    void OuvreAide(const std::string& chemin) override { OuvreVisionneuse(chemin, g_cadre); }

    std::string DossierProgramme() override {
        return QCoreApplication::applicationDirPath().toStdString();
    }

private:
    bool pose_ = false;
};

// Picture1: shows the section's picture; presses and moves go to the
// program in twips (15 a pixel), not rounded.
class ZoneDessin : public QWidget {
public:
    ZoneDessin(Programme& p, ApresAction apres, QWidget* parent)
        : QWidget(parent), p_(p), apres_(std::move(apres)) {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        // Only the exposed part: a caption over the area repaints a strip.
        QPainter g(this);
        const QRect r = e->rect();
        g.fillRect(r, Qc(CouleurFond));
        const QImage& image = p_.dessin.Image();
        if (!image.isNull()) g.drawImage(r.topLeft(), image, r);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (!Dedans(e->position())) return;   // any button edits
        Press(p_, e->position().x() * TWIPS, e->position().y() * TWIPS);
        if (apres_) apres_();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!Dedans(e->position())) return;
        Move(p_, e->position().x() * TWIPS, e->position().y() * TWIPS);
        if (apres_) apres_();
    }

private:
    bool Dedans(const QPointF& q) const {
        return q.x() >= 0 && q.y() >= 0 && q.x() < width() && q.y() < height();
    }
    Programme& p_;
    ApresAction apres_;
};

// Picture4: the legend panel, its background the scale-bar picture.
class Legende : public QWidget {
public:
    Legende(Programme& p, QWidget* parent) : QWidget(parent), p_(p) {
        setObjectName(QStringLiteral("Picture4"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        g.fillRect(rect(), Qc(CouleurLegende));
        const QImage& image = p_.dessin.ImageEchelle();
        if (!image.isNull()) g.drawImage(QPoint(0, 0), image);
        g.setPen(Qc(CouleurContour));
        g.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    Programme& p_;
};

struct Pastille {
    const char* image;
    const char* legende;
    int left;
    int top;
    int largeurLegende;
};

// Swatches of the legend: 240 x 180 twips, their captions to the right.
constexpr Pastille PASTILLES[] = {
    {"Picture7", "Label4", 90, 108, 1320},
    {"Picture8", "Label9", 90, 360, 1320},
    {"Picture11", "Label20", 90, 624, 1320},
    {"Picture5", "Label11", 1725, 108, 2000},
    {"Picture6", "Label12", 1725, 360, 2000},
    {"Picture9", "Label13", 1725, 624, 2000},
    {"Picture3", "Label3", 90, 1410, 5400},
    {"Picture10", "Label5", 90, 1680, 5400},
};

struct BoutonPanneau {
    const char* nom;
    const char* caption;
    bool wordbreak;
    Geometrie place;   // twips inside Picture2
};

constexpr BoutonPanneau BOUTONS_PANNEAU[] = {
    {"HLBBttn1", "Pas à pas...", false, {90, 90, 1380, 570}},
    {"HLBBttn3", "Démarrer", false, {1530, 90, 1230, 570}},
    {"HLBBttn4", "STOP", false, {2820, 90, 1230, 570}},
    {"HLBBttn2", "Repérer le niveau d'érosion", true, {90, 720, 1950, 660}},
    {"HLBBttn5", "Réinitialiser la surface d'érosion à 0", true, {2100, 720, 1950, 660}},
};

class FenetreQuiral : public QWidget {
public:
    FenetreQuiral(Programme& p, ApresAction apres, QWidget* parent)
        : QWidget(parent), p_(p), apres_(std::move(apres)) {
        setObjectName(QStringLiteral("Quiral"));
        setAutoFillBackground(true);
        QPalette fond = palette();
        fond.setColor(QPalette::Window, Qc(CouleurFond));
        setPalette(fond);
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(12);
        setFont(police);

        dessin_ = new ZoneDessin(p, apres_, this);

        // Captions over the sky: the press goes through them to Picture1.
        Label1_ = Etiquette("Label1", this);
        Label1_->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont gras = police;
        gras.setBold(true);
        Label1_->setFont(gras);
        Label1_->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
        Label8_ = Etiquette("Label8", this);
        Label8_->setAttribute(Qt::WA_TransparentForMouseEvents);
        Label8_->setStyleSheet(QStringLiteral("color: #C81464; background: transparent;"));

        legende_ = new Legende(p, this);
        QFont petite = police;
        petite.setPixelSize(10);
        for (const Pastille& s : PASTILLES) {
            auto* carre = new QWidget(legende_);
            carre->setObjectName(QString::fromUtf8(s.image));
            carre->setGeometry(Pixels(s.left, s.top, 240, 180));
            carre->setAutoFillBackground(true);
            pastilles_[s.image] = carre;
            QLabel* l = Etiquette(s.legende, legende_);
            l->setFont(petite);
            l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(CouleurTexteLegende)));
            l->setGeometry(Pixels(s.left + 300, s.top - 45, s.largeurLegende, 270));
        }
        Couleur(pastilles_["Picture7"], CouleurCroute);
        Couleur(pastilles_["Picture8"], CouleurManteau);
        Couleur(pastilles_["Picture11"], CouleurSediments);
        Couleur(pastilles_["Picture5"], CouleurEquilibre);
        Couleur(pastilles_["Picture6"], CouleurAnomaliePositive);
        Couleur(pastilles_["Picture9"], CouleurAnomalieNegative);

        panneau_ = new QWidget(this);
        panneau_->setObjectName(QStringLiteral("Picture2"));
        panneau_->setStyleSheet(QStringLiteral("#Picture2 { background-color: %1; border: 1px solid %2; }")
                                    .arg(Css(CouleurLegende), Css(CouleurContour)));
        panneau_->setAttribute(Qt::WA_StyledBackground);
        panneau_->hide();
        for (const BoutonPanneau& b : BOUTONS_PANNEAU) {
            auto* bouton = new BoutonHLB(QString::fromUtf8(b.caption), panneau_, b.wordbreak);
            bouton->setObjectName(QString::fromUtf8(b.nom));
            bouton->setFocusPolicy(Qt::NoFocus);
            bouton->setGeometry(Pixels(b.place));
            const std::string nom = b.nom;
            connect(bouton, &QPushButton::clicked, this, [this, nom] { Agit(nom); });
        }
        Option1_ = Option("Option1", "Erosion + isostasie", {4140, 90, 2200, 300});
        Option2_ = Option("Option2", "Erosion seule", {4140, 420, 2200, 300});
        Label2_ = Etiquette("Label2", panneau_);
        Label2_->setGeometry(Pixels(4140, 780, 2200, 600));
        Label6_ = Etiquette("Label6", panneau_);
        Label6_->setFont(petite);
        Label6_->setWordWrap(true);
        Label6_->setGeometry(Pixels(90, 1425, 4500, 540));
        Label7_ = Etiquette("Label7", panneau_);
        Label7_->setFont(gras);
        Label7_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label7_->setGeometry(Pixels(4620, 1425, 1700, 540));
        for (QLabel* l : {Label2_, Label6_, Label7_}) l->setStyleSheet(QStringLiteral("color: #000080;"));

        // One erosion cycle per tick; a 1 ms interval must really be 1 ms.
        timer1_ = new QTimer(this);
        timer1_->setObjectName(QStringLiteral("Timer1"));
        timer1_->setTimerType(Qt::PreciseTimer);
        connect(timer1_, &QTimer::timeout, this, [this] {
            if (g_boitesOuvertes > 0) return;
            Tick(p_);
            if (apres_) apres_();
        });
    }

    // The picture is repainted at most every 8 ms, which no screen outruns:
    // at a 1 ms interval several cycles go by between two frames, and the
    // frame shows the last of them.
    void Repeint() {
        constexpr int PERIODE_MS = 8;
        if (repeintAttendu_) return;
        const qint64 ecoule = dernierRepeint_.isValid() ? dernierRepeint_.elapsed() : PERIODE_MS;
        auto repeint = [this] {
            repeintAttendu_ = false;
            dernierRepeint_.start();
            dessin_->update();
            legende_->update();
        };
        if (ecoule >= PERIODE_MS) {
            repeint();
            return;
        }
        repeintAttendu_ = true;
        QTimer::singleShot(int(PERIODE_MS - ecoule), this, repeint);
    }

    void Synchronise() {
        const Ihm& ihm = p_.ihm;
        // The picture covers the last, partly shown pixel of the area too.
        Place(dessin_, "Picture1", p_.dessin.TailleImage());
        Place(Label1_, "Label1");
        const QRect zone = dessin_->geometry();
        Label8_->setGeometry(zone.left() + 30, std::max(0, Label1_->geometry().bottom() + 1),
                             std::max(0, zone.width() - 60), 18);
        Place(legende_, "Picture4");
        Place(panneau_, "Picture2");
        if (generation_ != p_.dessin.Generation()) {
            generation_ = p_.dessin.Generation();
            Repeint();
        }
        for (auto& [nom, l] : etiquettes_) {
            const QString t = Texte(p_.Label("Quiral." + nom));
            if (l->text() != t) l->setText(t);
        }
        Couleur(pastilles_["Picture3"], ihm.Picture3_back);
        Couleur(pastilles_["Picture10"], ihm.Picture10_back);
        if (panneau_->isVisible() != ihm.Picture2_visible) {
            panneau_->setVisible(ihm.Picture2_visible);
            if (ihm.Picture2_visible) panneau_->raise();
        }
        if (Option1_->isChecked() != ihm.Option1 || Option2_->isChecked() != ihm.Option2) {
            // Exclusive buttons cannot show both unchecked: mirror each alone.
            Option1_->setAutoExclusive(false);
            Option2_->setAutoExclusive(false);
            Option1_->setChecked(ihm.Option1);
            Option2_->setChecked(ihm.Option2);
            Option1_->setAutoExclusive(true);
            Option2_->setAutoExclusive(true);
        }
        const Minuterie& t = ihm.Timer1;
        if (t.enabled && t.interval > 0 && !ihm.ended) {
            if (timer1_->interval() != t.interval) timer1_->setInterval(t.interval);
            if (!timer1_->isActive()) timer1_->start();
        } else if (timer1_->isActive()) {
            timer1_->stop();
        }
    }

private:
    QLabel* Etiquette(const char* nom, QWidget* parent) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromUtf8(nom));
        l->setTextFormat(Qt::PlainText);
        etiquettes_[nom] = l;
        return l;
    }

    QRadioButton* Option(const char* nom, const char* caption, Geometrie place) {
        auto* o = new QRadioButton(QString::fromUtf8(caption), panneau_);
        o->setObjectName(QString::fromUtf8(nom));
        o->setFocusPolicy(Qt::NoFocus);
        o->setGeometry(Pixels(place));
        const std::string n = nom;
        // A click gives the program the option; the mirror shows its answer.
        connect(o, &QRadioButton::clicked, this, [this, n] { Agit(n); });
        return o;
    }

    void Agit(const std::string& nom) {
        Click(p_, nom);
        if (apres_) apres_();
    }

    void Place(QWidget* w, const char* controle, QSize taille = {}) {
        auto it = p_.ihm.geometries.find(std::string("Quiral.") + controle);
        if (it == p_.ihm.geometries.end()) return;
        QRect r = Pixels(it->second);
        if (!taille.isEmpty()) r.setSize(taille);
        if (w->geometry() != r) w->setGeometry(r);
    }

    static void Couleur(QWidget* w, Rgb c) {
        if (w->property("couleur").isValid() && w->property("couleur").toUInt() == c) return;
        w->setProperty("couleur", c);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, Qc(c));
        w->setPalette(pal);
    }

    Programme& p_;
    ApresAction apres_;
    ZoneDessin* dessin_ = nullptr;
    Legende* legende_ = nullptr;
    QWidget* panneau_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label8_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label7_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::map<std::string, QLabel*> etiquettes_;
    std::map<std::string, QWidget*> pastilles_;
    std::uint64_t generation_ = ~std::uint64_t(0);
    QElapsedTimer dernierRepeint_;
    bool repeintAttendu_ = false;
};

using Createur = std::unique_ptr<Miroir> (*)(Programme&, ApresAction, QWidget*);

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
        quiral_ = new FenetreQuiral(p, apres_, nullptr);
        QMdiSubWindow* sous = zone_->addSubWindow(quiral_, Qt::FramelessWindowHint);
        sous->setObjectName(QStringLiteral("FormeQuiral"));
        sous->showMaximized();

        ConstruitMenus();
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
        if (p_.ihm.ended) {
            e->accept();
            return;
        }
        e->ignore();
        Fermeture(p_);
        Synchronise();
    }

    void resizeEvent(QResizeEvent* e) override {
        QMainWindow::resizeEvent(e);
        if (applique_ || p_.ihm.ended || !isVisible()) return;
        const QSize exterieure = frameGeometry().size();
        if (exterieure == TailleVoulue()) return;
        Resize(p_, exterieure.width() * TWIPS, exterieure.height() * TWIPS);
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
            const QString caption = QString::fromUtf8(d.caption);
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
                    Menu(p_, nom);
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
        if (p_.ihm.ended) {
            Termine();
            return;
        }
        const Fenetre& cadre = p_.Fen("MDIForm1");
        if (!cadre.caption.empty() && windowTitle() != QString::fromStdString(cadre.caption))
            setWindowTitle(QString::fromStdString(cadre.caption));
        AppliqueTaille();
        for (auto& [nom, a] : actions_) {
            auto it = p_.ihm.menus.find(nom);
            if (it == p_.ihm.menus.end()) continue;
            const ElementMenu& e = it->second;
            const QString t = QString::fromStdString(e.caption);
            if (a->text() != t) a->setText(t);
            if (a->isCheckable() && a->isChecked() != e.checked) a->setChecked(e.checked);
            if (a->isEnabled() != e.enabled) a->setEnabled(e.enabled);
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
                if (!miroir) miroir = d.creer(p_, apres_, this);   // nullptr while not written
                if (miroir) miroir->Synchronise();
            } else if (miroir) {
                miroir->Synchronise();
                miroir.reset();
            }
        }
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

private:

    Programme& p_;
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
};

} // namespace

void QuandTermine(QWidget* cadre, std::function<void()> action) {
    if (auto* c = dynamic_cast<Cadre*>(cadre)) c->termine_ = std::move(action);
}

std::unique_ptr<Plateforme> CreePlateformeQt() { return std::make_unique<PlateformeQt>(); }

QWidget* CreeCadre(Programme& p) {
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        p.ihm.LargeurEcran = ecran->geometry().width() * TWIPS;
        p.ihm.HauteurEcran = ecran->geometry().height() * TWIPS;
    }
    auto* cadre = new Cadre(p);
    g_cadre = cadre;
    Demarre(p);
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
