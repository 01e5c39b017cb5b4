#pragma once
// One line through the composer: UTF-8 in, markup in the chosen encoding out.

#include <optional>
#include <string>
#include <string_view>

#include "cli/command_line.h"

namespace bw::cli {

// Decodes `utf8`, fills in the placeholders when the command asks for it, cuts the line
// into the characters a reader sees (graphemes.h), composes it over them and encodes the
// whole line, or with --preview draws it for a terminal. Nullopt when the line is not UTF-8 or the
// markup holds a character the output encoding lacks; `error` then says which byte (1-based) or
// which character (U+XXXX, a whole code point), without any line number. ComposeLine(bold, "hi",
// error) == "<B>hi</B>"
[[nodiscard]] std::optional<std::string> ComposeLine(const ComposeCommand& command,
                                                     std::string_view utf8, std::string& error);

}  // namespace bw::cli
