#pragma once
// The color effects: every character other than a space gets a font-color element of its
// own, "<FONT COLOR=#RRGGBB>" + character + "</FONT>", never merged with a neighbour's.
// A space (U+0020 only) is copied as one " " outside any element and leaves the effect's
// state as it was. U+00A0, tabs and markup characters such as "<" are colored like
// letters and copied into their element unescaped. A text that is empty or holds only
// spaces gives the empty text. Over a plain text every 16-bit unit is a character; the
// overloads over a CharacterView (at the end) put a character of several units whole into
// one element and count it once, for the fade's steps and the alternation alike.

#include "engine/characters.h"
#include "engine/color.h"
#include "engine/random.h"
#include "engine/text.h"

namespace bw {

// A fade from `start` to `end`. The per-channel step is (end - start) / (n - 1),
// truncated toward zero, where n counts the non-space characters (divisor 1 when n <= 1).
// The character at position 1 keeps the start color; every other non-space character
// first moves one step on and is then clamped to 0..255. The advance is skipped by
// position, so after a leading space the first character is already one step on. Lets
// pending events run once per space in the text, as counting them by replacement does.
// FadeText(u"abc", 0x0000FF, 0xFF0000) == u"<FONT COLOR=#FF0000>a</FONT>"
//     u"<FONT COLOR=#80007F>b</FONT><FONT COLOR=#0100FE>c</FONT>"
[[nodiscard]] Text FadeText(TextView text, ColorRef start, ColorRef end);

// Reseeds the shared generator from the clock, then colors each non-space character with
// three fresh draws, red, green, blue, each channel the whole part of draw * 256.
// RandomColorText(u"a b") == u"<FONT COLOR=#xxxxxx>a</FONT> <FONT COLOR=#yyyyyy>b</FONT>"
//     with xxxxxx from the first three draws after the reseed and yyyyyy from the next.
[[nodiscard]] Text RandomColorText(TextView text);

// The two colors by turns across the whole text, starting with the second: the 1st, 3rd,
// 5th... non-space character takes `second`, the others `first`.
// AlternateColorText(u"ab c", 0x0000FF, 0xFF0000) == u"<FONT COLOR=#0000FF>a</FONT>"
//     u"<FONT COLOR=#FF0000>b</FONT> <FONT COLOR=#0000FF>c</FONT>"
[[nodiscard]] Text AlternateColorText(TextView text, ColorRef first, ColorRef second);

// The same three over characters that may be several units each.
// With "e\u0301" as one character: AlternateColorText of "e\u0301", red, blue ==
//     u"<FONT COLOR=#0000FF>e\u0301</FONT>"
[[nodiscard]] Text FadeText(CharacterView characters, ColorRef start, ColorRef end);
[[nodiscard]] Text RandomColorText(CharacterView characters);
// Random Colors reseeding and drawing a generator of its own instead of the shared one.
[[nodiscard]] Text RandomColorText(CharacterView characters, RandomGenerator& random);
[[nodiscard]] Text AlternateColorText(CharacterView characters, ColorRef first, ColorRef second);

}  // namespace bw
