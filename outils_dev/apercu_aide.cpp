// Shows one of the help windows on its own, to look at it:
//   apercu_aide comment [glaciation|massif|aucun]   the "Comment ..." window
//   apercu_aide apropos                             the about box
//   apercu_aide visionneuse FICHIER.chm [page.html]  the help viewer
//   apercu_aide absent                              "Utiliser TerraFLOT" without a help file
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <iostream>

#include "commandes.h"
#include "demarrage.h"
#include "etat.h"
#include "fenetres_dialogues.h"
#include "seance.h"
#include "visionneuse.h"

using namespace terraflot;

namespace {

class PlateformeApercu : public Plateforme {
public:
    Reponse MsgBox(const Message& m) override {
        QMessageBox::critical(nullptr, QString::fromStdString(m.titre),
                              QString::fromStdString(m.texte));
        return Reponse::Ok;
    }
    void OuvreAide(const std::string& chemin) override { OuvreVisionneuse(chemin, nullptr); }
    std::string DossierProgramme() override { return "/nulle/part"; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string quoi = argc > 1 ? argv[1] : "comment";
    PlateformeApercu pf;
    Programme p(pf);
    p.ihm.LargeurEcran = 1280 * 15;
    p.ihm.HauteurEcran = 1024 * 15;
    Demarre(p);
    Clique(p, "Avertissement.Command1");
    Seance seance(p);

    std::unique_ptr<Miroir> fenetre;
    std::unique_ptr<Visionneuse> visionneuse;
    if (quoi == "comment") {
        const std::string mode = argc > 2 ? argv[2] : "";
        if (!mode.empty()) p.m.ModeProfil = false;
        if (mode == "glaciation") p.m.ModeGlaciation = true;
        if (mode == "massif") p.m.AnimErosionMassif = true;
        Menu(p, "mnu_aide2");
        fenetre = CreeAide(p, seance, [] { QApplication::quit(); }, nullptr);
    } else if (quoi == "apropos") {
        Menu(p, "mnu_apropos");
        fenetre = CreeApropos(p, seance, [] { QApplication::quit(); }, nullptr);
    } else if (quoi == "visionneuse" && argc > 2) {
        std::string erreur;
        visionneuse = CreeVisionneuse(argv[2], erreur);
        if (!visionneuse) {
            QMessageBox::critical(nullptr, QStringLiteral("TERRAFLOT"), QString::fromStdString(erreur));
            return 1;
        }
        if (argc > 3) visionneuse->Pages()->setSource(PagesAide::Adresse(std::string("/") + argv[3]));
        visionneuse->move(20, 20);
        visionneuse->show();
    } else if (quoi == "absent") {
        QTimer::singleShot(0, [&] { Menu(p, "mnu_aide1"); });
    } else {
        std::cerr << "usage: apercu_aide comment|apropos|visionneuse FICHIER [page]|absent\n";
        return 2;
    }
    return app.exec();
}
