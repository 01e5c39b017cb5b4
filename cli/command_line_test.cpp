#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace bw::cli {
namespace {

TEST(ParseColor, TakesOnlyHexDigitsAfterTheHash) {
  for (std::string_view bad : {"#-1-1-1", "#FF-1-1", "#+1FFFF", "# 1FFFF", "#0x1234", "#12345"}) {
    EXPECT_FALSE(ParseColor(bad)) << bad;
  }
  EXPECT_EQ(ParseColor("#fF8000"), 0x0080FFu);
}

}  // namespace
}  // namespace bw::cli
