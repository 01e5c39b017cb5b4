#include "engine/compose.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"
#include "engine/transforms.h"

namespace bw {
namespace {

// Flags B I U S, h(acker) e(lite) s(paced) b(ackwards), M for IM; after "/", effect a f r w g.
Text Compose(std::string_view flags, TextView text) {
  StyleOptions o;
  bool im = false;
  bool* const switches[] = {&o.Bold,  &o.Italic, &o.Underline, &o.Strikeout, &o.Hacker,
                            &o.Elite, &o.Spaced, &o.Backwards, &im};
  const auto slash = flags.find('/');
  for (char f : flags.substr(0, slash)) *switches[std::string_view("BIUShesbM").find(f)] = true;
  const char effect = slash == flags.npos ? ' ' : flags[slash + 1];
  o.Effect = static_cast<EffectMode>(std::string_view(" afrwg").find(effect));
  return ComposeMessage(text, o, im ? SendTarget::IM : SendTarget::Chat);
}

TEST(ComposeMessage, TransformsThenEffectThenTagsBoldInnermost) {
  testing::ScriptedRandom random({0.0});
  EXPECT_EQ(Compose("BIUS", u"hi"), u"<S><U><I><B>hi</B></I></U></S>");
  EXPECT_EQ(Compose("hesb", u"hello TM"), u"™   ø £ £ ê | - |");
  EXPECT_EQ(Compose("sb/w", u"abc"), u"<SUP>c</SUP> <SUB>b</SUB> <SUP>a</SUP><SUB></SUB>");
  EXPECT_EQ(Compose("B/a", u"ab"),
            u"<B><FONT COLOR=#000000>a</FONT><FONT COLOR=#00FF00>b</FONT></B>");
  EXPECT_EQ(Compose("U/f", u"a"), u"<U><FONT COLOR=#FF0000>a</FONT></U>");
  EXPECT_EQ(Compose("sI/r", u" a "), u"<I><FONT COLOR=#000000>a</FONT></I>");
  EXPECT_EQ(Compose("hS/g", u"hi"), u"<S>Hi</S>");
  EXPECT_EQ(Compose("M/g", u"hi"),
            u"<FONT SIZE=4>h<FONT SIZE=3>i<FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>");
  EXPECT_EQ(Compose("B", u""), u"<B></B>");
}

TEST(ComposeMessage, LongTextsAreComposedInFull) {
  const Text text = testing::SampleText(32767 + 3);
  for (std::string_view flags : {"BhbM", "BhbM/a", "BhbM/f", "BhbM/r", "BhbM/w", "BhbM/g"}) {
    const Text markup = Compose(flags, text);
    EXPECT_EQ(testing::StripTags(markup), ReverseText(HackerText(text))) << flags;
    EXPECT_TRUE(markup.ends_with(u"</B>")) << flags;
  }
}

}  // namespace
}  // namespace bw
