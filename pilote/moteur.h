// The engine of the scenario driver: reads script lines, delivers them as
// user actions through the program's own commands, prints JSON lines.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "etat.h"
#include "plateforme_script.h"
#include "seance.h"

namespace terraflot {

class Moteur {
public:
    // `dossier`: the program folder, where the help file is looked for.
    explicit Moteur(std::string dossier);

    // Runs a whole script; returns the exit status (0, or 2 for a malformed
    // line, a script that cannot be read, a picture that cannot be written).
    int Execute(std::istream& script, std::ostream& sortie);
    // Runs one line; returns false when the driver must stop (malformed line).
    bool Ligne(std::string_view ligne, int numero, std::ostream& sortie);

    std::string Dump();
    // The error line that stops the driver.
    static void Erreur(std::ostream& sortie, std::string_view pourquoi, int numero);
    Programme& programme() { return *programme_; }
    PlateformeScript& plateforme() { return plateforme_; }
    // The session whose journal the actions go to.
    Seance& seance() { return *seance_; }

private:
    PlateformeScript plateforme_;
    std::unique_ptr<Programme> programme_;
    std::unique_ptr<Seance> seance_;
};

// Folder of the running executable.
std::string DossierExecutable();

} // namespace terraflot
