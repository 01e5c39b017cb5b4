#pragma once
// The size effects. Both cycles run by position: a space (U+0020 only) takes its place in
// the cycle like any other character but is written as a bare " " without a tag. U+00A0
// and markup characters are ordinary characters and get their tags. Neither trims the
// text; the empty text gives the empty text. Texts of any length run to their end. Over a
// plain text every 16-bit unit is a position; the overloads over a CharacterView (at the
// end) give a character of several units one position and one tag.

#include "engine/characters.h"
#include "engine/text.h"

namespace bw {

// Groups of four positions from the left: the 1st is raised ("<SUP>c</SUP>"), the 2nd
// and 4th stay as they are, the 3rd is lowered ("<SUB>c</SUB>"). The 3rd place is
// wrapped even past the end of the text, so a length of 4n + 1 or 4n + 2 ends in an
// empty "<SUB></SUB>".
// WavesText(u"Hello") == u"<SUP>H</SUP>e<SUB>l</SUB>l<SUP>o</SUP><SUB></SUB>"
[[nodiscard]] Text WavesText(TextView text);

// Groups of six positions from the left, each character preceded by its size tag in the
// cycle "<FONT SIZE=4>", 3, 2, 1, 2, 3. No size element is closed. Places past the end of
// the text in the last group still write their tags, so unless the length is a multiple
// of six the markup ends in one to five tags that carry no character.
// GrowShrinkText(u"Hello") == u"<FONT SIZE=4>H<FONT SIZE=3>e<FONT SIZE=2>l"
//     u"<FONT SIZE=1>l<FONT SIZE=2>o<FONT SIZE=3>"
[[nodiscard]] Text GrowShrinkText(TextView text);

// The same two over characters that may be several units each.
// With "e\u0301" as one character: WavesText of "e\u0301" == u"<SUP>e\u0301</SUP><SUB></SUB>"
[[nodiscard]] Text WavesText(CharacterView characters);
[[nodiscard]] Text GrowShrinkText(CharacterView characters);

}  // namespace bw
