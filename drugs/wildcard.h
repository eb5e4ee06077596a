#pragma once
// Wildcard matching of names, as the drug search uses it: "*" is any run of
// characters (none included), "?" one character, "#" one digit 0-9, and a
// bracketed list one of the listed characters ("[abc]", ranges "[a-f]", "!"
// first for none of them: "[!0-9]"). Inside brackets "*", "?" and "#" stand
// for themselves; "[]" matches no character and takes no place. Comparison is
// by character, case-sensitive. A "[" that is never closed stands for
// itself, and a descending range ("[z-a]") holds no character.

#include <string_view>

namespace drugs {

// Texts and patterns are UTF-8; characters, not bytes, are matched.
bool WildcardMatch(std::string_view text, std::string_view pattern);

}  // namespace drugs
