// The composer's command line: arbitrary arguments must give either a command or one line
// of error, an accepted command only colors a ColorRef can hold, and every color text must
// read as the two documented forms read it.
// Input: the arguments between NULs (at most 16).

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#RRGGBB", or decimal digits alone whose value is at most 0xFFFFFF, however many zeros
// lead them.
std::optional<ColorRef> ReferenceColor(std::string_view text) {
  if (text.size() == 7 && text[0] == '#') {
    int channels[3];
    for (int k = 0; k < 3; ++k) {
      const int high = HexValue(text[1 + 2 * k]), low = HexValue(text[2 + 2 * k]);
      if (high < 0 || low < 0) return std::nullopt;
      channels[k] = high * 16 + low;
    }
    return MakeColorRef(channels[0], channels[1], channels[2]);
  }
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  const std::size_t firstNonZero = text.find_first_not_of('0');
  if (firstNonZero == std::string_view::npos) return 0;
  const std::string_view digits = text.substr(firstNonZero);
  if (digits.size() > 8) return std::nullopt;
  const ColorRef value = std::stoul(std::string(digits));
  if (value > 0xFFFFFF) return std::nullopt;
  return value;
}

void CheckColor(std::string_view text) {
  BW_FUZZ_CHECK(cli::ParseColor(text) == ReferenceColor(text));
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  const std::vector<std::string_view> args = fuzz::SplitAtNul(fuzz::AsBytes(data, size), 16);

  const cli::ParseResult result = cli::ParseCommandLine(args);
  if (!result.command) {
    BW_FUZZ_CHECK(!result.error.empty());
    BW_FUZZ_CHECK(result.error.find('\n') == std::string::npos);
  } else {
    BW_FUZZ_CHECK(result.error.empty());
    const StyleOptions& style = result.command->style;
    for (ColorRef color : {style.AltColor1, style.AltColor2, style.FadeColor1, style.FadeColor2}) {
      BW_FUZZ_CHECK(color <= 0xFFFFFF);
    }
  }
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    BW_FUZZ_CHECK(result.command && result.command->help);
  }
  if (!args.empty() && args[0] == "--version") {
    BW_FUZZ_CHECK(result.command && result.command->version);
  }

  // Every argument, and each side of its first comma after an "=", as a color.
  for (std::string_view arg : args) {
    CheckColor(arg);
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view value = arg.substr(equals + 1);
    const std::size_t comma = value.find(',');
    CheckColor(value.substr(0, comma));
    if (comma != std::string_view::npos) CheckColor(value.substr(comma + 1));
  }
  return 0;
}
