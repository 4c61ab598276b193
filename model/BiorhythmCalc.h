#pragma once
#include <string>

#include "DayRecord.h"
#include "PersonProfile.h"

namespace kelra {

class CBiorhythmCalc {
public:
    static constexpr int kPeriods[6] = {23, 28, 33, 38, 43, 53};

    // Copies everything but todayRecord, which the destination keeps.
    void CopyProfile(PersonProfile& dst, const PersonProfile& src) const;
    // Empties the name; nothing else changes.
    void ResetProfile(PersonProfile& profile) const;

    // Fills days for the profile's range and writes dayOfLife and, when the
    // range holds today, todayRecord.
    void Compute(DayRecordArray& days, PersonProfile& profile);

    StateText Classify(double value);

private:
    StateText lastState_;
};

}  // namespace kelra
