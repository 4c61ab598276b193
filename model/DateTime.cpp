#include "DateTime.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kelra {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 0000-03-01 to 1899-12-30, the offset of the civil algorithm below.
constexpr std::int64_t kEpochShift = 693899;
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

const char* const kMonthAbbr[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return (m == 2 && IsLeapYear(y)) ? 29 : kDays[m - 1];
}

std::int64_t DaysFromCivil(int year, int month, int day) {
    std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - kEpochShift;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::int64_t z = days + kEpochShift;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

DateTime::DateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        status_ = invalid;
        return;
    }
    secs_ = DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

DateTime DateTime::FromSeconds(std::int64_t seconds) {
    DateTime d;
    const std::int64_t lo = DaysFromCivil(kMinYear, 1, 1) * kSecondsPerDay;
    const std::int64_t hi = (DaysFromCivil(kMaxYear, 12, 31) + 1) * kSecondsPerDay - 1;
    if (seconds < lo || seconds > hi) {
        d.status_ = invalid;
        return d;
    }
    d.secs_ = seconds;
    return d;
}

DateTime DateTime::FromDays(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 1e7) return Invalid();
    return FromSeconds(static_cast<std::int64_t>(std::llround(days * kSecondsPerDay)));
}

DateTime DateTime::Null() {
    DateTime d;
    d.status_ = null;
    return d;
}

DateTime DateTime::Invalid() {
    DateTime d;
    d.status_ = invalid;
    return d;
}

double DateTime::Days() const { return static_cast<double>(secs_) / kSecondsPerDay; }
std::int64_t DateTime::DayNumber() const { return FloorDiv(secs_, kSecondsPerDay); }
int DateTime::SecondOfDay() const { return static_cast<int>(secs_ - DayNumber() * kSecondsPerDay); }

int DateTime::Year() const {
    if (!IsValid()) return -1;
    int y, m, d;
    CivilFromDays(DayNumber(), y, m, d);
    return y;
}
int DateTime::Month() const {
    if (!IsValid()) return -1;
    int y, m, d;
    CivilFromDays(DayNumber(), y, m, d);
    return m;
}
int DateTime::Day() const {
    if (!IsValid()) return -1;
    int y, m, d;
    CivilFromDays(DayNumber(), y, m, d);
    return d;
}
int DateTime::Hour() const { return IsValid() ? SecondOfDay() / 3600 : -1; }
int DateTime::Minute() const { return IsValid() ? SecondOfDay() / 60 % 60 : -1; }
int DateTime::Second() const { return IsValid() ? SecondOfDay() % 60 : -1; }
int DateTime::DayOfWeek() const {
    if (!IsValid()) return -1;
    // Day 0 (30 Dec 1899) was a Saturday.
    const std::int64_t n = DayNumber() + 6;
    return static_cast<int>(n - FloorDiv(n, 7) * 7) + 1;
}

DateTime DateTime::AddDays(std::int64_t days) const {
    if (!IsValid()) return *this;
    if (days > 4000000 || days < -4000000) return Invalid();
    return FromSeconds(secs_ + days * kSecondsPerDay);
}

std::string DateTime::Format(const char* pattern) const {
    if (status_ == invalid) return "Invalid DateTime";
    if (status_ == null) return std::string();
    int y, mo, d;
    CivilFromDays(DayNumber(), y, mo, d);
    const int sod = SecondOfDay();
    const int h = sod / 3600, mi = sod / 60 % 60, s = sod % 60;
    std::string out;
    char buf[32];
    for (const char* p = pattern; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
            case 'b': out += kMonthAbbr[mo - 1]; break;
            case 'd': std::snprintf(buf, sizeof buf, "%02d", d); out += buf; break;
            case 'H': std::snprintf(buf, sizeof buf, "%02d", h); out += buf; break;
            case 'm': std::snprintf(buf, sizeof buf, "%02d", mo); out += buf; break;
            case 'M': std::snprintf(buf, sizeof buf, "%02d", mi); out += buf; break;
            case 'S': std::snprintf(buf, sizeof buf, "%02d", s); out += buf; break;
            // Always four digits: the recent-person entry is read back with a four-digit year.
            case 'Y': std::snprintf(buf, sizeof buf, "%04d", y); out += buf; break;
            case 'x': std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", mo, d, y % 100); out += buf; break;
            case '%': out += '%'; break;
            default: out += '%'; out += *p; break;
        }
    }
    return out;
}

double operator-(const DateTime& a, const DateTime& b) {
    if (!a.IsValid() || !b.IsValid()) return 0.0;
    return static_cast<double>(a.secs_ - b.secs_) / kSecondsPerDay;
}

bool operator<(const DateTime& a, const DateTime& b) {
    return a.IsValid() && b.IsValid() && a.secs_ < b.secs_;
}

bool operator==(const DateTime& a, const DateTime& b) {
    if (a.status_ != b.status_) return false;
    return a.status_ != DateTime::valid || a.secs_ == b.secs_;
}

std::int32_t WholeDays(double days) {
    if (!(days == days)) return 0;
    const double t = std::trunc(days);
    if (t >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (t <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(t);
}

}  // namespace kelra
