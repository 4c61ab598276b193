#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Surface.h"

namespace kelra {

struct ChartSeries {
    int markSize = 0;
    std::string caption;
    std::optional<Pen> pen;
    std::optional<std::vector<std::string>> notes;
};

// The texts of one table row, read-only, in one block: a row costs one
// allocation instead of one per cell, which matters for millions of rows.
class CellTexts {
public:
    using value_type = std::string_view;
    using size_type = std::size_t;
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;
        const_iterator() = default;
        const_iterator(const CellTexts* texts, std::size_t index) : texts_(texts), index_(index) {}
        std::string_view operator*() const { return (*texts_)[index_]; }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        const_iterator& operator++() { return ++index_, *this; }
        const_iterator operator++(int) { const_iterator old = *this; ++index_; return old; }
        const_iterator& operator--() { return --index_, *this; }
        const_iterator operator--(int) { const_iterator old = *this; --index_; return old; }
        const_iterator& operator+=(difference_type n) { index_ += static_cast<std::size_t>(n); return *this; }
        const_iterator& operator-=(difference_type n) { index_ -= static_cast<std::size_t>(n); return *this; }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.index_ == b.index_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.index_ <=> b.index_; }

    private:
        const CellTexts* texts_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = const_iterator;

    CellTexts() = default;
    CellTexts(const std::vector<std::string>& texts);
    CellTexts(std::initializer_list<std::string_view> texts);
    CellTexts(const CellTexts& other);
    CellTexts& operator=(const CellTexts& other);
    CellTexts(CellTexts&&) noexcept = default;
    CellTexts& operator=(CellTexts&&) noexcept = default;

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t index) const;
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }

private:
    template <class Range>
    void Assign(const Range& texts);
    std::size_t BlockSize() const;
    // The count, the end offset of every text, then the characters; absent
    // when there is no text.
    std::unique_ptr<char[]> block_;
};

struct ChartRow {
    CellTexts cells;
};

// A line chart over a table of texts: axes, grid, ticks, labels, series,
// marks and a legend with note lines.
class CycleChart {
public:
    explicit CycleChart(ChartHost* host);

    void SetTitle(const std::string& title);
    void ClearSeries();
    int AddSeries(int markSize, const std::string& caption, std::optional<Pen> pen,
                  std::optional<std::vector<std::string>> notes);
    int SeriesCount() const;
    void SetColumnCount(int count);
    void ClearRows();
    void AddRow(std::vector<std::string> cells);
    int RowCount() const;
    void SetSeriesCaption(int index, const std::string& caption);
    void SetSeriesNotes(int index, std::vector<std::string> notes);

    // Draws everything; throws InvalidArgumentError on an access outside the
    // tables, leaving what was drawn.
    void Draw(Surface& surface);

    // The row whose X position is nearest to a point in client pixels, by
    // the layout of the last draw; nothing outside the plot or without rows.
    std::optional<int> RowAt(int x, int y) const;

    // Draws text word-wrapped at maxChars characters; returns the lines drawn.
    static int WrapText(Surface& surface, int x, int y, std::string text, int maxChars, int lineHeight);

    // Layout.
    bool fitToHost = true;
    std::int32_t margin = 10;
    std::int32_t inset = 50;
    std::int32_t legendWidth = 100;
    std::int32_t xStepPx = 50;
    std::int32_t yStepPx = 50;
    std::int32_t minorTicks = 5;
    ChartHost* host = nullptr;
    Surface* surface = nullptr;
    Rect outerRect{20, 20, 820, 520};
    Rect plotRect{};
    Font titleFont{"Arial", 16};
    Font tickFont{"Arial", 14};
    Font captionFont{"Arial", 14};
    Rgb titleColor{0, 0, 0};
    Rgb labelColor{0, 0, 0};
    Pen gridPen{1, {220, 220, 220}};
    std::string title;
    // Options the user edits (the Properties dialog works on them in place).
    bool yAutoscale = true;
    bool frameVisible = true;
    bool xShowNet = true;
    bool yShowNet = true;
    bool showMarks = false;
    bool showLegend = true;
    std::int32_t lineWidth = 1;
    std::int32_t topMargin = 10;
    std::int32_t columnCount = 0;
    double xMin = 0.0;
    double yMin = -300.0;
    double xDelta = 10.0;
    double yDelta = 100.0;
    std::vector<ChartRow> rows;
    std::vector<ChartSeries> series;

private:
    void DrawFrames(Surface& s);
    void DrawLabelledXAxis(Surface& s);
    void DrawNumericXAxis(Surface& s);
    void DrawMinorTicks(Surface& s, std::int64_t xStep);
    void AutoscaleY();
    void DrawYAxis(Surface& s);
    void DrawTitle(Surface& s);
    void DrawLegend(Surface& s);
    void DrawSeries(Surface& s);
    std::int64_t YSteps() const;
    // Pixel row of a value, or nothing when it cannot be formed (infinite or
    // undefined scale, values far beyond any surface).
    std::optional<std::int64_t> YOf(double value, double scale) const;
    const ChartSeries& Entry(int index) const;
    static std::string_view Cell(const ChartRow& row, int column);
};

}  // namespace kelra
