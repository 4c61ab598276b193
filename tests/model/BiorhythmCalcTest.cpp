#include <gtest/gtest.h>

#include <cmath>

#include "BiorhythmCalc.h"
#include "Clock.h"

using namespace kelra;

namespace {

struct Worked {
    int t;
    double v[8];  // physical .. spiritual, sumClassical, sumTotal
    const char* states[5];
};

const Worked kWorked[] = {
    {1, {26.9797, 22.2521, 18.9251, 16.4595, 14.5601, 11.8273, 22.7190, 18.5006},
     {"High", "Critical", "Critical", "Critical", "Critical"}},
    {7, {94.2261, 100.0000, 97.1812, 91.5773, 85.3593, 73.7833, 97.1357, 90.3545},
     {"Pick", "Pick", "Pick", "Pick", "Pick"}},
    {-1, {-26.9797, -22.2521, -18.9251, -16.4595, -14.5601, -11.8273, -22.7190, -18.5006},
     {"Low", "Critical", "Critical", "Critical", "Critical"}},
    {100, {81.6970, -43.3884, 18.9251, -73.5724, 88.9342, -65.2822, 19.0779, 1.2189},
     {"High", "Low", "Critical", "Critical", "Critical"}},
    {0, {0, 0, 0, 0, 0, 0, 0, 0}, {"Critical", "Critical", "Critical", "Critical", "Critical"}},
};

PersonProfile OneDay(const DateTime& birth, const DateTime& day) {
    PersonProfile p;
    p.birthDate = birth;
    p.startDate = day;
    p.endDate = DateTime::FromSeconds(day.Seconds() + 3600);  // under a day later
    return p;
}

}  // namespace

TEST(Compute, WorkedValuesToFourDecimals) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 10));
    CBiorhythmCalc calc;
    const DateTime birth(2000, 1, 1, 12);
    for (const auto& w : kWorked) {
        PersonProfile p = OneDay(birth, birth.AddDays(w.t));
        DayRecordArray days;
        calc.Compute(days, p);
        ASSERT_EQ(days.size(), 1u) << "t=" << w.t;
        const DayRecord& r = days[0];
        const double got[8] = {r.physical,  r.emotional, r.intellectual, r.intuitional,
                               r.aesthetic, r.spiritual, r.sumClassical, r.sumTotal};
        for (int k = 0; k < 8; ++k) EXPECT_NEAR(got[k], w.v[k], 0.00005) << "t=" << w.t << " k=" << k;
        EXPECT_EQ(r.physicalState, w.states[0]);
        EXPECT_EQ(r.emotionalState, w.states[1]);
        EXPECT_EQ(r.intellectualState, w.states[2]);
        EXPECT_EQ(r.sumClassicalState, w.states[3]);
        EXPECT_EQ(r.sumTotalState, w.states[4]);
        EXPECT_EQ(r.date, birth.AddDays(w.t));
    }
}

TEST(Compute, BirthTimeOfDayShiftsTheDayIndex) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 10));
    CBiorhythmCalc calc;
    auto tOf = [&](const DateTime& birth) {
        PersonProfile p;
        p.birthDate = birth;
        p.startDate = DateTime(2026, 3, 9, 12);  // day before the birth day
        p.endDate = DateTime(2026, 3, 12, 12);
        DayRecordArray days;
        calc.Compute(days, p);
        std::vector<long> ts;
        for (const auto& d : days) ts.push_back(std::lround(d.physical * 1000));
        return ts;
    };
    const long m1 = -26980, zero = 0, p1 = 26980;
    // Born at 18:00: the day before gives -1, the birth day and the next 0, then 1.
    EXPECT_EQ(tOf(DateTime(2026, 3, 10, 18)), (std::vector<long>{m1, zero, zero, p1}));
    // Born at 08:00: the day before and the birth day give 0, the next 1.
    auto early = tOf(DateTime(2026, 3, 10, 8));
    EXPECT_EQ(early[0], zero);
    EXPECT_EQ(early[1], zero);
    EXPECT_EQ(early[2], p1);
}

TEST(Classify, BoundsAreInclusive) {
    CBiorhythmCalc calc;
    EXPECT_EQ(calc.Classify(90), "Pick");
    EXPECT_EQ(calc.Classify(89.999), "High");
    EXPECT_EQ(calc.Classify(25), "High");
    EXPECT_EQ(calc.Classify(24.999), "Critical");
    EXPECT_EQ(calc.Classify(-24.999), "Critical");
    EXPECT_EQ(calc.Classify(-25), "Low");
    EXPECT_EQ(calc.Classify(-90), "Bottom");
    EXPECT_EQ(calc.Classify(-100), "Bottom");
    EXPECT_EQ(calc.Classify(100), "Pick");
}

