#include "cli/compose_line.h"

#include <cstdio>

#include "cli/graphemes.h"
#include "cli/preview.h"
#include "engine/codepage1252.h"
#include "engine/compose.h"
#include "engine/message_vars.h"
#include "engine/utf8.h"

namespace bw::cli {

std::optional<std::string> ComposeLine(const ComposeCommand& command, std::string_view utf8,
                                       std::string& error) {
  std::size_t badIndex = 0;
  std::optional<Text> text = DecodeUtf8(utf8, &badIndex);
  if (!text) {
    error = "invalid UTF-8 at byte " + std::to_string(badIndex + 1);
    return std::nullopt;
  }
  if (command.fillPlaceholders) {
    const PlaceholderValues values{command.me, command.you, command.room};
    FixedContext context(values);
    text = ReplaceVars(*text, context);
  }
  const auto ends = GraphemeEnds(*text, error);
  if (!ends) return std::nullopt;
  const Text markup = ComposeMessage(CharacterView(*text, *ends), command.style, command.target);
  if (command.preview) return PreviewLine(markup, command.colors);
  if (command.encoding == OutputEncoding::Utf8) return EncodeUtf8(markup);

  std::optional<std::string> bytes = EncodeWindows1252(markup, &badIndex);
  if (!bytes) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X",
                  static_cast<unsigned>(CodePointAt(markup, badIndex)));
    error = std::string(code) + " has no byte in Windows-1252";
  }
  return bytes;
}

}  // namespace bw::cli
