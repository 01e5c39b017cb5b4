#include "app/ticker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>
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

TEST(TickerScreen, RedrawsTheRowsLeftAndEnteredCutToTheSurfaceAndNothingAtRest) {
  TickerScreen screen(71);
  const struct {
    TickerFrame frame;
    int height;
    std::optional<TickerRedraw> redraw;
  } steps[] = {
      {{1, true, 69}, 29, TickerRedraw{0, 71, {1, true, 69}, kPictureLeft}},  // all, at first
      {{1, true, 69}, 29, std::nullopt},                                      // at rest
      {{1, true, 67}, 29, TickerRedraw{67, 71, {1, true, 67}, kPictureLeft}},
      {{1, true, 10}, 29, TickerRedraw{10, 71, {1, true, 10}, kPictureLeft}},  // old rows too
      {{1, true, -31}, 29, TickerRedraw{0, 39, {1, true, -31}, kPictureLeft}},
      {{1, true, -33}, 29, std::nullopt},  // above the top, before and after
      {{2, false, 69}, 22, TickerRedraw{0, 71, {2, false, 69}, 0}},  // from the old top
      {{2, false, 69}, 22, std::nullopt},
      {{0, false, 69}, 22, TickerRedraw{69, 71, {0, false, 69}, 0}},  // another entry: redrawn
  };
  for (const auto& step : steps) {
    EXPECT_EQ(screen.Show(step.frame, step.height), step.redraw) << "y " << step.frame.y;
  }
}

// A screen that keeps what it is asked for: the entries' images (the picture at its size, a
// text 22 rows of 71) and the redraws.
struct Canvas final : TickerCanvas {
  std::optional<int> PrepareEntry(TextView entry, PixelSize picture) override {
    prepared.emplace_back(entry);
    if (!imagesMade) return std::nullopt;
    return IsPictureEntry(entry) ? picture.height : screen.height * 22 / 71;
  }
  void Draw(const TickerRedraw& redraw) override { drawn.push_back(redraw); }

  PixelSize screen{156, 71};
  bool imagesMade = true;
  std::vector<Text> prepared;
  std::vector<TickerRedraw> drawn;
};

// Ticks `count` times, `stepMs` apart from `startMs` (34 ms: every tick may show a frame).
void TickFor(Ticker& ticker, int count, std::uint32_t stepMs = 34, std::uint32_t startMs = 0) {
  for (int tick = 0; tick < count; ++tick) ticker.Tick(startMs + tick * stepMs);
}

// The picture rises from the bottom, arrives at unit row 25 on tick 23, rests until tick 72 and
// goes on at 73; the first frame clears the screen, then only the rows that changed are drawn.
TEST(Ticker, RisesAndRestsAlikeOnAnyScreenAndDrawsOnlyWhatChangedInItsPixels) {
  const auto ticked = [](PixelSize screen, bool imagesMade) {
    Canvas canvas;
    canvas.screen = screen;
    canvas.imagesMade = imagesMade;
    Ticker ticker(canvas);
    ticker.Start(screen);
    TickFor(ticker, 73);
    return canvas.drawn;
  };
  const std::vector<TickerRedraw> dense = ticked({196, 90}, true), bare = ticked({156, 71}, false);
  ASSERT_TRUE(dense.size() == 24 && bare.size() == 24) << "the rest lasts 50 ticks everywhere";
  // picShoutz's interior at 120 dpi: units 69, 25 and 8 are pixels 87, 32 and 10
  EXPECT_EQ(dense[0], (TickerRedraw{0, 90, {1, true, 87}, 10}));
  EXPECT_EQ(dense[22], (TickerRedraw{31, 71, {1, true, 32}, 10}));
  // at 96 dpi the picture without its image still covers its 29 rows
  EXPECT_EQ(bare[23], (TickerRedraw{23, 54, {1, true, 23}, kPictureLeft}));
}

TEST(Ticker, MakesAnEntrysImageOnceWhenItBecomesCurrentAndTriesAFailedOneAgain) {
  Canvas canvas;
  Ticker ticker(canvas);
  ticker.Start(canvas.screen);
  for (int tick = 0; tick < 1000 && ticker.State().ShoutIndex < 4; ++tick) ticker.Tick(tick);
  ticker.Tick(1000);
  const std::vector<Text>& list = ticker.State().ShoutList;
  EXPECT_EQ(canvas.prepared, (std::vector<Text>{list.begin(), list.begin() + 4}));

  Canvas failing;
  failing.imagesMade = false;
  Ticker blind(failing);
  blind.Start(failing.screen);
  TickFor(blind, 5);
  EXPECT_EQ(failing.prepared.size(), 5u) << "one try a tick, the picture each time";
}

TEST(Ticker, StandsStillBeforeItStartsAndAfterItStopsAndStartsAgainFromTheBottom) {
  Canvas canvas;
  Ticker ticker(canvas);
  EXPECT_FALSE(ticker.Tick(0));
  ticker.Start(canvas.screen);
  TickFor(ticker, 30);
  ticker.Stop();
  EXPECT_FALSE(ticker.Tick(600));
  EXPECT_TRUE(ticker.State().ShoutList.empty());
  canvas.drawn.clear();
  ticker.Start(canvas.screen);
  EXPECT_TRUE(ticker.Tick(601)) << "shown at once, a refresh after the last or not";
  EXPECT_EQ(canvas.drawn, (std::vector<TickerRedraw>{{0, 71, {1, true, 69}, kPictureLeft}}))
      << "the whole screen again, the picture from the bottom";
}

