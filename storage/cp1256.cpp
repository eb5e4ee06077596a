#include "storage/cp1256.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace storage {
namespace {

// The code page's 256 code points, read once from ICU's converter. The table is
// a constant of the code page, built on first use.
struct Cp1256Tables {
  std::array<char32_t, 256> toUnicode{};
  std::vector<std::pair<char32_t, std::uint8_t>> fromUnicode;  // sorted by code point

  Cp1256Tables() {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* conv = ucnv_open("windows-1256", &status);
    if (U_FAILURE(status) || conv == nullptr) {
      throw std::runtime_error("ICU has no converter for windows-1256");
    }
    for (int b = 0; b < 256; ++b) {
      char in = static_cast<char>(b);
      UChar out[4] = {};
      status = U_ZERO_ERROR;
      ucnv_reset(conv);
      int32_t n = ucnv_toUChars(conv, out, 4, &in, 1, &status);
      char32_t cp = (U_SUCCESS(status) && n >= 1) ? static_cast<char32_t>(out[0]) : U'?';
      if (b == 0) cp = 0;
      toUnicode[static_cast<std::size_t>(b)] = cp;
    }
    ucnv_close(conv);
    for (int b = 0; b < 256; ++b) {
      char32_t cp = toUnicode[static_cast<std::size_t>(b)];
      if (cp == 0xFFFD || cp == 0x1A) continue;
      fromUnicode.emplace_back(cp, static_cast<std::uint8_t>(b));
    }
    std::sort(fromUnicode.begin(), fromUnicode.end());
    fromUnicode.erase(std::unique(fromUnicode.begin(), fromUnicode.end(),
                                  [](const auto& a, const auto& b) { return a.first == b.first; }),
                      fromUnicode.end());
  }
};

const Cp1256Tables& Tables() {
  static const Cp1256Tables tables;
  return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Reads one code point from UTF-8 at position i; malformed input yields
// U+FFFD and advances by one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = byte(i);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int extra = (c >= 0xF0 && c < 0xF5) ? 3 : (c >= 0xE0 && c < 0xF0) ? 2 : (c >= 0xC2 && c < 0xE0) ? 1 : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char cc = byte(i + static_cast<std::size_t>(k));
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

}  // namespace

std::string DecodeCp1256(std::span<const std::uint8_t> bytes) {
  const auto& t = Tables();
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) AppendUtf8(out, t.toUnicode[b]);
  return out;
}

std::string DecodeCp1256(std::string_view bytes) {
  return DecodeCp1256(std::span<const std::uint8_t>(
      reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::vector<std::uint8_t> EncodeCp1256(std::string_view utf8) {
  const auto& t = Tables();
  std::vector<std::uint8_t> out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x80) {
      out.push_back(static_cast<std::uint8_t>(cp));
      continue;
    }
    auto it = std::lower_bound(t.fromUnicode.begin(), t.fromUnicode.end(),
                               std::make_pair(cp, std::uint8_t{0}));
    out.push_back((it != t.fromUnicode.end() && it->first == cp) ? it->second : std::uint8_t{'?'});
  }
  return out;
}

std::string EncodeCp1256String(std::string_view utf8) {
  auto bytes = EncodeCp1256(utf8);
  return std::string(bytes.begin(), bytes.end());
}

std::size_t Cp1256Length(std::string_view utf8) {
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    NextCodePoint(utf8, i);
    ++n;
  }
  return n;
}

}  // namespace storage
