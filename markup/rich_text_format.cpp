#include "markup/rich_text_format.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace bw {

namespace {

constexpr int kHalfPoints[kMaxFontSize] = {16, 20, 24, 30};

void AppendNumber(std::string& out, long value) {
  out += std::to_string(value);
}

// The color table's index of every color the runs use, in order of first use; index 0 is
// the reader's own default, which no run asks for.
class ColorTable {
 public:
  explicit ColorTable(const std::vector<StyledRun>& runs) {
    for (const StyledRun& run : runs) {
      if (index_.emplace(run.style.color, static_cast<int>(colors_.size()) + 1).second) {
        colors_.push_back(run.style.color);
      }
    }
  }

  [[nodiscard]] int IndexOf(ColorRef color) const { return index_.at(color); }

  void Write(std::string& out) const {
    out += "{\\colortbl;";
    for (const ColorRef color : colors_) {
      out += "\\red";
      AppendNumber(out, RedOf(color));
      out += "\\green";
      AppendNumber(out, GreenOf(color));
      out += "\\blue";
      AppendNumber(out, BlueOf(color));
      out += ';';
    }
    out += '}';
  }

 private:
  std::vector<ColorRef> colors_;
  std::unordered_map<ColorRef, int> index_;
};

void WriteStyle(std::string& out, const RunStyle& style, const ColorTable& colors) {
  out += "\\cf";
  AppendNumber(out, colors.IndexOf(style.color));
  out += "\\fs";
  AppendNumber(out, HalfPointsOfSize(style.size));
  if (style.bold) out += "\\b";
  if (style.italic) out += "\\i";
  if (style.underline) out += "\\ul";
  if (style.strikeout) out += "\\strike";
  if (style.shift == Shift::Raised) out += "\\super";
  if (style.shift == Shift::Lowered) out += "\\sub";
  // A control word ends at the space after it, which is not text.
  out += ' ';
}

void WriteText(std::string& out, TextView text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += "\\par ";
    } else if (c == u'\t') {
      out += "\\tab ";
    } else if (c == u'\\' || c == u'{' || c == u'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      // \u takes a signed 16-bit number; a surrogate pair is two of them, as it is two
      // code units.
      out += "\\u";
      AppendNumber(out, static_cast<std::int16_t>(c));
      out += '?';
    }
  }
}

}  // namespace

int HalfPointsOfSize(int size) {
  return kHalfPoints[std::clamp(size, 1, kMaxFontSize) - 1];
}

std::string RichTextFormat(const std::vector<StyledRun>& runs) {
  const ColorTable colors(runs);
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}";
  colors.Write(out);
  for (const StyledRun& run : runs) {
    out += '{';
    WriteStyle(out, run.style, colors);
    WriteText(out, run.text);
    out += '}';
  }
  out += '}';
  return out;
}

}  // namespace bw
