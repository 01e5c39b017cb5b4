#include "engine/text.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(UpperChar, FollowsTheRuleOnEveryUnit) {
  const Text lower = u"abcdefghijklmnopqrstuvwxyzàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþšžœÿ";
  const Text upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŠŽŒŸ";
  for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
    const auto at = lower.find(static_cast<char16_t>(u));
    const char16_t expected = at == Text::npos ? static_cast<char16_t>(u) : upper.at(at);
    ASSERT_EQ(UpperChar(static_cast<char16_t>(u)), expected) << "failed on U+" << std::hex << u;
  }
}

TEST(TrimSpaces, RemovesOnlyU0020AtBothEnds) {
  EXPECT_EQ(TrimSpaces(u"  \u00a0a b\t  "), u"\u00a0a b\t");
  EXPECT_EQ(TrimSpaces(u"   "), u"");
}

}  // namespace
}  // namespace bw
