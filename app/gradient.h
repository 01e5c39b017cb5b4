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
void PaintGradient(DrawTarget& target, ColorRef start, ColorRef end, int leftToRight);

}  // namespace bw
