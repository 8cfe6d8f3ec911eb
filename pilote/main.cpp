// terraflot-replay: plays a script of user actions against the program's
// own handlers, without showing any window, and prints the state as JSON.
#include <QGuiApplication>

#include <fstream>
#include <iostream>

#include "moteur.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: terraflot-replay [SCRIPT]\n";
        return 2;
    }
    terraflot::Moteur moteur(terraflot::DossierExecutable());
    if (argc == 2) {
        std::ifstream script(argv[1], std::ios::binary);
        if (!script) {
            std::cerr << "terraflot-replay: cannot read " << argv[1] << "\n";
            terraflot::Moteur::Erreur(std::cout, std::string("cannot read the script ") + argv[1], 1);
            std::cout.flush();
            return 2;
        }
        return moteur.Execute(script, std::cout);
    }
    return moteur.Execute(std::cin, std::cout);
}
