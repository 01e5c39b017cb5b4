#include "markup/round_trip_check.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "engine/characters.h"
#include "engine/compose.h"
#include "engine/random.h"
#include "engine/transforms.h"
#include "markup/reader.h"

namespace bw::testing {

namespace {

// Draw `index` of the script for `seed`: a hash of both, so any draw can be predicted
// without replaying the ones before it. One draw in eight is an end of the range, 0 or
// the largest value below 1, where truncation and clamping show.
double ScriptedDraw(std::uint32_t seed, std::size_t index) {
  std::uint64_t x = (std::uint64_t{seed} << 32) ^ index;
  x += 0x9E3779B97F4A7C15u;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  x ^= x >> 31;
  constexpr double kScale = 1.0 / 16777216.0;
  switch (x & 15) {
    case 0:
      return 0.0;
    case 1:
      return 16777215 * kScale;
    default:
      return static_cast<double>(x >> 40) * kScale;
  }
}

// Puts the script in place of the shared generator for its lifetime; Restart makes the
// next call that draws see the script from its first draw again.
class ScriptedDraws {
 public:
  explicit ScriptedDraws(std::uint32_t seed) : seed_(seed) {
    SetRandomSourceForTesting([this] { return ScriptedDraw(seed_, count_++); });
    SetClockForTesting([] { return std::uint64_t{0}; });
  }
  ~ScriptedDraws() {
    SetRandomSourceForTesting(nullptr);
    SetClockForTesting(nullptr);
    ResetRandomForTesting();
  }
  ScriptedDraws(const ScriptedDraws&) = delete;
  ScriptedDraws& operator=(const ScriptedDraws&) = delete;

  void Restart() { count_ = 0; }
  std::size_t Count() const { return count_; }
  double At(std::size_t index) const { return ScriptedDraw(seed_, index); }

 private:
  std::uint32_t seed_;
  std::size_t count_ = 0;
};

bool IsSpace(TextView character) {
  return character == u" ";
}

bool IsColorEffect(EffectMode effect) {
  return effect == EffectMode::Alternate || effect == EffectMode::ColorFade ||
         effect == EffectMode::Random;
}

// The fade's color at a non-space character in closed form, after `moves` steps: one for
// each non-space character up to and including this one, less one when the text does not
// start with a space (its first character keeps the start color). Clamping once at the end
// is the same as clamping after every step, since a channel's steps all go one way.
ColorRef FadeColor(ColorRef start, ColorRef end, long long count, long long moves) {
  const long long divisor = count > 1 ? count - 1 : 1;
  const auto channel = [&](int from, int to) {
    const long long step = (to - from) / divisor;  // C++ division truncates toward zero
    return static_cast<int>(std::clamp<long long>(from + step * moves, 0, 255));
  };
  return MakeColorRef(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                      channel(BlueOf(start), BlueOf(end)));
}

// The look of every character of the transformed text, from the rules of the options.
// `firstDraw` is the script's index of the first draw Random Colors makes.
std::vector<RunStyle> ExpectedStyles(CharacterView text, const RoundTripCase& roundTrip,
                                     const ScriptedDraws& draws, std::size_t firstDraw) {
  const StyleOptions& options = roundTrip.options;
  constexpr std::array<int, 6> kSizes = {4, 3, 2, 1, 2, 3};
  long long nonSpaces = 0;
  for (std::size_t i = 0; i < text.size(); ++i) nonSpaces += !IsSpace(text[i]);

  std::vector<RunStyle> styles;
  long long seen = 0;  // non-space characters before this one
  int sizeInForce = kDefaultFontSize;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t position = i + 1;
    RunStyle style;
    style.bold = options.Bold;
    style.italic = options.Italic;
    style.underline = options.Underline;
    style.strikeout = options.Strikeout;
    if (IsSpace(text[i])) {
      style.size = sizeInForce;
      styles.push_back(style);
      continue;
    }
    switch (options.Effect) {
      case EffectMode::ColorFade:
        style.color = FadeColor(options.FadeColor1, options.FadeColor2, nonSpaces,
                                seen + (IsSpace(text[0]) ? 1 : 0));
        break;
      case EffectMode::Alternate:
        style.color = seen % 2 == 0 ? options.AltColor2 : options.AltColor1;
        break;
      case EffectMode::Random: {
        int channels[3];
        for (int k = 0; k < 3; ++k) {
          const double draw = draws.At(firstDraw + 3 * static_cast<std::size_t>(seen) + k);
          channels[k] = static_cast<int>(draw * 256);
        }
        style.color = MakeColorRef(channels[0], channels[1], channels[2]);
        break;
      }
      case EffectMode::Waves:
        if (position % 4 == 1) style.shift = Shift::Raised;
        if (position % 4 == 3) style.shift = Shift::Lowered;
        break;
      case EffectMode::GrowShrink:
        if (roundTrip.target == SendTarget::IM) {
          sizeInForce = kSizes[(position - 1) % kSizes.size()];
          style.size = sizeInForce;
        }
        break;
      case EffectMode::NoEffect:
        break;
    }
    ++seen;
    styles.push_back(style);
  }
  return styles;
}

void AppendEscaped(std::string& out, TextView text) {
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    }
  }
}

