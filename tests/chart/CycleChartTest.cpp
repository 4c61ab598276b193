#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "CycleChart.h"
#include "InvalidArgument.h"
#include "RecordingSurface.h"

namespace kelra {
namespace {

using Kind = RecordingSurface::Kind;
using Line = RecordingSurface::Line;

constexpr Rgb kGrid{220, 220, 220};
constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kGreen{0, 128, 0};

class FixedHost : public ChartHost {
public:
    Rect client{0, 0, 820, 520};
    Rect FrameClientRect() const override { return client; }
};

// The client area 820 x 520 gives outerRect (10, 10, 810, 510) and, with the
// legend, plotRect (60, 60, 660, 460): 600 wide, 400 high, 8 Y steps.
class ChartTest : public ::testing::Test {
protected:
    FixedHost host;
    CycleChart chart{&host};
    RecordingSurface rec;

    void AddPlainSeries(int count) {
        chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
        const Rgb colors[] = {kRed, kBlue, kGreen};
        for (int i = 0; i < count; ++i) chart.AddSeries(3, std::string("S").append(std::to_string(i + 1)), Pen{1, colors[i % 3]}, std::nullopt);
        chart.SetColumnCount(chart.SeriesCount());
    }
    void AddRows(int n, const std::vector<std::string>& values) {
        for (int r = 0; r < n; ++r) {
            std::vector<std::string> cells{std::string("d").append(std::to_string(r))};
            cells.insert(cells.end(), values.begin(), values.end());
            chart.AddRow(cells);
        }
    }
    std::vector<Line> GridLines() const { return rec.LinesWithColor(kGrid); }
    // Texts drawn with their top at y, in drawing order.
    std::vector<const RecordingSurface::Op*> TextsAtY(int y) const {
        std::vector<const RecordingSurface::Op*> out;
        for (const auto* op : rec.Texts())
            if (op->b == y) out.push_back(op);
        return out;
    }
};

TEST_F(ChartTest, NewChartDrawsFramesNumericXAxisAndYLabelsFromMinus300) {
    chart.Draw(rec);
    EXPECT_EQ(chart.outerRect, (Rect{10, 10, 810, 510}));
    EXPECT_EQ(chart.plotRect, (Rect{60, 60, 660, 460}));
    const auto rects = rec.OfKind(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1]->a, 60);
    EXPECT_EQ(rects[1]->d, 460);

    // Y labels: "%4.2f" centred at left - 22, top at y - 7.
    const char* yLabels[] = {"-300.00", "-200.00", "-100.00", "0.00", "100.00",
                             "200.00",  "300.00",  "400.00",  "500.00"};
    for (int i = 0; i <= 8; ++i) {
        const std::string text = yLabels[i];
        const auto* op = rec.FindText(text);
        ASSERT_NE(op, nullptr) << text;
        EXPECT_EQ(op->a, 38);
        EXPECT_EQ(op->b, 460 - 50 * i - 7);
        EXPECT_EQ(op->align, TextAlign::Center);
    }
    EXPECT_EQ(chart.yMin, -300.0);
    EXPECT_EQ(chart.yDelta, 100.0);

    // X labels "%6.f" from 10 upward, none at the left edge.
    const auto xs = TextsAtY(464);
    ASSERT_EQ(xs.size(), 12u);
    EXPECT_EQ(xs[0]->text, "    10");
    EXPECT_EQ(xs[0]->a, 110);
    EXPECT_EQ(xs[11]->text, "   120");
    EXPECT_EQ(xs[11]->a, 660);

