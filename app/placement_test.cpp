#include "app/placement.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace bw {
namespace {

TEST(StartPlacement, RecentersOnlyEdgesBeyondTheScreenAndRollsUpAt900OrLess) {
  const std::pair<std::array<int, 3>, WindowBox> cases[] = {
      // left, top and height stored; the window placed on a 1024 x 768 screen
      {{20000, 3405, 4710}, {4868, 3405, 5625, 4710}},     // past the right: centered
      {{15361, 11521, 4710}, {4868, 3405, 5625, 4710}},    // one twip past both
      {{15360, 11520, 4710}, {15360, 11520, 5625, 4710}},  // exactly the size: stays
      {{-300, -9000, 901}, {-300, -9000, 5625, 4710}},     // negative edges stay
      {{0, 0, 900}, {0, 0, 5625, 900}},                    // 900 and below: rolled up
  };
  for (const auto& [in, expected] : cases) {
    EXPECT_EQ(StartPlacement(in[0], in[1], in[2], 1024 * 15, 768 * 15), expected) << in[0];
  }
  EXPECT_EQ(CenteredEdge(0, 5625), -2812);  // halves go to the even neighbour
  EXPECT_EQ(CenteredEdge(0, 5627), -2814);
}

}  // namespace
}  // namespace bw
