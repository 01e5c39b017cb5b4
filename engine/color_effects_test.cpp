#include "engine/color_effects.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"

namespace bw {
namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

TEST(NextRandom, StartsFromAFixedState) {
  ResetRandomForTesting();
  for (double draw : {0.7055475, 0.5334240, 0.5795186}) EXPECT_NEAR(NextRandom(), draw, 1e-7);
}

TEST(ColorEffects, GiveNothingForSpacesAlone) {
  const TextView spaces = u"   ";
  EXPECT_EQ(FadeText(spaces, kRed, kBlue) + AlternateColorText(spaces, kRed, kBlue), u"");
  EXPECT_EQ(RandomColorText(spaces), u"");
}

// U+00A0 counts as a character; each space is counted by a replacement, with a yield.
TEST(FadeText, LetsEventsRunOncePerSpace) {
  testing::YieldCounter yields;
  EXPECT_EQ(FadeText(u"a\u00a0 b ", kRed, kBlue),
            u"<FONT COLOR=#FF0000>a</FONT><FONT COLOR=#80007F>\u00a0</FONT> "
            u"<FONT COLOR=#0100FE>b</FONT> ");
  EXPECT_EQ(yields.count, 2);
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
