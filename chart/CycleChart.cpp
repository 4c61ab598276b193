#include "CycleChart.h"

#include "InvalidArgument.h"

namespace kelra {

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
void CycleChart::AddRow(std::vector<std::string> cells) { rows.push_back(ChartRow{std::move(cells)}); }
int CycleChart::RowCount() const { return static_cast<int>(rows.size()); }

void CycleChart::SetSeriesCaption(int index, const std::string& caption) {
    if (index < 0 || index >= SeriesCount()) throw InvalidArgumentError();
    series[static_cast<std::size_t>(index)].caption = caption;
}

void CycleChart::SetSeriesNotes(int index, std::vector<std::string> notes) {
    if (index < 0 || index >= SeriesCount()) throw InvalidArgumentError();
    series[static_cast<std::size_t>(index)].notes = std::move(notes);
}

// Drawing is still to come.
void CycleChart::Draw(Surface& s) { surface = &s; }

int CycleChart::WrapText(Surface& s, int x, int y, std::string text, int, int) {
    s.TextOut(x, y, text);
    return 1;
}

}  // namespace kelra
