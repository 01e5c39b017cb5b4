#pragma once

#include "engine/characters.h"
#include "engine/random.h"
#include "engine/style_options.h"
#include "engine/text.h"

namespace bw {

// Composes one message: the selected transforms in the order Hacker, Elite, Spaced,
// Backwards; then the one effect (Grow and Shrink only when the target is IM, otherwise
// the text passes unchanged); then the formatting tags with bold innermost and strikeout
// outermost. Adds no separator and trims nothing beyond what the transforms and effects
// do themselves: spaces and U+00A0 are treated as each step says, and markup already in
// the text is treated as plain characters. The empty text with no flag gives the empty
// text; with Bold, "<B></B>". Texts of any length are composed in full. Touches the
// shared random generator through Elite and Random; with Color Fade it lets pending
// events run once per space.
// ComposeMessage(u"hi", {Bold, Italic, Underline, Strikeout}, Chat)
//   == u"<S><U><I><B>hi</B></I></U></S>"
[[nodiscard]] Text ComposeMessage(TextView text, const StyleOptions& options, SendTarget target);

// The same over characters that may be several units each: every step counts, moves and
// colors a character of several units as one, and keeps it whole (see the transforms and
// effects). A view without boundaries composes exactly as above.
// With "e\u0301" as one character: ComposeMessage of "ae\u0301", {Backwards}, Chat
//   == u"e\u0301a"
[[nodiscard]] Text ComposeMessage(CharacterView characters, const StyleOptions& options,
                                  SendTarget target);

// The same, with Elite and Random Colors drawing from `random` instead of the shared
// generator, whose sequence it leaves as it was: a preview of a line composes this way, so
// the sends that follow draw exactly what they would have drawn without it.
[[nodiscard]] Text ComposeMessage(CharacterView characters, const StyleOptions& options,
                                  SendTarget target, RandomGenerator& random);

}  // namespace bw
