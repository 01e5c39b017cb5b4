#pragma once
// The two lines the main window sends to the chat room when it opens and the two it sends
// when it closes. Building the faded title lets pending window events run (the fade
// hands control back while it works).

#include "engine/text.h"

namespace bw {

// "<B>" + the title faded from blue to red + "</B>".
[[nodiscard]] Text LoadedTitleLine();
// "<B><FONT COLOR=#339933>" + waves over ten no-break spaces and
// "<//~~~[ NOW LOADED ]~~~//>" + "</FONT></B>".
[[nodiscard]] Text LoadedLine();
// As LoadedTitleLine, faded the other way, from red to blue.
[[nodiscard]] Text UnloadedTitleLine();
// As LoadedLine, over eight no-break spaces and "<//~~~[ NOW UNLOADED ]~~~//>".
[[nodiscard]] Text UnloadedLine();

}  // namespace bw
