#include "engine/size_effects.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(SizeEffects, CycleByPositionWithSpacesTakingAPlace) {
  EXPECT_EQ(WavesText(u"Hi there"), u"<SUP>H</SUP>i t<SUP>h</SUP>e<SUB>r</SUB>e");
  EXPECT_EQ(WavesText(u"  "), u"  <SUB></SUB>");
  EXPECT_EQ(WavesText(u"\u00a0<b"), u"<SUP>\u00a0</SUP><<SUB>b</SUB>");
  EXPECT_EQ(GrowShrinkText(u"  "), u"  <FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>");
}

}  // namespace
}  // namespace bw
