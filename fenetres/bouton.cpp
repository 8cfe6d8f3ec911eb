#include "bouton.h"

#include "couleurs_qt.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace terraflot {

BoutonHLB::BoutonHLB(const QString& caption, QWidget* parent, bool wordbreak,
                     Rgb backcolor, Rgb backcolorover)
    : QPushButton(parent), caption_(caption), wordbreak_(wordbreak) {
    setObjectName(QStringLiteral("HLBBttn"));
    // The caption font is Arial; while hovered the font changes to a plain
    // sans serif, as the colour does.
    setStyleSheet(QStringLiteral(
        "QPushButton { background-color: %1; color: black; border: 1px solid #7f7f7f;"
        " border-radius: 3px; padding: 2px 4px; font-family: Arial; }"
        "QPushButton:hover { background-color: %2; font-family: 'MS Sans Serif', sans-serif; }"
        "QPushButton:pressed { border: 2px inset #7f7f7f; }")
        .arg(Css(backcolor), Css(backcolorover)));
    metAJourTexte();
}

QSize BoutonHLB::sizeHint() const {
    QSize s = QPushButton::sizeHint();
    if (wordbreak_) s.setHeight(std::max(s.height(), 2 * fontMetrics().height() + 8));
    return s;
}

void BoutonHLB::resizeEvent(QResizeEvent* e) {
    QPushButton::resizeEvent(e);
    metAJourTexte();
}

// QPushButton does not wrap: break the caption at blanks to fit the width.
void BoutonHLB::metAJourTexte() {
    if (!wordbreak_ || width() <= 0) {
        setText(caption_);
        return;
    }
    const QFontMetrics fm(font());
    const int utile = std::max(10, width() - 12);
    QStringList lignes;
    QString ligne;
    for (const QString& mot : caption_.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString essai = ligne.isEmpty() ? mot : ligne + QLatin1Char(' ') + mot;
        if (!ligne.isEmpty() && fm.horizontalAdvance(essai) > utile) {
            lignes << ligne;
            ligne = mot;
        } else {
            ligne = essai;
        }
    }
    if (!ligne.isEmpty()) lignes << ligne;
    setText(lignes.join(QLatin1Char('\n')));
}

} // namespace terraflot
