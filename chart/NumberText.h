#pragma once
#include <cstdint>
#include <string_view>

namespace kelra {

// Reads a leading decimal number in the "C" conventions, whatever the locale:
// white space, an optional sign, digits with an optional "." and fraction, an
// optional exponent. Reading stops at the first character that does not fit;
// a text without a leading number reads 0. Overflow gives an infinity.
double ReadNumber(std::string_view text);

// The same without fraction and exponent, clamped to the 32-bit range.
std::int32_t ReadInteger(std::string_view text);

}  // namespace kelra
