#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMouseEvent>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include "Clock.h"
#include "DatePicker.h"
#include "DialogTestSupport.h"

namespace kelra {
namespace {

class DatePickerTest : public test::DialogTest {};

TEST_F(DatePickerTest, ShortFormatAlwaysHasFourDigitYears) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(DatePicker::ShortDateFormat(us), QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(DatePicker::ShortDateFormat(QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(DatePicker::ShortDateFormat(QLocale::c()), QStringLiteral("MM/dd/yyyy"));
}

TEST_F(DatePickerTest, PickedDayKeepsTheTimeOfDayItWasGiven) {
    DatePicker picker;
    picker.SetDateTime(DateTime(1987, 6, 5, 13, 47, 5));
    EXPECT_EQ(picker.GetDateTime(), DateTime(1987, 6, 5, 13, 47, 5));
    picker.setDate(QDate(1990, 2, 28));
    EXPECT_EQ(picker.GetDateTime(), DateTime(1990, 2, 28, 13, 47, 5));
}

TEST_F(DatePickerTest, OffersYears1601To9999) {
    DatePicker picker;
    picker.setDate(QDate(1601, 1, 1));
    EXPECT_EQ(picker.GetDateTime(), DateTime(1601, 1, 1));
    picker.setDate(QDate(9999, 12, 31));
    EXPECT_EQ(picker.GetDateTime(), DateTime(9999, 12, 31));
    picker.setDate(QDate(1600, 12, 31));
    EXPECT_EQ(picker.date(), QDate(1601, 1, 1));
}

TEST_F(DatePickerTest, ValuesItCannotShowStaySane) {
    DatePicker picker;
    // Before 1601: shown at the first day offered, given back untouched.
    const DateTime early(1500, 3, 4, 6, 7, 8);
    picker.SetDateTime(early);
    EXPECT_EQ(picker.date(), QDate(1601, 1, 1));
    EXPECT_EQ(picker.GetDateTime(), early);
    picker.setDate(QDate(2000, 1, 2));
    EXPECT_EQ(picker.GetDateTime(), DateTime(2000, 1, 2, 6, 7, 8));

    // Null shows today and always delivers a valid date.
    ScopedFixedClock clock(DateTime(2026, 12, 6, 9, 30, 0));
    picker.SetDateTime(DateTime::Null());
    EXPECT_EQ(picker.date(), QDate(2026, 12, 6));
    EXPECT_EQ(picker.GetDateTime(), DateTime(2026, 12, 6));
}

TEST_F(DatePickerTest, CalendarDropsDownRightAligned) {
    QWidget host;
    host.resize(400, 200);
    auto* picker = new DatePicker(&host);
    picker->setGeometry(200, 20, 90, 22);
    host.show();
    QWidget* popup = picker->calendarWidget()->window();
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 5, picker->height() / 2));
    ASSERT_TRUE(popup->isVisible());
    const QPoint pickerBottomRight = picker->mapToGlobal(QPoint(picker->width(), picker->height()));
    EXPECT_EQ(popup->geometry().right() + 1, pickerBottomRight.x());
    EXPECT_GE(popup->geometry().top(), pickerBottomRight.y());
    popup->hide();
}

TEST_F(DatePickerTest, KeyboardOpensTheCalendarAndTypedSeparatorsDoNotSkip) {
    QWidget host;
    auto* picker = new DatePicker(&host);
    picker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    picker->setGeometry(20, 20, 120, 22);
    host.show();
    QWidget* popup = picker->calendarWidget()->window();
    for (const auto& [key, mods] : {std::pair{Qt::Key_Down, Qt::AltModifier}, std::pair{Qt::Key_F4, Qt::NoModifier}}) {
        const QDate before = picker->date();
        QTest::keyClick(picker, key, mods);
        EXPECT_TRUE(popup->isVisible()) << key;
        EXPECT_EQ(picker->date(), before);
        popup->hide();
    }

    // Typed as written on paper: the "/" after a part that moved on by itself is no second move.
    QApplication::setActiveWindow(&host);
    picker->setFocus();
    QCoreApplication::processEvents();
    picker->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(picker, QStringLiteral("03/15/1990"));
    EXPECT_EQ(picker->date(), QDate(1990, 3, 15));
    picker->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(picker, QStringLiteral("3/8/1991"));  // a separator that ends a part still moves on
    EXPECT_EQ(picker->date(), QDate(1991, 3, 8));

    // A click into the day picks the whole day; the digits typed next replace it.
    auto* edit = picker->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setCursorPosition(4);  // where a click into "08" leaves it
    const QPoint at(edit->width() / 3, edit->height() / 2);
    QMouseEvent release(QEvent::MouseButtonRelease, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &release);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->selectedText(), QStringLiteral("08"));
    QTest::keyClicks(picker, QStringLiteral("15"));
    EXPECT_EQ(picker->date(), QDate(1991, 3, 15));
}

}  // namespace
}  // namespace kelra
