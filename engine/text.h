#pragma once
// Text as the whole system sees it: 16-bit code units. Positions in the algorithms are
// 1-based; the code here translates them to 0-based indices at the point of use.

#include <string>
#include <string_view>

namespace bw {

using Text = std::u16string;
using TextView = std::u16string_view;

// The one upper-case rule, shared by the Hacker transform, case-blind replacement and
// window matching. Each character maps to exactly one character, so positions in an
// upper-cased copy are positions in the original:
//   a-z -> A-Z; U+00E0-U+00F6 and U+00F8-U+00FE -> U+00C0-U+00D6 and U+00D8-U+00DE;
//   s-caron, z-caron, oe, y-diaeresis -> their capitals; everything else (sharp s,
//   digits, punctuation, spaces) unchanged.
// UpperCase(u"stra\u00dfe \u00ff") == u"STRA\u00dfE \u0178"
[[nodiscard]] char16_t UpperChar(char16_t c);
[[nodiscard]] Text UpperCase(TextView text);

// Removes U+0020 and no other character from both ends. TrimSpaces(u" \u00a0a ") == u"\u00a0a"
[[nodiscard]] Text TrimSpaces(TextView text);

}  // namespace bw
