#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <QPolygon>

#include "Surface.h"

class QPainter;

namespace kelra {

// The chart's surface over a QPainter: screen, printer, preview, image, SVG.
// It behaves like a fresh classic device context: lines without antialiasing,
// LineTo leaving out its end point, Rectangle(l, t, r, b) covering l..r-1 and
// t..b-1, texts with their cell's top at y on an opaque background. It saves
// the painter's state on construction and restores it on destruction, and
// draws under whatever transform the caller set. Connected lines are batched
// into polylines: Flush() (or painter()) puts them out before the caller
// paints on the painter directly.
class QtSurface : public Surface {
public:
    explicit QtSurface(QPainter& painter);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    void Rectangle(int left, int top, int right, int bottom) override;
    Pen SelectPen(const Pen& pen) override;
    Font SelectFont(const Font& font) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetTextAlign(TextAlign align) override;
    void SetTextColor(Rgb color) override;
    void SetBkColor(Rgb color) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    // Like the classic device context, the fill colour also becomes the text background.
    void FillSolidRect(int x, int y, int width, int height, Rgb color) override;
    void Flush() override;

    QPainter& painter() {
        Flush();
        return painter_;
    }
    // The QFont for a font by cell height: the pixel size is the largest whose
    // ascent + descent does not exceed the height. "Arial" falls back to
    // Liberation Sans where it is missing; an empty face is the system's face.
    static QFont ToQFont(const Font& font);
    // The QPen drawn for a pen: widths 0 and 1 give a one-pixel line with flat
    // ends, wider ones round ends and joins.
    static QPen ToQPen(const Pen& pen);

private:
    void UsePen(const QPen& pen);

    QPainter& painter_;
    Pen pen_;
    QPen qpen_;
    Font font_;
    QFont qfont_;
    QFontMetrics metrics_;
    TextAlign align_ = TextAlign::Left;
    Rgb textColor_{0, 0, 0};
    Rgb bkColor_{255, 255, 255};
    QPoint pos_;
    // Lines not yet painted, all with the current pen, joined end to start.
    QPolygon pending_;
    // The last painted single line; painting it again changes nothing.
    QPolygon lastLine_;
};

}  // namespace kelra
