#include "engine/compose.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"
#include "engine/transforms.h"

namespace bw {
namespace {

using enum EffectMode;

TEST(ComposeMessage, TransformsInTheirOrderThenTheEffect) {
  testing::ScriptedRandom random({0.0});
  const auto compose = [](TextView text, const StyleOptions& options) {
    return ComposeMessage(text, options, SendTarget::Chat);
  };
  EXPECT_EQ(
      compose(u"hello TM", {.Hacker = true, .Elite = true, .Spaced = true, .Backwards = true}),
      u"™   ø £ £ ê | - |");
  EXPECT_EQ(compose(u"abc", {.Spaced = true, .Backwards = true, .Effect = Waves}),
            u"<SUP>c</SUP> <SUB>b</SUB> <SUP>a</SUP><SUB></SUB>");
}

// Longer than a 16-bit count holds, signed or not, of letters, spaces, U+00A0 and a pair.
TEST(ComposeMessage, LongTextsAreComposedInFull) {
  Text text;
  while (text.size() < 65536 + 3) text += u"Hi al\u00a0oe 1/4\xd83d\xde00 TM-y|";
  for (EffectMode effect : {NoEffect, Alternate, ColorFade, Random, Waves, GrowShrink}) {
    const StyleOptions options{.Bold = true, .Hacker = true, .Backwards = true, .Effect = effect};
    const Text markup = ComposeMessage(text, options, SendTarget::IM);
    EXPECT_EQ(testing::StripTags(markup), ReverseText(HackerText(text))) << int(effect);
    EXPECT_TRUE(markup.ends_with(u"</B>")) << int(effect);
  }
}

}  // namespace
}  // namespace bw
