#pragma once
// UTF-8 at the edges of the native tools: 16-bit text in, bytes out and back.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace bw {

// Decodes well-formed UTF-8 (no overlong forms, no encoded surrogates, nothing above
// U+10FFFF); a character outside the Basic Multilingual Plane becomes a surrogate pair.
// Nullopt on the first ill-formed sequence; `badIndex` (if given) then receives the
// 0-based offset of the byte that sequence starts at. Spaces, U+00A0 and markup are
// plain characters; no bytes give the empty text.
// DecodeUtf8("a\xc2\xa0\xf0\x9f\x98\x80") == u"a\u00a0\U0001F600"
[[nodiscard]] std::optional<Text> DecodeUtf8(std::string_view bytes,
                                             std::size_t* badIndex = nullptr);

// The character that starts at unit `i`: a surrogate pair in order is one, and any other
// unit, a lone surrogate included, is itself. CodePointAt(u"a\U0001F600", 1) == 0x1F600
[[nodiscard]] char32_t CodePointAt(TextView text, std::size_t i);

// Encodes 16-bit text as UTF-8. A surrogate pair in order becomes its one character; a
// surrogate without its partner (as transforms that work unit by unit can leave) becomes
// U+FFFD. The empty text gives no bytes.
// EncodeUtf8(u"\u00a0\xd800x") == "\xc2\xa0\xef\xbf\xbdx"
[[nodiscard]] std::string EncodeUtf8(TextView text);

}  // namespace bw
