#pragma once
#include <cstdint>
#include <string>

namespace kelra {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb& x, const Rgb& y) { return x.r == y.r && x.g == y.g && x.b == y.b; }
};

// A solid pen.
struct Pen {
    int width = 1;
    Rgb color;
    friend bool operator==(const Pen& a, const Pen& b) { return a.width == b.width && a.color == b.color; }
};

// A font given by character cell height in pixels; an empty face is the
// system's ordinary proportional face.
struct Font {
    std::string face;
    int height = 16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font& a, const Font& b) {
        return a.face == b.face && a.height == b.height && a.weight == b.weight && a.italic == b.italic &&
               a.underline == b.underline;
    }
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

enum class TextAlign { Left, Center };

// What the chart draws on: screen, printer, preview, image or a recorder.
// A new surface has a black one-pixel pen, a white fill, black text on an
// opaque white background and left alignment.
class Surface {
public:
    virtual ~Surface() = default;

    // With the current pen and fill.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Each returns what was selected before.
    virtual Pen SelectPen(const Pen& pen) = 0;
    virtual Font SelectFont(const Font& font) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // From the current position; the end point may be left out.
    virtual void LineTo(int x, int y) = 0;
    // Centred: the text centred on x; both: its top at y.
    virtual void SetTextAlign(TextAlign align) = 0;
    virtual void SetTextColor(Rgb color) = 0;
    virtual void SetBkColor(Rgb color) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual void FillSolidRect(int x, int y, int width, int height, Rgb color) = 0;
    // Puts out anything a surface holds back (batched lines); the chart calls
    // it at the end of every draw.
    virtual void Flush() {}
};

// The window a chart belongs to: gives the client rectangle of its frame.
class ChartHost {
public:
    virtual ~ChartHost() = default;
    virtual Rect FrameClientRect() const = 0;
};

}  // namespace kelra
