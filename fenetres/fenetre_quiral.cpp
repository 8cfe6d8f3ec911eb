#include "fenetre_quiral.h"

#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

#include "bouton.h"
#include "seance.h"
#include "conversions.h"
#include "couleurs_qt.h"
#include "zone_dessin.h"

namespace terraflot {

namespace {

struct Pastille {
    const char* image;
    const char* legende;
    int gauche;
    int haut;
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
    const char* libelle;
    bool wordbreak;
    Geometrie place;   // twips inside Picture2
    const char* bulle;   // the tooltip
};

constexpr BoutonPanneau BOUTONS_PANNEAU[] = {
    {"HLBBttn1", "Pas à pas...", false, {90, 90, 1380, 570},
     "Fait avancer l'érosion du nombre de pas que vous choisissez."},
    {"HLBBttn3", "Démarrer", false, {1530, 90, 1230, 570},
     "Lance l'animation de l'érosion, qui continue jusqu'à STOP."},
    {"HLBBttn4", "STOP", false, {2820, 90, 1230, 570}, "Arrête l'animation de l'érosion."},
    {"HLBBttn2", "Repérer le niveau d'érosion", true, {90, 720, 1950, 660},
     "Marque sur la coupe le niveau actuel de la surface d'érosion."},
    {"HLBBttn5", "Réinitialiser la surface d'érosion à 0", true, {2100, 720, 1950, 660},
     "Remet à zéro la surface d'érosion repérée."},
};

} // namespace

FenetreQuiral::FenetreQuiral(Programme& p, Seance& s, ApresAction apres, std::function<bool()> boiteOuverte,
                             QWidget* parent)
    : QWidget(parent), p_(p), s_(s), apres_(std::move(apres)), boiteOuverte_(std::move(boiteOuverte)) {
    setObjectName(QStringLiteral("Quiral"));
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qc(CouleurFond));
    setPalette(fond);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(12);
    setFont(police);

    dessin_ = new ZoneDessin(p, s, apres_, this);

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
        carre->setGeometry(Pixels(s.gauche, s.haut, 240, 180));
        carre->setAutoFillBackground(true);
        pastilles_[s.image] = carre;
        QLabel* l = Etiquette(s.legende, legende_);
        l->setFont(petite);
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(CouleurTexteLegende)));
        l->setGeometry(Pixels(s.gauche + 300, s.haut - 45, s.largeurLegende, 270));
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
        auto* bouton = new BoutonHLB(QString::fromUtf8(b.libelle), panneau_, b.wordbreak);
        bouton->setObjectName(QString::fromUtf8(b.nom));
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setGeometry(Pixels(b.place));
        bouton->setToolTip(QString::fromUtf8(b.bulle));
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
        if (boiteOuverte_ && boiteOuverte_()) return;
        s_.Tic();
        if (apres_) apres_();
    });
}

void FenetreQuiral::Repeint() {
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

void FenetreQuiral::Synchronise() {
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
    if (t.actif && t.intervalle > 0 && !ihm.termine) {
        if (timer1_->interval() != t.intervalle) timer1_->setInterval(t.intervalle);
        if (!timer1_->isActive()) timer1_->start();
    } else if (timer1_->isActive()) {
        timer1_->stop();
    }
}

QLabel* FenetreQuiral::Etiquette(const char* nom, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(nom));
    l->setTextFormat(Qt::PlainText);
    etiquettes_[nom] = l;
    return l;
}

QRadioButton* FenetreQuiral::Option(const char* nom, const char* caption, Geometrie place) {
    auto* o = new QRadioButton(QString::fromUtf8(caption), panneau_);
    o->setObjectName(QString::fromUtf8(nom));
    o->setFocusPolicy(Qt::NoFocus);
    o->setGeometry(Pixels(place));
    const std::string n = nom;
    // A click gives the program the option; the mirror shows its answer.
    connect(o, &QRadioButton::clicked, this, [this, n] { Agit(n); });
    return o;
}

void FenetreQuiral::Agit(const std::string& nom) {
    s_.Clique(nom);
    if (apres_) apres_();
}

void FenetreQuiral::Place(QWidget* w, const char* controle, QSize taille) {
    auto it = p_.ihm.geometries.find(std::string("Quiral.") + controle);
    if (it == p_.ihm.geometries.end()) return;
    QRect r = Pixels(it->second);
    if (!taille.isEmpty()) r.setSize(taille);
    if (w->geometry() != r) w->setGeometry(r);
}

void FenetreQuiral::Couleur(QWidget* w, Rgb c) {
    if (w->property("couleur").isValid() && w->property("couleur").toUInt() == c) return;
    w->setProperty("couleur", c);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qc(c));
    w->setPalette(pal);
}

} // namespace terraflot
