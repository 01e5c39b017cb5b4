#pragma once
// The command line of brindlewick-compose, parsed into what one run composes with.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/color.h"
#include "engine/style_options.h"
#include "engine/text.h"

namespace bw::cli {

enum class OutputEncoding { Utf8, Windows1252 };

struct ComposeCommand {
  bool help = false;
  bool version = false;
  StyleOptions style;
  SendTarget target = SendTarget::Chat;
  // Placeholders are filled in only when one of the three values was given; the ones
  // left out then count as empty, as the main window's readers give for a missing window.
  bool fillPlaceholders = false;
  Text me, you, room;
  OutputEncoding encoding = OutputEncoding::Utf8;
  bool preview = false;             // the line as the client shows it, for a terminal (preview.h)
  bool colors = true;               // in the preview; the caller clears it for NO_COLOR
  std::optional<std::string> text;  // TEXT as given (UTF-8); none or "-" reads standard input
};

struct ParseResult {
  std::optional<ComposeCommand> command;
  std::string error;  // set when command is empty: one line, no program name
};

// Parses the arguments after the program name. Options come before TEXT; "--" ends them,
// so a TEXT that starts with "-" can follow it; TEXT "-" is standard input. "-h", "--help"
// and "--version" win over everything after them. The values of --effect, --target and
// --encoding are read in any letter case. --preview with --encoding=windows-1252 is an
// error: the preview is for a terminal, in UTF-8.
// ParseCommandLine({"--bold", "--effect=WAVES", "hi"}) gives Bold, Waves and TEXT "hi".
[[nodiscard]] ParseResult ParseCommandLine(std::span<const std::string_view> args);

// "#RRGGBB" (hex, red first as in the markup) or a decimal ColorRef, 0 to 16777215;
// nothing else: no sign, no spaces. ParseColor("#FF8000") == 0x0080FF
[[nodiscard]] std::optional<ColorRef> ParseColor(std::string_view text);

}  // namespace bw::cli
