// CycleChart::WrapText with any text, width, position and line height.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "CycleChart.h"
#include "FuzzCheck.h"
#include "RecordingSurface.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string WithoutSpace(const std::string& s) {
    std::string out;
    for (char c : s)
        if (!IsSpace(c)) out += c;
    return out;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int x = in.ConsumeIntegral<int>();
    const int y = in.ConsumeIntegral<int>();
    const int maxChars = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-2, 40) : in.ConsumeIntegral<int>();
    const int lineHeight = in.ConsumeIntegral<int>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    kelra::RecordingSurface s;
    const int lines = kelra::CycleChart::WrapText(s, x, y, text, maxChars, lineHeight);
    const auto texts = s.Texts();
    FUZZ_CHECK(lines >= 1);
    FUZZ_CHECK(static_cast<std::size_t>(lines) == texts.size());

    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& line = texts[i]->text;
        FUZZ_CHECK(texts[i]->a == x);
        // Lines go down by the line height, kept within the surface range.
        const std::int64_t lineY = std::int64_t{y} + static_cast<std::int64_t>(i) * lineHeight;
        const std::int64_t expectedY = maxChars < 1 ? y : std::clamp<std::int64_t>(lineY, -(1 << 20), 1 << 20);
        FUZZ_CHECK(texts[i]->b == expectedY);
        if (maxChars >= 1 && line.size() > static_cast<std::size_t>(maxChars)) {
            // Only a single character that is wider than the limit may overflow it.
            FUZZ_CHECK(std::all_of(line.begin() + 1, line.end(), IsContinuation));
        }
        joined += line;
    }
    // Nothing but blanks between the lines is lost.
    FUZZ_CHECK(WithoutSpace(joined) == WithoutSpace(text));
    return 0;
}
