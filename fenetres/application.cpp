#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "cadre.h"

namespace terraflot {

void PrépareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("terraflot"));
    // Matches the installed .desktop file, so that docks show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("terraflot"));
    // Qt's own words (file and print dialogs) in French when Qt's
    // translations are installed.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace terraflot
