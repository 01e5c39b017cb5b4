#pragma once

#include "engine/style_options.h"
#include "engine/text.h"

namespace bw {

// Transforms (Hacker, Elite, Spaced, Backwards), then the effect, then the formatting
// tags with bold innermost and strikeout outermost.
// ComposeMessage(u"hi", {Bold, Italic, Underline, Strikeout}, Chat)
//   == u"<S><U><I><B>hi</B></I></U></S>"
[[nodiscard]] Text ComposeMessage(TextView text, const StyleOptions& options, SendTarget target);

}  // namespace bw
