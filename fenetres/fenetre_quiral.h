// The main window Quiral: drawing area, captions, legend, erosion panel and
// Timer1.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "couleurs.h"
#include "etat.h"
#include "miroir.h"

class QLabel;
class QRadioButton;
class QTimer;

namespace terraflot {

class Legende;
class ZoneDessin;

class FenetreQuiral : public QWidget {
public:
    // `boiteOuverte` says whether a message box waits for its answer: the
    // timer's ticks wait for it.
    FenetreQuiral(Programme& p, Seance& s, ApresAction apres, std::function<bool()> boiteOuverte,
                  QWidget* parent);
    // The picture is repainted at most every 8 ms, which no screen outruns:
    // at a 1 ms interval several cycles go by between two frames, and the
    // frame shows the last of them.
    void Repeint();
    void Synchronise();
    // The state was replaced as a whole: the next Synchronise repaints.
    void ToutRevoir() { generation_ = ~std::uint64_t(0); }

private:
    QLabel* Etiquette(const char* nom, QWidget* parent);
    QRadioButton* Option(const char* nom, const char* caption, Geometrie place);
    void Agit(const std::string& nom);
    void Place(QWidget* w, const char* controle, QSize taille = {});
    static void Couleur(QWidget* w, Rgb c);

    Programme& p_;
    Seance& s_;
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
    std::function<bool()> boiteOuverte_;
};

} // namespace terraflot
