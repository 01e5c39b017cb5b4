#include "cli/preview.h"

#include <string_view>

#include "cli/graphemes.h"
#include "engine/utf8.h"
#include "markup/reader.h"

namespace bw::cli {

namespace {

// No markup names this color: the top byte plays no part in a ColorRef it reads.
constexpr ColorRef kTerminalColor = 0xFF000000;

// `text` in the look that the SGR parameters `codes` give it, and plain again after it.
std::string Styled(std::string_view codes, std::string_view text) {
  if (codes.empty()) return std::string(text);
  std::string out = "\x1b[";
  out.append(codes).append("m").append(text).append("\x1b[0m");
  return out;
}

std::string Faint(std::string_view mark) {
  return Styled("2", mark);
}

// The SGR parameters of a run's look, or "" for the terminal's plain text.
std::string Attributes(const RunStyle& style, bool colors) {
  std::string codes;
  const auto add = [&codes](const std::string& code) {
    codes += (codes.empty() ? "" : ";") + code;
  };
  if (style.bold) add("1");
  if (style.italic) add("3");
  if (style.underline) add("4");
  if (style.strikeout) add("9");
  if (colors && style.color != kTerminalColor) {
    add("38;2;" + std::to_string(RedOf(style.color)) + ";" + std::to_string(GreenOf(style.color)) +
        ";" + std::to_string(BlueOf(style.color)));
  }
  return codes;
}

// The run's characters in UTF-8, with controls swapped for their pictures; a tab is
// spacing, not a command, and stays.
std::string Visible(TextView text) {
  Text shown(text);
  for (char16_t& c : shown) {
    if (c == 0x7F) {
      c = u'\u2421';
    } else if (c < 0x20 && c != u'\t') {
      c = static_cast<char16_t>(u'\u2400' + c);
    } else if (c >= 0x80 && c < 0xA0) {
      c = u'\uFFFD';  // C1 controls have no pictures
    }
  }
  return EncodeUtf8(shown);
}

bool SeveralCharacters(TextView text) {
  std::string error;
  const auto ends = GraphemeEnds(text, error);
  return !ends || ends->size() > 1;
}

}  // namespace

std::string PreviewLine(TextView markup, bool colors) {
  RunStyle base;
  base.color = kTerminalColor;
  std::string out;
  int size = base.size;
  for (const StyledRun& run : ParseMarkup(markup, base)) {
    if (run.style.size != size) {
      size = run.style.size;
      out += Faint(std::string("[").append(std::to_string(size)).append("]"));
    }
    const bool shifted = run.style.shift != Shift::None;
    const bool braced = shifted && SeveralCharacters(run.text);
    if (shifted) {
      out += Faint(std::string(run.style.shift == Shift::Raised ? "^" : "_") + (braced ? "{" : ""));
    }
    out += Styled(Attributes(run.style, colors), Visible(run.text));
    if (braced) out += Faint("}");
  }
  return out;
}

}  // namespace bw::cli
