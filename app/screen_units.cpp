#include "app/screen_units.h"

#include "engine/rounding.h"

namespace bw {

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int ScreenUnits::TwipsToPixels(int twips) const {
  return RoundHalfEven(twips * dpi_ / kTwipsPerInch);
}

int ScreenUnits::PixelsToTwips(int pixels) const {
  return RoundHalfEven(pixels * kTwipsPerInch / dpi_);
}

int ScreenUnits::ReadBack(int pixels, int setTwips) const {
  return pixels == TwipsToPixels(setTwips) ? setTwips : PixelsToTwips(pixels);
}

int ScreenUnits::Scale(int layoutPixels) const {
  return ScaleToDpi(layoutPixels, dpi_);
}

int ScreenUnits::ScaleFont(int layoutPixels) const {
  return layoutPixels * dpi_ / kLayoutDpi;
}

PixelRect ScreenUnits::Scale(const PixelRect& layout) const {
  const int left = Scale(layout.x), top = Scale(layout.y);
  return {left, top, Scale(layout.x + layout.width) - left, Scale(layout.y + layout.height) - top};
}

}  // namespace bw
