// The platform of the real program: Qt message boxes, the pointer, the help
// viewer.
#pragma once

#include <QPointer>
#include <QWidget>

#include "etat.h"

namespace terraflot {

class PlateformeQt : public Plateforme {
public:
    Reponse MsgBox(const Message& message) override;
    void PointeurChange(Pointeur pointeur) override;
    void OuvreAide(const std::string& chemin) override;
    std::string DossierProgramme() override;

    // The frame, parent of the message boxes when no other window is active.
    void ChoisitCadre(QWidget* cadre) { cadre_ = cadre; }
    // True while a message box waits for its answer: timer ticks wait too,
    // so that no erosion cycle runs in the middle of the handler that asked.
    bool BoiteOuverte() const { return boitesOuvertes_ > 0; }

private:
    QPointer<QWidget> cadre_;
    int boitesOuvertes_ = 0;
    bool pose_ = false;
};

} // namespace terraflot
