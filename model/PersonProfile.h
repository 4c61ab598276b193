#pragma once
#include <cstdint>
#include <string>

#include "DateTime.h"
#include "DayRecord.h"

namespace kelra {

// Everything known about one person and how the chart shows them.
struct PersonProfile {
    bool showSumTotal = false;
    bool showSumClassical = false;
    bool writeDataFile = false;
    bool showPhysical = false;
    bool showEmotional = false;
    bool showIntellectual = false;
    bool showIntuitional = false;
    bool showAesthetic = false;
    bool showSpiritual = false;
    std::int32_t dayOfLife = 0;
    std::string name;
    DateTime birthDate;
    DateTime startDate;
    DateTime endDate;
    DayRecord todayRecord;
};

// The defaults for a new person at the given moment: "Newborn" born now,
// the range from the first of now's month at noon over 31 days.
PersonProfile MakeDefaultProfile(const DateTime& now);

// The recent-person text "%s, %s": name and birth date as "%d %b %Y".
std::string PersonEntryText(const PersonProfile& profile);

}  // namespace kelra
