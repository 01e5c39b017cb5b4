#pragma once
// The four style transforms. Each sees only characters: markup the user typed into the
// line is transformed like any other text. Over a plain text every 16-bit unit counts as a
// character of its own, so a character outside the Basic Multilingual Plane is two; the
// overloads over a CharacterView (at the end) keep characters of several units whole.

#include "engine/characters.h"
#include "engine/random.h"
#include "engine/text.h"

namespace bw {

// Upper-cases every character with the shared rule, then lowers the five plain vowels
// A, E, I, O, U; accented vowels stay upper case. Spaces, U+00A0, digits and markup
// characters pass unchanged; the empty text gives the empty text.
// HackerText(u"hello <b>") == u"HeLLo <B>"
[[nodiscard]] Text HackerText(TextView text);

// Reads the text in steps from the left: "1/4", "1/2", "3/4" become one fraction
// character; "ae", "AE", "oe", "OE", "TM" (exact case) become one ligature; any other
// character is swapped for its look-alike, which may be up to three characters, or
// passes unchanged. A matched sequence is consumed and not read again. Every step draws
// once from the shared random generator (never reseeding it), choosing among three
// look-alikes where a character has them. Spaces and U+00A0 pass unchanged; so do "<"
// and ">", while letters inside typed markup are swapped like any others. The empty
// text gives the empty text and draws nothing.
// EliteText(u"Hm 1/4") == u"|-|^^ \u00bc"
[[nodiscard]] Text EliteText(TextView text);

// Puts one space after every character, then trims spaces (U+0020 only) from both ends:
// one space ends up between neighbours, a space inside the text becomes three, spaces
// at the ends vanish. U+00A0 is an ordinary character; the empty text and a text of
// spaces give the empty text.
// SpacedText(u" a b") == u"a   b"
[[nodiscard]] Text SpacedText(TextView text);

// The characters in reverse order, each 16-bit unit on its own, so multi-character
// pieces (Elite's "|\u00ab" for "k", typed tags such as "<B>") come out mirrored too.
// Spaces and U+00A0 are characters like any other; the empty text gives the empty text.
// ReverseText(u"<B>ab") == u"ba>B<"
[[nodiscard]] Text ReverseText(TextView text);

// The same four over characters that may be several units each. A character of one unit
// is treated exactly as above, so a view without boundaries gives the results above. A
// character of several units stays whole: Spaced and Backwards move it as one, Elite keeps
// it as it is and matches no sequence across it, and Hacker applies its case rule to its
// first unit alone ("e" + U+0301 counts as its "e"). The result keeps the boundaries.
// With "e\u0301" as one character: ReverseText of "xe\u0301" == u"e\u0301x", HackerText
// of it == u"Xe\u0301", EliteText of "oe\u0301" == u"\u00f8e\u0301" (no "oe" ligature)
[[nodiscard]] CharacterText HackerText(CharacterView characters);
[[nodiscard]] CharacterText EliteText(CharacterView characters);
// Elite drawing from a generator of its own instead of the shared one.
[[nodiscard]] CharacterText EliteText(CharacterView characters, RandomGenerator& random);
[[nodiscard]] CharacterText SpacedText(CharacterView characters);
[[nodiscard]] CharacterText ReverseText(CharacterView characters);

}  // namespace bw
