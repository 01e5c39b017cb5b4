#include "markup/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace bw {
namespace {

using enum Shift;

// The style of every character is checked against a plainer reading of the same rules in
// fuzz/markup_fuzz.cpp, replayed over fuzz/corpus/markup at every build; these are what
// that reading leaves out: time, the limit, and lines that must not read as tags at all.

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
  EXPECT_EQ(ParseMarkup(u"</B></B><B>a"), (std::vector<StyledRun>{{u"a", {.bold = true}}}));
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
