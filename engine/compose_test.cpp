#include "engine/compose.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"
#include "engine/transforms.h"

namespace bw {
namespace {

using enum EffectMode;

// The transforms' order is the round trip's to prove; here, the effect's exact markup
// after them, down to the empty element that closes the wave.
TEST(ComposeMessage, TransformsInTheirOrderThenTheEffect) {
  EXPECT_EQ(ComposeMessage(u"abc", {.Spaced = true, .Backwards = true, .Effect = Waves},
                           SendTarget::Chat),
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
