// The stored-settings reader over an in-memory store: whole numbers against a reading of
// their rule digit by digit, every setting either what was stored or its default, colors
// within 0..0xFFFFFF, the preview on only for a stored "1", and what is written read back
// the same.
// Input: the screen's width and height in twips (two bytes each, low first), then the
// nine values in reading order between NULs; a value is present only when it starts
// with "=", which is not part of it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/placement.h"
#include "app/settings.h"
#include "engine/style_options.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

constexpr const char* kKeys[] = {"Left",       "Top",        "Height",
                                 "LastSend",   "AltColor1",  "AltColor2",
                                 "FadeColor1", "FadeColor2", "Preview"};

class MemoryStore : public SettingsStore {
 public:
  std::optional<Text> Read(const char* key) override {
    reads.push_back(key);
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Write(const char* key, TextView value) override { values[key] = Text(value); }

  std::map<std::string, Text> values;
  std::vector<std::string> reads;
};

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

std::optional<std::int32_t> ReferenceWholeNumber(TextView text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == u'-';
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  std::size_t dot = text.find(u'.');
  const TextView whole = text.substr(0, dot);
  const TextView fraction = dot == TextView::npos ? TextView() : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  for (TextView part : {whole, fraction}) {
    for (char16_t c : part) {
      if (!IsDigit(c)) return std::nullopt;
    }
  }
  const std::size_t firstNonZero = whole.find_first_not_of(u'0');
  const TextView significant =
      firstNonZero == TextView::npos ? TextView() : whole.substr(firstNonZero);
  if (significant.size() > 10) return std::nullopt;  // past 32 bits, rounding or not
  long long magnitude = 0;
  for (char16_t c : significant) magnitude = magnitude * 10 + (c - u'0');
  const int first = fraction.empty() ? 0 : fraction[0] - u'0';
  const bool restNonZero =
      fraction.size() > 1 && fraction.substr(1).find_first_not_of(u'0') != TextView::npos;
  if (first > 5 || (first == 5 && (restNonZero || magnitude % 2 == 1))) ++magnitude;
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void CheckSame(const Settings& a, const Settings& b) {
  BW_FUZZ_CHECK(a.Left == b.Left && a.Top == b.Top && a.Height == b.Height);
  BW_FUZZ_CHECK(a.LastSend == b.LastSend);
  BW_FUZZ_CHECK(a.AltColor1 == b.AltColor1 && a.AltColor2 == b.AltColor2);
  BW_FUZZ_CHECK(a.FadeColor1 == b.FadeColor1 && a.FadeColor2 == b.FadeColor2);
  BW_FUZZ_CHECK(a.Preview == b.Preview);
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  std::string_view bytes = fuzz::AsBytes(data, size);
  int screen[2];
  for (int& edge : screen) edge = fuzz::TakeByte(bytes) | (fuzz::TakeByte(bytes) << 8);
  MemoryStore store;
  const auto pieces = fuzz::SplitAtNul(bytes, std::size(kKeys));
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].empty() || pieces[k][0] != '=') continue;
    store.values[kKeys[k]] = fuzz::LenientText(pieces[k].substr(1));
    const auto expected = ReferenceWholeNumber(store.values[kKeys[k]]);
    BW_FUZZ_CHECK(ParseWholeNumber(store.values[kKeys[k]]) == expected);
  }
  const MemoryStore stored = store;

  const Settings read = ReadSettings(store, screen[0], screen[1]);
  BW_FUZZ_CHECK(store.reads == std::vector<std::string>(std::begin(kKeys), std::end(kKeys)));
  const auto number = [&](const char* key) -> std::optional<std::int32_t> {
    const auto it = stored.values.find(key);
    return it == stored.values.end() ? std::nullopt : ReferenceWholeNumber(it->second);
  };
  BW_FUZZ_CHECK(read.Left == number("Left").value_or(CenteredEdge(screen[0], kWindowWidth)));
  BW_FUZZ_CHECK(read.Top == number("Top").value_or(CenteredEdge(screen[1], kFullHeight)));
  BW_FUZZ_CHECK(read.Height == number("Height").value_or(kFullHeight));
  const auto lastSend = stored.values.find("LastSend");
  BW_FUZZ_CHECK(read.LastSend ==
                (lastSend == stored.values.end() ? Text(kDefaultLastSend) : lastSend->second));
  const std::pair<ColorRef, ColorRef> colors[] = {{read.AltColor1, kDefaultAltColor1},
                                                  {read.AltColor2, kDefaultAltColor2},
                                                  {read.FadeColor1, kDefaultFadeColor1},
                                                  {read.FadeColor2, kDefaultFadeColor2}};
  for (std::size_t k = 0; k < std::size(colors); ++k) {
    const auto [color, fallback] = colors[k];
    const auto value = number(kKeys[4 + k]);
    const bool inRange = value && *value >= 0 && *value <= 0xFFFFFF;
    BW_FUZZ_CHECK(color == (inRange ? static_cast<ColorRef>(*value) : fallback));
  }
  const auto preview = stored.values.find("Preview");
  BW_FUZZ_CHECK(read.Preview == (preview != stored.values.end() && preview->second == u"1"));

  // Written and read again, nothing moves; without geometry the stored edges stay as they
  // were.
  MemoryStore written;
  WriteSettings(written, read, true);
  CheckSame(ReadSettings(written, screen[0], screen[1]), read);
  WriteSettings(store, read, false);
  for (const char* key : {"Left", "Top", "Height"}) {
    BW_FUZZ_CHECK(store.values.count(key) == stored.values.count(key));
    if (stored.values.count(key)) BW_FUZZ_CHECK(store.values[key] == stored.values.at(key));
  }
  return 0;
}
