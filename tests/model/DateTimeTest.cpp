#include <gtest/gtest.h>

#include "Clock.h"
#include "DateTime.h"
#include "Text.h"

using namespace kelra;

TEST(DateTime, NewValueIsZeroAndValid) {
    DateTime d;
    EXPECT_EQ(d.GetStatus(), DateTime::valid);
    EXPECT_EQ(d.Days(), 0.0);
    EXPECT_EQ(d.Format("%d %b %Y"), "30 Dec 1899");
}

TEST(DateTime, DifferencesAreRealDaysAndWholeDaysTruncateTowardZero) {
    EXPECT_DOUBLE_EQ(DateTime(2026, 3, 3, 12) - DateTime(2026, 3, 1, 18), 1.75);
    EXPECT_EQ(WholeDays(1.75), 1);
    EXPECT_EQ(WholeDays(-0.4), 0);
    EXPECT_EQ(WholeDays(-1.2), -1);
    EXPECT_EQ(WholeDays(DateTime(2026, 3, 2, 12) - DateTime(2026, 3, 1, 18)), 0);
    // 0.4 days before the birth is 0 whole days, not -1.
    EXPECT_EQ(WholeDays(DateTime(2026, 3, 1, 8, 24) - DateTime(2026, 3, 1, 18)), 0);
}

TEST(DateTime, NoJumpAcrossTheWholePickerRange) {
    // Consecutive days everywhere from 1601 to 9999 are exactly one day apart,
    // and odd times of day never make an equal-time difference fall short.
    DateTime d(1601, 1, 1, 13, 17, 29);
    const DateTime birth(1900, 6, 15, 13, 17, 29);
    for (int i = 0; i < 3066000; i += 997) {
        DateTime a = d.AddDays(i), b = d.AddDays(i + 1);
        ASSERT_TRUE(b.IsValid());
        ASSERT_EQ(b - a, 1.0);
        ASSERT_EQ(WholeDays(a - birth), static_cast<int>(a.DayNumber() - birth.DayNumber()));
    }
    EXPECT_EQ(DateTime(9999, 12, 31, 23, 59, 59).Format("%d %b %Y"), "31 Dec 9999");
    EXPECT_EQ(DateTime(1601, 1, 1).AddDays(-1).Format("%x"), "12/31/00");
    EXPECT_FALSE(DateTime(9999, 12, 31).AddDays(1).IsValid());
}

TEST(DateTime, CalendarFieldsRoundTrip) {
    for (int y : {1601, 1700, 1899, 1900, 2000, 2024, 2026, 9999}) {
        for (int m = 1; m <= 12; ++m) {
            DateTime d(y, m, DaysInMonth(y, m), 23, 59, 58);
            ASSERT_TRUE(d.IsValid());
            EXPECT_EQ(d.Year(), y);
            EXPECT_EQ(d.Month(), m);
            EXPECT_EQ(d.Day(), DaysInMonth(y, m));
            EXPECT_EQ(d.Hour(), 23);
            EXPECT_EQ(d.Minute(), 59);
            EXPECT_EQ(d.Second(), 58);
        }
    }
    EXPECT_EQ(DateTime(2026, 12, 6).DayOfWeek(), 1);  // a Sunday
}

TEST(DateTime, ImpossibleFieldsAreInvalid) {
    EXPECT_FALSE(DateTime(2026, 2, 29).IsValid());
    EXPECT_TRUE(DateTime(2024, 2, 29).IsValid());
    EXPECT_FALSE(DateTime(1900, 2, 29).IsValid());
    EXPECT_FALSE(DateTime(2026, 13, 1).IsValid());
    EXPECT_FALSE(DateTime(2026, 0, 1).IsValid());
    EXPECT_FALSE(DateTime(2026, 1, 0).IsValid());
    EXPECT_FALSE(DateTime(2026, 1, 1, 24).IsValid());
    EXPECT_FALSE(DateTime(2026, 1, 1, 0, 60).IsValid());
    EXPECT_FALSE(DateTime(10000, 1, 1).IsValid());
}

TEST(DateTime, FormattingAndOtherStatuses) {
    const DateTime d(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(d.Format("%d %b %Y"), "06 Dec 2026");
    EXPECT_EQ(d.Format("%x"), "12/06/26");
    EXPECT_EQ(DateTime(2001, 1, 9).Format("%x"), "01/09/01");
    EXPECT_EQ(d.Format("%H:%M:%S %%"), "14:05:09 %");
    EXPECT_EQ(DateTime(226, 12, 6).Format("%d %b %Y"), "06 Dec 0226");
    EXPECT_EQ(DateTime(1, 1, 1).Format("%Y"), "0001");

    const DateTime bad = DateTime::Invalid();
    EXPECT_EQ(bad.Format("%d %b %Y"), "Invalid DateTime");
    EXPECT_EQ(bad.Format("%x"), "Invalid DateTime");
    EXPECT_EQ(bad.Year(), -1);
    EXPECT_EQ(bad.Month(), -1);
    EXPECT_EQ(bad.Day(), -1);
    EXPECT_EQ(DateTime::Null().Format("%x"), "");
    EXPECT_EQ(DateTime::Null().Day(), -1);
}

TEST(DateTime, ComparisonsFollowStatus) {
    const DateTime a(2026, 3, 1, 12), b(2026, 3, 2, 12);
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_FALSE(a < a);
    EXPECT_TRUE(a == DateTime(2026, 3, 1, 12));
    EXPECT_FALSE(DateTime::Invalid() < a);
    EXPECT_FALSE(a < DateTime::Null());
    EXPECT_TRUE(DateTime::Null() == DateTime::Null());
    EXPECT_FALSE(DateTime::Null() == DateTime::Invalid());
}

TEST(Clock, ScopedClockIsTheOnlyNow) {
    {
        ScopedFixedClock clock(DateTime(2026, 12, 6, 9, 30));
        EXPECT_EQ(Now(), DateTime(2026, 12, 6, 9, 30));
        clock.Set(DateTime(1999, 1, 1));
        EXPECT_EQ(Now(), DateTime(1999, 1, 1));
    }
    EXPECT_TRUE(Now().IsValid());
}

TEST(Text, CaseMappingAndFixedFormatting) {
    EXPECT_EQ(ToUpper("Newborn é"), "NEWBORN É");
    EXPECT_EQ(ToLower("ÄÖÜ Smith/X"), "äöü smith/x");
    EXPECT_EQ(ToUpper("×÷"), "×÷");
    EXPECT_EQ(FormatFixed(5.3, 0, 2, true), "05");
    EXPECT_EQ(FormatFixed(-0.3, 0, 2, true), "-0");
    EXPECT_EQ(FormatFixed(-5.3, 0, 2, true), "-5");
    EXPECT_EQ(FormatFixed(100, 0, 2, true), "100");
    EXPECT_EQ(FormatFixed(26.9797, 2), "26.98");
    EXPECT_EQ(FormatFixed(50, 0, 6), "    50");
    EXPECT_EQ(FormatFixed(-300, 2, 4), "-300.00");
}
