#pragma once
// Numbers typed as text, whole-number conversion, colours and random numbers.

#include <cstdint>
#include <string_view>

#include "util/clock.h"

namespace util {

// The value of a typed text's leading number: leading blanks skipped, an
// optional sign, digits with at most one decimal point and an optional
// exponent; 0 when the text does not start with a number ("12abc" is 12,
// "abc" is 0, " -3.5" is -3.5).
double LeadingNumber(std::string_view text);

// v as a 32-bit integer: a value above 1234567891 becomes 1234567891, then v
// is rounded half to even; 0 when v is not a number or does not fit.
std::int32_t SafeLong(double v);
// The same for a text: 0 when the whole text (blanks trimmed) is not a number.
std::int32_t SafeLong(std::string_view text);

// Colours are 0x00BBGGRR values.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
         (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// RGB(255 - 20 k, 10, 10) with k limited to 0..12.
Colour RedShade(int k);

// A whole number from low to high, both included, from a generator seeded by
// the clock.
std::int32_t RandomBetween(const Clock& clock, std::int32_t low, std::int32_t high);

}  // namespace util
