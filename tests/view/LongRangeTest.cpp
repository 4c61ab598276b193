// Ranges of centuries: every row's date label is the "%x" text of its day,
// and today's row is still found among tens of thousands.
#include <gtest/gtest.h>

#include "CKelraView.h"
#include "Clock.h"
#include "Text.h"

namespace kelra {
namespace {

void ExpectLabelsMatchDays(const CKelraView& view) {
    ASSERT_EQ(view.chart->rows.size(), view.days.size());
    for (std::size_t r = 0; r < view.days.size(); ++r)
        ASSERT_EQ(view.chart->rows[r].cells[0], view.days[r].date.Format("%x")) << r;
}

TEST(LongRange, LabelsAtTheEndsOfTheCalendarAndAcrossCenturies) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 15, 30, 0));
    PersonProfile person = MakeDefaultProfile(DateTime(2026, 12, 6, 15, 30, 0));
    const std::pair<DateTime, DateTime> ranges[] = {
        {DateTime(1601, 1, 1, 12, 0, 0), DateTime(1605, 3, 1, 12, 0, 0)},   // 1604 is a leap year
        {DateTime(1899, 12, 1, 0, 0, 0), DateTime(1900, 3, 31, 0, 0, 0)},  // 1900 is not
        {DateTime(1999, 12, 1, 23, 59, 59), DateTime(2000, 3, 31, 23, 59, 59)},
        {DateTime(9999, 11, 1, 12, 0, 0), DateTime(9999, 12, 31, 12, 0, 0)},
    };
    for (const auto& [start, end] : ranges) {
        person.startDate = start;
        person.endDate = end;
        CKelraView view(0);
        view.Create(person);
        ExpectLabelsMatchDays(view);
    }
}

TEST(LongRange, TodayIsFoundInACenturyOfRows) {
    const DateTime now(2026, 12, 6, 8, 0, 0);
    ScopedFixedClock clock(now);
    PersonProfile person = MakeDefaultProfile(now);
    person.startDate = DateTime(1950, 1, 1, 12, 0, 0);
    person.endDate = person.startDate.AddDays(36524);
    person.showSumTotal = true;
    CKelraView view(0);
    view.resize(1000, 700);
    view.Create(person);
    const CycleChart& chart = *view.chart;
    ASSERT_EQ(chart.RowCount(), 36525);
    ExpectLabelsMatchDays(view);
    // More rows than pixels: every row stands on the plot's left edge.
    EXPECT_EQ(chart.xStepPx, 0);
    const std::size_t today = static_cast<std::size_t>(DateTime(2026, 12, 6, 12, 0, 0) - person.startDate);
    ASSERT_EQ(view.days[today].date.Format("%d %b %Y"), "06 Dec 2026");
    ASSERT_TRUE(chart.series.back().notes);
    EXPECT_EQ(chart.series.back().notes->front(), "Today = 06 Dec 2026");
    EXPECT_EQ(chart.series[1].caption, "Physical    " + FormatFixed(view.days[today].physical, 0));
}

}  // namespace
}  // namespace kelra
