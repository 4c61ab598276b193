#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "CDia_Parameters.h"
#include "DatePicker.h"
#include "DialogTestSupport.h"
#include "DialogUnits.h"

namespace kelra {
namespace {

using test::Control;

class ParametersDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        chart.yAutoscale = true;
        chart.xShowNet = true;
        chart.yShowNet = false;
        chart.showMarks = false;
        chart.showLegend = true;
        chart.lineWidth = 2;
        chart.xMin = 0.004;
        chart.xDelta = 7.891;
        chart.yMin = -123.456;
        chart.yDelta = 31.0;
        profile.name = "Ann";
        profile.showPhysical = true;
        profile.birthDate = DateTime(1980, 7, 9, 8, 15, 42);
        profile.startDate = DateTime(2026, 3, 1, 12, 0, 0);
        profile.endDate = DateTime(2026, 4, 1, 12, 0, 0);
    }

    void Open(bool withChart = true) {
        dialog.chartOptions = withChart ? &chart : nullptr;
        dialog.profile = &profile;
        dialog.show();
    }
    QCheckBox* Box(int id) { return Control<QCheckBox>(&dialog, id); }
    QLineEdit* Edit(int id) { return Control<QLineEdit>(&dialog, id); }
    void Click(int id) { QTest::mouseClick(Control<QAbstractButton>(&dialog, id), Qt::LeftButton); }

    CycleChart chart{nullptr};
    PersonProfile profile;
    CDia_Parameters dialog;
    test::WarningWatcher warnings;
};

