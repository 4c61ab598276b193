#include "DialogUnits.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace kelra {

QFont DialogFont() {
    QFont font = QApplication::font();
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"MS Shell Dlg 2", "Microsoft Sans Serif", "Liberation Sans", "Arimo"}) {
        if (families.contains(QString::fromLatin1(face))) {
            font.setFamily(QString::fromLatin1(face));
            break;
        }
    }
    font.setPointSize(8);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The classic average: the alphabet in both cases over 52, rounded.
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    charWidth_ = (alphabet + 26) / 52;
    charHeight_ = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

void DialogUnits::Place(QWidget* widget, int x, int y, int width, int height) const {
    widget->setGeometry(Rect(x, y, width, height));
}

}  // namespace kelra
