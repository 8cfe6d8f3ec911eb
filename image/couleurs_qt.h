// The drawing colours as Qt takes them.
#pragma once

#include <QColor>
#include <QString>

#include "couleurs.h"

namespace terraflot {

inline QColor Qc(Rgb c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)); }
// "#rrggbb", for style sheets.
inline QString Css(Rgb c) {
    return QStringLiteral("#%1").arg(qulonglong(c & 0xFFFFFF), 6, 16, QLatin1Char('0'));
}

} // namespace terraflot