TEST_F(ParametersDialogTest, LayoutStatesAndFocus) {
    Open();
    const DialogUnits du(DialogFont());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(dialog.size(), du.Size(369, 235));
    EXPECT_EQ(Edit(516)->geometry(), du.Rect(325, 60, 18, 14));
    EXPECT_EQ(Box(519)->geometry(), du.Rect(154, 135, 70, 10));
    EXPECT_EQ(Control<DatePicker>(&dialog, 1003)->geometry(), du.Rect(284, 183, 59, 15));
    EXPECT_EQ(Edit(509)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(Edit(1000)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    for (int id : {511, 513, 514}) EXPECT_FALSE(dialog.findChild<QWidget*>(QString::number(id))->isVisible()) << id;
    EXPECT_TRUE(Box(512)->isVisible());
    // Autoscale is on, so Y min and Y delta are locked.
    EXPECT_FALSE(Edit(509)->isEnabled());
    EXPECT_FALSE(Edit(510)->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), Control<QPushButton>(&dialog, 1));
    EXPECT_EQ(test::TabOrder(&dialog, QStringLiteral("1")),
              QStringList({"1", "2", "507", "508", "512", "517", "518", "516", "521", "523", "525",
                           "530", "527", "528", "529", "532", "519", "1001", "1002", "1000", "1003"}));
    for (const char* text : {"Y min:", "X min:", "Line width:", "Birth date:"}) {
        bool found = false;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            found = found || label->text() == QLatin1String(text);
        EXPECT_TRUE(found) << text;
    }
}

TEST_F(ParametersDialogTest, ShowsOptionsAndOkRoundsToTwoDecimals) {
    Open();
    EXPECT_EQ(Edit(509)->text(), QStringLiteral("-123.46"));
    EXPECT_EQ(Edit(510)->text(), QStringLiteral("31.00"));
    EXPECT_EQ(Edit(513)->text(), QStringLiteral("0.00"));
    EXPECT_EQ(Edit(516)->text(), QStringLiteral("2"));
    EXPECT_TRUE(Box(507)->isChecked());
    EXPECT_TRUE(Box(512)->isChecked());
    EXPECT_FALSE(Box(508)->isChecked());
    EXPECT_TRUE(Box(518)->isChecked());
    EXPECT_TRUE(Box(521)->isChecked());
    EXPECT_FALSE(Box(523)->isChecked());
    EXPECT_EQ(Edit(1000)->text(), QStringLiteral("Ann"));

    // The hidden X box has no effect either way.
    Box(511)->click();
    Click(1);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_DOUBLE_EQ(chart.yMin, -123.46);
    EXPECT_DOUBLE_EQ(chart.yDelta, 31.0);
    EXPECT_DOUBLE_EQ(chart.xMin, 0.0);
    EXPECT_DOUBLE_EQ(chart.xDelta, 7.89);
    EXPECT_TRUE(chart.yAutoscale);
    EXPECT_TRUE(chart.xShowNet);
    EXPECT_FALSE(chart.yShowNet);
    EXPECT_EQ(chart.lineWidth, 2);
    EXPECT_EQ(profile.startDate, DateTime(2026, 3, 1, 12, 0, 0));
    EXPECT_EQ(profile.endDate, DateTime(2026, 4, 1, 12, 0, 0));
    EXPECT_EQ(profile.birthDate, DateTime(1980, 7, 9, 8, 15, 42));
}

TEST_F(ParametersDialogTest, NumbersAreReadLikeTheChartsValueTexts) {
    chart.yAutoscale = false;
    const std::pair<const char*, std::int32_t> widths[] = {{"3px", 3}, {"abc", 0}, {"", 0}, {"-2", -2}};
    for (const auto& [text, expected] : widths) {
        Open();
        test::Retype(Edit(516), QString::fromLatin1(text));
        test::Retype(Edit(509), QStringLiteral("1,5"));
        test::Retype(Edit(510), QStringLiteral(" 2.5e1x"));
        Click(1);
        EXPECT_EQ(dialog.result(), 1);
        EXPECT_EQ(chart.lineWidth, expected) << text;
        EXPECT_DOUBLE_EQ(chart.yMin, 1.0);
        EXPECT_DOUBLE_EQ(chart.yDelta, 25.0);
    }
}

TEST_F(ParametersDialogTest, AutoscaleLocksAndReloadsYRange) {
    chart.yAutoscale = false;
    Open();
    EXPECT_TRUE(Edit(509)->isEnabled());
    test::Retype(Edit(509), QStringLiteral("50"));
    Click(507);  // on: locked, text kept
    EXPECT_FALSE(Edit(509)->isEnabled());
    EXPECT_EQ(Edit(509)->text(), QStringLiteral("50"));
    Click(507);  // off: unlocked and reloaded from the chart
    EXPECT_TRUE(Edit(509)->isEnabled());
    EXPECT_EQ(Edit(509)->text(), QStringLiteral("-123.46"));

    // A locked edit is still read on OK.
    test::Retype(Edit(509), QStringLiteral("7"));
    Click(507);
    Click(1);
    EXPECT_TRUE(chart.yAutoscale);
    EXPECT_DOUBLE_EQ(chart.yMin, 7.0);
}

TEST_F(ParametersDialogTest, EachSwitchBoxWritesItsOwnField) {
    const std::pair<int, bool PersonProfile::*> switches[] = {
        {519, &PersonProfile::writeDataFile},   {521, &PersonProfile::showPhysical},
        {523, &PersonProfile::showEmotional},   {525, &PersonProfile::showIntellectual},
        {527, &PersonProfile::showIntuitional}, {528, &PersonProfile::showAesthetic},
        {529, &PersonProfile::showSpiritual},   {530, &PersonProfile::showSumClassical},
        {532, &PersonProfile::showSumTotal}};
    for (const auto& [id, field] : switches) {
        for (const auto& [other, otherField] : switches) profile.*otherField = false;
        Open();
        Click(id);
        Click(1);
        for (const auto& [other, otherField] : switches)
            EXPECT_EQ(profile.*otherField, other == id) << "clicked " << id << ", field of " << other;
    }
    const std::pair<int, bool CycleChart::*> options[] = {
        {507, &CycleChart::yAutoscale}, {508, &CycleChart::yShowNet}, {512, &CycleChart::xShowNet},
        {517, &CycleChart::showMarks},  {518, &CycleChart::showLegend}};
    for (const auto& [id, field] : options) {
        for (const auto& [other, otherField] : options) chart.*otherField = false;
        Open();
        Click(id);
        Click(1);
        for (const auto& [other, otherField] : options)
            EXPECT_EQ(chart.*otherField, other == id) << "clicked " << id << ", option of " << other;
    }
}

TEST_F(ParametersDialogTest, WithoutChartOnlyTheProfileIsEdited) {
    Open(false);
    for (int id : {507, 508, 512, 517, 518}) EXPECT_FALSE(Box(id)->isChecked()) << id;
    for (int id : {509, 510, 516}) EXPECT_TRUE(Edit(id)->text().isEmpty()) << id;
    Click(507);
    Click(507);
    EXPECT_FALSE(Edit(509)->isEnabled());
    EXPECT_FALSE(Edit(510)->isEnabled());
    test::Retype(Edit(1000), QStringLiteral("Bo"));
    Click(1);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(profile.name, "Bo");
}

TEST_F(ParametersDialogTest, RefusedRangeKeepsTheOptionsAlreadyWritten) {
    Open();
    Click(517);                                   // show marks
    Click(523);                                   // emotional
    test::Retype(Edit(1000), QStringLiteral("Cy"));
    Control<DatePicker>(&dialog, 1002)->setDate(QDate(2026, 3, 1));  // end = start
    Click(1);
    EXPECT_EQ(warnings.texts, QStringList{QStringLiteral("End date must be great then Start date!")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(chart.showMarks);
    EXPECT_DOUBLE_EQ(chart.yMin, -123.46);
    EXPECT_TRUE(profile.showEmotional);
    EXPECT_EQ(profile.name, "Cy");
    EXPECT_EQ(profile.endDate, DateTime(2026, 4, 1, 12, 0, 0));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_TRUE(chart.showMarks);
}

}  // namespace
}  // namespace kelra
