#include "engine/color_effects.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/test_support.h"

namespace bw {
namespace {

using testing::SampleText;
using testing::ScriptedRandom;
using testing::StripTags;

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

// Colored pieces "RRGGBBc" (or a bare " ") written out as markup.
Text Markup(std::initializer_list<TextView> pieces) {
  Text out;
  for (TextView p : pieces) {
    if (p == u" ") {
      out += p;
      continue;
    }
    out += u"<FONT COLOR=#" + Text(p.substr(0, 6)) + u">" + Text(p.substr(6)) + u"</FONT>";
  }
  return out;
}

TEST(NextRandom, FixedStartGivesTheSameSequence) {
  for (int run = 0; run < 2; ++run) {
    ResetRandomForTesting();
    EXPECT_NEAR(NextRandom(), 0.7055475, 1e-7);
    EXPECT_NEAR(NextRandom(), 0.5334240, 1e-7);
    EXPECT_NEAR(NextRandom(), 0.5795186, 1e-7);
  }
}

TEST(FadeText, StepsTruncateTowardZeroAdvanceByPositionAndClamp) {
  EXPECT_EQ(FadeText(u"\u00a0", 0x0A0B0C, 0), Markup({u"0C0B0A\u00a0"}));
  EXPECT_EQ(FadeText(u"abc", kRed, kBlue), Markup({u"FF0000a", u"80007Fb", u"0100FEc"}));
  // -255 over a divisor of 7 is -36 a step, so eight characters stop at 255 - 7 * 36 = 3.
  const Text eight = FadeText(u"abcdefgh", kRed, 0);
  EXPECT_TRUE(eight.starts_with(Markup({u"FF0000a", u"DB0000b"})));
  EXPECT_TRUE(eight.ends_with(Markup({u"030000h"})));
  EXPECT_EQ(FadeText(u"aa", 0x123456, 0x123456), Markup({u"563412a", u"563412a"}));
  EXPECT_EQ(FadeText(u"a b", kRed, kBlue), Markup({u"FF0000a", u" ", u"0000FFb"}));
  // After a leading space "a" is already a step on, and "b" is held at blue by the clamp.
  EXPECT_EQ(FadeText(u" ab", kRed, kBlue), Markup({u" ", u"0000FFa", u"0000FFb"}));
  // U+00A0 counts as a character; each space is counted by a replacement, with a yield.
  testing::YieldCounter yields;
  EXPECT_EQ(FadeText(u"a\u00a0 b ", kRed, kBlue),
            Markup({u"FF0000a", u"80007F\u00a0", u" ", u"0100FEb", u" "}));
  EXPECT_EQ(yields.count, 2);
}

TEST(AlternateColorText, StartsWithSecondAndSkipsSpaces) {
  EXPECT_EQ(AlternateColorText(u"ab c", kRed, kBlue),
            Markup({u"0000FFa", u"FF0000b", u" ", u"0000FFc"}));
  EXPECT_EQ(AlternateColorText(u" <\u00a0", kRed, kBlue),
            Markup({u" ", u"0000FF<", u"FF0000\u00a0"}));
}

TEST(RandomColorText, ThreeDrawsPerCharacterRedFirst) {
  ScriptedRandom random({0.0, 0.5, 0.999, 0.25, 0.0, 0.0});
  EXPECT_EQ(RandomColorText(u"a b"), Markup({u"0080FFa", u" ", u"400000b"}));
  EXPECT_EQ(random.count, 6u);
}

TEST(ColorEffects, KeepCharactersAndSpacesOneForOne) {
  const auto fade = [](TextView t) { return FadeText(t, kRed, kBlue); };
  const auto alternate = [](TextView t) { return AlternateColorText(t, kRed, kBlue); };
  for (const auto& effect : {+fade, +alternate, &RandomColorText}) {
    EXPECT_EQ(effect(u""), u"");
    EXPECT_EQ(effect(u"   "), u"");
    for (std::size_t length : {1u, 2u, 7u, 32767u, 32768u}) {
      const Text text = SampleText(length);
      const Text markup = effect(text);
      const auto spaces = static_cast<std::size_t>(std::count(text.begin(), text.end(), u' '));
      EXPECT_EQ(StripTags(markup), text) << "length " << length;
      EXPECT_EQ(markup.size(), spaces + 28 * (length - spaces)) << "length " << length;
    }
  }
}

}  // namespace
}  // namespace bw
