#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Surface.h"

namespace kelra {

struct ChartSeries {
    int markSize = 0;
    std::string caption;
    std::optional<Pen> pen;
    std::optional<std::vector<std::string>> notes;
};

struct ChartRow {
    std::vector<std::string> cells;
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
    static const std::string& Cell(const ChartRow& row, int column);
};

}  // namespace kelra
