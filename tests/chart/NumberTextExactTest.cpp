// The number reader's short path for plain decimals must give the same
// double as a correctly rounding reader, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "NumberText.h"

namespace kelra {
namespace {

double Reference(const std::string& text) {
    // strtod in the "C" locale rounds correctly on glibc.
    return std::strtod(text.c_str(), nullptr);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(ReadNumberExact, PlainDecimalsRoundLikeAFullReader) {
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<int> length(1, 17), point(0, 18), digit(0, 9), sign(0, 2);
    for (int n = 0; n < 200000; ++n) {
        std::string text = sign(rng) == 0 ? "-" : sign(rng) == 1 ? "+" : "";
        const int len = length(rng), dot = point(rng);
        for (int k = 0; k < len; ++k) {
            if (k == dot) text += '.';
            text += static_cast<char>('0' + digit(rng));
        }
        const double got = ReadNumber(text);
        ASSERT_TRUE(SameBits(got, Reference(text))) << text << " read as " << got;
    }
}

TEST(ReadNumberExact, ChartCellsAndTheirEdges) {
    for (const char* text : {"26.98", "-0.30", "-0.00", "0.00", "100.00", "-100.00", "999999999999999",
                             "9999999999999999", "0.000000000000001", "123456789012345.6", "9007199254740993",
                             ".5", "5.", "-.25", "00000000000000000001.5"}) {
        const double got = ReadNumber(text);
        EXPECT_TRUE(SameBits(got, Reference(text))) << text << " read as " << got;
    }
}

}  // namespace
}  // namespace kelra
