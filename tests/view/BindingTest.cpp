#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CKelraView.h"
#include "Clock.h"
#include "InvalidArgument.h"
#include "Text.h"
#include "UiHelpers.h"

namespace kelra {
namespace {

using ::testing::ElementsAre;

const DateTime kNow(2026, 12, 6, 15, 30, 0);

std::vector<std::string> Captions(const CycleChart& chart) {
    std::vector<std::string> out;
    for (const ChartSeries& s : chart.series) out.push_back(s.caption);
    return out;
}

// Index of the only entry with notes, or -1 when none has any.
int NotesEntry(const CycleChart& chart) {
    int found = -1;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        if (!chart.series[static_cast<std::size_t>(i)].notes) continue;
        if (found >= 0) return -2;
        found = i;
    }
    return found;
}

class BindingTest : public ::testing::Test {
protected:
    ScopedFixedClock clock{kNow};
    PersonProfile person = MakeDefaultProfile(kNow);
};

TEST_F(BindingTest, DefaultProfileFillsSeriesRowsAndToday) {
    const int shownBefore = WaitCursor::Shown();
    CKelraView view(0);
    view.Create(person);
    ASSERT_TRUE(view.chart);
    const CycleChart& chart = *view.chart;

    EXPECT_EQ(view.profile.name, "NEWBORN");
    EXPECT_EQ(chart.title, "NEWBORN");
    EXPECT_EQ(chart.columnCount, 5);
    EXPECT_THAT(Captions(chart), ElementsAre("Days", "Physical    " + FormatFixed(view.days[5].physical, 0),
                                             "Emotional    " + FormatFixed(view.days[5].emotional, 0),
                                             "Intellectual    " + FormatFixed(view.days[5].intellectual, 0),
                                             "SUM Classical    " + FormatFixed(view.days[5].sumClassical, 0)));
    EXPECT_FALSE(chart.series[0].pen);
    EXPECT_EQ(chart.series[0].markSize, 0);
    EXPECT_EQ(chart.series[1].pen, (Pen{1, {255, 0, 0}}));
    EXPECT_EQ(chart.series[2].pen, (Pen{1, {0, 200, 0}}));
    EXPECT_EQ(chart.series[3].pen, (Pen{1, {0, 0, 255}}));
    EXPECT_EQ(chart.series[4].pen, (Pen{3, {200, 150, 150}}));
    for (int i = 1; i < 5; ++i) EXPECT_EQ(chart.series[static_cast<std::size_t>(i)].markSize, 3);

    ASSERT_EQ(chart.RowCount(), 31);
    for (std::size_t r = 0; r < chart.rows.size(); ++r) {
        const DayRecord& d = view.days[r];
        EXPECT_THAT(chart.rows[r].cells,
                    ElementsAre(d.date.Format("%x"), FormatFixed(d.physical, 2), FormatFixed(d.emotional, 2),
                                FormatFixed(d.intellectual, 2), FormatFixed(d.sumClassical, 2)));
    }
    EXPECT_EQ(chart.rows[0].cells[0], "12/01/26");

    ASSERT_EQ(NotesEntry(chart), 4);
    const DayRecord& today = view.days[5];
    EXPECT_THAT(*chart.series[4].notes,
                ElementsAre("Today = 06 Dec 2026", "Day of life = 1", " ",
                            "Physical = " + today.physicalState.str(), "Emotional = " + today.emotionalState.str(),
                            "Intellectual = " + today.intellectualState.str(),
                            "Sum Classical = " + today.sumClassicalState.str(),
                            "Sum Total = " + today.sumTotalState.str()));

    EXPECT_EQ(WaitCursor::Shown(), shownBefore + 1);
    EXPECT_EQ(WaitCursor::Active(), 0);
}

TEST_F(BindingTest, SumTotalTakesTheNotesAndComesLast) {
    person.showSumTotal = true;
    person.showSpiritual = true;
    CKelraView view(0);
    view.Create(person);
    const CycleChart& chart = *view.chart;
    ASSERT_EQ(chart.SeriesCount(), 7);
    EXPECT_EQ(chart.series[4].caption.rfind("Spiritual    ", 0), 0u);
    EXPECT_EQ(chart.series[6].caption, "SUM Total    " + FormatFixed(view.days[5].sumTotal, 0));
    EXPECT_EQ(chart.series[6].pen, (Pen{3, {0, 0, 0}}));
    EXPECT_EQ(NotesEntry(chart), 6);
    EXPECT_EQ(chart.rows[5].cells.size(), 7u);
    EXPECT_EQ(chart.rows[5].cells[6], FormatFixed(view.days[5].sumTotal, 2));
}

TEST_F(BindingTest, NoSwitchOnLeavesOnlyTheDays) {
    person.showPhysical = person.showEmotional = person.showIntellectual = person.showSumClassical = false;
    CKelraView view(0);
    view.Create(person);
    const CycleChart& chart = *view.chart;
    EXPECT_THAT(Captions(chart), ElementsAre("Days"));
    EXPECT_EQ(chart.columnCount, 1);
    ASSERT_EQ(chart.RowCount(), 31);
    for (const ChartRow& row : chart.rows) EXPECT_EQ(row.cells.size(), 1u);
    EXPECT_EQ(NotesEntry(chart), 0);
    EXPECT_FALSE(view.profile.todayRecord.sumClassicalState.empty());
}

TEST_F(BindingTest, RangeWithoutTodayKeepsPlainCaptionsAndNoNotes) {
    person.startDate = DateTime(2026, 1, 1, 12, 0, 0);
    person.endDate = DateTime(2026, 1, 31, 12, 0, 0);
    CKelraView view(0);
    view.Create(person);
    const CycleChart& chart = *view.chart;
    EXPECT_THAT(Captions(chart), ElementsAre("Days", "Physical", "Emotional", "Intellectual", "Sum Classical"));
    EXPECT_EQ(NotesEntry(chart), -1);
    EXPECT_EQ(chart.RowCount(), 31);
}

TEST_F(BindingTest, TodayMatchesByCalendarDayWhateverTheTime) {
    // Day values are given, not computed: the cells round to two places and
    // the captions to whole numbers, "-0" included.
    CKelraView view(0);
    view.profile = person;
    view.profile.showSumClassical = false;
    DayRecord before;
    before.date = DateTime(2026, 12, 5, 23, 59, 59);
    DayRecord today;
    today.date = DateTime(2026, 12, 6, 0, 0, 0);
    today.physical = 26.9797;
    today.emotional = -0.3;
    today.intellectual = -43.39;
    view.days = {before, today};
    view.BindChart();
    view.FillChartRows();
    const CycleChart& chart = *view.chart;
    EXPECT_THAT(chart.rows[1].cells, ElementsAre("12/06/26", "26.98", "-0.30", "-43.39"));
    EXPECT_THAT(Captions(chart),
                ElementsAre("Days", "Physical    27", "Emotional    -0", "Intellectual    -43"));
    EXPECT_EQ(NotesEntry(chart), 3);
}

QImage IndicatorImage(CKelraView& view) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.DrawTodayIndicator(painter);
    return image;
}

