// Composition from arbitrary options and text. The generator is scripted and restarted
// before every composition, so the same choices must give the same markup; the
// formatting tags must wrap the rest; the effects must only add markup; the color effects
// must give each character but a space an element of its own.
// Input: a byte of flags (bit 0 up: bold, italic, underline, strikeout, hacker, elite,
// spaced, backwards), a byte for the effect (low three bits, modulo six) and the target
// (bit 3: IM), twelve bytes of colors (red, green, blue of alt 1, alt 2, fade 1, fade 2),
// then the text, read leniently.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/compose.h"
#include "engine/random.h"
#include "engine/test_support.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

std::uint32_t g_state = 0;

double ScriptedDraw() {
  g_state = g_state * 1664525u + 1013904223u;
  return (g_state >> 8) / 16777216.0;
}

Text Compose(TextView text, const StyleOptions& options, SendTarget target) {
  g_state = 0;
  return ComposeMessage(text, options, target);
}

StyleOptions WithoutFormatting(StyleOptions options) {
  options.Bold = options.Italic = options.Underline = options.Strikeout = false;
  return options;
}

StyleOptions TransformsOnly(StyleOptions options) {
  options = WithoutFormatting(options);
  options.Effect = EffectMode::NoEffect;
  return options;
}

// The colors of a color effect's output, one per non-space character, or nothing at all
// when the output holds anything but spaces and one-character color elements.
std::optional<std::vector<ColorRef>> ElementColors(TextView markup, TextView plain) {
  constexpr TextView kOpen = u"<FONT COLOR=#", kClose = u"</FONT>";
  std::vector<ColorRef> colors;
  std::size_t at = 0;
  for (char16_t c : plain) {
    if (c == u' ') {
      if (markup.substr(at, 1) != u" ") return std::nullopt;
      ++at;
      continue;
    }
    if (markup.substr(at, kOpen.size()) != kOpen) return std::nullopt;
    at += kOpen.size();
    const TextView hex = markup.substr(at, 6);
    const std::string ascii(hex.begin(), hex.end());
    if (hex.size() != 6 || ascii.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
      return std::nullopt;
    }
    const unsigned long rgb = std::stoul(ascii, nullptr, 16);
    colors.push_back(MakeColorRef(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    at += 6;
    if (markup.substr(at, 1) != u">" || markup.substr(at + 1, 1) != TextView(&c, 1) ||
        markup.substr(at + 2, kClose.size()) != kClose) {
      return std::nullopt;
    }
    at += 2 + kClose.size();
  }
  if (at != markup.size()) return std::nullopt;
  return colors;
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  std::string_view bytes = fuzz::AsBytes(data, size);
  StyleOptions options;
  SendTarget target = SendTarget::Chat;
  fuzz::TakeComposition(bytes, options, target);
  const Text text = fuzz::LenientText(bytes);

  SetRandomSourceForTesting(ScriptedDraw);
  const Text markup = Compose(text, options, target);
  BW_FUZZ_CHECK(Compose(text, options, target) == markup);

  // Bold innermost, strikeout outermost, around whatever the effect made.
  Text open, close;
  const std::pair<bool, std::u16string_view> tags[] = {{options.Bold, u"B>"},
                                                       {options.Italic, u"I>"},
                                                       {options.Underline, u"U>"},
                                                       {options.Strikeout, u"S>"}};
  for (const auto& [on, name] : tags) {
    if (!on) continue;
    open = u"<" + Text(name) + open;
    close += u"</" + Text(name);
  }
  const Text core = Compose(text, WithoutFormatting(options), target);
  BW_FUZZ_CHECK(markup == open + core + close);

  const Text plain = Compose(text, TransformsOnly(options), target);
  if (options.Effect == EffectMode::GrowShrink && target == SendTarget::Chat) {
    BW_FUZZ_CHECK(core == plain);
  }
  const bool colorEffect = options.Effect == EffectMode::Alternate ||
                           options.Effect == EffectMode::ColorFade ||
                           options.Effect == EffectMode::Random;
  if (colorEffect && plain.find_first_not_of(u' ') == Text::npos) {
    // The color effects drop a text of nothing but spaces.
    BW_FUZZ_CHECK(core.empty());
  } else if (plain.find_first_of(u"<>") == Text::npos) {
    BW_FUZZ_CHECK(testing::StripTags(core) == plain);
    if (colorEffect) {
      const auto colors = ElementColors(core, plain);
      BW_FUZZ_CHECK(colors.has_value());
      if (options.Effect == EffectMode::Alternate) {
        for (std::size_t k = 0; k < colors->size(); ++k) {
          BW_FUZZ_CHECK((*colors)[k] == (k % 2 == 0 ? options.AltColor2 : options.AltColor1));
        }
      }
      if (options.Effect == EffectMode::ColorFade && !plain.empty() && plain[0] != u' ') {
        BW_FUZZ_CHECK(colors->front() == options.FadeColor1);
      }
    }
  }
  SetRandomSourceForTesting(nullptr);
  return 0;
}
