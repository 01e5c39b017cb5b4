#include "engine/transforms.h"

#include <gtest/gtest.h>

#include "engine/codepage1252.h"
#include "engine/test_support.h"

namespace bw {
namespace {

using testing::ScriptedRandom;

struct Case {
  TextView in, out;
};

TEST(Transforms, TextTables) {
  const Case hacker[] = {{u"hello world", u"HeLLo WoRLD"},
                         {u"AEIOU aeiou", u"aeiou aeiou"},
                         {u"é1!", u"É1!"},
                         {u"ß\u00a0<b>", u"ß\u00a0<B>"},
                         {u"", u""}};
  for (const Case& c : hacker) EXPECT_EQ(HackerText(c.in), c.out);
  const Case spaced[] = {{u"abc", u"a b c"}, {u"a b", u"a   b"},        {u" hi ", u"h i"},
                         {u"   ", u""},      {u"\u00a0a", u"\u00a0 a"}, {u"", u""}};
  for (const Case& c : spaced) EXPECT_EQ(SpacedText(c.in), c.out);
  const Case reverse[] = {{u"abc", u"cba"}, {u"|« <B>", u">B< «|"}, {u"", u""}};
  for (const Case& c : reverse) EXPECT_EQ(ReverseText(c.in), c.out);
}

// Each entry: the character, a space, then its look-alikes for k = 1, 2, 3 (one for all).
constexpr TextView kLookAlikes[] = {
    u"A Å Ã Ä", u"a å ä ã", u"B ß",   u"C Ç",     u"c ©",     u"D Ð",     u"d ð",     u"E Ë Ê É",
    u"e ê ë é", u"f ƒ",     u"H |-|", u"I Ï Î Í", u"i í î ï", u"K |‹",    u"k |«",    u"L £",
    u"M |V|",   u"m ^^",    u"N Ñ",   u"n ñ",     u"O Ø",     u"o ø",     u"P ¶",     u"p Þ",
    u"r ®",     u"S Š § $", u"s š",   u"T ¯|¯",   u"t †",     u"U Ü Û Ú", u"u ú ü û", u"V \\/",
    u"W VV",    u"w vv",    u"x ×",   u"Y Ý ¥ Ÿ", u"y ý ÿ ÿ", u"! ¡",     u"? ¿",     u", ¸",
    u"1 ¹",     u"2 ²",     u"3 ³",   u"_ ¯",     u"- ÷",     u"| ¦"};

TEST(EliteText, EveryUnitAgainstTheTableForEachK) {
  ASSERT_EQ(std::size(kLookAlikes), 46u);
  for (std::size_t k = 1; k <= 3; ++k) {
    ScriptedRandom random({(k - 1) / 3.0 + 0.01});
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
      Text expected(1, static_cast<char16_t>(u));
      for (TextView entry : kLookAlikes) {
        if (entry[0] != u) continue;
        std::size_t from = 2;
        for (std::size_t i = 1; i < k && entry.find(u' ', from) != TextView::npos; ++i) {
          from = entry.find(u' ', from) + 1;
        }
        expected = entry.substr(from, entry.find(u' ', from) - from);
        EXPECT_TRUE(EncodeWindows1252(expected)) << "not in Windows-1252: U+" << std::hex << u;
      }
      ASSERT_EQ(EliteText(Text(1, static_cast<char16_t>(u))), expected)
          << "failed on U+" << std::hex << u << " with k=" << k;
    }
  }
}

TEST(EliteText, SequencesAreConsumedWhole) {
  ScriptedRandom random({0.0});
  const Case cases[] = {{u"Hm", u"|-|^^"},      {u"TM", u"™"},        {u"Tm", u"¯|¯^^"},
                        {u"1/4 off", u"¼ øƒƒ"}, {u"11/4", u"¹¼"},     {u"1/3", u"¹/³"},
                        {u"1/2 3/4", u"½ ¾"},   {u"AEon", u"Æøñ"},    {u"aeb", u"æb"},
                        {u"oeOE", u"œŒ"},       {u"bgz X", u"bgz X"}, {u"", u""}};
  for (const Case& c : cases) EXPECT_EQ(EliteText(c.in), c.out);
}

TEST(EliteText, DrawsOncePerStep) {
  ScriptedRandom random({0.5});
  EXPECT_EQ(EliteText(u"Ace"), u"Ã©ë");
  EXPECT_EQ(EliteText(u"y"), u"ÿ");
  EXPECT_EQ(random.count, 4u);
  (void)EliteText(u"1/4 ae x");  // steps: "1/4", " ", "ae", " ", "x"
  EXPECT_EQ(random.count, 9u);
}

}  // namespace
}  // namespace bw