    // Net lines across the plot, grid pen; minor ticks every 10 pixels inside.
    EXPECT_TRUE(rec.HasLine({110, 459, 110, 60, Pen{1, kGrid}}));
    EXPECT_TRUE(rec.HasLine({60, 410, 660, 410, Pen{1, kGrid}}));
    EXPECT_FALSE(rec.HasLine({60, 460, 660, 460, Pen{1, kGrid}}));
    EXPECT_TRUE(rec.HasLine({70, 459, 70, 454, Pen{1, kGrid}}));
    EXPECT_TRUE(rec.HasLine({110, 459, 110, 454, Pen{1, kGrid}}));
    EXPECT_FALSE(rec.HasLine({60, 459, 60, 454, Pen{1, kGrid}}));
    EXPECT_TRUE(rec.HasLine({61, 450, 66, 450, Pen{1, kGrid}}));
    // Nothing above the plot without a title, no legend without entries.
    for (const auto* op : rec.Texts()) EXPECT_GT(op->b, 60 - 8) << op->text;
}

TEST_F(ChartTest, TicksPointOutwardWithoutNet) {
    chart.xShowNet = false;
    chart.yShowNet = false;
    chart.Draw(rec);
    EXPECT_TRUE(rec.HasLine({110, 459, 110, 464, Pen{1, kGrid}}));
    EXPECT_TRUE(rec.HasLine({60, 410, 55, 410, Pen{1, kGrid}}));
    EXPECT_FALSE(rec.HasLine({110, 459, 110, 60, Pen{1, kGrid}}));
}

TEST_F(ChartTest, OneRowStandsAtTheLeftEdgeWithOneLabel) {
    AddPlainSeries(1);
    AddRows(1, {"0"});
    chart.Draw(rec);
    EXPECT_EQ(chart.xStepPx, 600);
    const auto labels = TextsAtY(464);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0]->text, "d0");
    EXPECT_EQ(labels[0]->a, 60);
    // The X caption, in the caption font, under the labels.
    const auto* caption = rec.FindText("Days");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->a, 360);
    EXPECT_EQ(caption->b, 490);
    EXPECT_EQ(rec.FontOf(*caption), chart.captionFont);
    // Row 0 gets a tick below the axis, never a line across the plot.
    EXPECT_TRUE(rec.HasLine({60, 459, 60, 464, Pen{1, kGrid}}));
    EXPECT_FALSE(rec.HasLine({60, 459, 60, 60, Pen{1, kGrid}}));
}

TEST_F(ChartTest, ThirtyOneRowsOnSixHundredPixelsHaveNoMinorTicks) {
    AddPlainSeries(1);
    AddRows(31, {"0"});
    chart.Draw(rec);
    EXPECT_EQ(chart.xStepPx, 20);
    for (const Line& l : GridLines()) {
        EXPECT_FALSE(l.y1 == 459 && l.y2 == 454) << l.x1;
        EXPECT_FALSE(l.x1 == 61 && l.x2 == 66) << l.y1;
    }
    // Every row but the first has its line across the plot; the last stands at the right edge.
    for (int r = 1; r <= 30; ++r) EXPECT_TRUE(rec.HasLine({60 + 20 * r, 459, 60 + 20 * r, 60, Pen{1, kGrid}})) << r;
}

TEST_F(ChartTest, WideDateLabelsAreSkippedByTheGrowingZone) {
    RecordingSurface wide(5);  // "01/01/26" is 40 pixels wide
    AddPlainSeries(1);
    for (int r = 0; r < 31; ++r) chart.AddRow({"01/01/26", "0"});
    chart.Draw(wide);
    std::vector<int> xs;
    for (const auto* op : wide.Texts())
        if (op->b == 464) xs.push_back(op->a);
    const std::vector<int> expected{60, 60 + 6 * 20, 60 + 11 * 20, 60 + 16 * 20, 60 + 21 * 20, 60 + 26 * 20};
    EXPECT_EQ(xs, expected);
    // A drawn label gets its own tick from the axis down.
    EXPECT_TRUE(wide.HasLine({180, 460, 180, 465, Pen{1, kGrid}}));
    EXPECT_FALSE(wide.HasLine({160, 460, 160, 465, Pen{1, kGrid}}));
}

TEST_F(ChartTest, MoreRowsThanPixelsStackAtTheLeftEdge) {
    AddPlainSeries(1);
    AddRows(700, {"0"});
    chart.Draw(rec);
    EXPECT_EQ(chart.xStepPx, 0);
    EXPECT_EQ(TextsAtY(464).size(), 1u);
    // A numeric axis drawn afterwards still gets its labels at the usual spacing.
    chart.ClearRows();
    RecordingSurface again;
    chart.Draw(again);
    EXPECT_EQ(chart.xStepPx, 0);
    ASSERT_NE(again.FindText("    10"), nullptr);
    EXPECT_EQ(again.FindText("    10")->a, 110);
}