// The bounding box of the pixels that are not white.
QRect Painted(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(BindingTest, IndicatorColourFollowsSumClassicalState) {
    CKelraView view(0);
    const struct {
        StateText state;
        QRgb colour;
    } cases[] = {{StateText::kPick, qRgb(0, 255, 0)},
                 {StateText::kHigh, qRgb(0, 255, 0)},
                 {StateText::kCritical, qRgb(255, 255, 0)},
                 {StateText::kLow, qRgb(255, 0, 0)},
                 {StateText::kBottom, qRgb(255, 0, 0)}};
    for (const auto& c : cases) {
        view.profile.todayRecord.sumClassicalState = c.state;
        const QImage image = IndicatorImage(view);
        EXPECT_EQ(image.pixel(40, 40), c.colour) << c.state.c_str();
        // Bounded by (20, 20) and (60, 60), the far edges excluded.
        EXPECT_EQ(Painted(image), QRect(QPoint(20, 20), QPoint(59, 59))) << c.state.c_str();
    }
    view.profile.todayRecord.sumClassicalState = StateText();
    EXPECT_TRUE(Painted(IndicatorImage(view)).isNull());
}

TEST_F(BindingTest, FirstPaintTitlesOnceAndChartWindowNeverScrolls) {
    CKelraView view(0);
    std::vector<QString> titles;
    QObject::connect(&view, &CKelraView::titleChanged, [&](const QString& t) { titles.push_back(t); });
    view.Create(person);
    view.resize(300, 200);
    view.show();
    (void)view.grab();
    view.resize(120, 90);
    (void)view.grab();
    EXPECT_THAT(titles, ElementsAre(QString("NEWBORN")));
    EXPECT_FALSE(view.titlePending);
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());
    EXPECT_EQ(view.ScrollTotalSize(), QSize(0, 0));
}

TEST_F(BindingTest, PaintSurvivesBrokenTable) {
    CKelraView view(0);
    std::vector<QString> errors;
    QObject::connect(&view, &CKelraView::drawingFailed, [&](const QString& what) { errors.push_back(what); });
    view.Create(person);
    view.chart->SetColumnCount(9);
    view.resize(300, 200);
    view.show();
    (void)view.grab();
    (void)view.grab();
    EXPECT_THAT(errors, ElementsAre(QString("An invalid argument was encountered.")));  // once per window
}

TEST_F(BindingTest, FrameClientRectComesFromTheContainingWindow) {
    auto* view = new CKelraView(0);
    view->resize(200, 100);
    view->show();
    EXPECT_EQ(view->FrameClientRect(), (Rect{0, 0, 200, 100}));
    QMdiSubWindow frame;
    frame.setWidget(view);
    frame.resize(400, 300);
    const QSize inner = frame.contentsRect().size();
    EXPECT_EQ(view->FrameClientRect(), (Rect{0, 0, inner.width(), inner.height()}));
}

}  // namespace
}  // namespace kelra
