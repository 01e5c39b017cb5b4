#include "practice/markup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace bw {
namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

// The style of every visible character, so cases can speak about characters, not runs.
std::vector<RunStyle> CharStyles(const std::vector<StyledRun>& runs) {
  std::vector<RunStyle> styles;
  for (const StyledRun& run : runs) styles.insert(styles.end(), run.text.size(), run.style);
  return styles;
}

std::string Narrow(TextView text) {
  return std::string(text.begin(), text.end());
}

TEST(ParseMarkup, RecognisedTagsSetTheirStyleInAnyCase) {
  const Shift none = Shift::None;
  const struct {
    Text markup;
    RunStyle expected;  // color, size, bold, italic, underline, strikeout, shift
  } cases[] = {
      {u"<B>x</B>", {0, 2, true, false, false, false, none}},
      {u"<i>x</i>", {0, 2, false, true, false, false, none}},
      {u"<U>x</u>", {0, 2, false, false, true, false, none}},
      {u"<s>x</S>", {0, 2, false, false, false, true, none}},
      {u"<Sup>x</SUP>", {0, 2, false, false, false, false, Shift::Raised}},
      {u"<SUB >x</sub>", {0, 2, false, false, false, false, Shift::Lowered}},
      {u"<FONT COLOR=#ff8000>x</FONT>", {0x0080FF, 2, false, false, false, false, none}},
      {u"<font size=4>x", {0, 4, false, false, false, false, none}},
      {u"<FONT  COLOR = \"#0000FF\" SIZE=\"1\">x", {kBlue, 1, false, false, false, false, none}},
  };
  for (const auto& c : cases) {
    const auto runs = ParseMarkup(c.markup);
    ASSERT_EQ(runs.size(), 1u) << Narrow(c.markup);
    EXPECT_EQ(runs[0], (StyledRun{u"x", c.expected})) << Narrow(c.markup);
  }
}

TEST(ParseMarkup, ClosingTagsRestoreTheOuterStyle) {
  const auto fonts =
      CharStyles(ParseMarkup(u"<FONT COLOR=#FF0000>a<FONT COLOR=#0000FF SIZE=3>b</FONT>c</FONT>d"));
  ASSERT_EQ(fonts.size(), 4u);
  EXPECT_EQ(fonts[0].color, kRed);
  EXPECT_EQ(fonts[1].color, kBlue);
  EXPECT_EQ(fonts[1].size, 3);
  EXPECT_EQ(fonts[2].color, kRed) << "</FONT> pops the last FONT only";
  EXPECT_EQ(fonts[2].size, kDefaultFontSize);
  EXPECT_EQ(fonts[3], RunStyle{});

  const auto bold = CharStyles(ParseMarkup(u"<B>a<B>b</B>c</B>d"));
  EXPECT_TRUE(bold[2].bold) << "nested B stays until the outer one closes";
  EXPECT_FALSE(bold[3].bold);

  const auto shifts = CharStyles(ParseMarkup(u"<SUP>a<SUB>b</SUP>c</SUB>d"));
  EXPECT_EQ(shifts[0].shift, Shift::Raised);
  EXPECT_EQ(shifts[1].shift, Shift::Lowered) << "the innermost decides";
  EXPECT_EQ(shifts[2].shift, Shift::Lowered) << "</SUP> closed the SUP beneath the SUB";
  EXPECT_EQ(shifts[3].shift, Shift::None);
}

TEST(ParseMarkup, UnclosedTagsStayToTheEndOfTheLine) {
  const auto sizes = CharStyles(
      ParseMarkup(u"<B><FONT SIZE=4>H<FONT SIZE=3>e<FONT SIZE=2>l<FONT SIZE=1>l<FONT SIZE=2>o</B>!"
                  u"<FONT SIZE=3>"));
  const int expected[] = {4, 3, 2, 1, 2, 2};
  ASSERT_EQ(sizes.size(), 6u);
  for (std::size_t i = 0; i < sizes.size(); ++i) EXPECT_EQ(sizes[i].size, expected[i]) << i;
  EXPECT_TRUE(sizes[4].bold);
  EXPECT_FALSE(sizes[5].bold) << "</B> ends the bold but not the open sizes";

  const auto open = CharStyles(ParseMarkup(u"<U><I>ab"));
  EXPECT_TRUE(open[1].underline && open[1].italic);
}

TEST(ParseMarkup, StrayClosingTagsAndEmptyElementsLeaveNoTrace) {
  EXPECT_EQ(ParseMarkup(u"</B>a</FONT></SUP></sub>b</I>"), (std::vector<StyledRun>{{u"ab", {}}}));
  EXPECT_TRUE(CharStyles(ParseMarkup(u"</B></B><B>a"))[0].bold) << "a stray close owes nothing";
  EXPECT_TRUE(ParseMarkup(u"").empty());
  EXPECT_TRUE(ParseMarkup(u"<SUB></SUB>").empty());
  EXPECT_EQ(ParseMarkup(u"<SUP>o</SUP><SUB></SUB>").size(), 1u);
  EXPECT_EQ(ParseMarkup(u"a<B></B>b"), (std::vector<StyledRun>{{u"ab", {}}}))
      << "neighbours of one style are one run";
}

