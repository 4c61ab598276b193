#include "Text.h"

#include <charconv>
#include <cmath>

namespace kelra {
namespace {

// Latin-1 letters are U+00C0..U+00DE (upper) and U+00E0..U+00FE (lower),
// without the signs U+00D7 and U+00F7; in UTF-8 both ranges start with C3.
std::string MapCase(const std::string& in, bool upper) {
    std::string out = in;
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            if (upper && c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 32);
            if (!upper && c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            auto d = static_cast<unsigned char>(out[i + 1]);
            if (upper && d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
            if (!upper && d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string ToUpper(const std::string& text) { return MapCase(text, true); }
std::string ToLower(const std::string& text) { return MapCase(text, false); }

std::string FormatFixed(double value, int precision, int width, bool zeroPad) {
    std::string body;
    if (std::isnan(value)) {
        body = std::signbit(value) ? "-nan" : "nan";
        zeroPad = false;
    } else if (std::isinf(value)) {
        body = value < 0 ? "-inf" : "inf";
        zeroPad = false;
    } else {
        char buf[400];
        auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
        body.assign(buf, res.ptr);
    }
    if (static_cast<int>(body.size()) >= width) return body;
    const std::size_t pad = static_cast<std::size_t>(width) - body.size();
    if (!zeroPad) return std::string(pad, ' ') + body;
    const std::size_t signLen = (!body.empty() && body[0] == '-') ? 1 : 0;
    return body.substr(0, signLen) + std::string(pad, '0') + body.substr(signLen);
}

}  // namespace kelra
