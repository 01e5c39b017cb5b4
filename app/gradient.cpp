#include "app/gradient.h"

#include <algorithm>

#include "engine/rounding.h"

namespace bw {

namespace {

// Positions run in 16-bit arithmetic: x reaches n and then steps 2 past it.
constexpr double kMaxExtent = 32765;

struct Channels {
  int red, green, blue;
};

Channels Split(ColorRef v) {
  return {RedOf(v), GreenOf(v), BlueOf(v)};
}

}  // namespace

void PaintGradient(DrawTarget& target, ColorRef start, ColorRef end, int leftToRight) {
  const bool across = leftToRight != 0;
  const double extent = across ? target.Width() : target.Height();
  // Only a value that fits is rounded; this also refuses NaN.
  if (!(extent >= 0 && extent <= kMaxExtent + 1)) return;
  const int n = RoundHalfEven(extent);
  if (n < 2 || n > kMaxExtent) return;
  const int d = n / 2;

  const Channels from = Split(start), to = Split(end);
  const Channels step = {(to.red - from.red) / d, (to.green - from.green) / d,
                         (to.blue - from.blue) / d};
  Channels current = from;
  for (int pos = 0; pos <= n; pos += 2) {
    current = {std::clamp(current.red + step.red, 0, 255),
               std::clamp(current.green + step.green, 0, 255),
               std::clamp(current.blue + step.blue, 0, 255)};
    const ColorRef color = MakeColorRef(current.red, current.green, current.blue);
    if (across) {
      target.FillRect(pos, 0, d, target.Height(), color);
    } else {
      target.FillRect(0, pos, target.Width(), d, color);
    }
  }
}

}  // namespace bw
