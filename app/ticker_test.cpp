#include "app/ticker.h"

#include <gtest/gtest.h>

#include <vector>

namespace bw {
namespace {

constexpr int kPicHeight = 29, kTextHeight = 22;

// Runs the ticker as the renderer does: measure the current entry, then step.
std::vector<TickerFrame> RunTicks(TickerState& state, int ticks, double surfaceHeight = 71) {
  std::vector<TickerFrame> frames;
  for (int i = 0; i < ticks; ++i) {
    const int h = IsPictureEntry(CurrentShout(state)) ? kPicHeight : kTextHeight;
    frames.push_back(StepTicker(state, h, surfaceHeight));
  }
  return frames;
}

TEST(NewTicker, StartsWithThePictureAtTheRoundedBottom) {
  const TickerState t = NewTicker(71);
  ASSERT_EQ(t.ShoutList.size(), 8u);
  EXPECT_EQ(t.ShoutList[0], u"(pic)");
  EXPECT_EQ(t.ShoutList[1], u"\u00A7ky\u00A7cape");
  EXPECT_EQ(t.ShoutList[7], u"Velde");
  EXPECT_EQ(t.ShoutIndex, 1);
  EXPECT_EQ(t.ShoutY, 71);
  EXPECT_EQ(NewTicker(70.5).ShoutY, 70);
  EXPECT_EQ(NewTicker(71.5).ShoutY, 72);
}

TEST(StepTicker, PictureRisesHoldsAtRow25ForFiftyTicksThenMovesOn) {
  TickerState t = NewTicker(71);
  const auto frames = RunTicks(t, 73);
  EXPECT_EQ(frames[0].y, 69);  // tick 1
  EXPECT_TRUE(frames[0].picture);
  EXPECT_EQ(frames[21].y, 27);
  for (int tick = 23; tick <= 72; ++tick) EXPECT_EQ(frames[tick - 1].y, 25) << "tick " << tick;
  EXPECT_EQ(frames[72].y, 23);
}

TEST(StepTicker, NextEntryFollowsOnceWhollyAboveTheTopAndWrapsAfterTheLast) {
  TickerState t = NewTicker(71);
  const auto frames = RunTicks(t, 2000);
  std::vector<int> order;
  for (size_t i = 0; i < frames.size(); ++i) {
    if (i > 0 && frames[i].entry == frames[i - 1].entry) continue;
    order.push_back(frames[i].entry);
    if (i == 0) continue;
    // The picture's last frame is at -31; the hand-over tick redraws it at 69, and the
    // next entry appears from row 67.
    const int leftAt = frames[i - 2].y;
    EXPECT_EQ(leftAt, frames[i - 2].picture ? -31 : -23) << "entry " << frames[i - 2].entry;
    EXPECT_EQ(frames[i - 1].y, 69);
    EXPECT_EQ(frames[i].y, 67);
  }
  const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2};
  ASSERT_GE(order.size(), expected.size());
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 10), expected);
}

TEST(StepTicker, EveryHaltLastsFiftyTicksAndEvenHeightsNeverHalt) {
  for (double height : {71.0, 70.0}) {
    TickerState t = NewTicker(height);
    std::vector<int> halts;  // lengths of the finished rests at row 25
    int run = 0;
    for (const TickerFrame& f : RunTicks(t, 3000, height)) {
      if (f.picture && f.y == 25) {
        ++run;
      } else if (run > 0) {
        halts.push_back(run);
        run = 0;
      }
    }
    EXPECT_EQ(halts, height == 71 ? std::vector<int>(halts.size(), 50) : std::vector<int>{});
    if (height == 71) {
      EXPECT_GE(halts.size(), 2u);
    }
  }
}

TEST(StepTicker, OnlyTheExactPictureNameHalts) {
  for (const char16_t* entry : {u"(PIC)", u" (pic)", u"(pic) ", u"pic"}) {
    EXPECT_FALSE(IsPictureEntry(entry));
    TickerState t{{entry}, 1, 25, 0};
    const TickerFrame f = StepTicker(t, kTextHeight, 71);
    EXPECT_FALSE(f.picture);
    EXPECT_EQ(f.y, 23);
  }
}

TEST(StepTicker, EmptyListDrawsNothing) {
  TickerState t{{}, 1, 71, 0};
  EXPECT_EQ(StepTicker(t, 0, 71).entry, 0);
  EXPECT_EQ(CurrentShout(t), u"");
}

}  // namespace
}  // namespace bw
