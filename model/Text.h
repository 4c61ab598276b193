#pragma once
#include <string>

namespace kelra {

// Case mapping of UTF-8 text: ASCII and the Latin-1 letters; everything else
// is left as it is.
std::string ToUpper(const std::string& text);
std::string ToLower(const std::string& text);

// printf "%W.Pf" in the "C" conventions, whatever the process locale:
// precision P, minimum width W, padded with zeros or blanks on the left.
std::string FormatFixed(double value, int precision, int width = 0, bool zeroPad = false);

}  // namespace kelra