// The frames shown in a second of ticks `stepsMs` apart (repeated) on a `refreshHz` display.
int FramesShownInASecond(std::vector<std::uint32_t> stepsMs, int refreshHz,
                         std::uint32_t startMs = 0) {
  FramePacer pacer(refreshHz);
  int shown = 0;
  std::uint32_t now = startMs;
  for (std::size_t tick = 0; now - startMs < 1000; now += stepsMs[tick++ % stepsMs.size()]) {
    pacer.Advance(now);
    shown += pacer.TakeFrame();
  }
  return shown;
}

TEST(FramePacer, ShowsEveryOtherRefreshOrEveryTickWhicheverIsSlower) {
  EXPECT_EQ(FramesShownInASecond({10}, 60), 30) << "Wine's 10 ms timer";
  EXPECT_EQ(FramesShownInASecond({10}, 0), 30) << "a display that names no rate";
  EXPECT_EQ(FramesShownInASecond({10}, 1), 30);
  EXPECT_EQ(FramesShownInASecond({10}, 144), 72) << "a faster display";
  EXPECT_EQ(FramesShownInASecond({10}, 240), 100) << "faster still: every tick";
  EXPECT_EQ(FramesShownInASecond({55}, 60), 19) << "Windows 98's 55 ms timer: every tick";
  // Windows NT's 15.625 ms timer read from a clock that counts in 15 and 16 ms steps.
  EXPECT_EQ(FramesShownInASecond({16, 15, 16, 16}, 60), 30);
  EXPECT_EQ(FramesShownInASecond({10}, 60, 0xFFFFFF00u), 30) << "across the clock's wrap";
  EXPECT_EQ(FramesShownInASecond({1}, 60), 30) << "a 1 ms timer";
}

// At 10 ms ticks on a 60 Hz display three ticks in ten draw, never more than three moves
// apart; each draw covers the rows of the frame drawn before, wherever the ticks left out
// have moved the entry, and one that comes to rest is drawn by the next frame.
TEST(Ticker, DrawsEveryOtherRefreshEveryRowChangedSinceTheLastFrameDrawn) {
  Canvas canvas;
  Ticker ticker(canvas);
  ticker.Start(canvas.screen, 60);
  const auto rows = [](const TickerRedraw& r) {
    return std::make_pair(std::max(0, r.frame.y), std::min(71, r.frame.y + 22));
  };
  int unshownMoves = 0;
  for (int tick = 0; tick < 500; ++tick) {
    const std::size_t drawn = canvas.drawn.size();
    const TickerState before = ticker.State();
    const bool drew = ticker.Tick(tick * 10);
    EXPECT_EQ(drew, canvas.drawn.size() > drawn);
    if (canvas.drawn.size() == drawn) {
      const TickerState& now = ticker.State();
      unshownMoves += now.ShoutY != before.ShoutY || now.ShoutIndex != before.ShoutIndex;
      EXPECT_LE(unshownMoves, 3) << "tick " << tick << ": a frame left out past its time";
      continue;
    }
    unshownMoves = 0;
    if (drawn == 0 || canvas.drawn.back().frame.entry != canvas.drawn[drawn - 1].frame.entry ||
        canvas.drawn.back().frame.picture) {
      continue;  // the whole screen, another entry, or the picture's own height
    }
    const auto [oldTop, oldBottom] = rows(canvas.drawn[drawn - 1]);
    const auto [newTop, newBottom] = rows(canvas.drawn.back());
    EXPECT_EQ(canvas.drawn.back().top, std::min(oldTop, newTop)) << tick;
    EXPECT_EQ(canvas.drawn.back().bottom, std::max(oldBottom, newBottom)) << tick;
  }
  EXPECT_LE(canvas.drawn.size(), 5u * 30) << "five seconds at 30 frames a second";
  EXPECT_EQ(canvas.drawn[0], (TickerRedraw{0, 71, {1, true, 69}, kPictureLeft}));
}

TEST(CenteredLeft, HalfTheScreenLessHalfTheTextHalvesToEven) {
  const int rows[][3] = {{156, 101, 28}, {156, 103, 26}, {155, 100, 28}, {156, 200, -22}};
  for (const auto& [screen, text, left] : rows) EXPECT_EQ(CenteredLeft(screen, text), left) << text;
}

TEST(CopyInto, CopiesWhatLiesInsideTheFrameAndNothingElse) {
  constexpr int kW = 5, kH = 3, kSw = 3, kSh = 2;
  std::vector<std::uint32_t> source(kSw * kSh);
  std::iota(source.begin(), source.end(), 100u);
  for (int left = -4; left <= 6; ++left) {
    for (int top = -3; top <= 4; ++top) {
      std::vector<std::uint32_t> frame(kW * kH, 7u);
      CopyInto({frame.data(), kW, kH}, {source.data(), kSw, kSh}, left, top);
      for (int i = 0; i < kW * kH; ++i) {
        const int sx = i % kW - left, sy = i / kW - top;
        const bool inside = sx >= 0 && sx < kSw && sy >= 0 && sy < kSh;
        EXPECT_EQ(frame[i], inside ? source[sy * kSw + sx] : 7u) << left << "," << top << ": " << i;
      }
    }
  }
  std::vector<std::uint32_t> frame(kW * kH, 7u);
  ClearRows({frame.data(), kW, kH}, 1, 2);
  EXPECT_EQ(std::ranges::count(frame, 0u), kW) << "row 1 alone";
  EXPECT_EQ(frame[kW], 0u);
}

}  // namespace
}  // namespace bw
