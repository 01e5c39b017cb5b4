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

TEST(ParseColor, DecimalIsItsNumberWhateverItsLeadingZeros) {
  const std::pair<std::string, std::optional<ColorRef>> cases[] = {
      {"00000001", 1},
      {"000000001", 1},
      {std::string(40, '0') + "16777215", 0xFFFFFF},
      {"0000000016777216", {}},
      {"99999999999999999999", {}},
      {"", {}},
      {"+1", {}},
      {"-0", {}},
      {"1 ", {}}};
  for (const auto& [text, color] : cases) EXPECT_EQ(ParseColor(text), color) << text;
}

}  // namespace
}  // namespace bw::cli
