// The frame window MDIForm1 and the main window Quiral inside it, the
// dashboard and the start-up notice; they mirror the Programme's state.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace terraflot {

struct Programme;
class Plateforme;

// The application's names.  No display name: the window system would add
// it to every window title, which shows exactly its caption.
void PrépareApplication();
// The platform of the real program: Qt message boxes, the pointer, the help
// viewer.
std::unique_ptr<Plateforme> CreePlateformeQt();
// Creates, shows and starts the frame; the returned window owns the others.
QWidget* CreeCadre(Programme& p);
// What the frame does once the program has ended and its windows are
// closed (the program's main() leaves its event loop).
void QuandTermine(QWidget* cadre, std::function<void()> action);
// The lesson of the command line: the start-up notice's "OK", then the
// lesson opened as "Ouvrir une leçon..." opens it (a bad file shows its
// message and leaves the fresh program).
void OuvreAuDepart(QWidget* cadre, const std::string& chemin);

} // namespace terraflot
