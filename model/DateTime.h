#pragma once
#include <cstdint>
#include <string>

namespace kelra {

// A local date and time. Kept internally as whole seconds from 30 Dec 1899
// 00:00 so that differences of values with equal times of day are exact whole
// days anywhere between the years 1 and 9999; the real day count is derived.
class DateTime {
public:
    enum Status { valid, invalid, null };

    DateTime() = default;  // the zero value, valid
    DateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static DateTime FromDays(double days);  // rounded to the second
    static DateTime FromSeconds(std::int64_t seconds);
    static DateTime Null();
    static DateTime Invalid();

    Status GetStatus() const { return status_; }
    bool IsValid() const { return status_ == valid; }
    double Days() const;                       // the real day count
    std::int64_t Seconds() const { return secs_; }
    std::int64_t DayNumber() const;            // calendar day index (floor)
    int SecondOfDay() const;

    // Calendar fields; -1 when the value is not valid.
    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    int DayOfWeek() const;  // 1 = Sunday ... 7 = Saturday

    DateTime AddDays(std::int64_t days) const;  // keeps the time of day

    // strftime-style formatting in the "C" locale, for the conversions the
    // program writes: %d %b %Y %x %m %H %M %S %%; any other stays as written.
    std::string Format(const char* pattern) const;

    // Real days between two values; 0 when either is not valid.
    friend double operator-(const DateTime& a, const DateTime& b);
    friend bool operator<(const DateTime& a, const DateTime& b);
    friend bool operator==(const DateTime& a, const DateTime& b);
    friend bool operator!=(const DateTime& a, const DateTime& b) { return !(a == b); }

private:
    std::int64_t secs_ = 0;
    Status status_ = valid;
};

// Whole days of a real day count, truncated toward zero.
std::int32_t WholeDays(double days);

// Days from civil date (proleptic Gregorian), day 0 = 30 Dec 1899.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace kelra
