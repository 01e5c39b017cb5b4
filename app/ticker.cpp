#include "app/ticker.h"

#include <cmath>

namespace bw {

namespace {

constexpr int kRise = 2;
constexpr int kHoldRow = 25;
constexpr int kHoldTicks = 50;

// nearbyint rounds halves to the even neighbour in the default rounding mode.
int RoundedHeight(double height) {
  return static_cast<int>(std::nearbyint(height));
}

}  // namespace

TickerState NewTicker(double surfaceHeight) {
  TickerState state;
  state.ShoutList = {u"(pic)",      u"\u00A7ky\u00A7cape", u"CoRaLbAy31", u"HeRoNFLaT",
                     u"ThornJay97", u"MoSsWhIrLz",         u"RiPTiD Z44", u"Velde"};
  state.ShoutIndex = 1;
  state.ShoutY = RoundedHeight(surfaceHeight);
  return state;
}

bool IsPictureEntry(TextView entry) {
  return entry == u"(pic)";
}

const Text& CurrentShout(const TickerState& state) {
  static const Text kNone;
  const auto count = static_cast<int>(state.ShoutList.size());
  if (count == 0) return kNone;
  const int index = state.ShoutIndex >= 1 && state.ShoutIndex <= count ? state.ShoutIndex : 1;
  return state.ShoutList[index - 1];
}

TickerFrame StepTicker(TickerState& state, int entryHeight, double surfaceHeight) {
  const auto count = static_cast<int>(state.ShoutList.size());
  if (count == 0) return {0, false, state.ShoutY};
  if (state.ShoutIndex < 1 || state.ShoutIndex > count) state.ShoutIndex = 1;

  const int drawn = state.ShoutIndex;
  const bool picture = IsPictureEntry(state.ShoutList[drawn - 1]);

  if (state.ShoutY < -entryHeight) {
    state.ShoutIndex = state.ShoutIndex < count ? state.ShoutIndex + 1 : 1;
    state.ShoutY = RoundedHeight(surfaceHeight);
  }

  if (!picture || state.ShoutY != kHoldRow) {
    state.ShoutY -= kRise;
  } else {
    state.PicHoldTicks = (state.PicHoldTicks + 1) % kHoldTicks;
    if (state.PicHoldTicks == 0) state.ShoutY -= kRise;
  }
  return {drawn, picture, state.ShoutY};
}

}  // namespace bw
