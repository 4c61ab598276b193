#include "BiorhythmCalc.h"

#include <cmath>

#include "Clock.h"

namespace kelra {

PersonProfile MakeDefaultProfile(const DateTime& now) {
    PersonProfile p;
    p.name = "Newborn";
    p.birthDate = now;
    p.startDate = DateTime(now.Year(), now.Month(), 1, 12, 0, 0);
    p.endDate = p.startDate.AddDays(30);
    p.showSumClassical = p.showPhysical = p.showEmotional = p.showIntellectual = true;
    return p;
}

std::string PersonEntryText(const PersonProfile& profile) {
    return profile.name + ", " + profile.birthDate.Format("%d %b %Y");
}

void CBiorhythmCalc::CopyProfile(PersonProfile& dst, const PersonProfile& src) const {
    // The whole record, so a field added later cannot be forgotten; only the
    // destination's today stays its own.
    DayRecord today = std::move(dst.todayRecord);
    dst = src;
    dst.todayRecord = std::move(today);
}

void CBiorhythmCalc::ResetProfile(PersonProfile& profile) const { profile.name.clear(); }

StateText CBiorhythmCalc::Classify(double v) {
    if (v <= -90) lastState_ = StateText::kBottom;
    else if (v >= 90) lastState_ = StateText::kPick;
    else if (v >= 25) lastState_ = StateText::kHigh;
    else if (v <= -25) lastState_ = StateText::kLow;
    else lastState_ = StateText::kCritical;
    return lastState_;
}

void CBiorhythmCalc::Compute(DayRecordArray& days, PersonProfile& profile) {
    static constexpr double kTwoPi = 6.283185307179586;
    static constexpr double kInv[6] = {1.0 / 23, 1.0 / 28, 1.0 / 33, 1.0 / 38, 1.0 / 43, 1.0 / 53};

    const DateTime now = Now();
    profile.dayOfLife = WholeDays(now - profile.birthDate) + 1;
    const std::int32_t n = WholeDays(profile.endDate - profile.startDate);
    days.clear();
    // A range without two valid ends holds no day.
    if (n < 0 || !profile.startDate.IsValid() || !profile.endDate.IsValid()) return;
    days.reserve(static_cast<std::size_t>(n) + 1);

    // Same calendar day, month and year as now: the same day number.
    const bool nowValid = now.IsValid();
    const std::int64_t today = now.DayNumber();
    // The days share the start's time of day, so the day index of day i is
    // whole days of (start - birth) + i exactly in seconds.
    const std::int64_t startSecs = profile.startDate.Seconds();
    const std::int64_t birthSecs = profile.birthDate.Seconds();
    const bool birthValid = profile.birthDate.IsValid() && profile.startDate.IsValid();

    for (std::int32_t i = 0; i <= n; ++i) {
        DayRecord r;
        r.date = profile.startDate.AddDays(i);
        const std::int64_t diffSecs = birthValid ? startSecs + std::int64_t{i} * 86400 - birthSecs : 0;
        const std::int32_t t = WholeDays(static_cast<double>(diffSecs) / 86400.0);
        const double a = t * kTwoPi;
        r.physical = 100 * std::sin(a * kInv[0]);
        r.emotional = 100 * std::sin(a * kInv[1]);
        r.intellectual = 100 * std::sin(a * kInv[2]);
        r.intuitional = 100 * std::sin(a * kInv[3]);
        r.aesthetic = 100 * std::sin(a * kInv[4]);
        r.spiritual = 100 * std::sin(a * kInv[5]);
        r.sumClassical = (r.intellectual + r.emotional + r.physical) * (1.0 / 3);
        r.sumTotal = (r.spiritual + r.aesthetic + r.intuitional + r.intellectual + r.emotional + r.physical) *
                     (1.0 / 6);
        r.physicalState = Classify(r.physical);
        r.emotionalState = Classify(r.emotional);
        r.intellectualState = Classify(r.intellectual);
        r.sumClassicalState = Classify(r.sumClassical);
        r.sumTotalState = Classify(r.sumTotal);
        days.push_back(r);
        if (nowValid && r.date.IsValid() && r.date.DayNumber() == today) profile.todayRecord = r;
    }
}

}  // namespace kelra
