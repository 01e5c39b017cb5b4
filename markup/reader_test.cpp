#include "markup/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace bw {
namespace {

using enum Shift;

// One field of every visible character's style, so cases speak about characters, not runs.
template <typename T>
std::vector<T> Each(TextView markup, T RunStyle::*field) {
  std::vector<T> values;
  for (const StyledRun& run : ParseMarkup(markup)) {
    values.insert(values.end(), run.text.size(), run.style.*field);
  }
  return values;
}

TEST(ParseMarkup, RecognisedTagsSetTheirStyleInAnyCase) {
  const std::pair<Text, RunStyle> cases[] = {
      // clang-format off
      {u"<B>x</B>", {.bold = true}}, {u"<i>x</i>", {.italic = true}},
      {u"<U>x</u>", {.underline = true}}, {u"<s>x</S>", {.strikeout = true}},
      {u"<Sup>x</SUP>", {.shift = Raised}}, {u"<SUB >x</sub>", {.shift = Lowered}},
      {u"<FONT COLOR=#ff8000>x</FONT>", {.color = 0x0080FF}}, {u"<font size=4>x", {.size = 4}},
      {u"<FONT  COLOR = \"#0000FF\" SIZE=\"1\">x", {.color = 0xFF0000, .size = 1}},
      // clang-format on
  };
  for (const auto& [markup, style] : cases) {
    EXPECT_EQ(ParseMarkup(markup), (std::vector<StyledRun>{{u"x", style}}))
        << testing::PrintToString(markup);
  }
}

TEST(ParseMarkup, ClosingTagsRestoreTheOuterStyleAndOpenTagsLastTheLine) {
  const Text fonts = u"<FONT COLOR=#FF0000>a<FONT COLOR=#0000FF SIZE=3>b</FONT>c</FONT>d";
  EXPECT_EQ(Each(fonts, &RunStyle::color),
            (std::vector<ColorRef>{0x0000FF, 0xFF0000, 0x0000FF, 0}));
  EXPECT_EQ(Each(fonts, &RunStyle::size), (std::vector<int>{2, 3, 2, 2}));
  EXPECT_EQ(Each(u"<B>a<B>b</B>c</B>d", &RunStyle::bold), (std::vector<bool>{1, 1, 1, 0}));
  // Tags never closed stay in force to the end of the line, whatever closes around them.
  EXPECT_EQ(Each(u"<FONT SIZE=4>a<B>b<FONT SIZE=1>c</B>d", &RunStyle::size),
            (std::vector<int>{4, 4, 1, 1}));
  EXPECT_EQ(ParseMarkup(u"<U><I>ab"),
            (std::vector<StyledRun>{{u"ab", {.italic = true, .underline = true}}}));
}

// The innermost shift decides; a close of one kind takes the innermost of its kind, even
// beneath the other.
TEST(ParseMarkup, AShiftClosesTheInnermostOfItsKindBeneathTheOther) {
  EXPECT_EQ(Each(u"<SUP><SUB><SUP><SUB></SUP>a</SUB>b</SUB>c</SUP>d</SUP>e", &RunStyle::shift),
            (std::vector<Shift>{Lowered, Lowered, Raised, None, None}));
  EXPECT_EQ(Each(u"<SUB><SUP></SUB>a</SUP>b<SUP></SUB>c", &RunStyle::shift),
            (std::vector<Shift>{Raised, None, Raised}));
}

// Each close used to look for its kind down the whole stack, so a line of many opens and as
// many closes of the other kind took quadratic time: for this line, hours. The test's
// TIMEOUT (markup/CMakeLists.txt) fails it long before that; linear, it takes a second.
TEST(ParseMarkup, ClosesThatMatchNothingOpenCostLinearTime) {
  const auto many = [](TextView tag) {
    Text tags;
    for (int i = 0; i < 200000; ++i) tags += tag;
    return tags;
  };
  const Text line = many(u"<SUP>") + many(u"</SUB>") + u"a" + many(u"</SUP>") + u"b";
  EXPECT_EQ(ParseMarkup(line), (std::vector<StyledRun>{{u"a", {.shift = Raised}}, {u"b", {}}}));
}

TEST(ParseMarkup, ReadsNoFurtherThanTheCharactersAskedFor) {
  const Text line = u"<B>ab</B><SUP></SUP>c<I>d";
  EXPECT_EQ(ParseMarkup(line, {}, 3), ParseMarkup(u"<B>ab</B>c"));
  EXPECT_EQ(ParseMarkup(line, {}, 0), std::vector<StyledRun>{});
  EXPECT_EQ(ParseMarkup(line, {}, 99), ParseMarkup(line));
}

TEST(ParseMarkup, StrayClosingTagsAndEmptyElementsLeaveNoTrace) {
  // Neighbours of one style are one run.
  EXPECT_EQ(ParseMarkup(u"</B>a</FONT></SUP><B></B></sub>b</I>"),
            (std::vector<StyledRun>{{u"ab", {}}}));
  EXPECT_EQ(Each(u"</B></B><B>a", &RunStyle::bold), std::vector<bool>{true});
  for (const char16_t* empty : {u"", u"<SUB></SUB>"}) EXPECT_TRUE(ParseMarkup(empty).empty());
}

TEST(ParseMarkup, AnythingElseIsShownAsTyped) {
  const Text asTyped[] = {
      // clang-format off
      u"a < b", u"<", u"x<B", u"< B>x", u"<BR>", u"<BOLD>x", u"<FONT COLOR=red>x",
      u"<FONT COLOR=#12345>x", u"<FONT COLOR=0FF0000>x", u"<FONT SIZE=5>x", u"<FONT FACE=Arial>x",
      u"<FONTSIZE=2>x", u"</FONT SIZE=2>x", u"<FONT COLOR=\"#FF0000>x", u"&lt;\u00e9\u20ac",
      Text(100000, u'<') + u">",
      // clang-format on
  };
  for (const Text& markup : asTyped) EXPECT_EQ(VisibleText(ParseMarkup(markup)), markup);
  EXPECT_EQ(VisibleText(ParseMarkup(u"<<B>>")), u"<>");
}

}  // namespace
}  // namespace bw
