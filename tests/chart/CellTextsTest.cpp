// A row keeps its texts packed in one block; they must come back exactly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CycleChart.h"
#include "InvalidArgument.h"
#include "RecordingSurface.h"

namespace kelra {
namespace {

using ::testing::ElementsAre;

TEST(CellTexts, KeepEveryTextWithEmptyAndLongOnes) {
    const std::string longText(70000, 'x');
    const std::vector<std::string> texts{"12/06/26", "", "-0.30", longText, std::string("a\0b", 3), ""};
    const CellTexts cells(texts);
    ASSERT_EQ(cells.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(cells[i], texts[i]) << i;
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.end()), texts);

    CellTexts copy(cells);
    CellTexts assigned;
    assigned = copy;
    const CellTexts moved(std::move(copy));
    EXPECT_TRUE(std::equal(moved.begin(), moved.end(), texts.begin(), texts.end()));
    EXPECT_TRUE(std::equal(assigned.begin(), assigned.end(), texts.begin(), texts.end()));

    EXPECT_TRUE(CellTexts().empty());
    EXPECT_TRUE(CellTexts(std::vector<std::string>{}).empty());
    EXPECT_THAT(CellTexts({"only"}), ElementsAre("only"));
}

TEST(CellTexts, RowsAddedToAChartReadBackAndShortRowsStillFail) {
    CycleChart chart(nullptr);
    chart.fitToHost = false;
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    chart.AddSeries(3, "A", Pen{1, {255, 0, 0}}, std::nullopt);
    chart.SetColumnCount(2);
    chart.AddRow({"01/01/01", "12.5abc"});
    chart.AddRow({"01/02/01"});
    EXPECT_THAT(chart.rows[0].cells, ElementsAre("01/01/01", "12.5abc"));
    EXPECT_EQ(chart.rows[1].cells.size(), 1u);
    RecordingSurface surface;
    EXPECT_THROW(chart.Draw(surface), InvalidArgumentError);
}

}  // namespace
}  // namespace kelra
