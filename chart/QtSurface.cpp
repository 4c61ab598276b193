#include "QtSurface.h"

#include <QPainter>

namespace kelra {

// To be filled in with the drawing engine.
QtSurface::QtSurface(QPainter& painter) : painter_(painter) {}
void QtSurface::Rectangle(int, int, int, int) {}
Pen QtSurface::SelectPen(const Pen& pen) { Pen old = pen_; pen_ = pen; return old; }
Font QtSurface::SelectFont(const Font& font) { Font old = font_; font_ = font; return old; }
void QtSurface::MoveTo(int x, int y) { pos_ = QPoint(x, y); }
void QtSurface::LineTo(int x, int y) { pos_ = QPoint(x, y); }
void QtSurface::SetTextAlign(TextAlign align) { align_ = align; }
void QtSurface::SetTextColor(Rgb color) { textColor_ = color; }
void QtSurface::SetBkColor(Rgb color) { bkColor_ = color; }
void QtSurface::TextOut(int, int, const std::string&) {}
int QtSurface::TextWidth(const std::string& text) { return static_cast<int>(text.size()) * 7; }
void QtSurface::FillSolidRect(int, int, int, int, Rgb) {}
QFont QtSurface::ToQFont(const Font& font) { return QFont(QString::fromStdString(font.face)); }

}  // namespace kelra
