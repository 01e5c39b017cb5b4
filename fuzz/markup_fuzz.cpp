// The markup reader against a second, plainer reading of the same rules:
// every visible character must come out in the style the reference gives it, the runs
// must be non-empty with neighbours that differ, and the text must be the line minus the
// recognised tags.
// Input: one byte for the style the line starts in (bits 0-3 bold, italic, underline,
// strikeout; bits 4-5 the shift; bits 6-7 the size less one: "@" is the plain default),
// then the line, read leniently.

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "markup/reader.h"

namespace bw {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// A recognised tag, as the reference reads it.
struct Tag {
  bool closing = false;
  Text name;
  std::optional<ColorRef> color;
  std::optional<int> size;
};

// `inside` is upper-cased, so hex digits and names need only one case.
std::optional<Tag> ReadFont(Tag tag, TextView rest) {
  std::size_t p = 0;
  while (p < rest.size()) {
    if (!IsBlank(rest[p])) return std::nullopt;
    while (p < rest.size() && IsBlank(rest[p])) ++p;
    if (p == rest.size()) break;
    const std::size_t nameStart = p;
    while (p < rest.size() && rest[p] >= u'A' && rest[p] <= u'Z') ++p;
    const TextView name = rest.substr(nameStart, p - nameStart);
    while (p < rest.size() && IsBlank(rest[p])) ++p;
    if (p == rest.size() || rest[p] != u'=') return std::nullopt;
    ++p;
    while (p < rest.size() && IsBlank(rest[p])) ++p;
    TextView value;
    if (p < rest.size() && rest[p] == u'"') {
      const std::size_t close = rest.find(u'"', p + 1);
      if (close == TextView::npos) return std::nullopt;
      value = rest.substr(p + 1, close - p - 1);
      p = close + 1;
    } else {
      const std::size_t start = p;
      while (p < rest.size() && !IsBlank(rest[p])) ++p;
      value = rest.substr(start, p - start);
    }
    if (name == u"COLOR") {
      if (value.size() != 7 || value[0] != u'#') return std::nullopt;
      int rgb[3];
      for (int k = 0; k < 3; ++k) {
        const int high = HexValue(value[1 + 2 * k]), low = HexValue(value[2 + 2 * k]);
        if (high < 0 || low < 0) return std::nullopt;
        rgb[k] = high * 16 + low;
      }
      tag.color = MakeColorRef(rgb[0], rgb[1], rgb[2]);
    } else if (name == u"SIZE") {
      if (value.size() != 1 || value[0] < u'1' || value[0] > u'4') return std::nullopt;
      tag.size = value[0] - u'0';
    } else {
      return std::nullopt;
    }
  }
  return tag;
}

std::optional<Tag> ReadTag(TextView original) {
  const Text inside = UpperCase(original);
  Tag tag;
  std::size_t p = 0;
  if (p < inside.size() && inside[p] == u'/') tag.closing = true, ++p;
  const std::size_t nameStart = p;
  while (p < inside.size() && inside[p] >= u'A' && inside[p] <= u'Z') ++p;
  tag.name = inside.substr(nameStart, p - nameStart);
  const TextView rest = TextView(inside).substr(p);
  if (tag.name == u"FONT" && !tag.closing) return ReadFont(std::move(tag), rest);
  for (char16_t c : rest) {
    if (!IsBlank(c)) return std::nullopt;
  }
  for (const char16_t* name : {u"FONT", u"B", u"I", u"U", u"S", u"SUP", u"SUB"}) {
    if (tag.name == name) return tag;
  }
  return std::nullopt;
}

// The style of every visible character, in order.
std::vector<std::pair<char16_t, RunStyle>> ReferenceStyles(TextView line, const RunStyle& base) {
  // The reader looks no further than this for a tag's ">".
  constexpr std::size_t kTagWindow = 64;
  std::vector<std::pair<ColorRef, int>> fonts;
  ColorRef color = base.color;
  int size = base.size;
  int bold = 0, italic = 0, underline = 0, strikeout = 0;
  std::vector<Shift> shifts;  // closing removes the innermost of its kind, wherever it is
  std::vector<std::pair<char16_t, RunStyle>> styles;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == u'<') {
      const TextView window = line.substr(i + 1, kTagWindow);
      const std::size_t close = window.find(u'>');
      const auto tag = close == TextView::npos ? std::nullopt : ReadTag(window.substr(0, close));
      if (tag) {
        i += close + 1;
        const int step = tag->closing ? -1 : 1;
        const auto count = [&](int& depth) { depth = std::max(0, depth + step); };
        if (tag->name == u"FONT" && !tag->closing) {
          fonts.emplace_back(color, size);
          color = tag->color.value_or(color);
          size = tag->size.value_or(size);
        } else if (tag->name == u"FONT") {
          if (!fonts.empty()) std::tie(color, size) = fonts.back(), fonts.pop_back();
        } else if (tag->name == u"B") {
          count(bold);
        } else if (tag->name == u"I") {
          count(italic);
        } else if (tag->name == u"U") {
          count(underline);
        } else if (tag->name == u"S") {
          count(strikeout);
        } else {
          const Shift shift = tag->name == u"SUP" ? Shift::Raised : Shift::Lowered;
          if (!tag->closing) {
            shifts.push_back(shift);
          } else {
            for (std::size_t k = shifts.size(); k-- > 0;) {
              if (shifts[k] == shift) {
                shifts.erase(shifts.begin() + static_cast<std::ptrdiff_t>(k));
                break;
              }
            }
          }
        }
        continue;
      }
    }
    RunStyle style = base;
    style.color = color;
    style.size = size;
    style.bold = base.bold || bold > 0;
    style.italic = base.italic || italic > 0;
    style.underline = base.underline || underline > 0;
    style.strikeout = base.strikeout || strikeout > 0;
    if (!shifts.empty()) style.shift = shifts.back();
    styles.emplace_back(line[i], style);
  }
  return styles;
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  std::string_view bytes = fuzz::AsBytes(data, size);
  const unsigned char look = fuzz::TakeByte(bytes);
  RunStyle base;
  fuzz::SetFlags(look, {&base.bold, &base.italic, &base.underline, &base.strikeout});
  constexpr Shift kShifts[] = {Shift::None, Shift::Raised, Shift::Lowered, Shift::None};
  base.shift = kShifts[(look >> 4) & 3];
  base.size = 1 + (look >> 6);
  const Text line = fuzz::LenientText(bytes);

  const std::vector<StyledRun> runs = ParseMarkup(line, base);
  const auto expected = ReferenceStyles(line, base);
  std::size_t at = 0;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    BW_FUZZ_CHECK(!runs[r].text.empty());
    BW_FUZZ_CHECK(r == 0 || runs[r].style != runs[r - 1].style);
    for (char16_t c : runs[r].text) {
      BW_FUZZ_CHECK(at < expected.size());
      BW_FUZZ_CHECK(expected[at].first == c);
      BW_FUZZ_CHECK(expected[at].second == runs[r].style);
      ++at;
    }
  }
  BW_FUZZ_CHECK(at == expected.size());
  BW_FUZZ_CHECK(VisibleText(runs).size() == expected.size());
  return 0;
}
