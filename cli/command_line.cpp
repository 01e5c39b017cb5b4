#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "engine/utf8.h"

namespace bw::cli {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// from_chars would also take a minus sign, and "-1" is no channel.
bool ParseHexByte(std::string_view digits, int& value) {
  if (!IsHexDigit(digits[0]) || !IsHexDigit(digits[1])) return false;
  std::from_chars(digits.data(), digits.data() + 2, value, 16);
  return true;
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

template <typename T>
using Names = std::span<const std::pair<std::string_view, T>>;

constexpr std::pair<std::string_view, EffectMode> kEffects[] = {
    {"none", EffectMode::NoEffect},          {"waves", EffectMode::Waves},
    {"grow-shrink", EffectMode::GrowShrink}, {"fade", EffectMode::ColorFade},
    {"alternate", EffectMode::Alternate},    {"random", EffectMode::Random}};
constexpr std::pair<std::string_view, SendTarget> kTargets[] = {{"chat", SendTarget::Chat},
                                                                {"im", SendTarget::IM}};
constexpr std::pair<std::string_view, OutputEncoding> kEncodings[] = {
    {"utf-8", OutputEncoding::Utf8}, {"windows-1252", OutputEncoding::Windows1252}};

// The value a name stands for, in any letter case, as shell users type "UTF-8" or "IM".
template <typename T>
std::optional<T> Named(std::string_view value, Names<T> names) {
  std::string lower(value);
  for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  for (const auto& [name, meaning] : names) {
    if (lower == name) return meaning;
  }
  return std::nullopt;
}

// "a, b or c", for the message that refuses any other value.
template <typename T>
std::string Alternatives(Names<T> names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i].first);
  }
  return list;
}

// Reads a named value into `field`; gives the error, or "".
template <typename T>
std::string SetNamed(std::string_view value, Names<T> names, T& field, const std::string& bad) {
  const auto meaning = Named(value, names);
  if (!meaning) return bad + " (" + Alternatives(names) + ")";
  field = *meaning;
  return "";
}

std::string Escaped(unsigned char byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  switch (byte) {
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      return std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
  }
}

// An argument echoed in an error message, quoted, on one line: a terminal must neither
// break the message nor obey what the argument holds. C0 and C1 controls, DEL and bytes
// that are not UTF-8 are written as \xNN (a C1 control as the \xC2\xNN of its UTF-8),
// a backslash as \\, so an escape in the message is never the argument's own text.
std::string Quoted(std::string_view s) {
  const bool utf8 = DecodeUtf8(s).has_value();
  std::string out = "'";
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto byte = static_cast<unsigned char>(s[i]);
    const bool c1 = utf8 && byte == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
    if (byte < 0x20 || byte == 0x7F || c1 || (byte >= 0x80 && !utf8)) {
      out += Escaped(byte);
      if (c1) out += Escaped(static_cast<unsigned char>(s[++i]));
    } else {
      out += byte == '\\' ? "\\\\" : std::string(1, s[i]);
    }
  }
  return out + "'";
}

// Sets what one "--name" or "--name=value" argument asks for; gives the error, or "".
std::string ApplyOption(std::string_view arg, ComposeCommand& command) {
  StyleOptions& style = command.style;
  const auto equals = arg.find('=');
  const std::string option(arg.substr(0, equals));
  const bool hasValue = equals != std::string_view::npos;
  const std::string_view value = hasValue ? arg.substr(equals + 1) : std::string_view();

  const std::pair<std::string_view, bool*> flags[] = {
      {"--bold", &style.Bold},           {"--italic", &style.Italic},
      {"--underline", &style.Underline}, {"--strikeout", &style.Strikeout},
      {"--hacker", &style.Hacker},       {"--elite", &style.Elite},
      {"--spaced", &style.Spaced},       {"--backwards", &style.Backwards},
      {"--preview", &command.preview}};
  for (const auto& [name, field] : flags) {
    if (option != name) continue;
    if (hasValue) return "option " + option + " takes no value";
    *field = true;
    return "";
  }
  constexpr std::string_view kValued[] = {"--effect", "--alt-colors", "--fade-colors",
                                          "--target", "--me",         "--you",
                                          "--room",   "--encoding"};
  if (std::find(std::begin(kValued), std::end(kValued), option) == std::end(kValued)) {
    return "unknown option " + Quoted(arg);
  }
  if (!hasValue) return "option " + option + " needs a value: " + option + "=...";

  const std::string bad = "bad value " + Quoted(value) + " for " + option;
  if (option == "--effect") return SetNamed<EffectMode>(value, kEffects, style.Effect, bad);
  if (option == "--target") return SetNamed<SendTarget>(value, kTargets, command.target, bad);
  if (option == "--encoding") {
    return SetNamed<OutputEncoding>(value, kEncodings, command.encoding, bad);
  }
  if (option == "--alt-colors" || option == "--fade-colors") {
    const bool alt = option == "--alt-colors";
    if (!ParseColorPair(value, alt ? style.AltColor1 : style.FadeColor1,
                        alt ? style.AltColor2 : style.FadeColor2)) {
      return bad + " (two colors C1,C2, each #RRGGBB or 0 to 16777215)";
    }
  } else {
    std::size_t badByte = 0;
    const auto decoded = DecodeUtf8(value, &badByte);
    if (!decoded) return "invalid UTF-8 in " + option + " at byte " + std::to_string(badByte + 1);
    (option == "--me" ? command.me : option == "--you" ? command.you : command.room) = *decoded;
    command.fillPlaceholders = true;
  }
  return "";
}

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
  // A value is its number whatever its leading zeros. Past them, more than eight digits
  // is out of range anyway, and eight keep from_chars clear of overflow.
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  const std::string_view digits =
      text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
  if (digits.size() > 8) return std::nullopt;
  ColorRef value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 10);
  if (value > 0xFFFFFF) return std::nullopt;
  return value;
}

ParseResult ParseCommandLine(std::span<const std::string_view> args) {
  ComposeCommand command;
  const auto fail = [](std::string message) {
    return ParseResult{std::nullopt, std::move(message)};
  };
  bool optionsEnded = false, textGiven = false;
  for (const std::string_view arg : args) {
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      if (textGiven) return fail("more than one TEXT given; quote it as one argument");
      textGiven = true;
      // "-" stands for standard input, even after "--", as it does for cat.
      if (arg != "-") command.text = std::string(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help" || arg == "--version") {
      (arg == "--version" ? command.version : command.help) = true;
      return ParseResult{std::move(command), {}};
    } else if (std::string error = ApplyOption(arg, command); !error.empty()) {
      return fail(std::move(error));
    }
  }
  if (command.preview && command.encoding == OutputEncoding::Windows1252) {
    return fail("--preview writes UTF-8 for a terminal, not --encoding=windows-1252");
  }
  return ParseResult{std::move(command), {}};
}

}  // namespace bw::cli
