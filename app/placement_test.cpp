#include "app/placement.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

constexpr int kScreenW = 1024 * 15;  // 15360
constexpr int kScreenH = 768 * 15;   // 11520

TEST(StartPlacement, RecentersOnlyEdgesBeyondTheScreen) {
  const struct {
    int left, top, height;
    WindowBox expected;
  } cases[] = {
      {4868, 3405, 4710, {4868, 3405, 5625, 4710}},
      {20000, 3405, 4710, {4868, 3405, 5625, 4710}},     // past the right: centered
      {15361, 11521, 4710, {4868, 3405, 5625, 4710}},    // one twip past both
      {15360, 11520, 4710, {15360, 11520, 5625, 4710}},  // exactly the size: stays
      {-300, -9000, 4710, {-300, -9000, 5625, 4710}},    // negative edges stay
      {10000, 9000, 4710, {10000, 9000, 5625, 4710}},    // hanging off: stays
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartPlacement(c.left, c.top, c.height, kScreenW, kScreenH), c.expected)
        << "left " << c.left << " top " << c.top;
  }
  for (const int height : {900, 0, -5, 899}) {
    EXPECT_EQ(StartPlacement(0, 0, height, kScreenW, kScreenH).Height, 900) << height;
  }
  for (const int height : {901, 4710, 100000}) {
    EXPECT_EQ(StartPlacement(0, 0, height, kScreenW, kScreenH).Height, 4710) << height;
  }
}

TEST(CenteredEdge, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(CenteredEdge(15360, 5625), 4868);  // 4867.5
  EXPECT_EQ(CenteredEdge(11520, 4710), 3405);
  EXPECT_EQ(CenteredEdge(15390, 5625), 4882);  // 4882.5
  EXPECT_EQ(CenteredEdge(0, 5625), -2812);     // -2812.5
  EXPECT_EQ(CenteredEdge(0, 5627), -2814);     // -2813.5
}

TEST(Roll, OnlyExactly900IsRolledUp) {
  EXPECT_EQ(RolledHeightAfterClick(4710), 900);
  EXPECT_EQ(RolledHeightAfterClick(900), 4710);
  EXPECT_EQ(RolledHeightAfterClick(901), 900);
  EXPECT_EQ(RolledHeightAfterClick(RolledHeightAfterClick(4710)), 4710);
  EXPECT_EQ(std::string(RollLookFor(900).Caption), "D");
  EXPECT_EQ(std::string(RollLookFor(900).Tooltip), "Roll Down");
  for (const int height : {4710, 901, 0}) {
    EXPECT_EQ(std::string(RollLookFor(height).Caption), "U") << height;
    EXPECT_EQ(std::string(RollLookFor(height).Tooltip), "Roll Up") << height;
  }
}

TEST(TwipsToPixels, RoundsToTheNearestPixelBothWays) {
  EXPECT_EQ(TwipsToPixels(4868), 325);  // 324.53
  EXPECT_EQ(TwipsToPixels(4862), 324);  // 324.13
  EXPECT_EQ(TwipsToPixels(-300), -20);
  EXPECT_EQ(TwipsToPixels(-308), -21);  // -20.53
  for (const int px : {-20, 0, 60, 314, 375, 1024}) EXPECT_EQ(TwipsToPixels(PixelsToTwips(px)), px);
}

}  // namespace
}  // namespace bw