TEST_F(ChartTest, NumericAxisAfterANegativeStepKeepsThatStep) {
    // Too narrow for its legend: the plot is 70 pixels wide the wrong way.
    host.client = Rect{0, 0, 150, 520};
    AddPlainSeries(1);
    AddRows(3, {"0"});
    chart.Draw(rec);
    ASSERT_EQ(chart.plotRect.right - chart.plotRect.left, -70);
    EXPECT_EQ(chart.xStepPx, -35);
    chart.ClearRows();
    RecordingSurface again;
    chart.Draw(again);
    ASSERT_NE(again.FindText("    10"), nullptr);
    EXPECT_EQ(again.FindText("    10")->a, 25);
    ASSERT_NE(again.FindText("    20"), nullptr);
    EXPECT_EQ(again.FindText("    20")->a, -10);
}

struct AutoscaleCase {
    int height;
    std::vector<std::string> values;
    double delta, min;
};

TEST_F(ChartTest, AutoscaleRoundsTheStepUpAndStartsOneStepBelow) {
    const AutoscaleCase cases[] = {
        {400, {"-100", "100"}, 30, -120},
        {400, {"-100", "40"}, 30, -120},  // raw step exactly 20
        {440, {"-287.35", "291.07"}, 90, -360},
        {400, {"0.5", "7.45"}, 1, -1},
    };
    for (const auto& c : cases) {
        CycleChart ch(&host);
        host.client = Rect{0, 0, 820, 20 + 100 + c.height};
        ch.AddSeries(0, "Days", std::nullopt, std::nullopt);
        ch.AddSeries(3, "A", Pen{1, kRed}, std::nullopt);
        ch.SetColumnCount(2);
        for (const auto& v : c.values) ch.AddRow({"d", v});
        RecordingSurface s;
        ch.Draw(s);
        EXPECT_DOUBLE_EQ(ch.yDelta, c.delta) << c.values[0];
        EXPECT_DOUBLE_EQ(ch.yMin, c.min) << c.values[0];
    }
    // The labels of the first case run from -120.00 to 120.00.
    host.client = Rect{0, 0, 820, 520};
    AddPlainSeries(1);
    chart.AddRow({"a", "-100"});
    chart.AddRow({"b", "100"});
    chart.Draw(rec);
    EXPECT_NE(rec.FindText("-120.00"), nullptr);
    EXPECT_NE(rec.FindText("120.00"), nullptr);
    EXPECT_EQ(rec.FindText("150.00"), nullptr);
    // Turning autoscale off keeps the computed range.
    chart.yAutoscale = false;
    chart.ClearRows();
    chart.AddRow({"a", "0"});
    chart.Draw(rec);
    EXPECT_EQ(chart.yDelta, 30.0);
    EXPECT_EQ(chart.yMin, -120.0);
}

TEST_F(ChartTest, AutoscaleDegenerateCasesKeepAUsableRange) {
    // A flat line sits inside the plot.
    AddPlainSeries(1);
    AddRows(3, {"100"});
    chart.Draw(rec);
    EXPECT_GT(chart.yDelta, 0);
    EXPECT_LT(chart.yMin, 100);
    EXPECT_GT(chart.yMin + 8 * chart.yDelta, 100);
    EXPECT_EQ(rec.LinesWithColor(kRed).size(), 3u);  // the legend sample and two segments

    // No column scanned, or only unreadable infinities: the range stays.
    CycleChart none(&host);
    none.AddSeries(0, "Days", std::nullopt, std::nullopt);
    none.SetColumnCount(1);
    none.AddRow({"x"});
    RecordingSurface s1;
    none.Draw(s1);
    EXPECT_EQ(none.yMin, -300.0);
    EXPECT_EQ(none.yDelta, 100.0);

    // A plot under two steps high still scales, and only finite values count.
    host.client = Rect{0, 0, 820, 200};  // plot 80 high: one step
    CycleChart low(&host);
    low.AddSeries(0, "Days", std::nullopt, std::nullopt);
    low.AddSeries(3, "A", Pen{1, kRed}, std::nullopt);
    low.SetColumnCount(2);
    low.AddRow({"a", "0"});
    low.AddRow({"b", "1e999"});
    low.AddRow({"c", "nan"});
    low.AddRow({"d", "50"});
    RecordingSurface s2;
    low.Draw(s2);
    EXPECT_TRUE(std::isfinite(low.yMin));
    EXPECT_DOUBLE_EQ(low.yDelta, 60.0);
}

