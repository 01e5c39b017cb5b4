#pragma once
// The one rounding rule of the program's geometry and colors: to the nearest whole number,
// halves to the even neighbour, as the forms' runtime rounds. RoundHalfEven(2.5) == 2,
// RoundHalfEven(3.5) == 4, RoundHalfEven(-0.5) == 0. The value must fit in an int.

#include <cmath>

namespace bw {

// nearbyint rounds halves to even in the default rounding mode, which the program never
// changes.
[[nodiscard]] inline int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace bw
