#include "engine/size_effects.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"

namespace bw {
namespace {

TEST(SizeEffects, CycleByPositionWithSpacesTakingAPlace) {
  EXPECT_EQ(WavesText(u"Hello"), u"<SUP>H</SUP>e<SUB>l</SUB>l<SUP>o</SUP><SUB></SUB>");
  EXPECT_EQ(WavesText(u"Hi there"), u"<SUP>H</SUP>i t<SUP>h</SUP>e<SUB>r</SUB>e");
  EXPECT_EQ(WavesText(u"  "), u"  <SUB></SUB>");
  EXPECT_EQ(WavesText(u"\u00a0<b"), u"<SUP>\u00a0</SUP><<SUB>b</SUB>");
  EXPECT_EQ(GrowShrinkText(u"Hi all"),
            u"<FONT SIZE=4>H<FONT SIZE=3>i <FONT SIZE=1>a<FONT SIZE=2>l<FONT SIZE=3>l");
  EXPECT_EQ(GrowShrinkText(u"  "), u"  <FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>");
}

TEST(SizeEffects, RunToTheEndOfAnyText) {
  for (std::size_t length : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 32765u, 32766u, 32767u, 262136u}) {
    const Text text = testing::SampleText(length);
    const Text waves = WavesText(text), sizes = GrowShrinkText(text);
    const auto letters = length - std::count(text.begin(), text.end(), u' ');
    EXPECT_EQ(testing::StripTags(waves) + testing::StripTags(sizes), text + text) << length;
    EXPECT_EQ(waves.ends_with(u"<SUB></SUB>"), length % 4 == 1 || length % 4 == 2) << length;
    // One tag before each letter, and one for each place left in the last group of six.
    EXPECT_EQ(sizes.size(), length + 13 * (letters + (6 - length % 6) % 6)) << length;
  }
}

}  // namespace
}  // namespace bw
