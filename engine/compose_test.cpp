#include "engine/compose.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"
#include "engine/transforms.h"

namespace bw {
namespace {

// Options from a string of flags: B I U S h(acker) e(lite) s(paced) b(ackwards), then an
// effect letter after '/': a(lternate) f(ade) r(andom) w(aves) g(row-shrink).
StyleOptions Options(std::string_view flags) {
  StyleOptions o;
  for (char f : flags) {
    bool* flag = f == 'B'   ? &o.Bold
                 : f == 'I' ? &o.Italic
                 : f == 'U' ? &o.Underline
                 : f == 'S' ? &o.Strikeout
                 : f == 'h' ? &o.Hacker
                 : f == 'e' ? &o.Elite
                 : f == 's' ? &o.Spaced
                 : f == 'b' ? &o.Backwards
                            : nullptr;
    if (flag) *flag = true;
  }
  const auto effect = flags.find('/') == flags.npos ? ' ' : flags.back();
  o.Effect = effect == 'a'   ? EffectMode::Alternate
             : effect == 'f' ? EffectMode::ColorFade
             : effect == 'r' ? EffectMode::Random
             : effect == 'w' ? EffectMode::Waves
             : effect == 'g' ? EffectMode::GrowShrink
                             : EffectMode::NoEffect;
  return o;
}

TEST(ComposeMessage, TransformsThenEffectThenTagsBoldInnermost) {
  const struct {
    std::string_view options;
    SendTarget target;
    TextView in, out;
  } cases[] = {
      {"BIUS", SendTarget::Chat, u"hi", u"<S><U><I><B>hi</B></I></U></S>"},
      {"hb", SendTarget::Chat, u"hello", u"oLLeH"},
      {"sb", SendTarget::Chat, u"ab", u"b a"},
      {"he", SendTarget::Chat, u"hello", u"|-|ê££ø"},
      {"sb/w", SendTarget::Chat, u"abc", u"<SUP>c</SUP> <SUB>b</SUB> <SUP>a</SUP><SUB></SUB>"},
      {"B/a", SendTarget::Chat, u"ab",
       u"<B><FONT COLOR=#000000>a</FONT><FONT COLOR=#00FF00>b</FONT></B>"},
      {"U/f", SendTarget::Chat, u"a", u"<U><FONT COLOR=#FF0000>a</FONT></U>"},
      {"hS/g", SendTarget::Chat, u"hi", u"<S>Hi</S>"},
      {"hS/g", SendTarget::IM, u"hi",
       u"<S><FONT SIZE=4>H<FONT SIZE=3>i<FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3></S>"},
      {"sI/r", SendTarget::Chat, u"   ", u"<I></I>"},
      {"B", SendTarget::Chat, u"", u"<B></B>"},
      {"", SendTarget::IM, u" <b> ", u" <b> "}};
  for (const auto& c : cases) {
    testing::ScriptedRandom random({0.0});
    EXPECT_EQ(ComposeMessage(c.in, Options(c.options), c.target), c.out) << c.options;
  }
}

TEST(ComposeMessage, LongTextsAreComposedInFull) {
  const Text text = testing::SampleText(32767 + 3);
  const Text plain = ReverseText(HackerText(text));
  for (std::string_view options : {"Bhb", "Bhb/a", "Bhb/f", "Bhb/r", "Bhb/w", "Bhb/g"}) {
    const Text markup = ComposeMessage(text, Options(options), SendTarget::IM);
    EXPECT_EQ(testing::StripTags(markup), plain) << options;
    EXPECT_TRUE(markup.ends_with(u"</B>")) << options;
  }
}

}  // namespace
}  // namespace bw