TEST_F(ChartTest, PlotRightEdgeDependsOnTheLegend) {
    chart.Draw(rec);
    EXPECT_EQ(chart.plotRect.right, chart.outerRect.right - 150);
    chart.showLegend = false;
    chart.Draw(rec);
    EXPECT_EQ(chart.plotRect.right, chart.outerRect.right - 60);
}

TEST_F(ChartTest, SeriesPensAreWidenedButLegendSamplesAreNot) {
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    chart.AddSeries(3, "Physical", Pen{1, kRed}, std::nullopt);
    chart.AddSeries(3, "Sum Total", Pen{3, kBlue}, std::nullopt);
    chart.SetColumnCount(3);
    chart.lineWidth = 2;
    chart.yAutoscale = false;
    chart.AddRow({"a", "0", "10"});
    chart.AddRow({"b", "0", "10"});
    chart.Draw(rec);
    // Legend samples at legendX = 670, 20 pixels long, 20 pixels apart.
    EXPECT_TRUE(rec.HasLine({670, 60, 690, 60, Pen{1, kRed}}));
    EXPECT_TRUE(rec.HasLine({670, 80, 690, 80, Pen{3, kBlue}}));
    const auto* caption = rec.FindText("Sum Total");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->a, 700);
    EXPECT_EQ(caption->b, 75);
    EXPECT_EQ(caption->align, TextAlign::Left);
    // Series lines: value 0 at y 310 with the fixed range -300..500; value 10 at 305.
    EXPECT_TRUE(rec.HasLine({60, 310, 660, 310, Pen{2, kRed}}));
    EXPECT_TRUE(rec.HasLine({60, 305, 660, 305, Pen{4, kBlue}}));
    // The pen in force before the series is back afterwards.
    EXPECT_EQ(rec.CurrentPen(), (Pen{3, kBlue}));
}

TEST_F(ChartTest, LineWidthOutOfRangeIsClampedToDrawablePens) {
    AddPlainSeries(1);
    AddRows(2, {"0"});
    for (int width : {0, -5, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        chart.lineWidth = width;
        RecordingSurface s;
        chart.Draw(s);
        const auto lines = s.LinesWithColor(kRed);
        ASSERT_EQ(lines.size(), 2u) << width;  // legend sample and one segment
        EXPECT_EQ(lines[0].pen.width, 1);
        EXPECT_GE(lines[1].pen.width, 0);
        EXPECT_LE(lines[1].pen.width, 1000);
    }
}

TEST_F(ChartTest, LegendCutsCaptionsAndDrawsNoteLines) {
    AddPlainSeries(2);
    chart.SetSeriesCaption(1, std::string(40, 'c'));
    chart.SetSeriesNotes(2, {"first", " ", "one<BR>two", "\t"});
    chart.Draw(rec);
    EXPECT_NE(rec.FindText(std::string(30, 'c')), nullptr);
    EXPECT_EQ(rec.FindText(std::string(31, 'c')), nullptr);

    // Notes of entry 2 (entryY 80) start 30 lower, 16 per line, at legendX + 5.
    const auto* first = rec.FindText("first");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->a, 675);
    EXPECT_EQ(first->b, 110);
    const auto* joined = rec.FindText("one two");
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(joined->b, 142);  // the blank note took one empty line
    EXPECT_EQ(joined->bkColor, (Rgb{255, 255, 255}));
    // Bullets only for non-empty notes, at (legendX - 4, noteY + 4).
    const auto fills = rec.OfKind(Kind::FillSolidRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0]->a, 666);
    EXPECT_EQ(fills[0]->b, 114);
    EXPECT_EQ(fills[0]->c, 5);
    EXPECT_EQ(fills[0]->color, (Rgb{0, 150, 100}));
    EXPECT_EQ(fills[1]->b, 146);
    // The blank and the tab notes are drawn as empty lines.
    int empties = 0;
    for (const auto* op : rec.Texts()) empties += op->text.empty() && op->a == 675;
    EXPECT_EQ(empties, 2);
}

