// The number reader behind chart cells and the Properties dialog's edits,
// checked against the C library's reading in the "C" locale.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Where strtod would read something this reader deliberately does not
// (hexadecimal, "inf", "nan"), there is nothing to compare.
bool Comparable(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i >= s.size()) return true;
    if (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')) return false;
    return (s[i] >= '0' && s[i] <= '9') || s[i] == '.' || !std::isalpha(static_cast<unsigned char>(s[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = kelra::ReadNumber(text);
    const std::int32_t integer = kelra::ReadInteger(text);
    FUZZ_CHECK(!std::isnan(value));

    // strtod stops at the first NUL; so does the reader, which takes no NUL as part of a number.
    const std::string cstr(text.c_str());
    if (Comparable(cstr)) {
        const double expected = std::strtod(cstr.c_str(), nullptr);
        if (std::fabs(expected) < DBL_MIN)
            FUZZ_CHECK(value == expected || value == 0.0);  // subnormals may read as zero
        else
            FUZZ_CHECK(value == expected);
    }

    errno = 0;
    long long wide = std::strtoll(cstr.c_str(), nullptr, 10);
    if (wide > std::numeric_limits<std::int32_t>::max()) wide = std::numeric_limits<std::int32_t>::max();
    if (wide < std::numeric_limits<std::int32_t>::min()) wide = std::numeric_limits<std::int32_t>::min();
    FUZZ_CHECK(integer == wide);
    return 0;
}
