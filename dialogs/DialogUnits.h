#pragma once
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace kelra {

// The font every dialog is laid out in: an 8 pt sans face whose metrics are
// close to the classic dialog font (Liberation Sans or Arimo where present,
// otherwise the application's face at 8 pt).
QFont DialogFont();

// Converts dialog units to pixels for one font: x × average character
// width ÷ 4, y × character height ÷ 8, cut toward zero.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font = DialogFont());

    int CharWidth() const { return charWidth_; }
    int CharHeight() const { return charHeight_; }

    int X(int units) const { return units * charWidth_ / 4; }
    int Y(int units) const { return units * charHeight_ / 8; }

    // Edges are converted one by one, so neighbouring controls stay flush.
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const { return {X(width), Y(height)}; }

    void Place(QWidget* widget, int x, int y, int width, int height) const;

private:
    int charWidth_ = 0;
    int charHeight_ = 0;
};

}  // namespace kelra
