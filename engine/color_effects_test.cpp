#include "engine/color_effects.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"

namespace bw {
namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

// Colored pieces "RRGGBBc" (or a bare " ") written out as markup.
Text Markup(std::initializer_list<TextView> pieces) {
  Text out;
  for (TextView p : pieces) {
    out += p == u" " ? Text(p) : u"<FONT COLOR=#" + Text(p.substr(0, 6)) + u">" + p[6] + u"</FONT>";
  }
  return out;
}

TEST(NextRandom, StartsFromAFixedState) {
  ResetRandomForTesting();
  for (double draw : {0.7055475, 0.5334240, 0.5795186}) EXPECT_NEAR(NextRandom(), draw, 1e-7);
}

TEST(ColorEffects, GiveNothingForSpacesAlone) {
  const TextView spaces = u"   ";
  EXPECT_EQ(FadeText(spaces, kRed, kBlue) + AlternateColorText(spaces, kRed, kBlue), u"");
  EXPECT_EQ(RandomColorText(spaces), u"");
}

TEST(FadeText, AdvancesByPositionAndClamps) {
  // After a leading space "a" is already a step on, and "b" is held at blue by the clamp.
  EXPECT_EQ(FadeText(u" ab", kRed, kBlue), Markup({u" ", u"0000FFa", u"0000FFb"}));
  // U+00A0 counts as a character; each space is counted by a replacement, with a yield.
  testing::YieldCounter yields;
  EXPECT_EQ(FadeText(u"a\u00a0 b ", kRed, kBlue),
            Markup({u"FF0000a", u"80007F\u00a0", u" ", u"0100FEb", u" "}));
  EXPECT_EQ(yields.count, 2);
}

// 255 over a divisor of 2 is 127.5 a step: 127 up and -127 down, in every channel.
TEST(FadeText, EveryChannelStepsTruncatedTowardZeroUpAndDown) {
  EXPECT_EQ(FadeText(u"abc", 0xFF00FF, 0x00FF00), Markup({u"FF00FFa", u"807F80b", u"01FE01c"}));
  EXPECT_EQ(FadeText(u"abc", 0x00FF00, 0xFF00FF), Markup({u"00FF00a", u"7F807Fb", u"FE01FEc"}));
}

TEST(RandomColorText, ThreeDrawsPerCharacterRedFirst) {
  testing::ScriptedRandom random({0.0, 0.5, 0.999, 0.25, 0.0, 0.0});
  EXPECT_EQ(RandomColorText(u"a b"), Markup({u"0080FFa", u" ", u"400000b"}));
  EXPECT_EQ(random.count, 6u);
}

TEST(RandomColorText, EachChannelIsTheWholePartOfTheDrawTimes256) {
  for (int c = 0; c < 256; ++c) {  // the lowest, the highest and a middle draw that give c
    testing::ScriptedRandom random({c / 256.0, (c + 1) / 256.0 - 1e-9, (c + 0.5) / 256.0});
    ASSERT_EQ(RandomColorText(u"x"),
              u"<FONT COLOR=" + ColorToHex(MakeColorRef(c, c, c)) + u">x</FONT>")
        << "channel " << c;
  }
}

TEST(RandomColorText, ReseedsFromTheClockAtEveryCall) {
  SetClockForTesting([] { return std::uint64_t{0x1234567890}; });
  const Text first = RandomColorText(u"ab");
  for (int i = 0; i < 7; ++i) (void)NextRandom();
  EXPECT_EQ(RandomColorText(u"ab"), first) << "the same clock gives the same colors";
  SetClockForTesting([] { return std::uint64_t{0x1234567891}; });
  EXPECT_NE(RandomColorText(u"ab"), first) << "another clock gives others";
  SetClockForTesting(nullptr);
  ResetRandomForTesting();
}

}  // namespace
}  // namespace bw
