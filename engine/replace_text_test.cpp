#include "engine/replace_text.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/test_support.h"

namespace bw {
namespace {

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
