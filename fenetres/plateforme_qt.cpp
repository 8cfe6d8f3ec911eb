#include "plateforme_qt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "conversions.h"
#include "fenetres_dialogues.h"

namespace terraflot {

Reponse PlateformeQt::MsgBox(const Message& message) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    if (!parent) parent = cadre_;
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
    ++boitesOuvertes_;
    boite.exec();
    --boitesOuvertes_;
    if (sablier) QGuiApplication::restoreOverrideCursor();
    if (message.boutons == Boutons::Ok) return Reponse::Ok;
    return boite.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
}

void PlateformeQt::PointeurChange(Pointeur pointeur) {
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

void PlateformeQt::OuvreAide(const std::string& chemin) { OuvreVisionneuse(chemin, cadre_); }

std::string PlateformeQt::DossierProgramme() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::unique_ptr<Plateforme> CreePlateformeQt() { return std::make_unique<PlateformeQt>(); }

} // namespace terraflot
