#include "engine/replace_text.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/test_support.h"

namespace bw {
namespace {

using testing::YieldCounter;

TEST(ReplaceText, ResumesBehindEachReplacementAndYieldsPerReplacement) {
  const struct {
    TextView text, find, replacement;
    bool matchCase;
    TextView result;
    int yields;
  } cases[] = {{u"aaa", u"aa", u"b", true, u"ba", 1},
               {u"x", u"x", u"xx", true, u"xx", 1},
               {u"a b c", u" ", u"", false, u"abc", 2},
               {u"Hi BOB", u"bob", u"Al", false, u"Hi Al", 1},
               {u"Hi BOB", u"bob", u"Al", true, u"Hi BOB", 0},
               {u"ÿœ ß", u"ŸŒ SS", u"-", false, u"ÿœ ß", 0},
               {u"a\u00a0b", u" ", u"", false, u"a\u00a0b", 0},
               {u"aabaabaaab", u"aab", u"_", true, u"__a_", 3},
               {u"abababc", u"ababc", u"X", true, u"abX", 1},
               {u"", u"x", u"y", false, u"", 0},
               {u"abc", u"", u"z", false, u"abc", 0}};
  for (const auto& c : cases) {
    YieldCounter yields;
    EXPECT_EQ(ReplaceText(c.text, c.find, c.replacement, c.matchCase), c.result);
    EXPECT_EQ(yields.count, c.yields) << "on " << c.result.size() << "-unit result";
  }
}

// The rule as first written: rebuild the text at every occurrence, then search again from
// behind the inserted replacement. Slow, and plainly right.
Text Rebuilding(Text w, TextView find, TextView replacement, bool matchCase, int& yields) {
  const auto search = [&](std::size_t from) {
    return matchCase ? w.find(find, from) : UpperCase(w).find(UpperCase(find), from);
  };
  for (auto at = search(0); at != Text::npos; ++yields) {
    w = w.substr(0, at) + Text(replacement) + w.substr(at + find.size());
    at = search(at + replacement.size());
  }
  return w;
}

TEST(ReplaceText, AgreesWithRebuildingTheText) {
  std::mt19937 rng(7);
  const auto randomText = [&](std::size_t minLength, std::size_t maxLength) {
    Text t(minLength + rng() % (maxLength - minLength + 1), u' ');
    for (char16_t& c : t) c = u"abAB ÿŸ"[rng() % 7];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    const Text text = randomText(0, 24), find = randomText(1, 3), replacement = randomText(0, 4);
    int expectedYields = 0;
    const Text expected = Rebuilding(text, find, replacement, round % 2, expectedYields);
    YieldCounter yields;
    ASSERT_EQ(ReplaceText(text, find, replacement, round % 2), expected) << "round " << round;
    ASSERT_EQ(yields.count, expectedYields) << "round " << round;
  }
}

Text* callerBuffer = nullptr;

TEST(ReplaceText, EventsDuringAYieldMayRewriteTheCallersText) {
  Text text = u"a-b-c";
  callerBuffer = &text;
  SetYieldHook([] { callerBuffer->assign(4096, u'z'); });
  EXPECT_EQ(ReplaceText(text, u"-", u"+", true), u"a+b+c");
  SetYieldHook(nullptr);
}

}  // namespace
}  // namespace bw