TEST(Compute, DefaultProfileAndTodayRecord) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 9, 15, 30));
    PersonProfile p = MakeDefaultProfile(Now());
    EXPECT_EQ(p.startDate, DateTime(2026, 12, 1, 12));
    EXPECT_EQ(p.endDate, DateTime(2026, 12, 31, 12));
    CBiorhythmCalc calc;
    DayRecordArray days;
    calc.Compute(days, p);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front().date, DateTime(2026, 12, 1, 12));
    EXPECT_EQ(p.dayOfLife, 1);
    // Born today: today's record is the birth day, all zero and Critical.
    EXPECT_EQ(p.todayRecord.date, DateTime(2026, 12, 6, 12));
    EXPECT_EQ(p.todayRecord.physicalState, "Critical");

    // A range without today keeps the earlier record.
    p.startDate = DateTime(2027, 1, 1, 12);
    p.endDate = DateTime(2027, 1, 5, 12);
    calc.Compute(days, p);
    EXPECT_EQ(days.size(), 5u);
    EXPECT_EQ(p.todayRecord.date, DateTime(2026, 12, 6, 12));
}

TEST(Compute, DefaultRangesFollowTheMonth) {
    EXPECT_EQ(MakeDefaultProfile(DateTime(2026, 3, 15)).endDate, DateTime(2026, 3, 31, 12));
    EXPECT_EQ(MakeDefaultProfile(DateTime(2026, 2, 10)).endDate, DateTime(2026, 3, 3, 12));
    EXPECT_EQ(MakeDefaultProfile(DateTime(2026, 4, 10)).endDate, DateTime(2026, 5, 1, 12));
}

TEST(Compute, EndBeforeStartAndShortRanges) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 9));
    CBiorhythmCalc calc;
    PersonProfile p;
    p.birthDate = DateTime(2026, 12, 1, 9);
    p.startDate = DateTime(2026, 12, 6, 12);
    p.endDate = DateTime(2026, 12, 5, 12);
    p.todayRecord.physical = 42;
    DayRecordArray days(3);
    calc.Compute(days, p);
    EXPECT_TRUE(days.empty());
    EXPECT_EQ(p.dayOfLife, 6);
    EXPECT_EQ(p.todayRecord.physical, 42);

    p.endDate = DateTime(2026, 12, 7, 11);  // under a day after the start
    calc.Compute(days, p);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].date, p.startDate);
}

TEST(Compute, EndsOfThePickerYearsComputeWithoutOverflow) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 9));
    CBiorhythmCalc calc;
    PersonProfile p;
    p.birthDate = DateTime(1601, 1, 1, 0);
    p.startDate = DateTime(9999, 12, 1, 12);
    p.endDate = DateTime(9999, 12, 31, 12);
    DayRecordArray days;
    calc.Compute(days, p);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.back().date.Format("%d %b %Y"), "31 Dec 9999");
    for (const auto& d : days) EXPECT_LE(std::abs(d.physical), 100.0);

    p.birthDate = DateTime(9999, 12, 31, 23, 59, 59);
    p.startDate = DateTime(1601, 1, 1, 0);
    p.endDate = DateTime(1601, 1, 31, 0);
    calc.Compute(days, p);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_LT(p.dayOfLife, 0);
}

TEST(Profile, CopyTakesEveryFieldButTodayRecordAndResetOnlyEmptiesTheName) {
    CBiorhythmCalc calc;
    // Every field differs from a new record's, so a field the copy forgets shows.
    PersonProfile src;
    const auto switches = {&PersonProfile::showSumTotal, &PersonProfile::showSumClassical,
                          &PersonProfile::writeDataFile, &PersonProfile::showPhysical,
                          &PersonProfile::showEmotional, &PersonProfile::showIntellectual,
                          &PersonProfile::showIntuitional, &PersonProfile::showAesthetic,
                          &PersonProfile::showSpiritual};
    for (bool PersonProfile::*b : switches) src.*b = true;
    src.dayOfLife = 77;
    src.name = "Newborn";
    src.birthDate = DateTime(2026, 12, 6, 8);
    src.startDate = DateTime(2026, 12, 1, 12);
    src.endDate = DateTime(2026, 12, 31, 12);
    src.todayRecord.physical = 11;
    PersonProfile dst;
    dst.todayRecord.physical = 22;
    calc.CopyProfile(dst, src);
    for (bool PersonProfile::*b : switches) EXPECT_TRUE(dst.*b);
    EXPECT_EQ(dst.dayOfLife, 77);
    EXPECT_EQ(dst.name, src.name);
    EXPECT_EQ(dst.birthDate, src.birthDate);
    EXPECT_EQ(dst.startDate, src.startDate);
    EXPECT_EQ(dst.endDate, src.endDate);
    EXPECT_EQ(dst.todayRecord.physical, 22);

    calc.ResetProfile(dst);
    EXPECT_EQ(dst.name, "");
    EXPECT_EQ(dst.dayOfLife, 77);
    EXPECT_EQ(dst.startDate, src.startDate);
    EXPECT_EQ(dst.todayRecord.physical, 22);
    EXPECT_EQ(PersonEntryText(src), "Newborn, 06 Dec 2026");
}
