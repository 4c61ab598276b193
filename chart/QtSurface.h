#pragma once
#include <QFont>
#include <QPen>
#include <QPoint>

#include "Surface.h"

class QPainter;

namespace kelra {

// The chart's surface over a QPainter: screen, printer, preview, image, SVG.
class QtSurface : public Surface {
public:
    explicit QtSurface(QPainter& painter);

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
    void FillSolidRect(int x, int y, int width, int height, Rgb color) override;

    QPainter& painter() { return painter_; }
    // The QFont for a font by cell height ("Arial" falls back to a
    // metric-compatible face where it is missing).
    static QFont ToQFont(const Font& font);

private:
    QPainter& painter_;
    Pen pen_;
    Font font_;
    TextAlign align_ = TextAlign::Left;
    Rgb textColor_{0, 0, 0};
    Rgb bkColor_{255, 255, 255};
    QPoint pos_;
};

}  // namespace kelra