TEST_F(ChartTest, NotesStopNearThePlotBottom) {
    AddPlainSeries(1);
    chart.SetSeriesNotes(1, std::vector<std::string>(40, "note"));
    chart.Draw(rec);
    int drawn = 0;
    for (const auto* op : rec.Texts()) drawn += op->text == "note";
    // noteY from 90 by 16: the line at 442 pushes it past 450, so 23 lines.
    EXPECT_EQ(drawn, 23);
}

TEST_F(ChartTest, NotesGoOnWhileTheyStandExactlyTenAboveThePlotBottom) {
    host.client = Rect{0, 0, 820, 512};  // plot bottom 452: the 23rd note stands at 442
    AddPlainSeries(1);
    chart.SetSeriesNotes(1, std::vector<std::string>(40, "note"));
    chart.Draw(rec);
    ASSERT_EQ(chart.plotRect.bottom, 452);
    int drawn = 0;
    for (const auto* op : rec.Texts()) drawn += op->text == "note";
    EXPECT_EQ(drawn, 23);
}

TEST_F(ChartTest, TitleIsCentredAboveThePlotAndColoursTheLegend) {
    chart.SetTitle("JOHN");
    chart.titleColor = Rgb{1, 2, 3};
    AddPlainSeries(1);
    chart.Draw(rec);
    const auto* t = rec.FindText("JOHN");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->a, 360);
    EXPECT_EQ(t->b, 22);
    EXPECT_EQ(rec.FontOf(*t).height, 16);
    EXPECT_EQ(rec.FindText("S1")->textColor, (Rgb{1, 2, 3}));
}

TEST_F(ChartTest, EveryTextRunsInItsOwnFontColourAndAlignment) {
    chart.labelColor = Rgb{10, 20, 30};
    chart.tickFont.height = 13;
    chart.captionFont.height = 15;
    AddPlainSeries(1);
    AddRows(2, {"0"});
    const auto expect = [&](const RecordingSurface& s, const std::string& text, const Font& font, Rgb colour,
                            TextAlign align) {
        const auto* op = s.FindText(text);
        ASSERT_NE(op, nullptr) << text;
        EXPECT_EQ(s.FontOf(*op), font) << text;
        EXPECT_EQ(op->textColor, colour) << text;
        EXPECT_EQ(op->align, align) << text;
    };
    // Without a title the legend keeps the label colour.
    chart.Draw(rec);
    expect(rec, "d1", chart.tickFont, chart.labelColor, TextAlign::Center);
    expect(rec, "Days", chart.captionFont, chart.labelColor, TextAlign::Center);
    expect(rec, "0.00", chart.tickFont, chart.labelColor, TextAlign::Center);
    expect(rec, "S1", chart.captionFont, chart.labelColor, TextAlign::Left);

    chart.SetTitle("JOHN");
    chart.titleColor = Rgb{1, 2, 3};
    RecordingSurface titled;
    chart.Draw(titled);
    expect(titled, "JOHN", chart.titleFont, chart.titleColor, TextAlign::Center);
    expect(titled, "S1", chart.captionFont, chart.titleColor, TextAlign::Left);
    // The font in force before the draw is back after the axes; the title
    // follows the axis labels and comes before the legend.
    const auto* title = titled.FindText("JOHN");
    const RecordingSurface::Op* lastBeforeTitle = nullptr;
    for (const auto* op : titled.OfKind(Kind::SelectFont))
        if (op < title && !(titled.FontOf(*op) == chart.titleFont)) lastBeforeTitle = op;
    ASSERT_NE(lastBeforeTitle, nullptr);
    EXPECT_EQ(titled.FontOf(*lastBeforeTitle), Font{});
    EXPECT_LT(title, titled.FindText("S1"));
    EXPECT_GT(title, titled.FindText("0.00"));
}

