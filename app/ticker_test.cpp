#include "app/ticker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bw {
namespace {

// Ticks as the renderer does: measures the current entry (picture 29 rows, text 22), steps.
std::vector<TickerFrame> Ticks(TickerState& state, int ticks, double surfaceHeight = 71) {
  std::vector<TickerFrame> frames;
  while (ticks-- > 0) {
    frames.push_back(
        StepTicker(state, IsPictureEntry(CurrentShout(state)) ? 29 : 22, surfaceHeight));
  }
  return frames;
}

TEST(NewTicker, ListsTheEightEntriesInOrder) {
  EXPECT_EQ(NewTicker(71).ShoutList,
            (std::vector<Text>{u"(pic)", u"\u00A7ky\u00A7cape", u"CoRaLbAy31", u"HeRoNFLaT",
                               u"ThornJay97", u"MoSsWhIrLz", u"RiPTiD Z44", u"Velde"}));
}

TEST(StepTicker, OnlyThePictureRestsFiftyTicksAtRow25AndEntriesTakeTurnsOnceWhollyAboveTheTop) {
  TickerState t = NewTicker(71);
  const std::vector<TickerFrame> frames = Ticks(t, 2000);
  for (int tick = 1; tick <= 73; ++tick) {  // from the bottom, 69 on the first, 2 rows a tick
    EXPECT_EQ(frames[tick - 1].y, tick < 23 ? 71 - 2 * tick : tick < 73 ? 25 : 23) << tick;
  }
  int picturePasses = 1;
  for (size_t i = 1; i < frames.size(); ++i) {
    if (frames[i].entry == frames[i - 1].entry) continue;
    EXPECT_EQ(frames[i].entry, frames[i - 1].entry % 8 + 1) << "in turn";
    picturePasses += frames[i].entry == 1;
    // Last seen at -31 (the picture) or -23; the hand-over frame redraws it at 69.
    EXPECT_EQ(frames[i - 2].y, frames[i - 2].picture ? -31 : -23) << "tick " << i - 1;
    EXPECT_EQ(frames[i - 1].y, 69);
    EXPECT_EQ(frames[i].y, 67);
  }
  const auto resting = [](const TickerFrame& f) { return f.picture && f.y == 25; };
  EXPECT_GT(picturePasses, 2);
  EXPECT_EQ(std::ranges::count_if(frames, resting), 50 * picturePasses);

  TickerState carried{{u"(pic)"}, 1, 25, 48}, even = NewTicker(70);
  EXPECT_EQ(Ticks(carried, 2)[1].y, 23) << "the count is carried over, not restarted";
  EXPECT_EQ(std::ranges::count_if(Ticks(even, 2000, 70), resting), 0) << "even heights never rest";
  for (const char16_t* entry : {u"(PIC)", u" (pic)", u"(pic) ", u"pic"}) {
    TickerState text{{entry}, 1, 25, 0};  // only the exact name is the picture
    EXPECT_FALSE(IsPictureEntry(entry) || StepTicker(text, 22, 71).y == 25);
  }
}

}  // namespace
}  // namespace bw
