#pragma once
#include <functional>

#include "DateTime.h"

namespace kelra {

// The one source of "now": the local date and time to the second.
DateTime Now();

// Replaces the clock (an empty function restores the system clock).
void SetClock(std::function<DateTime()> clock);

// Holds the clock at a fixed value for its lifetime; for tests.
class ScopedFixedClock {
public:
    explicit ScopedFixedClock(const DateTime& now);
    ~ScopedFixedClock();
    ScopedFixedClock(const ScopedFixedClock&) = delete;
    ScopedFixedClock& operator=(const ScopedFixedClock&) = delete;
    void Set(const DateTime& now) { now_ = now; }

private:
    DateTime now_;
};

}  // namespace kelra
