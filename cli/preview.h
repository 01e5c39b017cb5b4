#pragma once
// The line as the AOL client shows it, drawn in a terminal with its escape sequences, for
// a look before the markup is pasted anywhere. The markup is read by the one reader of the
// client's markup (markup/reader.h), so every front end shows the same line.
//
// A run of characters in one style is written in its color as a 24-bit foreground, and in
// bold, italic, underline and strike-through as it has them; text in no <FONT COLOR> keeps
// the terminal's own color. A terminal has no raised or lowered characters and one font
// size, so faint marks stand in for them: "^" before a raised character and "_" before a
// lowered one, with braces around more than one ("^{abc}"), and "[4]" where the size
// changes to 4 ("[2]" where it returns to the normal size). Control characters are shown
// as their pictures (U+2400 on), so the line cannot steer the terminal.

#include <string>

#include "engine/text.h"

namespace bw::cli {

// Without `colors` (the user set NO_COLOR) the attributes and marks stay, the colors go.
// PreviewLine(u"<B><FONT COLOR=#FF0000>a</FONT></B>", true)
//   == "\x1b[1;38;2;255;0;0ma\x1b[0m"
[[nodiscard]] std::string PreviewLine(TextView markup, bool colors);

}  // namespace bw::cli
