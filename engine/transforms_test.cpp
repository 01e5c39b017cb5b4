#include "engine/transforms.h"

#include <gtest/gtest.h>

#include "engine/codepage1252.h"
#include "engine/test_support.h"

namespace bw {
namespace {

TEST(SpacedText, TrimsSpacesOnlyAndSpacesOutWhatIsLeft) {
  EXPECT_EQ(SpacedText(u" a b\u00a0 "), u"a   b \u00a0");
  EXPECT_EQ(SpacedText(u"") + SpacedText(u"   "), u"");
}

TEST(HackerText, LowersExactlyTheFivePlainVowels) {
  EXPECT_EQ(HackerText(u"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
            u"aBCDeFGHiJKLMNoPQRSTuVWXYZ aBCDeFGHiJKLMNoPQRSTuVWXYZ");
  EXPECT_EQ(HackerText(u"àéîõü ÀÉÎÕÜ"), u"ÀÉÎÕÜ ÀÉÎÕÜ");
}

// Every character with look-alikes, then its look-alikes in the same order for k = 1, 2, 3.
constexpr TextView kFrom = u"AaBCcDdEefHIiKkLMmNnOoPprSsTtUuVWwxYy!?,123_-|";
constexpr TextView kTo[] = {u"ÅåßÇ©ÐðËêƒ|-|Ïí|‹|«£|V|^^ÑñØø¶Þ®Šš¯|¯†Üú\\/VVvv×Ýý¡¿¸¹²³¯÷¦",
                            u"ÃäßÇ©ÐðÊëƒ|-|Îî|‹|«£|V|^^ÑñØø¶Þ®§š¯|¯†Ûü\\/VVvv×¥ÿ¡¿¸¹²³¯÷¦",
                            u"ÄãßÇ©ÐðÉéƒ|-|Íï|‹|«£|V|^^ÑñØø¶Þ®$š¯|¯†Úû\\/VVvv×Ÿÿ¡¿¸¹²³¯÷¦"};

TEST(EliteText, EveryUnitAgainstTheTableForEachKOneDrawEach) {
  for (std::size_t k = 1; k <= 3; ++k) {
    testing::ScriptedRandom random({(k - 1) / 3.0 + 0.01});
    EXPECT_EQ(EliteText(kFrom), kTo[k - 1]) << "k=" << k;
    EXPECT_EQ(random.count, kFrom.size());
    EXPECT_TRUE(EncodeWindows1252(kTo[k - 1])) << "k=" << k;
  }
  for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
    const Text unit(1, static_cast<char16_t>(u));
    if (kFrom.find(unit) != TextView::npos) continue;
    ASSERT_EQ(EliteText(unit), unit) << "failed on U+" << std::hex << u;
  }
}

TEST(EliteText, SequencesAreConsumedWholeInOneDraw) {
  testing::ScriptedRandom random({0.0});
  const std::pair<TextView, TextView> cases[] = {
      {u"Hm", u"|-|^^"}, {u"TM", u"™"},    {u"Tm", u"¯|¯^^"},    {u"1/4 off", u"¼ øƒƒ"},
      {u"11/4", u"¹¼"},  {u"1/3", u"¹/³"}, {u"1/2 3/4", u"½ ¾"}, {u"AEon", u"Æøñ"},
      {u"aeb", u"æb"},   {u"oeOE", u"œŒ"}, {u"bgz X", u"bgz X"}, {u"", u""}};
  for (const auto& [in, out] : cases) EXPECT_EQ(EliteText(in), out);
  EXPECT_EQ(random.count, 30u) << "one draw per step";
}

}  // namespace
}  // namespace bw
