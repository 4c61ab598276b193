#pragma once
#include <span>
#include <string>
#include <vector>

#include "CycleChart.h"
#include "DateTime.h"
#include "DayRecord.h"
#include "PersonProfile.h"

namespace kelra {

// One series a person chart can show.
struct SeriesDef {
    bool PersonProfile::*on;
    const char* caption;
    Pen pen;
    double DayRecord::*value;
    const char* legend;           // today's caption, the value follows
    StateText DayRecord::*state;  // null where the model gives no state
};

// Every series in table order, which is series order, row cell order and
// legend order.
std::span<const SeriesDef> SeriesTable();

// Rebuilds the chart's series table and title from the profile (the name is
// upper-cased in place) and empties the rows. Returns the indices into
// SeriesTable() of the shown series.
std::vector<int> BindSeries(CycleChart& chart, PersonProfile& profile);

// Appends one row per day ("%x" date, "%.2f" values of the shown series);
// on the day that is now's calendar day, puts today's values into the legend
// captions and the eight note lines under the last entry. workText holds the
// last caption made.
void FillRows(CycleChart& chart, const DayRecordArray& days, const PersonProfile& profile,
              const std::vector<int>& shown, const DateTime& now, std::string& workText);

// The tooltip for one row: its X label, then one line per shown series as
// the legend shows today's values, with the day's state where there is one.
// Empty for a row that is not in both tables.
std::string RowTooltip(const CycleChart& chart, const DayRecordArray& days, const std::vector<int>& shown,
                       int row);

}  // namespace kelra
