// DateTime from random fields, day counts and seconds; formatting with random
// patterns; arithmetic and comparisons.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "DateTime.h"
#include "FuzzCheck.h"

namespace {

using kelra::DateTime;

int Field(FuzzedDataProvider& in, int lo, int hi) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(lo, hi) : in.ConsumeIntegral<int>();
}

bool FieldsInRange(int y, int mo, int d, int h, int mi, int s) {
    if (y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int days = mo == 2 && leap ? 29 : kDays[mo - 1];
    return d <= days && h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
}

void CheckValue(const DateTime& t, const std::string& pattern) {
    const std::string out = t.Format(pattern.c_str());
    if (t.GetStatus() == DateTime::invalid) {
        FUZZ_CHECK(out == "Invalid DateTime");
        FUZZ_CHECK(t.Year() == -1 && t.Month() == -1 && t.Day() == -1 && t.Hour() == -1 && t.DayOfWeek() == -1);
        return;
    }
    if (t.GetStatus() == DateTime::null) {
        FUZZ_CHECK(out.empty());
        return;
    }
    // Valid: the fields make the same value again, and the text shows them.
    const int y = t.Year(), mo = t.Month(), d = t.Day(), h = t.Hour(), mi = t.Minute(), s = t.Second();
    FUZZ_CHECK(FieldsInRange(y, mo, d, h, mi, s));
    FUZZ_CHECK(DateTime(y, mo, d, h, mi, s) == t);
    FUZZ_CHECK(t.DayOfWeek() >= 1 && t.DayOfWeek() <= 7);
    FUZZ_CHECK(DateTime::FromSeconds(t.Seconds()) == t);
    FUZZ_CHECK(DateTime::FromDays(t.Days()) == t);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
    FUZZ_CHECK(t.Format("%Y-%m-%d %H:%M:%S") == buf);
    // A pattern without "%" comes out as it is.
    if (pattern.find('%') == std::string::npos) FUZZ_CHECK(out == pattern);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int y = Field(in, -2, 10002), mo = Field(in, -1, 14), d = Field(in, -1, 33);
    const int h = Field(in, -1, 25), mi = Field(in, -1, 61), s = Field(in, -1, 61);
    const DateTime a(y, mo, d, h, mi, s);
    FUZZ_CHECK(a.IsValid() == FieldsInRange(y, mo, d, h, mi, s));
    if (a.IsValid()) FUZZ_CHECK(a.Year() == y && a.Month() == mo && a.Day() == d && a.Hour() == h &&
                                a.Minute() == mi && a.Second() == s);

    DateTime b;
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: b = DateTime::FromDays(in.ConsumeFloatingPoint<double>()); break;
        case 1: b = DateTime::FromDays(in.ConsumeFloatingPointInRange<double>(-700000.0, 3000000.0)); break;
        case 2: b = DateTime::FromSeconds(in.ConsumeIntegral<std::int64_t>()); break;
        default: b = in.ConsumeBool() ? DateTime::Null() : DateTime::Invalid(); break;
    }
    const std::int64_t shift =
        in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int64_t>(-4000000, 4000000) : in.ConsumeIntegral<std::int64_t>();
    const DateTime c = a.AddDays(shift);
    if (a.IsValid() && c.IsValid()) {
        FUZZ_CHECK(c.SecondOfDay() == a.SecondOfDay());
        FUZZ_CHECK(c - a == static_cast<double>(shift));
        FUZZ_CHECK(kelra::WholeDays(c - a) == shift);
    }
    if (!a.IsValid()) FUZZ_CHECK(c.GetStatus() == a.GetStatus());

    // Patterns are C strings: they end at the first NUL.
    const std::string pattern = in.ConsumeRemainingBytesAsString().c_str();
    CheckValue(a, pattern);
    CheckValue(b, pattern);
    CheckValue(c, pattern);

    // Order and difference agree; invalid values compare as neither.
    const double diff = a - b;
    FUZZ_CHECK(std::isfinite(diff));
    if (a.IsValid() && b.IsValid()) {
        FUZZ_CHECK((a < b) == (diff < 0));
        FUZZ_CHECK((a == b) == (a.Seconds() == b.Seconds()));
        FUZZ_CHECK((a.DayOfWeek() - b.DayOfWeek() - (a.DayNumber() - b.DayNumber())) % 7 == 0);
    } else {
        FUZZ_CHECK(diff == 0.0 && !(a < b) && !(b < a));
    }
    (void)kelra::WholeDays(in.ConsumeFloatingPoint<double>());
    return 0;
}
