#include "app/placement.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(StartPlacement, RecentersOnlyEdgesBeyondTheScreen) {
  constexpr int kScreenW = 1024 * 15, kScreenH = 768 * 15;
  const struct {
    int left, top, height;
    WindowBox expected;
  } cases[] = {
      {20000, 3405, 4710, {4868, 3405, 5625, 4710}},     // past the right: centered
      {15361, 11521, 4710, {4868, 3405, 5625, 4710}},    // one twip past both
      {15360, 11520, 4710, {15360, 11520, 5625, 4710}},  // exactly the size: stays
      {-300, -9000, 4710, {-300, -9000, 5625, 4710}},    // negative edges stay
      {10000, 9000, 901, {10000, 9000, 5625, 4710}},     // hanging off: stays
      {0, 0, 900, {0, 0, 5625, 900}},                    // 900 and below: rolled up
      {0, 0, -5, {0, 0, 5625, 900}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartPlacement(c.left, c.top, c.height, kScreenW, kScreenH), c.expected)
        << "left " << c.left << " top " << c.top << " height " << c.height;
  }
  EXPECT_EQ(CenteredEdge(0, 5625), -2812) << "-2812.5 goes to the even neighbour";
  EXPECT_EQ(CenteredEdge(0, 5627), -2814) << "-2813.5 goes to the even neighbour";
}

TEST(TwipsToPixels, RoundsToTheNearestPixelBothWays) {
  EXPECT_EQ(TwipsToPixels(4868), 325);  // 324.53
  EXPECT_EQ(TwipsToPixels(-308), -21);  // -20.53
  for (const int px : {-20, 0, 60, 314, 375}) EXPECT_EQ(TwipsToPixels(PixelsToTwips(px)), px);
}

}  // namespace
}  // namespace bw
