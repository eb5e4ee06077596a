#include "drugs/wildcard.h"

#include <cstddef>
#include <string>
#include <vector>

namespace drugs {
namespace {

// UTF-8 to code points; a byte that does not start a well-formed sequence
// stands for itself.
std::u32string Decode(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = b;
    bool wellFormed = b >= 0x80 && extra > 0 && i + extra < s.size();
    if (wellFormed) {
      c = b & (0x3F >> extra);
      for (std::size_t k = 1; k <= extra && wellFormed; ++k) {
        auto next = static_cast<unsigned char>(s[i + k]);
        wellFormed = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
      }
    }
    if (!wellFormed) {
      out.push_back(b);
      ++i;
    } else {
      out.push_back(c);
      i += extra + 1;
    }
  }
  return out;
}

// One element of a pattern. Every element but Star stands for exactly one
// character of the text.
struct Token {
  enum Kind { Star, Any, Digit, Literal, List };
  explicit Token(Kind k) : kind(k) {}
  Kind kind;
  char32_t c = 0;                                  // Literal
  std::vector<std::pair<char32_t, char32_t>> ranges;  // List: single characters are a-a ranges
  bool negate = false;                             // List
};

std::vector<Token> Parse(const std::u32string& p) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < p.size()) {
    char32_t pc = p[i];
    if (pc == U'*') {
      if (tokens.empty() || tokens.back().kind != Token::Star) tokens.emplace_back(Token::Star);
      ++i;
    } else if (pc == U'?') {
      tokens.emplace_back(Token::Any);
      ++i;
    } else if (pc == U'#') {
      tokens.emplace_back(Token::Digit);
      ++i;
    } else if (pc == U'[' && p.find(U']', i + 1) != std::u32string::npos) {
      std::size_t close = p.find(U']', i + 1);
      std::size_t k = i + 1;
      Token list(Token::List);
      if (k < close && p[k] == U'!') {
        list.negate = true;
        ++k;
      }
      bool empty = k == close && !list.negate;
      while (k < close) {
        if (k + 2 < close && p[k + 1] == U'-') {
          list.ranges.emplace_back(p[k], p[k + 2]);  // a descending range holds nothing
          k += 3;
        } else {
          list.ranges.emplace_back(p[k], p[k]);
          ++k;
        }
      }
      if (!empty) tokens.push_back(std::move(list));  // "[]" takes no place
      i = close + 1;
    } else {
      Token literal(Token::Literal);
      literal.c = pc;
      tokens.push_back(std::move(literal));
      ++i;
    }
  }
  return tokens;
}

bool Fits(const Token& token, char32_t c) {
  switch (token.kind) {
    case Token::Any: return true;
    case Token::Digit: return c >= U'0' && c <= U'9';
    case Token::Literal: return c == token.c;
    case Token::List: {
      bool found = false;
      for (const auto& [low, high] : token.ranges) found = found || (low <= c && c <= high);
      return found != token.negate;
    }
    case Token::Star: break;
  }
  return false;
}

}  // namespace

bool WildcardMatch(std::string_view text, std::string_view pattern) {
  const std::u32string t = Decode(text);
  const std::vector<Token> p = Parse(Decode(pattern));
  // Each element but "*" takes one character, so going back to the last
  // star and letting it take one more character is enough: linear steps
  // per star instead of trying every split.
  std::size_t ti = 0;
  std::size_t pi = 0;
  std::size_t starAt = p.size();  // none yet
  std::size_t starText = 0;
  while (ti < t.size()) {
    if (pi < p.size() && p[pi].kind == Token::Star) {
      starAt = pi++;
      starText = ti;
    } else if (pi < p.size() && Fits(p[pi], t[ti])) {
      ++pi;
      ++ti;
    } else if (starAt < p.size()) {
      pi = starAt + 1;
      ti = ++starText;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi].kind == Token::Star) ++pi;
  return pi == p.size();
}

}  // namespace drugs
