#pragma once
// Bands stepping from one color to another, drawn into any target that can fill a
// rectangle in its own units: the fade preview and the splash's loading bar.

#include "engine/color.h"

namespace bw {

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;
  virtual double Width() = 0;   // in the target's own units
  virtual double Height() = 0;  // read again for every rectangle
  virtual void FillRect(double x, double y, double width, double height, ColorRef color) = 0;
};

// leftToRight: any non-zero value bands left to right, 0 top to bottom.
//
// n is the extent along the bands rounded (halves to even) and d = n / 2. Each channel
// steps by (end - start) / d, truncated toward zero, and the step is added before every
// rectangle, so no band shows the start color itself and the end color is reached only
// where the steps divide evenly. Rectangles d units long start every 2 units from 0 up to
// and including n; each covers most of the one before, leaving a 2-unit band. Nothing is
// cleared first. An extent that rounds below 2 or above 32765 units draws nothing.
// Width 13.95, red (0x0000FF) to blue (0xFF0000): eight rectangles at x = 0, 2, ... 14,
// 7 units wide, colored (219,0,36), (183,0,72) ... (3,0,252), (0,0,255).
void PaintGradient(DrawTarget& target, ColorRef start, ColorRef end, int leftToRight);

}  // namespace bw
