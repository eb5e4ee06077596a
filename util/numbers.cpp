#include "util/numbers.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <system_error>

namespace util {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Roughly the power of ten of a number written as digits with an optional
// point and exponent (no sign): positive for 1 and more, 0 or less below 1.
// Only its sign matters, to tell a too-large number from a too-small one.
long DecimalOrder(std::string_view number, std::size_t mantissaLength) {
  const std::string_view mantissa = number.substr(0, mantissaLength);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstNonZero = std::min(mantissa.find_first_not_of("0."), mantissa.size());
  long order = 0;
  if (firstNonZero < point) {
    order = static_cast<long>(point - firstNonZero);
  } else if (firstNonZero < mantissa.size()) {
    order = -static_cast<long>(firstNonZero - point - 1);
  }
  long exponent = 0;
  bool negative = false;
  for (std::size_t k = mantissaLength + 1; k < number.size(); ++k) {
    if (number[k] == '-') negative = true;
    if (IsDigit(number[k])) exponent = std::min(exponent * 10 + (number[k] - '0'), 1000000L);
  }
  return order + (negative ? -exponent : exponent);
}

struct ParsedNumber {
  double value = 0;
  // Characters of the text the number took, leading blanks included; 0 when
  // the text does not start with a number.
  std::size_t length = 0;
};

// The number at the start of text: blanks, an optional sign, digits with at
// most one decimal point (at least one digit in all) and an optional
// exponent, taken only when digits follow the 'e'.
ParsedNumber ParseLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return {};
  const std::size_t mantissaEnd = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  // from_chars reads the digits the same way whatever the locale is.
  const std::string_view number = text.substr(mantissaStart, i - mantissaStart);
  double magnitude = 0;
  const auto result =
      std::from_chars(number.data(), number.data() + number.size(), magnitude,
                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to tell from zero, or too large for a double.
    magnitude = DecimalOrder(number, mantissaEnd - mantissaStart) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
  } else if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
    return {};
  }
  return {negative ? -magnitude : magnitude, i};
}


constexpr double kLargestWholeNumber = 1234567891.0;

}  // namespace

double LeadingNumber(std::string_view text) { return ParseLeadingNumber(text).value; }

std::int32_t SafeLong(double v) {
  if (std::isnan(v)) return 0;
  if (v > kLargestWholeNumber) v = kLargestWholeNumber;
  const double rounded = std::nearbyint(v);
  if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min())) return 0;
  return static_cast<std::int32_t>(rounded);
}

std::int32_t SafeLong(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  text = text.substr(0, end);
  const ParsedNumber parsed = ParseLeadingNumber(text);
  if (parsed.length == 0 || parsed.length != text.size()) return 0;
  return SafeLong(parsed.value);
}

Colour RedShade(int k) {
  k = std::clamp(k, 0, 12);
  return Rgb(255 - 20 * k, 10, 10);
}

std::int32_t RandomBetween(const Clock& clock, std::int32_t low, std::int32_t high) {
  if (low > high) std::swap(low, high);
  const auto bits = std::bit_cast<std::uint64_t>(clock.Now());
  std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
  std::mt19937 generator(seed);
  std::uniform_int_distribution<std::int32_t> distribution(low, high);
  return distribution(generator);
}

}  // namespace util
