#include "app/preview.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/compose.h"

namespace bw {
namespace {

using enum EffectMode;

const PlaceholderValues kValues{u"Zorna", u"Ben", u"Lobby"};

// The line's runs, the sender's two taken off.
std::vector<StyledRun> Line(const PreviewContent& content) {
  return {content.runs.begin() + 2, content.runs.end()};
}

TEST(ComposePreview, ShowsTheSenderThenTheLineAsTheSendWouldDeliverIt) {
  const PreviewContent bold = [] {
    RandomGenerator random;
    return ComposePreview(u"hi %room%", {.Bold = true}, kValues, random);
  }();
  ASSERT_EQ(bold.runs.size(), 3u);
  EXPECT_EQ(bold.runs[0].text, u"Zorna:");
  EXPECT_TRUE(bold.runs[0].style.bold);
  EXPECT_EQ(bold.runs[1], (StyledRun{u" ", {}}));
  EXPECT_EQ(bold.runs[2], (StyledRun{u"hi Lobby", {.bold = true}}));

  // Every effect as a send composes it: to the chat room, to an IM only for Grow and Shrink.
  for (const EffectMode effect : {NoEffect, Alternate, ColorFade, Waves, GrowShrink}) {
    const StyleOptions options{.Italic = true, .Spaced = true, .Effect = effect};
    RandomGenerator random;
    const SendTarget target = effect == GrowShrink ? SendTarget::IM : SendTarget::Chat;
    EXPECT_EQ(Line(ComposePreview(u"%you% waves", options, kValues, random)),
              ParseMarkup(ComposeMessage(u"Ben waves", options, target)))
        << static_cast<int>(effect);
  }
}

TEST(ComposePreview, SaysWhatChangesWithEverySendAndCutsALongLine) {
  const struct {
    StyleOptions options;
    std::size_t length;
    const char16_t* note;
  } cases[] = {
      {{.Effect = Random}, 5, u"The colors change with every send."},
      {{.Elite = true}, 5, u"The look-alike letters change with every send."},
      {{.Elite = true, .Effect = Random}, 5,
       u"The colors and the look-alike letters change with every send."},
      {{.Effect = ColorFade}, 32767, u"Only the first 500 characters are shown."},
      {{.Effect = Waves}, kPreviewCharacters, u""},
  };
  for (const auto& c : cases) {
    RandomGenerator random;
    const PreviewContent content =
        ComposePreview(Text(c.length, u'b'), c.options, kValues, random);
    EXPECT_EQ(content.note, c.note);
    EXPECT_EQ(VisibleText(Line(content)).size(), std::min(c.length, kPreviewCharacters));
  }
}

TEST(PreviewValues, ReadsOnceASecondWhileIdleAndKeepsItsValuesWhenTheClientFails) {
  PreviewValues values;
  EXPECT_FALSE(values.WantsRead(0, false)) << "never while a send, start-up or shutdown runs";
  EXPECT_TRUE(values.WantsRead(0, true));
  values.ReadStarted(0);
  EXPECT_FALSE(values.WantsRead(5000, true)) << "one read at a time";
  EXPECT_TRUE(values.ReadEnded(kValues, true));
  EXPECT_FALSE(values.WantsRead(999, true));
  EXPECT_TRUE(values.WantsRead(1000, true));
  values.ReadStarted(1000);
  EXPECT_FALSE(values.ReadEnded({}, false)) << "a client that stopped answering";
  EXPECT_EQ(values.Values(), kValues);
  EXPECT_TRUE(values.WantsRead(2000, true)) << "a failed read ends too";
  values.ReadStarted(2000);
  EXPECT_TRUE(values.ReadEnded({u"Zorna", u"", u""}, true)) << "windows closed read as \"\"";
  EXPECT_EQ(values.Values(), (PlaceholderValues{u"Zorna", u"", u""}));
}

}  // namespace
}  // namespace bw
