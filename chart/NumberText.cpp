#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kelra {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double ReadNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            end = j;
        }
    }
    if (end == i && digits <= 15) {
        // Every chart draw reads every cell, millions on a long range. Up to
        // 15 digits form an exact integer and 10^k (k <= 15) is exact, so
        // one division gives the correctly rounded value, as from_chars does.
        static constexpr double kPow10[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        std::int64_t m = 0;
        int fraction = -1;
        for (std::size_t k = mantissa; k < i; ++k) {
            if (s[k] == '.') fraction = 0;
            else {
                m = m * 10 + (s[k] - '0');
                if (fraction >= 0) ++fraction;
            }
        }
        const double value = static_cast<double>(m) / kPow10[fraction < 0 ? 0 : fraction];
        return negative ? -value : value;
    }
    // from_chars takes no "+" and is locale-free; the sign is applied here.
    double value = 0.0;
    const char* first = s.data() + mantissa;
    const char* last = s.data() + end;
    auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large overflows to infinity, too small underflows to zero. Which
        // one it is follows from the decimal exponent of the first significant
        // digit, not from the exponent's sign alone ("0.000...1" has none).
        std::int64_t magnitude = 0;
        std::size_t k = mantissa;
        while (k < end && s[k] == '0') ++k;
        if (k < end && IsDigit(s[k])) {
            while (k < end && IsDigit(s[k])) ++k, ++magnitude;
        } else if (k < end && s[k] == '.') {
            ++k;
            while (k < end && s[k] == '0') ++k, --magnitude;
        }
        while (k < end && s[k] != 'e' && s[k] != 'E') ++k;
        if (k < end) {
            ++k;
            const bool minus = s[k] == '-';
            if (s[k] == '+' || s[k] == '-') ++k;
            std::int64_t exponent = 0;
            // Saturates far beyond any double and far below the 64-bit range.
            for (; k < end; ++k) exponent = std::min<std::int64_t>(exponent * 10 + (s[k] - '0'), 1'000'000'000'000);
            magnitude += minus ? -exponent : exponent;
        }
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::int32_t ReadInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::int64_t value = 0;
    bool any = false;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (i < s.size() && IsDigit(s[i])) {
        any = true;
        if (value < kLimit) value = value * 10 + (s[i] - '0');
        ++i;
    }
    if (!any) return 0;
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace kelra
