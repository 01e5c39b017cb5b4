#pragma once
// The shout-out ticker's state and its per-tick step, free of any drawing: the renderer
// measures entries and draws what the step decides.

#include <vector>

#include "engine/text.h"

namespace bw {

struct TickerState {
  std::vector<Text> ShoutList;  // "(pic)" (exactly) stands for the picture
  int ShoutIndex = 1;           // 1-based number of the current entry
  int ShoutY = 0;               // top row of the current entry, in surface pixels
  int PicHoldTicks = 0;         // kept from one pass of the picture to the next
};

// The list the main window starts with, the first entry current, and ShoutY at the
// surface's height (rounded, halves to even) so the first entry enters at the bottom.
[[nodiscard]] TickerState NewTicker(double surfaceHeight);

// Only the exact, case-sensitive "(pic)" is the picture: "(PIC)" and " (pic)" are text.
[[nodiscard]] bool IsPictureEntry(TextView entry);

// The entry the next step moves and draws: the renderer measures its height first. An
// empty list gives the empty text.
[[nodiscard]] const Text& CurrentShout(const TickerState& state);

// What one tick puts on the cleared surface: `entry` (1-based; 0 draws nothing) with its
// top at row `y`, centered if it is text, at left 8 if it is the picture.
struct TickerFrame {
  int entry = 0;
  bool picture = false;
  int y = 0;
};

// One tick. entryHeight is CurrentShout's height in pixels (the picture's or the text's
// in the ticker font). Everything rises 2 pixels a tick; an entry wholly above the top
// (ShoutY < -entryHeight) hands over to the next, wrapping after the last, which starts
// at the surface's height. The picture rests with its top at row 25 for 50 ticks;
// PicHoldTicks is not reset in between, so every rest lasts 50 ticks. Row 25 is met only
// on odd surface heights. The frame of the hand-over tick still shows the entry that left,
// at its new row; the next entry is drawn from the tick after.
// From NewTicker(71): the picture is drawn at row 69 on the first tick, at 25 on ticks
// 23 through 72, at 23 on tick 73.
TickerFrame StepTicker(TickerState& state, int entryHeight, double surfaceHeight);

}  // namespace bw