TEST_F(ChartTest, PointsAboveTheTopLoseSegmentsAndMarks) {
    AddPlainSeries(1);
    chart.yAutoscale = false;
    chart.yMin = -100;
    chart.yDelta = 25;  // top 100; 2 pixels per unit
    chart.showMarks = true;
    for (const char* v : {"0", "10", "200", "20", "30"}) chart.AddRow({"d", v});
    chart.Draw(rec);
    const auto lines = rec.LinesWithColor(kRed);
    ASSERT_EQ(lines.size(), 3u);  // legend sample, 0->10 and 20->30
    EXPECT_EQ(lines[1], (Line{60, 260, 210, 240, Pen{1, kRed}}));
    EXPECT_EQ(lines[2], (Line{510, 220, 660, 200, Pen{1, kRed}}));
    std::vector<int> markXs;
    for (const auto* f : rec.OfKind(Kind::FillSolidRect)) markXs.push_back(f->a + 1);
    EXPECT_EQ(markXs, (std::vector<int>{60, 210, 660}));
}

TEST_F(ChartTest, PlotEdgesAreInsideAndProductsAreCutSeparately) {
    AddPlainSeries(1);
    chart.yAutoscale = false;
    chart.showMarks = true;
    chart.yMin = 0;
    chart.yDelta = 25;  // 2 pixels per unit: 200 is the top, 0 the bottom
    for (const char* v : {"0", "200", "200.5", "100", "-0.5", "100"}) chart.AddRow({"d", v});
    chart.Draw(rec);
    auto lines = rec.LinesWithColor(kRed);
    ASSERT_EQ(lines.size(), 2u);  // the legend sample and bottom to top, edges included
    EXPECT_EQ(lines[1], (Line{60, 460, 180, 60, Pen{1, kRed}}));
    EXPECT_EQ(rec.OfKind(Kind::FillSolidRect).size(), 2u);

    // y = bottom - trunc(v * k) + trunc(yMin * k), k = 50 / 3: 460 - 21 + (-8).
    chart.ClearRows();
    chart.yMin = -0.5;
    chart.yDelta = 3;
    chart.AddRow({"a", "1.3"});
    chart.AddRow({"b", "1.3"});
    RecordingSurface again;
    chart.Draw(again);
    lines = again.LinesWithColor(kRed);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], (Line{60, 431, 660, 431, Pen{1, kRed}}));
}

TEST_F(ChartTest, FirstMarkNeedsZeroInsideTheRange) {
    AddPlainSeries(1);
    chart.yAutoscale = false;
    chart.yMin = 10;
    chart.yDelta = 10;
    chart.showMarks = true;
    chart.AddRow({"a", "20"});
    chart.AddRow({"b", "30"});
    chart.Draw(rec);
    const auto marks = rec.OfKind(Kind::FillSolidRect);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0]->a, 660 - 1);
    EXPECT_EQ(marks[0]->c, 3);
}

TEST_F(ChartTest, CellsReadAsLeadingNumbers) {
    AddPlainSeries(1);
    chart.yAutoscale = false;  // -300..500, half a pixel per unit
    chart.AddRow({"a", "abc"});
    chart.AddRow({"b", " -3e1"});
    chart.AddRow({"c", "12.5x"});
    chart.Draw(rec);
    const auto lines = rec.LinesWithColor(kRed);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], (Line{60, 310, 360, 325, Pen{1, kRed}}));
    EXPECT_EQ(lines[2], (Line{360, 325, 660, 304, Pen{1, kRed}}));  // trunc(6.25) = 6
}

TEST_F(ChartTest, ColumnsBeyondTheCountAreIgnored) {
    AddPlainSeries(1);
    chart.AddSeries(3, "Late", Pen{1, kBlue}, std::nullopt);
    chart.AddRow({"a", "0", "1000"});
    chart.AddRow({"b", "10"});  // short for the ignored column only
    chart.Draw(rec);
    EXPECT_EQ(rec.FindText("Late"), nullptr);
    EXPECT_TRUE(rec.LinesWithColor(kBlue).empty());
    EXPECT_LT(chart.yMin + 8 * chart.yDelta, 1000);
}

