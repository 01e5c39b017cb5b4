#include "app/screen_units.h"

#include <cmath>

namespace bw {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// nearbyint rounds halves to the even neighbour in the default rounding mode.
int Nearest(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

int ScreenUnits::TwipsToPixels(int twips) const {
  return Nearest(twips * dpi_ / kTwipsPerInch);
}

int ScreenUnits::PixelsToTwips(int pixels) const {
  return Nearest(pixels * kTwipsPerInch / dpi_);
}

int ScreenUnits::ReadBack(int pixels, int setTwips) const {
  return pixels == TwipsToPixels(setTwips) ? setTwips : PixelsToTwips(pixels);
}

int ScreenUnits::Scale(int layoutPixels) const {
  return Nearest(static_cast<double>(layoutPixels) * dpi_ / kLayoutDpi);
}

int ScreenUnits::ScaleFont(int layoutPixels) const {
  return layoutPixels * dpi_ / kLayoutDpi;
}

PixelRect ScreenUnits::Scale(const PixelRect& layout) const {
  const int left = Scale(layout.x), top = Scale(layout.y);
  return {left, top, Scale(layout.x + layout.width) - left, Scale(layout.y + layout.height) - top};
}

}  // namespace bw
