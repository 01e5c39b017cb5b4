#include "engine/replace_text.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/test_support.h"

namespace bw {
namespace {

TEST(ReplaceText, ResumesBehindEachReplacementWorkingOnItsOwnCopies) {
  EXPECT_EQ(ReplaceText(u"aaa", u"aa", u"b", true), u"ba");
  EXPECT_EQ(ReplaceText(u"x", u"x", u"xx", true), u"xx");
  EXPECT_EQ(ReplaceText(u"Hi bOb", u"BoB", u"Al", false), u"Hi Al");
  testing::YieldCounter yields;
  EXPECT_EQ(ReplaceText(u"abc", u"", u"z", false) + ReplaceText(u"", u"x", u"y", false), u"abc");
  EXPECT_EQ(yields.count, 0);
  static Text text;
  text = u"a-b-c";
  SetYieldHook([] { text.assign(4096, u'z'); });
  EXPECT_EQ(ReplaceText(text, u"-", u"+", true), u"a+b+c");
}

// The rule as first written: replace the first match, go on behind it. Slow, plainly right.
Text ReplaceSlowly(TextView text, TextView find, TextView with, bool matchCase, int& yields) {
  const auto at = matchCase ? text.find(find) : UpperCase(text).find(UpperCase(find));
  if (at == TextView::npos) return Text(text);
  const Text rest = ReplaceSlowly(text.substr(at + find.size()), find, with, matchCase, ++yields);
  return Text(text.substr(0, at)) + Text(with) + rest;
}

TEST(ReplaceText, AgreesWithTheSlowRuleYieldingOncePerReplacement) {
  std::mt19937 rng(7);
  const auto randomText = [&](std::size_t minLength, std::size_t maxLength) {
    Text t(minLength + rng() % (maxLength - minLength + 1), u' ');
    for (char16_t& c : t) c = u"abAB ÿŸ"[rng() % 7];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    const Text text = randomText(0, 24), find = randomText(1, 3), replacement = randomText(0, 4);
    int expectedYields = 0;
    const Text expected = ReplaceSlowly(text, find, replacement, round % 2, expectedYields);
    testing::YieldCounter yields;
    ASSERT_EQ(ReplaceText(text, find, replacement, round % 2), expected) << "round " << round;
    ASSERT_EQ(yields.count, expectedYields) << "round " << round;
  }
}

}  // namespace
}  // namespace bw
