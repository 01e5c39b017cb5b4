#include "app/screen_units.h"

#include <gtest/gtest.h>

#include "app/placement.h"

namespace bw {
namespace {

TEST(ScreenUnits, ScalesLayoutsTwipsAndFontsWithTheRealDensity) {
  const struct {
    int dpi;
    int width, height, rolled;  // the window's twips on the screen
    PixelRect box;              // picShoutz, at 209, 91, 160 x 75 in the layout
    int font;                   // 11 rounded down, so that text never outgrows its box
  } cases[] = {
      {120, 469, 392, 75, {261, 114, 200, 94}, 13},  // 468.75; 392.5 and 113.75 to the even
      {144, 562, 471, 90, {314, 136, 240, 113}, 16},
      {192, 750, 628, 120, {418, 182, 320, 150}, 22},
  };
  for (const auto& c : cases) {
    const ScreenUnits units(c.dpi);
    EXPECT_EQ(units.TwipsToPixels(kWindowWidth), c.width) << c.dpi;
    EXPECT_EQ(units.TwipsToPixels(kFullHeight), c.height) << c.dpi;
    EXPECT_EQ(units.TwipsToPixels(kRolledHeight), c.rolled) << c.dpi;
    EXPECT_EQ(units.Scale(PixelRect{209, 91, 160, 75}), c.box) << c.dpi;
    EXPECT_EQ(units.ScaleFont(11), c.font) << c.dpi;
  }
  const ScreenUnits standard;  // 96 dpi: layouts as given, 15 twips to the pixel
  for (int pixels = -400; pixels <= 1200; ++pixels) {
    ASSERT_TRUE(standard.Scale(pixels) == pixels && standard.PixelsToTwips(pixels) == pixels * 15 &&
                standard.TwipsToPixels(pixels * 15) == pixels)
        << pixels;
  }
  EXPECT_EQ(standard.TwipsToPixels(4868), 325);  // 324.53
  EXPECT_EQ(standard.TwipsToPixels(-308), -21);  // -20.53
}

TEST(ScreenUnits, TheHeightsTheWindowIsGivenReadBackAsGivenAtAnyDensity) {
  for (int dpi = 72; dpi <= 480; ++dpi) {
    const ScreenUnits units(dpi);
    for (const int twips : {kRolledHeight, kFullHeight, kWindowWidth}) {
      ASSERT_EQ(units.ReadBack(units.TwipsToPixels(twips), twips), twips) << dpi;
    }
    const int other = units.TwipsToPixels(kRolledHeight) + 1;
    ASSERT_NE(units.ReadBack(other, kRolledHeight), kRolledHeight) << dpi;
  }
  EXPECT_EQ(ScreenUnits(106).PixelsToTwips(66), 897);  // 896.6: rounded, not cut
}

}  // namespace
}  // namespace bw
