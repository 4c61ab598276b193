#include "Clock.h"

#include <ctime>

namespace kelra {
namespace {

std::function<DateTime()>& ClockFn() {
    static std::function<DateTime()> fn;
    return fn;
}

// The thread-safe local time has another name on Windows.
bool LocalTime(std::time_t t, std::tm& tm) {
#ifdef _WIN32
    return localtime_s(&tm, &t) == 0;
#else
    return localtime_r(&t, &tm) != nullptr;
#endif
}

DateTime SystemNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    if (t == static_cast<std::time_t>(-1) || !LocalTime(t, tm)) return DateTime::Invalid();
    return DateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                    tm.tm_sec > 59 ? 59 : tm.tm_sec);
}

}  // namespace

DateTime Now() {
    const auto& fn = ClockFn();
    return fn ? fn() : SystemNow();
}

void SetClock(std::function<DateTime()> clock) { ClockFn() = std::move(clock); }

ScopedFixedClock::ScopedFixedClock(const DateTime& now) : now_(now) {
    SetClock([this] { return now_; });
}

ScopedFixedClock::~ScopedFixedClock() { SetClock(nullptr); }

}  // namespace kelra
