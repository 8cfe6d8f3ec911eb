#include <QGuiApplication>

#include "cadre.h"

namespace terraflot {

void PrépareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("terraflot"));
    // Matches the installed .desktop file, so that docks show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("terraflot"));
}

} // namespace terraflot
