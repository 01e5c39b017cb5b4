#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bw::cli {
namespace {

ParseResult Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

TEST(ParseCommandLine, TakesWhatAShellUserTypes) {
  EXPECT_TRUE(Parse({"-h", "--nonsense"}).command.value().help);
  EXPECT_TRUE(Parse({"--bold", "--version", "--nonsense"}).command.value().version);
  // "-" is standard input, after "--" too, and counts as the one TEXT.
  EXPECT_FALSE(Parse({"--", "-"}).command.value().text);
  EXPECT_EQ(Parse({"-", "x"}).error, "more than one TEXT given; quote it as one argument");
  EXPECT_EQ(Parse({"--", "-x"}).command.value().text, "-x");
  // Names are taken in any case: "fadE" passes, "swirl" is refused.
  EXPECT_EQ(Parse({"--effect=fadE", "--effect=swirl"}).error,
            "bad value 'swirl' for --effect (none, waves, grow-shrink, fade, alternate or random)");
}

// "--bold=no" must not turn bold on: a flag refuses any value, the empty one too.
TEST(ParseCommandLine, AFlagGivenAValueIsRefused) {
  EXPECT_EQ(Parse({"--bold=no", "x"}).error, "option --bold takes no value");
  EXPECT_EQ(Parse({"--preview=", "x"}).error, "option --preview takes no value");
}

// Hex digits alone after the hash; decimal is its number whatever its leading zeros.
TEST(ParseColor, TakesTheTwoFormsAndNothingNearThem) {
  const std::pair<std::string, std::optional<ColorRef>> cases[] = {
      {"#fF8000", 0x0080FF},
      {"#FF-1-1", {}},
      {"#+1FFFF", {}},
      {"#0x1234", {}},
      {"#12345", {}},
      {"000000001", 1},
      {std::string(40, '0') + "16777215", 0xFFFFFF},
      {"0000000016777216", {}},
      {"99999999999999999999", {}},
      {"", {}},
      {"+1", {}},
      {"1 ", {}}};
  for (const auto& [text, color] : cases) EXPECT_EQ(ParseColor(text), color) << text;
}

TEST(ParseCommandLine, ErrorsStayOnOneLine) {
  // A newline, a carriage return, an escape sequence and a C1 control (U+009B).
  for (std::string_view arg : {"--no\nsuch", "--effect=fa\nde", "--x\r\x1b[2J", "--\xc2\x9b[2J"}) {
    const std::string error = Parse({arg}).error;
    EXPECT_TRUE(std::ranges::none_of(error, [](char c) { return c < 0x20 || c == 0x7F; })) << error;
    EXPECT_EQ(error.find("\xc2\x9b"), std::string::npos) << error;
  }
  EXPECT_NE(Parse({"--no\nsuch"}).error.find("'--no\\nsuch'"), std::string::npos);
}

}  // namespace
}  // namespace bw::cli
