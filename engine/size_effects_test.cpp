#include "engine/size_effects.h"

#include <gtest/gtest.h>

#include "engine/test_support.h"

namespace bw {
namespace {

TEST(SizeEffects, Examples) {
  const struct {
    Text (*effect)(TextView);
    TextView in, out;
  } cases[] = {
      {WavesText, u"", u""},
      {WavesText, u"Hello", u"<SUP>H</SUP>e<SUB>l</SUB>l<SUP>o</SUP><SUB></SUB>"},
      {WavesText, u"Hi there", u"<SUP>H</SUP>i t<SUP>h</SUP>e<SUB>r</SUB>e"},
      {WavesText, u"a", u"<SUP>a</SUP><SUB></SUB>"},
      {WavesText, u"  ", u"  <SUB></SUB>"},
      {WavesText, u"\u00a0<b", u"<SUP>\u00a0</SUP><<SUB>b</SUB>"},
      {GrowShrinkText, u"", u""},
      {GrowShrinkText, u"Hello",
       u"<FONT SIZE=4>H<FONT SIZE=3>e<FONT SIZE=2>l<FONT SIZE=1>l<FONT SIZE=2>o<FONT SIZE=3>"},
      {GrowShrinkText, u"Hi all",
       u"<FONT SIZE=4>H<FONT SIZE=3>i <FONT SIZE=1>a<FONT SIZE=2>l<FONT SIZE=3>l"},
      {GrowShrinkText, u"  ", u"  <FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>"}};
  for (const auto& c : cases) EXPECT_EQ(c.effect(c.in), c.out);
  EXPECT_TRUE(GrowShrinkText(u"Good morning").ends_with(u"<FONT SIZE=2>n<FONT SIZE=3>g"));
}

// Lengths around the top of the old 16-bit range, where the markup used to be cut short.
TEST(SizeEffects, RunToTheEndOfAnyText) {
  for (std::size_t length : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 32765u, 32766u, 32767u, 262136u}) {
    const Text text = testing::SampleText(length);
    const Text waves = WavesText(text);
    EXPECT_EQ(testing::StripTags(waves), text) << "length " << length;
    EXPECT_EQ(waves.ends_with(u"<SUB></SUB>"), length % 4 == 1 || length % 4 == 2) << length;
    const Text sizes = GrowShrinkText(text);
    EXPECT_EQ(testing::StripTags(sizes), text) << "length " << length;
    std::size_t emptyTags = 0;
    for (TextView rest = sizes; rest.ends_with(u">"); ++emptyTags) {
      rest = rest.substr(0, rest.rfind(u'<'));
    }
    EXPECT_EQ(emptyTags, (6 - length % 6) % 6) << "length " << length;
  }
}

}  // namespace
}  // namespace bw
