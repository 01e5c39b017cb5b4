#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "engine/utf8.h"

namespace bw::cli {

const char kUsage[] =
    "usage: brindlewick-compose [options] [--] [TEXT]\n"
    "  --bold --italic --underline --strikeout --hacker --elite --spaced --backwards\n"
    "  --effect=none|waves|grow-shrink|fade|alternate|random      (default none)\n"
    "  --alt-colors=C1,C2    (default 65280,0)\n"
    "  --fade-colors=C1,C2   (default 255,16711680)\n"
    "      a color is #RRGGBB (red first, as in the markup) or a decimal ColorRef\n"
    "  --target=chat|im      (default chat)\n"
    "  --me=NAME --you=NAME --room=NAME\n"
    "      when any of the three is given, placeholders are filled in as the main\n"
    "      window does (a missing one counts as empty); when none is, the text is kept\n"
    "  --encoding=utf-8|windows-1252   output encoding (default utf-8)\n"
    "  --help\n"
    "Composes TEXT (UTF-8) and prints the markup and a newline. Without TEXT, composes\n"
    "each line of standard input and prints one markup line for each.\n";

namespace {

bool ParseHexByte(std::string_view digits, int& value) {
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + 2, value, 16);
  return error == std::errc() && end == digits.data() + 2;
}

bool ParseColorPair(std::string_view value, ColorRef& first, ColorRef& second) {
  const auto comma = value.find(',');
  if (comma == std::string_view::npos) return false;
  const auto a = ParseColor(value.substr(0, comma));
  const auto b = ParseColor(value.substr(comma + 1));
  if (!a || !b) return false;
  first = *a;
  second = *b;
  return true;
}

std::optional<EffectMode> ParseEffect(std::string_view value) {
  constexpr std::pair<std::string_view, EffectMode> kNames[] = {
      {"none", EffectMode::NoEffect},          {"waves", EffectMode::Waves},
      {"grow-shrink", EffectMode::GrowShrink}, {"fade", EffectMode::ColorFade},
      {"alternate", EffectMode::Alternate},    {"random", EffectMode::Random}};
  for (const auto& [name, mode] : kNames) {
    if (value == name) return mode;
  }
  return std::nullopt;
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

}  // namespace

std::optional<ColorRef> ParseColor(std::string_view text) {
  if (text.size() == 7 && text[0] == '#') {
    int red = 0, green = 0, blue = 0;
    if (ParseHexByte(text.substr(1), red) && ParseHexByte(text.substr(3), green) &&
        ParseHexByte(text.substr(5), blue)) {
      return MakeColorRef(red, green, blue);
    }
    return std::nullopt;
  }
  // At most eight digits keeps from_chars clear of overflow; the range check does the rest.
  if (text.empty() || text.size() > 8) return std::nullopt;
  ColorRef value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFF) {
    return std::nullopt;
  }
  return value;
}

ParseResult ParseCommandLine(std::span<const std::string_view> args) {
  ComposeCommand command;
  StyleOptions& style = command.style;
  const std::pair<std::string_view, bool*> flags[] = {
      {"--bold", &style.Bold},           {"--italic", &style.Italic},
      {"--underline", &style.Underline}, {"--strikeout", &style.Strikeout},
      {"--hacker", &style.Hacker},       {"--elite", &style.Elite},
      {"--spaced", &style.Spaced},       {"--backwards", &style.Backwards}};
  const auto fail = [](std::string message) {
    return ParseResult{std::nullopt, std::move(message)};
  };

  bool optionsEnded = false;
  for (const std::string_view arg : args) {
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (command.text) return fail("more than one TEXT given; quote it as one argument");
      command.text = std::string(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help") {
      command.help = true;
      return ParseResult{std::move(command), {}};
    }
    const auto equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const bool hasValue = equals != std::string_view::npos;
    const std::string_view value = hasValue ? arg.substr(equals + 1) : std::string_view();

    bool known = false;
    for (const auto& [flagName, field] : flags) {
      if (name != flagName) continue;
      if (hasValue) return fail("option " + std::string(name) + " takes no value");
      *field = known = true;
    }
    if (known) continue;

    constexpr std::string_view kValued[] = {"--effect", "--alt-colors", "--fade-colors",
                                            "--target", "--me",         "--you",
                                            "--room",   "--encoding"};
    if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued)) {
      return fail("unknown option " + Quoted(arg));
    }
    const std::string option(name);
    if (!hasValue) return fail("option " + option + " needs a value: " + option + "=...");
    const std::string bad = "bad value " + Quoted(value) + " for " + option;
    if (name == "--effect") {
      const auto effect = ParseEffect(value);
      if (!effect) return fail(bad + " (none, waves, grow-shrink, fade, alternate or random)");
      style.Effect = *effect;
    } else if (name == "--alt-colors" || name == "--fade-colors") {
      const bool alt = name == "--alt-colors";
      if (!ParseColorPair(value, alt ? style.AltColor1 : style.FadeColor1,
                          alt ? style.AltColor2 : style.FadeColor2)) {
        return fail(bad + " (two colors C1,C2, each #RRGGBB or 0 to 16777215)");
      }
    } else if (name == "--target") {
      if (value != "chat" && value != "im") return fail(bad + " (chat or im)");
      command.target = value == "im" ? SendTarget::IM : SendTarget::Chat;
    } else if (name == "--encoding") {
      if (value != "utf-8" && value != "windows-1252") {
        return fail(bad + " (utf-8 or windows-1252)");
      }
      command.encoding = value == "utf-8" ? OutputEncoding::Utf8 : OutputEncoding::Windows1252;
    } else {
      std::size_t badByte = 0;
      const auto decoded = DecodeUtf8(value, &badByte);
      if (!decoded) {
        return fail("invalid UTF-8 in " + option + " at byte " + std::to_string(badByte + 1));
      }
      (name == "--me" ? command.me : name == "--you" ? command.you : command.room) = *decoded;
      command.fillPlaceholders = true;
    }
  }
  return ParseResult{std::move(command), {}};
}

}  // namespace bw::cli
