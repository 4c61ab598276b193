#include <gtest/gtest.h>

#include "BiorhythmCalc.h"
#include "ChartBinding.h"
#include "Clock.h"
#include "Text.h"

namespace kelra {
namespace {

// The tooltip reads like the legend on today's row: caption, rounded value,
// then the state where the model gives one.
TEST(Tooltip, ShowsTheRowsDateAndEveryShownSeriesAsTheLegendDoes) {
    const DateTime now(2026, 12, 6, 15, 30, 0);
    ScopedFixedClock clock(now);
    PersonProfile person = MakeDefaultProfile(now);
    person.birthDate = DateTime(1990, 5, 17);
    person.showIntuitional = person.showSumTotal = true;
    CBiorhythmCalc calc;
    DayRecordArray days;
    calc.Compute(days, person);
    CycleChart chart(nullptr);
    const std::vector<int> shown = BindSeries(chart, person);
    std::string work;
    FillRows(chart, days, person, shown, now, work);

    const DayRecord& d = days[9];
    EXPECT_EQ(RowTooltip(chart, days, shown, 9),
              "12/10/26\n"
              "Physical    " + FormatFixed(d.physical, 0) + " (" + d.physicalState.str() + ")\n" +
              "Emotional    " + FormatFixed(d.emotional, 0) + " (" + d.emotionalState.str() + ")\n" +
              "Intellectual    " + FormatFixed(d.intellectual, 0) + " (" + d.intellectualState.str() + ")\n" +
              "Intuitional    " + FormatFixed(d.intuitional, 0) + "\n" +
              "SUM Classical    " + FormatFixed(d.sumClassical, 0) + " (" + d.sumClassicalState.str() + ")\n" +
              "SUM Total    " + FormatFixed(d.sumTotal, 0) + " (" + d.sumTotalState.str() + ")");
    EXPECT_EQ(RowTooltip(chart, days, shown, 30).substr(0, 9), "12/31/26\n");
    EXPECT_EQ(RowTooltip(chart, days, shown, -1), "");
    EXPECT_EQ(RowTooltip(chart, days, shown, 31), "");
}

}  // namespace
}  // namespace kelra
