#include "app/settings.h"

#include <limits>
#include <string>

#include "app/placement.h"
#include "engine/style_options.h"

namespace bw {
namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int ReadNumber(SettingsStore& store, const char* key, int fallback) {
  const std::optional<Text> stored = store.Read(key);
  if (!stored) return fallback;
  return ParseWholeNumber(*stored).value_or(fallback);
}

ColorRef ReadColor(SettingsStore& store, const char* key, ColorRef fallback) {
  const int value = ReadNumber(store, key, static_cast<int>(fallback));
  if (value < 0 || value > 0xFFFFFF) return fallback;
  return static_cast<ColorRef>(value);
}

Text Decimal(long long value) {
  const std::string digits = std::to_string(value);
  return Text(digits.begin(), digits.end());
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(TextView text) {
  const Text trimmed = TrimSpaces(text);
  TextView rest = trimmed;
  bool negative = false;
  if (!rest.empty() && (rest.front() == u'+' || rest.front() == u'-')) {
    negative = rest.front() == u'-';
    rest.remove_prefix(1);
  }
  // One past the largest magnitude, so that the minimum survives negation.
  constexpr long long kLimit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
  long long whole = 0;
  bool anyDigit = false;
  while (!rest.empty() && IsDigit(rest.front())) {
    whole = whole * 10 + (rest.front() - u'0');
    if (whole > kLimit) return std::nullopt;
    anyDigit = true;
    rest.remove_prefix(1);
  }
  int firstFraction = 0;  // the fraction's first digit decides, the rest only breaks ties
  bool restNonZero = false;
  if (!rest.empty() && rest.front() == u'.') {
    rest.remove_prefix(1);
    for (bool first = true; !rest.empty() && IsDigit(rest.front()); first = false) {
      const int digit = rest.front() - u'0';
      if (first) {
        firstFraction = digit;
      } else if (digit != 0) {
        restNonZero = true;
      }
      anyDigit = true;
      rest.remove_prefix(1);
    }
  }
  if (!rest.empty() || !anyDigit) return std::nullopt;

  const bool exactHalf = firstFraction == 5 && !restNonZero;
  if (firstFraction > 5 || (firstFraction == 5 && restNonZero) || (exactHalf && whole % 2 != 0)) {
    ++whole;
  }
  const long long value = negative ? -whole : whole;
  if (value > std::numeric_limits<std::int32_t>::max() ||
      value < std::numeric_limits<std::int32_t>::min()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

Settings ReadSettings(SettingsStore& store, int screenWidth, int screenHeight) {
  Settings s;
  s.Left = ReadNumber(store, "Left", CenteredEdge(screenWidth, kWindowWidth));
  s.Top = ReadNumber(store, "Top", CenteredEdge(screenHeight, kFullHeight));
  s.Height = ReadNumber(store, "Height", kFullHeight);
  s.LastSend = store.Read("LastSend").value_or(kDefaultLastSend);
  s.AltColor1 = ReadColor(store, "AltColor1", kDefaultAltColor1);
  s.AltColor2 = ReadColor(store, "AltColor2", kDefaultAltColor2);
  s.FadeColor1 = ReadColor(store, "FadeColor1", kDefaultFadeColor1);
  s.FadeColor2 = ReadColor(store, "FadeColor2", kDefaultFadeColor2);
  s.Preview = store.Read("Preview") == Text(u"1");
  return s;
}

void WriteSettings(SettingsStore& store, const Settings& settings, bool withGeometry) {
  if (withGeometry) {
    store.Write("Left", Decimal(settings.Left));
    store.Write("Top", Decimal(settings.Top));
    store.Write("Height", Decimal(settings.Height));
  }
  store.Write("LastSend", settings.LastSend);
  store.Write("AltColor1", Decimal(settings.AltColor1));
  store.Write("AltColor2", Decimal(settings.AltColor2));
  store.Write("FadeColor1", Decimal(settings.FadeColor1));
  store.Write("FadeColor2", Decimal(settings.FadeColor2));
  store.Write("Preview", settings.Preview ? u"1" : u"0");
}

}  // namespace bw
