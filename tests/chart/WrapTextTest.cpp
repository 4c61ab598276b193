#include <gtest/gtest.h>

#include "CycleChart.h"
#include "RecordingSurface.h"

namespace kelra {
namespace {

std::vector<std::pair<int, std::string>> Drawn(const RecordingSurface& s) {
    std::vector<std::pair<int, std::string>> out;
    for (const auto* op : s.Texts()) out.emplace_back(op->b, op->text);
    return out;
}

TEST(WrapText, ShortTextIsOneLine) {
    RecordingSurface s;
    EXPECT_EQ(CycleChart::WrapText(s, 5, 7, "", 25, 15), 1);
    EXPECT_EQ(CycleChart::WrapText(s, 5, 7, std::string(25, 'a'), 25, 15), 1);
    ASSERT_EQ(s.Texts().size(), 2u);
    EXPECT_EQ(s.Texts()[0]->a, 5);
    EXPECT_EQ(s.Texts()[0]->b, 7);
}

TEST(WrapText, CutsAtTheLastBlankWithinMaxChars) {
    RecordingSurface s;
    // 60 characters.
    const std::string text = "Today is a critical day for you, take care of yourself please";
    const int lines = CycleChart::WrapText(s, 0, 100, text, 25, 15);
    const std::vector<std::pair<int, std::string>> expected{
        {100, "Today is a critical day"}, {115, "for you, take care of"}, {130, "yourself please"}};
    EXPECT_EQ(Drawn(s), expected);
    EXPECT_EQ(lines, 3);
}

TEST(WrapText, HardCutsALongWord) {
    RecordingSurface s;
    const std::string word(30, 'x');
    EXPECT_EQ(CycleChart::WrapText(s, 0, 0, word + " end", 25, 10), 2);
    const std::vector<std::pair<int, std::string>> expected{{0, std::string(25, 'x')}, {10, "xxxxx end"}};
    EXPECT_EQ(Drawn(s), expected);
}

TEST(WrapText, LeadingBlanksOfTheRestAreDropped) {
    RecordingSurface s;
    // The only blank in the first 5 is at 0: an empty first line, then progress.
    EXPECT_EQ(CycleChart::WrapText(s, 0, 0, " abcdefgh", 5, 10), 3);
    const std::vector<std::pair<int, std::string>> expected{{0, ""}, {10, "abcde"}, {20, "fgh"}};
    EXPECT_EQ(Drawn(s), expected);
}

TEST(WrapText, NoWidthDrawsTheTextWhole) {
    for (int maxChars : {0, -1, -2147483647 - 1}) {
        RecordingSurface s;
        EXPECT_EQ(CycleChart::WrapText(s, 1, 2, "some longer text", maxChars, 15), 1);
        ASSERT_EQ(s.Texts().size(), 1u);
        EXPECT_EQ(s.Texts()[0]->text, "some longer text");
    }
}

TEST(WrapText, NeverSplitsAMultiByteCharacter) {
    RecordingSurface s;
    // "é" is two bytes; a cut after 3 bytes would split the second one.
    EXPECT_EQ(CycleChart::WrapText(s, 0, 0, "a\xC3\xA9\xC3\xA9\xC3\xA9", 4, 10), 2);
    const std::vector<std::pair<int, std::string>> expected{{0, "a\xC3\xA9"}, {10, "\xC3\xA9\xC3\xA9"}};
    EXPECT_EQ(Drawn(s), expected);
}

}  // namespace
}  // namespace kelra
