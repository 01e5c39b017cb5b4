#include "aol/wildcard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bw {
namespace {

TEST(Matches, FollowsTheWildcardRuleAndMalformedPatternsMatchNothing) {
  const char16_t* const rows[] = {
      // clang-format off
      u"send == SEND", u"\u00e9\u00ff == \u00c9\u0178", u"Send != Send Now", u"? != ",
      u"Welcome, * == Welcome, ", u"Welcome, * == WELCOME, Ann!", u"Welcome, * != Welcome Ann",
      u"a?c == abc", u"# == 9", u"# != :", u"# != /", u"a*b*c == aXbYc", u"a*b*c != aXbYcd",
      u"[!abc] == d", u"[!abc] != a", u"[a-f]x == Dx", u"[!a-f] == g", u"[ac-e] != b",
      u"[a-] == -", u"[] != a", u"[*?#] == ?",
      // The candidate's own * ? # [ are plain characters.
      u"a* == a*", u"a? == a[", u"a# != a*", u"# != #", u"[a] != [", u"a != *",
      // A "[" without "]", or a range reversed once upper-cased ([Z-a] is [Z-A]).
      u"[abc != [abc", u"*[ != a[", u"[! != [!", u"[!z-a] != x", u"[Z-a] != [",
      // clang-format on
  };
  for (const char16_t* row : rows) {
    const TextView r(row);
    const auto at = std::min(r.find(u" == "), r.find(u" != "));
    EXPECT_EQ(Matches(r.substr(0, at), r.substr(at + 4)), r[at + 1] == u'=')
        << "#" << (&row - rows);
  }
}

TEST(Matches, ManyStarsStayPolynomial) {
  // Naive backtracking would try every way of spreading 5000 characters over 40 stars.
  Text pattern;
  for (int i = 0; i < 40; ++i) pattern += u"*a";
  EXPECT_FALSE(Matches(pattern + u"b", Text(5000, u'a')));
  EXPECT_TRUE(Matches(pattern + u"b", Text(5000, u'a') + u"b"));
}

}  // namespace
}  // namespace bw