TEST_F(ChartTest, AccessOutsideTheTablesThrowsAndKeepsWhatWasDrawn) {
    AddPlainSeries(1);
    chart.ClearSeries();
    EXPECT_EQ(chart.columnCount, 2);
    try {
        chart.Draw(rec);
        FAIL() << "no error";
    } catch (const InvalidArgumentError& e) {
        EXPECT_STREQ(e.what(), "An invalid argument was encountered.");
    }
    EXPECT_EQ(rec.OfKind(Kind::Rectangle).size(), 2u);

    CycleChart shortRow(&host);
    shortRow.AddSeries(0, "Days", std::nullopt, std::nullopt);
    shortRow.AddSeries(3, "A", Pen{1, kRed}, std::nullopt);
    shortRow.SetColumnCount(2);
    shortRow.AddRow({"a", "1"});
    shortRow.AddRow({"b"});
    RecordingSurface s;
    EXPECT_THROW(shortRow.Draw(s), InvalidArgumentError);
    EXPECT_NE(s.FindText("b"), nullptr);  // X labels were drawn before autoscale failed
    EXPECT_EQ(shortRow.RowCount(), 2);

    EXPECT_THROW(chart.SetSeriesCaption(0, "x"), InvalidArgumentError);
    EXPECT_THROW(chart.SetSeriesNotes(-1, {}), InvalidArgumentError);
}

TEST_F(ChartTest, AnyTypedOptionsDrawWithoutFailing) {
    AddPlainSeries(1);
    AddRows(3, {"5"});
    chart.AddRow({"x", "1e999"});
    chart.yAutoscale = false;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double odd[] = {0.0, -0.0, nan, inf, -inf, 1e308, -1e308, 1e-308};
    for (double delta : odd) {
        for (double min : odd) {
            chart.yDelta = delta;
            chart.yMin = min;
            chart.xMin = min;
            chart.xDelta = delta;
            RecordingSurface s;
            ASSERT_NO_THROW(chart.Draw(s));
            // Labels still print.
            EXPECT_EQ(s.Texts().size(), 9u + 1u + 1u + 4u);
            for (const Line& l : s.LinesWithColor(kRed)) {
                EXPECT_GE(std::min(l.y1, l.y2), chart.plotRect.top);
                EXPECT_LE(std::max(l.y1, l.y2), chart.plotRect.bottom);
            }
        }
    }
    // Absurd layout numbers stay within what a surface takes.
    chart.yDelta = 10;
    chart.yMin = 0;
    chart.margin = std::numeric_limits<int>::min();
    chart.topMargin = std::numeric_limits<int>::max();
    chart.inset = std::numeric_limits<int>::min();
    RecordingSurface s;
    ASSERT_NO_THROW(chart.Draw(s));
    for (const auto* op : s.OfKind(Kind::LineTo)) {
        EXPECT_LE(std::abs(op->a), 1 << 20);
        EXPECT_LE(std::abs(op->b), 1 << 20);
    }
}

// 31 rows on the 600-pixel plot stand 20 pixels apart from x = 60; the row
// under a point is the nearest one, inside the plot frame only.
TEST_F(ChartTest, RowAtFollowsTheDrawnXPositionsInsideThePlotOnly) {
    AddPlainSeries(1);
    AddRows(31, {"0"});
    EXPECT_EQ(chart.RowAt(100, 100), std::nullopt) << "before a draw there is no layout";
    chart.Draw(rec);
    std::vector<Line> lines;  // the series' segments, not the legend sample
    for (const Line& l : rec.LinesWithColor(kRed))
        if (l.x2 <= chart.plotRect.right) lines.push_back(l);
    ASSERT_EQ(lines.size(), 30u);
    const int last = lines.back().x2;
    ASSERT_EQ(last, 660);

    EXPECT_EQ(chart.RowAt(60, 60), 0);
    EXPECT_EQ(chart.RowAt(69, 460), 0);
    EXPECT_EQ(chart.RowAt(70, 200), 1);
    EXPECT_EQ(chart.RowAt(lines[4].x2, 200), 5);
    EXPECT_EQ(chart.RowAt(last, 200), 30);
    for (auto [x, y] : {std::pair{59, 200}, {661, 200}, {300, 59}, {300, 461}, {700, 100}})
        EXPECT_EQ(chart.RowAt(x, y), std::nullopt) << x << "," << y;

    chart.ClearRows();
    chart.Draw(rec);
    EXPECT_EQ(chart.RowAt(300, 200), std::nullopt);
}

}  // namespace
}  // namespace kelra
