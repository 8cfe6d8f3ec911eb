// A platform whose message boxes are answered from a queue: the driver's,
// and the one on which a session's steps and lessons are replayed.
#pragma once

#include <deque>
#include <string>

#include "etat.h"

namespace terraflot {

class PlateformeScript : public Plateforme {
public:
    explicit PlateformeScript(std::string dossier) : dossier_(std::move(dossier)) {}
    // An OK box is acknowledged; a Yes/No box takes the next queued answer,
    // No when there is none.
    Reponse MsgBox(const Message& message) override {
        if (message.boutons == Boutons::Ok) return Reponse::Ok;
        if (reponses.empty()) return Reponse::Non;
        const bool oui = reponses.front();
        reponses.pop_front();
        return oui ? Reponse::Oui : Reponse::Non;
    }
    void OuvreAide(const std::string&) override {}
    std::string DossierProgramme() override { return dossier_; }
    // Answers of the next Yes/No message boxes (true = Yes).
    std::deque<bool> reponses;

private:
    std::string dossier_;
};

} // namespace terraflot
