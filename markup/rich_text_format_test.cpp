#include "markup/rich_text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

using enum Shift;

TEST(RichTextFormat, WritesTheWorkedExample) {
  RunStyle style{.color = MakeColorRef(255, 0, 0), .bold = true};
  EXPECT_EQ(RichTextFormat({{u"a{", style}}),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl;\\red255\\green0\\blue0;}{\\cf1\\fs20\\b a\\{}}");
}

// Each size has its half-points and each look its control word.
TEST(RichTextFormat, EveryLookHasItsControlWord) {
  const std::pair<RunStyle, std::string> cases[] = {
      {{}, "{\\cf1\\fs20 x}"},
      {{.size = 1, .italic = true, .underline = true, .strikeout = true, .shift = Lowered},
       "{\\cf1\\fs16\\i\\ul\\strike\\sub x}"},
      {{.size = 3, .bold = true, .italic = true, .shift = Raised}, "{\\cf1\\fs24\\b\\i\\super x}"},
      {{.size = 4}, "{\\cf1\\fs30 x}"},
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

// Seven-bit bytes only: RTF's own symbols escaped, the controls and everything past
// U+007E as a signed \u with a fallback "?" (a surrogate pair as two), a tab as \tab and
// each line break, whichever it is, as one \par.
TEST(RichTextFormat, TextIsWrittenInSevenBitBytes) {
  const std::pair<Text, std::string> cases[] = {
      {u"plain \\{}", "plain \\\\\\{\\}"},
      {u"caf\u00E9 \u20AC\u00A0\u0153", "caf\\u233? \\u8364?\\u160?\\u339?"},
      {u"\u2603\U0001F44D\U0001F3FD", "\\u9731?\\u-10179?\\u-9139?\\u-10180?\\u-8195?"},
      {u"\u007F\u0001a\tb", "\\u127?\\u1?a\\tab b"},
      {u"a\r\nb\rc\nd\n\re", "a\\par b\\par c\\par d\\par \\par e"},
  };
  for (const auto& [text, body] : cases) {
    const std::string rtf = RichTextFormat({{text, {}}});
    EXPECT_TRUE(rtf.ends_with("{\\cf1\\fs20 " + body + "}}")) << rtf;
  }
  EXPECT_EQ(RichTextFormat({}).find("\\par"), std::string::npos);
}

}  // namespace
}  // namespace bw
