#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "NumberText.h"

namespace kelra {
namespace {

TEST(ReadNumber, ReadsALeadingNumberInCConventions) {
    EXPECT_EQ(ReadNumber("12.5"), 12.5);
    EXPECT_EQ(ReadNumber("12.5abc"), 12.5);
    EXPECT_EQ(ReadNumber(" -3e1"), -30.0);
    EXPECT_EQ(ReadNumber("\t+.5"), 0.5);
    EXPECT_EQ(ReadNumber("5."), 5.0);
    EXPECT_EQ(ReadNumber("1,5"), 1.0);
    EXPECT_EQ(ReadNumber("2e"), 2.0);     // an exponent without digits is not read
    EXPECT_EQ(ReadNumber("2e+x"), 2.0);
    EXPECT_EQ(ReadNumber("-1E-2"), -0.01);
    EXPECT_EQ(ReadNumber("abc"), 0.0);
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(ReadNumber("-"), 0.0);
    EXPECT_EQ(ReadNumber("."), 0.0);
    EXPECT_EQ(ReadNumber("nan"), 0.0);
    EXPECT_EQ(ReadNumber("inf"), 0.0);
}

TEST(ReadNumber, OverflowIsInfiniteAndUnderflowZero) {
    EXPECT_EQ(ReadNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("1e-999"), 0.0);
}

TEST(ReadNumber, RangeDependsOnTheFirstSignificantDigitNotTheExponentSign) {
    const std::string zeros(400, '0');
    // Tiny without any exponent, and tiny or huge against the exponent's sign.
    EXPECT_EQ(ReadNumber("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ReadNumber("-0." + zeros + "1"), -0.0);
    EXPECT_EQ(ReadNumber("0." + zeros + "1e+50"), 0.0);
    EXPECT_EQ(ReadNumber("1" + zeros + "e-50"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("0.0001e-99999999999999999999999"), 0.0);
    EXPECT_EQ(ReadNumber("12e99999999999999999999999"), std::numeric_limits<double>::infinity());
    // Back in range: the digits and the exponent balance out.
    EXPECT_DOUBLE_EQ(ReadNumber("1" + zeros + "e-400"), 1.0);
    EXPECT_DOUBLE_EQ(ReadNumber("0." + zeros + "5e401"), 5.0);
}

TEST(ReadNumber, IgnoresTheProcessLocale) {
    // Where a decimal-comma locale exists, it must not change the reading.
    const std::string old = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1.0);
    std::setlocale(LC_NUMERIC, old.c_str());
}

TEST(ReadInteger, ReadsDigitsAndClamps) {
    EXPECT_EQ(ReadInteger(" 42px"), 42);
    EXPECT_EQ(ReadInteger("-7.9"), -7);
    EXPECT_EQ(ReadInteger("+3"), 3);
    EXPECT_EQ(ReadInteger("x1"), 0);
    EXPECT_EQ(ReadInteger("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ReadInteger("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ReadInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace kelra