std::string Quoted(TextView text) {
  std::string out = "\"";
  AppendEscaped(out, text);
  return out + "\"";
}

std::string Hex(ColorRef color) {
  const Text hex = ColorToHex(color);
  return std::string(hex.begin(), hex.end());
}

std::string Describe(const RunStyle& style) {
  std::string out = "color " + Hex(style.color) + " size " + std::to_string(style.size);
  if (style.bold) out += " bold";
  if (style.italic) out += " italic";
  if (style.underline) out += " underline";
  if (style.strikeout) out += " strikeout";
  if (style.shift == Shift::Raised) out += " raised";
  if (style.shift == Shift::Lowered) out += " lowered";
  return out;
}

}  // namespace

std::string CheckRoundTrip(const RoundTripCase& roundTrip) {
  Text units;
  std::vector<std::size_t> ends;
  for (const Text& character : roundTrip.characters) {
    if (character.empty()) continue;
    units += character;
    ends.push_back(units.size());
  }
  const CharacterView typed(units, ends);
  const StyleOptions& options = roundTrip.options;

  ScriptedDraws draws(roundTrip.drawSeed);
  const Text markup = ComposeMessage(typed, options, roundTrip.target);
  draws.Restart();
  CharacterText made(typed);
  if (options.Hacker) made = HackerText(made.View());
  if (options.Elite) made = EliteText(made.View());
  if (options.Spaced) made = SpacedText(made.View());
  if (options.Backwards) made = ReverseText(made.View());
  const CharacterView text = made.View();

  const std::vector<StyledRun> runs = ParseMarkup(markup);
  const std::string context = "\n  markup: " + Quoted(markup);
  const bool dropped =
      IsColorEffect(options.Effect) && text.Units().find_first_not_of(u' ') == TextView::npos;
  const TextView expected = dropped ? TextView() : text.Units();
  const Text visible = VisibleText(runs);
  if (visible != expected) {
    return "reads back as " + Quoted(visible) + ", not the transformed text " + Quoted(expected) +
           context;
  }
  if (dropped) return {};

  std::vector<RunStyle> got;
  for (const StyledRun& run : runs) got.insert(got.end(), run.text.size(), run.style);
  const std::vector<RunStyle> want = ExpectedStyles(text, roundTrip, draws, draws.Count());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const TextView character = text[i];
    for (std::size_t k = 0; k < character.size(); ++k) {
      const RunStyle& style = got[text.Begin(i) + k];
      if (style == want[i]) continue;
      return "character " + std::to_string(i + 1) + " " + Quoted(character) + ", unit " +
             std::to_string(k + 1) + " of " + std::to_string(character.size()) + ": expected " +
             Describe(want[i]) + ", read " + Describe(style) + context;
    }
  }
  return {};
}

std::string Describe(const RoundTripCase& roundTrip) {
  std::string out = "characters [";
  for (std::size_t i = 0; i < roundTrip.characters.size(); ++i) {
    if (i > 0) out += ", ";
    out += Quoted(roundTrip.characters[i]);
  }
  out += "], options:";
  const StyleOptions& o = roundTrip.options;
  const std::pair<bool, const char*> flags[] = {
      {o.Bold, "Bold"},           {o.Italic, "Italic"},      {o.Underline, "Underline"},
      {o.Strikeout, "Strikeout"}, {o.Hacker, "Hacker"},      {o.Elite, "Elite"},
      {o.Spaced, "Spaced"},       {o.Backwards, "Backwards"}};
  bool any = false;
  for (const auto& [on, name] : flags) {
    if (on) out += std::string(" ") + name;
    any = any || on;
  }
  if (!any) out += " none";
  constexpr const char* kEffects[] = {"NoEffect", "Alternate", "ColorFade",
                                      "Random",   "Waves",     "GrowShrink"};
  out += std::string(", effect ") + kEffects[static_cast<int>(o.Effect)];
  out += roundTrip.target == SendTarget::IM ? ", to IM" : ", to Chat";
  out += ", alternate " + Hex(o.AltColor1) + "/" + Hex(o.AltColor2) + ", fade " +
         Hex(o.FadeColor1) + "->" + Hex(o.FadeColor2) + ", draw seed " +
         std::to_string(roundTrip.drawSeed);
  return out;
}

}  // namespace bw::testing
