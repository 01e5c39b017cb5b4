#include "app/placement.h"

#include <cmath>

namespace bw {

int CenteredEdge(int screen, int window) {
  // Twice the exact result is a whole number, so a fraction is always exactly one half.
  const long long twice = static_cast<long long>(screen) - window;
  long long half = twice / 2;  // truncated toward zero
  if (twice % 2 != 0) {
    const long long other = twice < 0 ? half - 1 : half + 1;
    half = (half % 2 == 0) ? half : other;
  }
  return static_cast<int>(half);
}

WindowBox StartPlacement(int left, int top, int height, int screenWidth, int screenHeight) {
  if (screenWidth < left) left = CenteredEdge(screenWidth, kWindowWidth);
  if (screenHeight < top) top = CenteredEdge(screenHeight, kFullHeight);
  return {left, top, kWindowWidth, height > kRolledHeight ? kFullHeight : kRolledHeight};
}

RollLook RollLookFor(int height) {
  if (height == kRolledHeight) return {"D", "Roll Down"};
  return {"U", "Roll Up"};
}

int RolledHeightAfterClick(int height) {
  return height == kRolledHeight ? kFullHeight : kRolledHeight;
}

}  // namespace bw
