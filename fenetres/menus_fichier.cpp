#include "menus_fichier.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "conversions.h"
#include "etat.h"
#include "rendu.h"
#include "seance.h"

namespace terraflot {

namespace {

const QString FILTRE_LECON = QStringLiteral("Leçons TerraFLOT (*.terraflot)");
const QString FILTRE_PNG = QStringLiteral("Images PNG (*.png)");

// Qt's own dialog, its words in French whether Qt's translations are
// installed or not.
QString ChoixParDefaut(QWidget* parent, const QString& titre, bool enregistrer, const QString& filtre) {
    QFileDialog d(parent, titre, QString(), filtre);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    d.setLabelText(QFileDialog::Accept, enregistrer ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().first();
}

ChoixFichier& Choix() {
    static ChoixFichier choix = ChoixParDefaut;
    return choix;
}

// The picture as the driver's png writes it, `facteur` times larger
// without smoothing.
QImage Vue(Programme& p, int facteur) {
    const QImage& image = p.dessin.Image();
    if (facteur == 1 || image.isNull()) return image;
    return image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The dashboard's rows, caption and value, top to bottom.
std::vector<QString> LignesTableau(const Programme& p) {
    std::map<int, QString> lignes;
    for (const LigneTableauBord& l : LIGNES_TABLEAU_BORD) {
        if (std::string_view(l.nom) == "Label1") continue;
        const QString t = Texte(p.Label(std::string("Tableau_bord.") + l.nom)).simplified();
        if (t.isEmpty()) continue;
        QString& ligne = lignes[l.haut];
        ligne = l.statique ? t + (ligne.isEmpty() ? QString() : QStringLiteral(" : ") + ligne)
                           : (ligne.isEmpty() ? t : ligne + QStringLiteral(" : ") + t);
    }
    std::vector<QString> v;
    for (auto& [top, t] : lignes) v.push_back(t);
    return v;
}

} // namespace

void ChoisitFichiersPar(ChoixFichier choix) { Choix() = choix ? std::move(choix) : ChoixParDefaut; }

QString AvecExtension(const QString& chemin) {
    if (chemin.isEmpty() || chemin.endsWith(QStringLiteral(".terraflot"))) return chemin;
    return chemin + QStringLiteral(".terraflot");
}

bool ImprimeSection(Programme& p, QPrinter& imprimante) {
    const QImage& section = p.dessin.Image();
    if (section.isNull()) return false;
    QPainter g;
    if (!g.begin(&imprimante)) return false;
    const QRectF page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    const QRectF zone(0, 0, page.width(), page.height());
    const QImage& legende = p.dessin.ImageEchelle();
    const std::vector<QString> lignes = p.Chargee("Tableau_bord") ? LignesTableau(p) : std::vector<QString>{};

    // The section across the page, the legend under it, then the readout.
    const double echelle = zone.width() / section.width();
    QRectF r(0, 0, zone.width(), section.height() * echelle);
    if (r.height() > zone.height() * 0.6) r.setSize(QSizeF(section.width(), section.height()) *
                                                      (zone.height() * 0.6 / section.height()));
    g.drawImage(r, section);
    double y = r.bottom() + zone.height() * 0.02;
    if (!legende.isNull()) {
        const QRectF l(0, y, legende.width() * r.width() / section.width(),
                       legende.height() * r.width() / section.width());
        g.drawImage(l, legende);
        y = l.bottom() + zone.height() * 0.02;
    }
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(10);
    g.setFont(police);
    const double pas = g.fontMetrics().height() * 1.2;
    for (const QString& t : lignes) {
        if (y + pas > zone.height()) break;
        g.drawText(QPointF(0, y + pas), t);
        y += pas;
    }
    return g.end();
}

std::function<void()> AjouteMenusFichier(QMainWindow* cadre, Programme& p, Seance& s, ApresAction apres,
                                         std::function<bool()> modal) {
    QMenuBar* barre = cadre->menuBar();
    QAction* avant = barre->actions().isEmpty() ? nullptr : barre->actions().first();
    auto* fichier = new QMenu(QStringLiteral("Fichier"), barre);
    fichier->setObjectName(QStringLiteral("menu_fichier"));
    auto* edition = new QMenu(QStringLiteral("Edition"), barre);
    edition->setObjectName(QStringLiteral("menu_edition"));
    barre->insertMenu(avant, fichier);
    barre->insertMenu(avant, edition);

    auto ajoute = [cadre](QMenu* m, const char* nom, const QString& texte, QList<QKeySequence> touches,
                          std::function<void()> faire) {
        QAction* a = m->addAction(texte);
        a->setObjectName(QString::fromUtf8(nom));
        a->setShortcuts(touches);
        QObject::connect(a, &QAction::triggered, cadre, std::move(faire));
        return a;
    };
    auto fait = [apres] {
        if (apres) apres();
    };

    QAction* ouvrir = ajoute(fichier, "fichier_ouvrir", QStringLiteral("Ouvrir une leçon..."),
                             {QKeySequence(Qt::CTRL | Qt::Key_O)}, [=, &p, &s] {
        if (!s.PourquoiPasFichier().empty()) return;
        const QString chemin = Choix()(cadre, QStringLiteral("Ouvrir une leçon"), false, FILTRE_LECON);
        if (chemin.isEmpty()) return;
        s.Ouvre(chemin.toStdString());
        fait();
    });
    QAction* enregistrer = ajoute(fichier, "fichier_enregistrer", QStringLiteral("Enregistrer la leçon..."),
                                  {QKeySequence(Qt::CTRL | Qt::Key_S)}, [=, &s] {
        if (!s.PourquoiPasFichier().empty()) return;
        const QString chemin = AvecExtension(Choix()(cadre, QStringLiteral("Enregistrer la leçon"), true, FILTRE_LECON));
        if (chemin.isEmpty()) return;
        s.Enregistre(chemin.toStdString());
        fait();
    });
    fichier->addSeparator();
    auto* exporter = fichier->addMenu(QStringLiteral("Exporter l'image..."));
    exporter->setObjectName(QStringLiteral("fichier_exporter"));
    for (int facteur : {1, 2}) {
        const QString texte = QStringLiteral("Résolution %1x...").arg(facteur);
        const std::string nom = "fichier_exporter_" + std::to_string(facteur);
        ajoute(exporter, nom.c_str(), texte, {}, [=, &p] {
            QString chemin = Choix()(cadre, QStringLiteral("Exporter l'image"), true, FILTRE_PNG);
            if (chemin.isEmpty()) return;
            if (!chemin.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) chemin += QStringLiteral(".png");
            Vue(p, facteur).save(chemin, "PNG");
        });
    }
    QAction* copier = ajoute(fichier, "fichier_copier", QStringLiteral("Copier l'image"),
                             {QKeySequence(Qt::CTRL | Qt::Key_C)},
                             [&p] { QApplication::clipboard()->setImage(Vue(p, 1)); });
    QAction* imprimer = ajoute(fichier, "fichier_imprimer", QStringLiteral("Imprimer..."),
                               {QKeySequence(Qt::CTRL | Qt::Key_P)}, [=, &p] {
        QPrinter imprimante(QPrinter::HighResolution);
        QPrintDialog dialogue(&imprimante, cadre);
        dialogue.setWindowTitle(QStringLiteral("Imprimer"));
        if (dialogue.exec() == QDialog::Accepted) ImprimeSection(p, imprimante);
    });

    QAction* annuler = ajoute(edition, "edition_annuler", QStringLiteral("Annuler"),
                              {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [=, &s] {
        s.Annule();
        fait();
    });
    QAction* retablir = ajoute(edition, "edition_retablir", QStringLiteral("Rétablir"),
                               {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                               [=, &s] {
        s.Retablit();
        fait();
    });

    // F1: the program's own "Comment...", the help of the current mode.
    auto* f1 = new QAction(cadre);
    f1->setObjectName(QStringLiteral("touche_f1"));
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    cadre->addAction(f1);
    QObject::connect(f1, &QAction::triggered, cadre, [=, &p, &s] {
        // The dispatcher refuses the item where the menu could not be used.
        if (!modal() && s.Menu("mnu_aide2").empty()) fait();
    });

    return [=, &p, &s] {
        const bool libre = !modal() && !p.ihm.termine;
        // The size alone: reading the picture would paint what is pending
        // at every tick and pointer move.
        const bool image = !p.dessin.TailleImage().isEmpty();
        const bool fichier = libre && s.PourquoiPasFichier().empty();
        ouvrir->setEnabled(fichier);
        enregistrer->setEnabled(fichier);
        exporter->setEnabled(libre && image);
        copier->setEnabled(libre && image);
        imprimer->setEnabled(libre && image);
        annuler->setEnabled(libre && s.PeutAnnuler());
        retablir->setEnabled(libre && s.PeutRetablir());
    };
}

} // namespace terraflot
