#include "CycleChart.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "InvalidArgument.h"
#include "NumberText.h"
#include "Text.h"

namespace kelra {
namespace {

// Every coordinate handed to a surface stays within this; no real surface is
// larger, and it keeps the layout arithmetic far from overflow.
constexpr std::int64_t kMaxCoord = std::int64_t{1} << 20;
// Wider pens are clamped; nothing on screen or paper needs more.
constexpr std::int64_t kMaxPenWidth = 1000;
// The X spacing of a numeric axis while the X step is 0 (left by a table with
// more rows than pixels).
constexpr std::int64_t kNumericXStep = 50;
// Beyond this a truncated product no longer fits the 64-bit layout arithmetic.
constexpr double kMaxProduct = 4.0e18;

constexpr Rgb kMarkColor{0, 0, 0};
constexpr Rgb kBulletColor{0, 150, 100};
constexpr Rgb kWhite{255, 255, 255};

int Px(std::int64_t v) { return static_cast<int>(std::clamp(v, -kMaxCoord, kMaxCoord)); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    return s.substr(i);
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    std::size_t n = s.size();
    while (n > 0 && IsSpace(s[n - 1])) --n;
    return s.substr(0, n);
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A hard cut at `count` characters, moved back so that it never splits a
// UTF-8 sequence; moved forward when that would leave nothing.
std::size_t CutAt(std::string_view s, std::size_t count) {
    if (count >= s.size()) return s.size();
    std::size_t cut = count;
    while (cut > 0 && IsUtf8Continuation(s[cut])) --cut;
    if (cut == 0) {
        cut = 1;
        while (cut < s.size() && IsUtf8Continuation(s[cut])) ++cut;
    }
    return cut;
}

std::string ReplaceBreaks(std::string_view s) {
    static constexpr std::string_view kBreak = "<BR>";
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (s.substr(i, kBreak.size()) == kBreak) {
            out += ' ';
            i += kBreak.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

}  // namespace

namespace {

using Offset = std::uint32_t;

Offset ReadOffset(const char* at) {
    Offset v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

}  // namespace

CellTexts::CellTexts(const std::vector<std::string>& texts) { Assign(texts); }
CellTexts::CellTexts(std::initializer_list<std::string_view> texts) { Assign(texts); }

CellTexts::CellTexts(const CellTexts& other) {
    if (!other.block_) return;
    const std::size_t bytes = other.BlockSize();
    block_ = std::make_unique_for_overwrite<char[]>(bytes);
    std::memcpy(block_.get(), other.block_.get(), bytes);
}

CellTexts& CellTexts::operator=(const CellTexts& other) {
    if (this != &other) *this = CellTexts(other);
    return *this;
}

template <class Range>
void CellTexts::Assign(const Range& texts) {
    const std::size_t count = texts.size();
    if (count == 0) {
        block_.reset();
        return;
    }
    std::size_t chars = 0;
    for (const auto& t : texts) chars += std::string_view(t).size();
    const std::size_t head = (count + 1) * sizeof(Offset);
    if (count >= std::numeric_limits<Offset>::max() || chars > std::numeric_limits<Offset>::max() - head)
        throw std::length_error("row too long");
    auto block = std::make_unique_for_overwrite<char[]>(head + chars);
    const Offset n = static_cast<Offset>(count);
    std::memcpy(block.get(), &n, sizeof n);
    Offset end = static_cast<Offset>(head);
    std::size_t i = 0;
    for (const auto& t : texts) {
        const std::string_view v(t);
        if (!v.empty()) std::memcpy(block.get() + end, v.data(), v.size());
        end += static_cast<Offset>(v.size());
        std::memcpy(block.get() + (++i) * sizeof(Offset), &end, sizeof end);
    }
    block_ = std::move(block);
}

std::size_t CellTexts::size() const { return block_ ? ReadOffset(block_.get()) : 0; }

std::size_t CellTexts::BlockSize() const { return block_ ? ReadOffset(block_.get() + size() * sizeof(Offset)) : 0; }

std::string_view CellTexts::operator[](std::size_t index) const {
    const char* b = block_.get();
    const Offset first = index == 0 ? static_cast<Offset>((size() + 1) * sizeof(Offset))
                                    : ReadOffset(b + index * sizeof(Offset));
    return std::string_view(b + first, ReadOffset(b + (index + 1) * sizeof(Offset)) - first);
}

CycleChart::CycleChart(ChartHost* chartHost) : host(chartHost) {}

void CycleChart::SetTitle(const std::string& text) { title = text; }
void CycleChart::ClearSeries() { series.clear(); }

int CycleChart::AddSeries(int markSize, const std::string& caption, std::optional<Pen> pen,
                          std::optional<std::vector<std::string>> notes) {
    series.push_back(ChartSeries{markSize, caption, pen, std::move(notes)});
    return static_cast<int>(series.size()) - 1;
}

int CycleChart::SeriesCount() const { return static_cast<int>(series.size()); }
void CycleChart::SetColumnCount(int count) { columnCount = count; }
void CycleChart::ClearRows() { rows.clear(); }
void CycleChart::AddRow(std::vector<std::string> cells) { rows.push_back(ChartRow{CellTexts(cells)}); }
int CycleChart::RowCount() const { return static_cast<int>(rows.size()); }

void CycleChart::SetSeriesCaption(int index, const std::string& caption) {
    if (index < 0 || index >= SeriesCount()) throw InvalidArgumentError();
    series[static_cast<std::size_t>(index)].caption = caption;
}

void CycleChart::SetSeriesNotes(int index, std::vector<std::string> notes) {
    if (index < 0 || index >= SeriesCount()) throw InvalidArgumentError();
    series[static_cast<std::size_t>(index)].notes = std::move(notes);
}

const ChartSeries& CycleChart::Entry(int index) const {
    if (index < 0 || index >= SeriesCount()) throw InvalidArgumentError();
    return series[static_cast<std::size_t>(index)];
}

std::string_view CycleChart::Cell(const ChartRow& row, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= row.cells.size()) throw InvalidArgumentError();
    return row.cells[static_cast<std::size_t>(column)];
}

std::int64_t CycleChart::YSteps() const {
    if (yStepPx <= 0) return 0;
    return (std::int64_t{plotRect.bottom} - plotRect.top) / yStepPx;
}

std::optional<std::int64_t> CycleChart::YOf(double value, double scale) const {
    // The two products are truncated separately, then combined.
    const double a = std::trunc(value * scale);
    const double b = std::trunc(yMin * scale);
    if (!(std::fabs(a) < kMaxProduct) || !(std::fabs(b) < kMaxProduct)) return std::nullopt;
    return std::int64_t{plotRect.bottom} - static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b);
}

void CycleChart::Draw(Surface& s) {
    surface = &s;
    // What was drawn stays, also when the draw stops on an error.
    struct FlushOnExit {
        Surface& s;
        ~FlushOnExit() { s.Flush(); }
    } flushOnExit{s};
    DrawFrames(s);

    const Font oldFont = s.SelectFont(tickFont);
    s.SetTextAlign(TextAlign::Center);
    s.SetTextColor(labelColor);
    const Pen oldPen = s.SelectPen(gridPen);
    if (rows.empty())
        DrawNumericXAxis(s);
    else
        DrawLabelledXAxis(s);
    if (yAutoscale) AutoscaleY();
    DrawYAxis(s);
    s.SelectFont(oldFont);
    s.SelectPen(oldPen);

    DrawTitle(s);
    s.SelectPen(gridPen);
    if (showLegend) DrawLegend(s);
    DrawSeries(s);
}

std::optional<int> CycleChart::RowAt(int x, int y) const {
    const std::int64_t left = plotRect.left;
    if (rows.empty() || plotRect.Width() <= 0 || x < left || x > plotRect.right || y < plotRect.top ||
        y > plotRect.bottom)
        return std::nullopt;
    const std::int64_t last = static_cast<std::int64_t>(rows.size()) - 1;
    // Rows stand at left + r * xStepPx; a step of 0 puts them all at the left edge.
    if (xStepPx <= 0) return 0;
    const std::int64_t r = (x - left + xStepPx / 2) / xStepPx;
    return static_cast<int>(std::min(r, last));
}

void CycleChart::DrawFrames(Surface& s) {
    if (frameVisible) {
        if (fitToHost && host != nullptr) {
            const Rect client = host->FrameClientRect();
            outerRect = Rect{Px(std::int64_t{client.left} + margin), Px(std::int64_t{client.top} + topMargin),
                             Px(std::int64_t{client.right} - margin), Px(std::int64_t{client.bottom} - margin)};
        }
        s.Rectangle(outerRect.left, outerRect.top, outerRect.right, outerRect.bottom);
    }
    const std::int64_t rightInset = std::int64_t{inset} + (showLegend ? legendWidth : margin);
    plotRect = Rect{Px(std::int64_t{outerRect.left} + inset), Px(std::int64_t{outerRect.top} + inset),
                    Px(std::int64_t{outerRect.right} - rightInset), Px(std::int64_t{outerRect.bottom} - inset)};
    s.Rectangle(plotRect.left, plotRect.top, plotRect.right, plotRect.bottom);
}

void CycleChart::DrawMinorTicks(Surface& s, std::int64_t xStep) {
    if (minorTicks == 0) return;
    const std::int64_t left = plotRect.left, right = plotRect.right, top = plotRect.top, bottom = plotRect.bottom;
    const std::int64_t mx = xStep / minorTicks;
    // Denser ticks would blur into the axis; this also keeps xStep above 0.
    if (mx < 5) return;
    const std::int64_t columns = (right - left) / xStep;
    for (std::int64_t i = 0; i <= columns; ++i) {
        for (std::int64_t j = 0; j < minorTicks; ++j) {
            const std::int64_t x = left + i * xStep + j * mx;
            if ((i == 0 && j == 0) || x >= right) continue;
            s.MoveTo(Px(x), Px(bottom - 1));
            s.LineTo(Px(x), Px(bottom - 6));
        }
    }
    const std::int64_t my = std::int64_t{yStepPx} / minorTicks;
    if (my < 5) return;
    const std::int64_t steps = YSteps();
    for (std::int64_t i = 0; i <= steps; ++i) {
        for (std::int64_t j = 0; j < minorTicks; ++j) {
            const std::int64_t y = bottom - i * yStepPx - j * my;
            if ((i == 0 && j == 0) || y <= top) continue;
            s.MoveTo(Px(left + 1), Px(y));
            s.LineTo(Px(left + 6), Px(y));
        }
    }
}

void CycleChart::DrawLabelledXAxis(Surface& s) {
    const std::int64_t left = plotRect.left, top = plotRect.top, bottom = plotRect.bottom;
    const std::int64_t width = std::int64_t{plotRect.right} - left;
    if (columnCount != 0) {
        const ChartSeries& labels = Entry(0);
        s.SelectFont(captionFont);
        s.TextOut(Px(left + width / 2), Px(std::int64_t{outerRect.bottom} - 20), labels.caption);
        s.SelectFont(tickFont);
    }
    const std::int64_t n = static_cast<std::int64_t>(rows.size());
    // |width| <= 2 * kMaxCoord, so the step fits.
    xStepPx = static_cast<std::int32_t>(n == 1 ? width : width / (n - 1));
    DrawMinorTicks(s, xStepPx);

    std::int64_t lastLabelEnd = left;
    for (std::int64_t r = 0; r < n; ++r) {
        const std::int64_t x = left + r * xStepPx;
        s.MoveTo(Px(x), Px(bottom - 1));
        s.LineTo(Px(x), Px(xShowNet && r >= 1 ? top : bottom + 4));
        if (r == 0 || x > lastLabelEnd) {
            const std::string label(Cell(rows[static_cast<std::size_t>(r)], 0));
            s.MoveTo(Px(x), Px(bottom));
            s.LineTo(Px(x), Px(bottom + 5));
            s.TextOut(Px(x), Px(bottom + 4), label);
            // The zone grows from its previous end, not from this label.
            lastLabelEnd += static_cast<std::int64_t>(2.5 * s.TextWidth(label));
        }
    }
}

void CycleChart::DrawNumericXAxis(Surface& s) {
    const std::int64_t left = plotRect.left, top = plotRect.top, bottom = plotRect.bottom;
    const std::int64_t width = std::int64_t{plotRect.right} - left;
    // Only a step of 0 cannot be followed: it would divide by zero.
    const std::int64_t step = xStepPx != 0 ? xStepPx : kNumericXStep;
    DrawMinorTicks(s, step);
    const std::int64_t count = width / step;
    for (std::int64_t i = 1; i <= count; ++i) {
        const std::int64_t x = left + i * step;
        s.MoveTo(Px(x), Px(bottom - 1));
        s.LineTo(Px(x), Px(xShowNet ? top : bottom + 4));
        s.TextOut(Px(x), Px(bottom + 4), FormatFixed(static_cast<double>(i) * xDelta + xMin, 0, 6));
    }
}

void CycleChart::AutoscaleY() {
    if (rows.empty()) return;
    double max = -1e11, min = 1e11;
    bool scanned = false;
    for (int c = 1; c < columnCount; ++c) {
        for (const ChartRow& row : rows) {
            const double v = ReadNumber(Cell(row, c));
            // An infinite or undefined cell cannot be drawn; it must not spoil the range.
            if (!std::isfinite(v)) continue;
            scanned = true;
            if (v > max) max = v;
            if (v < min) min = v;
        }
    }
    // No values: keep the range in force.
    if (!scanned || max < min) return;
    if (max == min) {
        // A flat line: centre it in a small range around its value.
        const double spread = std::max(1.0, std::fabs(max) / 10.0);
        max += spread;
        min -= spread;
    }
    const std::int64_t steps = YSteps();
    const double divisor = steps - 1 >= 1 ? static_cast<double>(steps - 1) : 1.0;
    const double raw = (max - min) / divisor;
    if (!std::isfinite(raw) || !(raw > 0)) return;
    const int e = static_cast<int>(std::floor(std::log10(raw)));
    const double unit = e >= 0 ? std::pow(10.0, e) : 1.0 / std::pow(10.0, -e);
    if (!std::isfinite(unit) || !(unit > 0)) return;
    double delta = (std::trunc(raw / unit) + 1.0) * unit;
    if (delta == 0) delta = unit;
    const double bottom = std::trunc(min / delta) * delta - delta;
    if (!std::isfinite(delta) || !std::isfinite(bottom)) return;
    yDelta = delta;
    yMin = bottom;
}

void CycleChart::DrawYAxis(Surface& s) {
    const std::int64_t left = plotRect.left, right = plotRect.right, bottom = plotRect.bottom;
    const std::int64_t steps = YSteps();
    for (std::int64_t i = 0; i <= steps; ++i) {
        const std::int64_t y = bottom - i * yStepPx;
        if (i >= 1) {
            s.MoveTo(Px(left), Px(y));
            s.LineTo(Px(yShowNet ? right : left - 5), Px(y));
        }
        s.TextOut(Px(left - 22), Px(y - 7), FormatFixed(static_cast<double>(i) * yDelta + yMin, 2, 4));
    }
}

void CycleChart::DrawTitle(Surface& s) {
    if (title.empty()) return;
    const Font old = s.SelectFont(titleFont);
    s.SetTextAlign(TextAlign::Center);
    s.SetTextColor(titleColor);
    const std::int64_t x = std::int64_t{plotRect.left} + (std::int64_t{plotRect.right} - plotRect.left) / 2;
    s.TextOut(Px(x), Px(std::int64_t{outerRect.top} + inset / 4), title);
    s.SelectFont(old);
}

void CycleChart::DrawLegend(Surface& s) {
    s.SetTextAlign(TextAlign::Left);
    s.SelectFont(captionFont);
    const std::int64_t legendX = std::int64_t{plotRect.right} + 10;
    const std::int64_t noteLimit = std::int64_t{plotRect.bottom} - 10;
    std::int64_t entryY = plotRect.top;
    for (int i = 1; i < columnCount; ++i) {
        const ChartSeries& entry = Entry(i);
        if (!entry.pen) throw InvalidArgumentError();
        s.SelectPen(*entry.pen);
        s.MoveTo(Px(legendX), Px(entryY));
        s.LineTo(Px(legendX + 20), Px(entryY));
        const std::string_view caption = entry.caption;
        s.TextOut(Px(legendX + 30), Px(entryY - 5), std::string(caption.substr(0, CutAt(caption, 30))));
        if (entry.notes) {
            std::int64_t noteY = entryY + 30;
            for (const std::string& note : *entry.notes) {
                const std::string joined = ReplaceBreaks(note);
                const std::string line(Trim(joined));
                if (!line.empty()) {
                    s.FillSolidRect(Px(legendX - 4), Px(noteY + 4), 5, 5, kBulletColor);
                    s.SetBkColor(kWhite);
                }
                noteY += 16 * std::int64_t{WrapText(s, Px(legendX + 5), Px(noteY), line, 25, 15)};
                if (noteY > noteLimit) break;
            }
        }
        entryY += 20;
    }
}

void CycleChart::DrawSeries(Surface& s) {
    const std::int64_t left = plotRect.left, top = plotRect.top, bottom = plotRect.bottom;
    const double scale = static_cast<double>(yStepPx) / yDelta;
    const auto inside = [&](const std::optional<std::int64_t>& y) { return y && *y >= top && *y <= bottom; };
    std::optional<Pen> remembered;
    for (int i = 1; i < columnCount; ++i) {
        const ChartSeries& entry = Entry(i);
        if (!entry.pen) throw InvalidArgumentError();
        const std::int64_t width =
            std::clamp(std::int64_t{lineWidth} + entry.pen->width - 1, std::int64_t{0}, kMaxPenWidth);
        const Pen previous = s.SelectPen(Pen{static_cast<int>(width), entry.pen->color});
        if (!remembered) remembered = previous;

        const std::int64_t half = entry.markSize / 2;
        std::int64_t prevX = left;
        std::optional<std::int64_t> prevY = YOf(0.0, scale);
        const std::int64_t n = static_cast<std::int64_t>(rows.size());
        for (std::int64_t r = 0; r < n; ++r) {
            const std::int64_t x = left + r * xStepPx;
            const std::optional<std::int64_t> y = YOf(ReadNumber(Cell(rows[static_cast<std::size_t>(r)], i)), scale);
            if (inside(y) && inside(prevY)) {
                if (r >= 1) {
                    s.MoveTo(Px(prevX), Px(*prevY));
                    s.LineTo(Px(x), Px(*y));
                }
                if (showMarks) s.FillSolidRect(Px(x - half), Px(*y - half), entry.markSize, entry.markSize, kMarkColor);
            }
            prevX = x;
            prevY = y;
        }
    }
    if (remembered) s.SelectPen(*remembered);
}

int CycleChart::WrapText(Surface& s, int x, int y, std::string text, int maxChars, int lineHeight) {
    // No width to wrap at: show the text whole rather than nothing.
    if (maxChars < 1) {
        s.TextOut(x, y, text);
        return 1;
    }
    const std::size_t limit = static_cast<std::size_t>(maxChars);
    std::string_view rest = text;
    std::int64_t lineY = y;
    int lines = 0;
    for (;;) {
        ++lines;
        if (rest.size() <= limit) {
            s.TextOut(x, Px(lineY), std::string(rest));
            return lines;
        }
        const std::size_t blank = rest.substr(0, limit).rfind(' ');
        const std::size_t cut = blank != std::string_view::npos ? blank : CutAt(rest, limit);
        s.TextOut(x, Px(lineY), std::string(rest.substr(0, cut)));
        // Cutting at a blank leaves it in front of the rest, so this always advances.
        rest = TrimLeft(rest.substr(cut));
        lineY += lineHeight;
    }
}

}  // namespace kelra
