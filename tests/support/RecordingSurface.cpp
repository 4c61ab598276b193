#include "RecordingSurface.h"

namespace kelra {

RecordingSurface::RecordingSurface(int charWidth) : charWidth_(charWidth), fonts_{Font{}} {}

RecordingSurface::Op& RecordingSurface::Push(Kind kind) {
    Op& op = ops_.emplace_back();
    op.kind = kind;
    op.pen = pen_;
    op.align = align_;
    op.textColor = textColor_;
    op.bkColor = bkColor_;
    op.fontIndex = fontIndex_;
    return op;
}

void RecordingSurface::Clear() {
    ops_.clear();
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    Op& op = Push(Kind::Rectangle);
    op.a = left, op.b = top, op.c = right, op.d = bottom;
}

Pen RecordingSurface::SelectPen(const Pen& pen) {
    const Pen old = pen_;
    pen_ = pen;
    Push(Kind::SelectPen);
    return old;
}

Font RecordingSurface::SelectFont(const Font& font) {
    const Font old = fonts_[fontIndex_];
    if (!(font == old)) {
        // Fonts repeat a lot; keep each once.
        std::uint32_t i = 0;
        while (i < fonts_.size() && !(fonts_[i] == font)) ++i;
        if (i == fonts_.size()) fonts_.push_back(font);
        fontIndex_ = i;
    }
    Push(Kind::SelectFont);
    return old;
}

void RecordingSurface::MoveTo(int x, int y) {
    Op& op = Push(Kind::MoveTo);
    op.a = posX_ = x;
    op.b = posY_ = y;
}

void RecordingSurface::LineTo(int x, int y) {
    Op& op = Push(Kind::LineTo);
    op.a = x, op.b = y, op.c = posX_, op.d = posY_;
    posX_ = x;
    posY_ = y;
}

void RecordingSurface::SetTextAlign(TextAlign align) {
    align_ = align;
    Push(Kind::SetTextAlign);
}

void RecordingSurface::SetTextColor(Rgb color) {
    textColor_ = color;
    Push(Kind::SetTextColor);
}

void RecordingSurface::SetBkColor(Rgb color) {
    bkColor_ = color;
    Push(Kind::SetBkColor);
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    Op& op = Push(Kind::TextOut);
    op.a = x, op.b = y;
    op.text = text;
}

int RecordingSurface::TextWidth(const std::string& text) { return static_cast<int>(text.size()) * charWidth_; }

void RecordingSurface::FillSolidRect(int x, int y, int width, int height, Rgb color) {
    bkColor_ = color;
    Op& op = Push(Kind::FillSolidRect);
    op.a = x, op.b = y, op.c = width, op.d = height;
    op.color = color;
}

std::vector<const RecordingSurface::Op*> RecordingSurface::OfKind(Kind kind) const {
    std::vector<const Op*> out;
    for (const Op& op : ops_)
        if (op.kind == kind) out.push_back(&op);
    return out;
}

std::vector<RecordingSurface::Line> RecordingSurface::Lines() const {
    std::vector<Line> out;
    for (const Op& op : ops_)
        if (op.kind == Kind::LineTo) out.push_back(Line{op.c, op.d, op.a, op.b, op.pen});
    return out;
}

std::vector<RecordingSurface::Line> RecordingSurface::LinesWithColor(Rgb color) const {
    std::vector<Line> out;
    for (const Line& l : Lines())
        if (l.pen.color == color) out.push_back(l);
    return out;
}

std::vector<const RecordingSurface::Op*> RecordingSurface::Texts() const { return OfKind(Kind::TextOut); }

const RecordingSurface::Op* RecordingSurface::FindText(const std::string& text) const {
    for (const Op& op : ops_)
        if (op.kind == Kind::TextOut && op.text == text) return &op;
    return nullptr;
}

std::vector<std::string> RecordingSurface::TextStrings() const {
    std::vector<std::string> out;
    for (const Op& op : ops_)
        if (op.kind == Kind::TextOut) out.push_back(op.text);
    return out;
}

bool RecordingSurface::HasLine(const Line& line) const {
    for (const Line& l : Lines())
        if (l == line) return true;
    return false;
}

}  // namespace kelra
