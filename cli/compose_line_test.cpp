#include "cli/compose_line.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "engine/test_support.h"
#include "engine/utf8.h"

namespace bw::cli {
namespace {

using std::string_view_literals::operator""sv;

// Options as the command line gives them, the text last.
std::string Compose(std::vector<std::string_view> args) {
  const ParseResult parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.command) << parsed.error;
  std::string error;
  testing::ScriptedRandom random({0.0});  // Elite's k = 1
  return ComposeLine(*parsed.command, *parsed.command->text, error).value_or("error: " + error);
}

TEST(ComposeLine, EveryClusterIsOneCharacter) {
  const std::pair<std::string_view, std::string> clusters[] = {
      {"family of four, joined", "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466"},
      {"e and a combining acute", "e\u0301"}};
  for (const auto& [name, x] : clusters) {
    const std::string text = "a" + x + "b";
    const std::pair<std::vector<std::string_view>, std::string> rules[] = {
        // Hacker's case rule reaches the first unit alone: the "e" of "e" + U+0301 is lowered.
        {{"--hacker"}, "a" + x + "B"},
        {{"--backwards"}, "b" + x + "a"},
        {{"--spaced"}, "a " + x + " b"},
        {{"--elite"}, "\u00e5" + x + "b"},
        {{"--effect=waves"}, "<SUP>a</SUP>" + x + "<SUB>b</SUB>"},
        {{"--effect=grow-shrink", "--target=im"},
         "<FONT SIZE=4>a<FONT SIZE=3>" + x +
             "<FONT SIZE=2>b<FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>"}};
    for (auto [args, expected] : rules) {
      args.push_back(text);
      EXPECT_EQ(Compose(args), expected) << name << " with " << args[0];
    }
  }
}

// Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined; those stand for the C1
// controls of the same values both ways, and every other C1 control has no byte at all.
TEST(ComposeLine, Windows1252RefusesTheC1ControlsItHasNoByteFor) {
  const ComposeCommand command =
      *ParseCommandLine(std::vector{"--encoding=windows-1252"sv}).command;
  constexpr std::u16string_view kUndefined = u"\u0081\u008d\u008f\u0090\u009d";
  for (char16_t c = 0x80; c <= 0x9F; ++c) {
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::string error;
    const auto bytes = ComposeLine(command, EncodeUtf8(u"a" + Text(1, c) + u"b"), error);
    if (kUndefined.find(c) != std::u16string_view::npos) {
      EXPECT_EQ(bytes, std::string("a") + static_cast<char>(c) + "b") << code;
    } else {
      EXPECT_EQ(bytes, std::nullopt) << code;
      EXPECT_EQ(error, std::string(code) + " has no byte in Windows-1252");
    }
  }
}

}  // namespace
}  // namespace bw::cli
