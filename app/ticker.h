#pragma once
// The shout-out ticker's state and its per-tick step, free of any drawing: the renderer
// measures entries and draws what the step decides.

#include <vector>

#include "engine/text.h"

namespace bw {

struct TickerState {
  std::vector<Text> ShoutList;  // "(pic)" (exactly) stands for the picture
  int ShoutIndex = 1;                  // 1-based number of the current entry
  int ShoutY = 0;                      // top row of the current entry, in surface pixels
  int PicHoldTicks = 0;                // kept from one pass of the picture to the next
};

// The list the main window starts with, the first entry current, and ShoutY at the
// surface's height (rounded, halves to even) so the first entry enters at the bottom.
[[nodiscard]] TickerState NewTicker(double surfaceHeight);

}  // namespace bw
