#include "drugs/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WildcardMatch, Table) {
  struct Case {
    const char* text;
    const char* pattern;
    bool match;
  };
  const Case cases[] = {
      // "*": any run, none included
      {"Paracetamol", "*", true},
      {"", "*", true},
      {"", "**", true},
      {"Paracetamol", "*cet*", true},
      {"Paracetamol", "Para*", true},
      {"Paracetamol", "*mol", true},
      {"Paracetamol", "*Mol", false},  // case counts
      {"paracetamol", "Para*", false},
      {"Paracetamol", "*a*a*a*", true},
      {"Paracetamol", "*a*a*a*a*", false},
      // "?": exactly one character
      {"Brufen 400", "Brufen ???", true},
      {"Brufen 40", "Brufen ???", false},
      {"", "?", false},
      {"امبولة", "?مبولة", true},  // one Arabic letter is one character, not its bytes
      // "#": one digit
      {"Brufen 400", "*###", true},
      {"Brufen 4a0", "*###", false},
      {"Brufen x", "*#", false},
      // bracket lists
      {"Cap", "[CK]ap", true},
      {"Kap", "[CK]ap", true},
      {"cap", "[CK]ap", false},
      {"b5", "[a-c]#", true},
      {"d5", "[a-c]#", false},
      {"d5", "[!a-c]#", true},
      {"b5", "[!a-c]#", false},
      {"a-", "a[-]", true},
      {"*x", "[*]x", true},   // "*", "?" and "#" stand for themselves inside brackets
      {"yx", "[*]x", false},
      {"?", "[?]", true},
      {"#", "[#]", true},
      {"a", "[]a", true},     // "[]" takes no place
      {"m", "[z-a]", false},  // a descending range holds nothing
      {"قرص", "[قك]رص", true},
      {"ورص", "[قك]رص", false},
      // an unclosed "[" stands for itself
      {"[ab", "[ab", true},
      {"xab", "[ab", false},
      // literal texts must match whole
      {"Zyrtec", "Zyrtec", true},
      {"Zyrtec 10", "Zyrtec", false},
      // the drug search: "*" + the typed text with spaces as "*" + "*"
      {"امبيسلين", "*ام*ل*", true},
      {"امبولة", "*ام*ل*", true},
      {"لامبام", "*ام*ل*", false},  // ل must come after ام
      {"Paracetamol 500                ", "*Paracetamol*", true},  // padding of a stored name
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drugs::WildcardMatch(c.text, c.pattern), c.match)
        << "text \"" << c.text << "\" pattern \"" << c.pattern << "\"";
  }
}

TEST(WildcardMatch, ManyStarsOverALongNameStayQuick) {
  std::string text(2000, 'a');
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "*a";
  pattern += "*b";
  EXPECT_FALSE(drugs::WildcardMatch(text, pattern));
}

}  // namespace
