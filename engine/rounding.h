#pragma once
// The one rounding rule of the programs' geometry and colors: to the nearest whole number,
// halves to the even neighbour, as the forms' runtime rounds. RoundHalfEven(2.5) == 2,
// RoundHalfEven(3.5) == 4, RoundHalfEven(-0.5) == 0. The value must fit in an int.

#include <cmath>

namespace bw {

// nearbyint rounds halves to even in the default rounding mode, which the program never
// changes.
[[nodiscard]] inline int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// Layouts give sizes in pixels at 96 dots per inch; on a screen of D dpi a layout pixel is
// D / 96 of the screen's. Brindlewick and the practice room scale by this one rule, so the
// room's place for Brindlewick's window is the size that window takes.
inline constexpr int kLayoutDpi = 96;

// A length of a layout on a screen of `dpi` dots per inch (96 when none was read), rounded
// halves to even: ScaleToDpi(375, 144) == 562 (562.5).
[[nodiscard]] inline int ScaleToDpi(int layoutPixels, int dpi) {
  return RoundHalfEven(static_cast<double>(layoutPixels) * (dpi > 0 ? dpi : kLayoutDpi) /
                       kLayoutDpi);
}

}  // namespace bw
