#include "markup/rich_text_format.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace bw {
namespace {

using enum Shift;

// The characters a reader takes from the document's runs: text, \uN with its one
// fallback character skipped, \par as "\n", \tab, the three escaped symbols. The font
// and color tables and every other control word give nothing.
Text ReadBack(const std::string& rtf) {
  Text text;
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size();) {
    const char c = rtf[i];
    if (c == '{' &&
        (rtf.compare(i + 1, 8, "\\fonttbl") == 0 || rtf.compare(i + 1, 9, "\\colortbl") == 0)) {
      for (int inner = 0; i < rtf.size(); ++i) {
        inner += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (inner == 0) break;
      }
      ++i;
    } else if (c == '{' || c == '}') {
      depth += c == '{' ? 1 : -1;
      ++i;
    } else if (c == '\\' && i + 1 < rtf.size() && !std::isalpha(rtf[i + 1])) {
      if (depth == 2) text += static_cast<char16_t>(rtf[i + 1]);
      i += 2;
    } else if (c == '\\') {
      std::size_t end = i + 1;
      while (end < rtf.size() && std::isalpha(rtf[end])) ++end;
      const std::string word = rtf.substr(i + 1, end - i - 1);
      const std::size_t digits = end;
      if (end < rtf.size() && rtf[end] == '-') ++end;
      while (end < rtf.size() && std::isdigit(rtf[end])) ++end;
      const std::string number = rtf.substr(digits, end - digits);
      if (end < rtf.size() && rtf[end] == ' ') ++end;
      if (depth == 2 && word == "u") {
        text += static_cast<char16_t>(std::stoi(number));
        ++end;  // the fallback
      }
      if (depth == 2 && word == "par") text += u'\n';
      if (depth == 2 && word == "tab") text += u'\t';
      i = end;
    } else {
      if (depth == 2) text += static_cast<char16_t>(c);
      ++i;
    }
  }
  return text;
}

TEST(RichTextFormat, WritesTheWorkedExample) {
  RunStyle style{.color = MakeColorRef(255, 0, 0), .bold = true};
  EXPECT_EQ(RichTextFormat({{u"a{", style}}),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl;\\red255\\green0\\blue0;}{\\cf1\\fs20\\b a\\{}}");
}

TEST(RichTextFormat, EveryLookHasItsControlWord) {
  const std::pair<RunStyle, std::string> cases[] = {
      {{}, "{\\cf1\\fs20 x}"},
      {{.size = 1}, "{\\cf1\\fs16 x}"},
      {{.size = 4}, "{\\cf1\\fs30 x}"},
      {{.italic = true}, "{\\cf1\\fs20\\i x}"},
      {{.underline = true}, "{\\cf1\\fs20\\ul x}"},
      {{.strikeout = true}, "{\\cf1\\fs20\\strike x}"},
      {{.shift = Raised}, "{\\cf1\\fs20\\super x}"},
      {{.shift = Lowered}, "{\\cf1\\fs20\\sub x}"},
      {{.size = 3, .bold = true, .italic = true, .shift = Raised}, "{\\cf1\\fs24\\b\\i\\super x}"},
  };
  for (const auto& [style, group] : cases) {
    const std::string rtf = RichTextFormat({{u"x", style}});
    EXPECT_NE(rtf.find(group), std::string::npos) << rtf << "\nlacks " << group;
  }
}

TEST(RichTextFormat, ColorsAreListedOnceInOrderOfFirstUse) {
  const RunStyle blue{.color = MakeColorRef(0, 0, 255)}, green{.color = MakeColorRef(0, 128, 0)};
  const std::string rtf = RichTextFormat({{u"a", blue}, {u"b", green}, {u"c", blue}});
  EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}"
                     "{\\cf1\\fs20 a}{\\cf2\\fs20 b}{\\cf1\\fs20 c}"),
            std::string::npos)
      << rtf;
}

TEST(RichTextFormat, TextReadsBackExactlyFromSevenBitBytes) {
  const Text cases[] = {
      u"plain words",
      u"\\{}",                            // RTF's own symbols
      u"caf\u00E9 \u20AC \u00A0 \u0153",  // code page 1252 and beyond it
      u"\u2603 \U0001F44D\U0001F3FD",     // above U+7FFF: negative \u, surrogate pairs
      u"\u007F\u0001",                    // controls
      u"a\tb",
  };
  for (const Text& text : cases) {
    const std::string rtf = RichTextFormat({{text, {}}});
    for (const char c : rtf) {
      ASSERT_TRUE(c >= 0x20 && c < 0x7F) << rtf;
    }
    EXPECT_EQ(ReadBack(rtf), text) << rtf;
  }
}

TEST(RichTextFormat, EveryLineBreakEndsOneParagraph) {
  EXPECT_EQ(ReadBack(RichTextFormat({{u"a\r\nb\rc\nd\n\re", {}}})), u"a\nb\nc\nd\n\ne");
  EXPECT_EQ(RichTextFormat({}).find("\\par"), std::string::npos);
}

}  // namespace
}  // namespace bw