TEST(ParseMarkup, AnythingElseIsShownAsTyped) {
  const struct {
    Text markup;
    Text visible;
  } cases[] = {
      {u"a < b", u"a < b"},
      {u"<", u"<"},
      {u"x<B", u"x<B"},
      {u"< B>x", u"< B>x"},
      {u"<BR>", u"<BR>"},
      {u"<BOLD>x", u"<BOLD>x"},
      {u"<FONT COLOR=red>x", u"<FONT COLOR=red>x"},
      {u"<FONT COLOR=#12345>x", u"<FONT COLOR=#12345>x"},
      {u"<FONT COLOR=0FF0000>x", u"<FONT COLOR=0FF0000>x"},
      {u"<FONT SIZE=5>x", u"<FONT SIZE=5>x"},
      {u"<FONT FACE=Arial>x", u"<FONT FACE=Arial>x"},
      {u"<FONTSIZE=2>x", u"<FONTSIZE=2>x"},
      {u"</FONT SIZE=2>x", u"</FONT SIZE=2>x"},
      {u"<FONT COLOR=\"#FF0000>x", u"<FONT COLOR=\"#FF0000>x"},
      {u"<<B>>", u"<>"},
      {u"&lt;\u00e9\u20ac", u"&lt;\u00e9\u20ac"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VisibleText(ParseMarkup(c.markup)), c.visible) << Narrow(c.markup);
  }
  const Text flood = Text(100000, u'<') + u">";
  EXPECT_EQ(VisibleText(ParseMarkup(flood)), flood);
}

// Markup built the way the composer builds it: every non-space character in its own
// color element, or the wave cycle, and the formatting tags around the result.
struct Composed {
  Text markup;
  std::vector<ColorRef> colors;  // per non-space character, for the colored form
};

Composed ColorEach(TextView text, std::mt19937& rng) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  Composed out;
  for (const char16_t c : text) {
    if (c == u' ') {
      out.markup += u' ';
      continue;
    }
    const ColorRef color = rng() & 0xFFFFFF;
    Text hex = u"#";
    for (const int channel : {RedOf(color), GreenOf(color), BlueOf(color)}) {
      hex += kHex[channel >> 4];
      hex += kHex[channel & 15];
    }
    out.markup += u"<FONT COLOR=" + hex + u">" + c + u"</FONT>";
    out.colors.push_back(color);
  }
  return out;
}

Text Waves(TextView text) {
  Text out;
  auto piece = [&](std::size_t p) { return p < text.size() ? Text(1, text[p]) : Text(); };
  for (std::size_t p = 0; p < text.size(); p += 4) {
    out += piece(p) == u" " ? u" " : u"<SUP>" + piece(p) + u"</SUP>";
    out += piece(p + 1);
    out += piece(p + 2) == u" " ? u" " : u"<SUB>" + piece(p + 2) + u"</SUB>";
    out += piece(p + 3);
  }
  return out;
}

TEST(ParseMarkup, StrippingComposedMarkupGivesBackTheText) {
  // Markup characters and bytes above 0x7F belong in the alphabet: the effects copy
  // them unescaped, so they must never be mistaken for tags.
  const Text alphabet = u"ab <>/=#\"BFONTSUP\u00e9\u20ac\u00a0";
  std::mt19937 rng(20240611);
  for (int round = 0; round < 300; ++round) {
    Text text;
    const int length = static_cast<int>(rng() % 24);
    for (int i = 0; i < length; ++i) text += alphabet[rng() % alphabet.size()];

    const Composed colored = ColorEach(text, rng);
    Text markup = round % 2 == 0 ? colored.markup : Waves(text);
    for (const char16_t* tag : {u"B", u"I", u"U", u"S"}) {
      if (rng() % 2) markup = u"<" + Text(tag) + u">" + markup + u"</" + Text(tag) + u">";
    }
    const auto runs = ParseMarkup(markup);
    ASSERT_EQ(VisibleText(runs), text) << Narrow(markup);
    if (round % 2 != 0) continue;
    std::size_t next = 0;
    const Text visible = VisibleText(runs);
    const auto styles = CharStyles(runs);
    for (std::size_t i = 0; i < visible.size(); ++i) {
      if (visible[i] == u' ') continue;
      EXPECT_EQ(styles[i].color, colored.colors[next++]) << Narrow(markup);
    }
  }
}

}  // namespace
}  // namespace bw
