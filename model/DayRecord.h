#pragma once
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "DateTime.h"

namespace kelra {

// A state text: always one of the five constants (or empty), so a day record
// holds a pointer to static text and needs no allocation of its own.
class StateText {
public:
    constexpr StateText() = default;
    const char* c_str() const { return text_; }
    std::string_view view() const { return text_; }
    std::string str() const { return text_; }
    bool empty() const { return *text_ == '\0'; }
    friend bool operator==(const StateText& a, const StateText& b) { return a.view() == b.view(); }
    friend bool operator==(const StateText& a, std::string_view b) { return a.view() == b; }

    static const StateText kBottom, kPick, kHigh, kLow, kCritical;

private:
    constexpr explicit StateText(const char* text) : text_(text) {}
    const char* text_ = "";
};

inline constexpr StateText StateText::kBottom{"Bottom"};
inline constexpr StateText StateText::kPick{"Pick"};
inline constexpr StateText StateText::kHigh{"High"};
inline constexpr StateText StateText::kLow{"Low"};
inline constexpr StateText StateText::kCritical{"Critical"};

// One computed day.
struct DayRecord {
    double sumTotal = 0;
    double sumClassical = 0;
    double physical = 0;
    double emotional = 0;
    double intellectual = 0;
    double intuitional = 0;
    double aesthetic = 0;
    double spiritual = 0;
    StateText physicalState;
    StateText emotionalState;
    StateText intellectualState;
    StateText sumClassicalState;
    StateText sumTotalState;
    DateTime date;
};

// Element i describes the range's start plus i days.
using DayRecordArray = std::vector<DayRecord>;

}  // namespace kelra
