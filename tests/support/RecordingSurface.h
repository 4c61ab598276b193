#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Surface.h"

namespace kelra {

// A surface that draws nothing and logs every operation with its arguments and
// the state it ran under. Texts measure a fixed width per character (bytes).
class RecordingSurface : public Surface {
public:
    enum class Kind : std::uint8_t {
        Rectangle,      // a, b, c, d = left, top, right, bottom
        SelectPen,      // pen = the new pen
        SelectFont,     // font() = the new font
        MoveTo,         // a, b
        LineTo,         // a, b = end; c, d = start (the current position before)
        SetTextAlign,   // align
        SetTextColor,   // textColor
        SetBkColor,     // bkColor
        TextOut,        // a, b, text
        FillSolidRect,  // a, b, c, d = x, y, width, height; color
    };

    // One operation and the surface state it ran under (after it for selections).
    struct Op {
        Kind kind{};
        int a = 0, b = 0, c = 0, d = 0;
        std::string text;
        Rgb color;
        Pen pen;
        TextAlign align = TextAlign::Left;
        Rgb textColor{0, 0, 0};
        Rgb bkColor{255, 255, 255};
        std::uint32_t fontIndex = 0;
    };

    // A line as drawn by LineTo.
    struct Line {
        int x1, y1, x2, y2;
        Pen pen;
        friend bool operator==(const Line&, const Line&) = default;
    };

    explicit RecordingSurface(int charWidth = 7);

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

    const std::vector<Op>& Ops() const { return ops_; }
    void Clear();
    int CharWidth() const { return charWidth_; }

    // Helpers for readable checks.
    std::vector<const Op*> OfKind(Kind kind) const;
    std::vector<Line> Lines() const;
    std::vector<Line> LinesWithColor(Rgb color) const;
    std::vector<const Op*> Texts() const;
    // The first text op with exactly this text, or nullptr.
    const Op* FindText(const std::string& text) const;
    std::vector<std::string> TextStrings() const;
    const Font& FontOf(const Op& op) const { return fonts_[op.fontIndex]; }
    bool HasLine(const Line& line) const;

    // Current state.
    const Pen& CurrentPen() const { return pen_; }
    const Font& CurrentFont() const { return fonts_[fontIndex_]; }
    TextAlign CurrentAlign() const { return align_; }
    Rgb CurrentTextColor() const { return textColor_; }
    Rgb CurrentBkColor() const { return bkColor_; }

private:
    Op& Push(Kind kind);

    int charWidth_;
    std::vector<Op> ops_;
    std::vector<Font> fonts_;
    std::uint32_t fontIndex_ = 0;
    Pen pen_;
    TextAlign align_ = TextAlign::Left;
    Rgb textColor_{0, 0, 0};
    Rgb bkColor_{255, 255, 255};
    int posX_ = 0, posY_ = 0;
};

}  // namespace kelra
