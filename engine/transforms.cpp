#include "engine/transforms.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/random.h"

namespace bw {

namespace {

// A character's look-alikes for k = 1, 2, 3; an empty second or third falls back to the
// first, for the characters that have a single look-alike.
struct LookAlike {
  char16_t from;
  TextView k1;
  TextView k2 = {};
  TextView k3 = {};
};

constexpr LookAlike kLookAlikes[] = {
    {u'A', u"\u00c5", u"\u00c3", u"\u00c4"},
    {u'a', u"\u00e5", u"\u00e4", u"\u00e3"},
    {u'B', u"\u00df"},
    {u'C', u"\u00c7"},
    {u'c', u"\u00a9"},
    {u'D', u"\u00d0"},
    {u'd', u"\u00f0"},
    {u'E', u"\u00cb", u"\u00ca", u"\u00c9"},
    {u'e', u"\u00ea", u"\u00eb", u"\u00e9"},
    {u'f', u"\u0192"},
    {u'H', u"|-|"},
    {u'I', u"\u00cf", u"\u00ce", u"\u00cd"},
    {u'i', u"\u00ed", u"\u00ee", u"\u00ef"},
    {u'K', u"|\u2039"},
    {u'k', u"|\u00ab"},
    {u'L', u"\u00a3"},
    {u'M', u"|V|"},
    {u'm', u"^^"},
    {u'N', u"\u00d1"},
    {u'n', u"\u00f1"},
    {u'O', u"\u00d8"},
    {u'o', u"\u00f8"},
    {u'P', u"\u00b6"},
    {u'p', u"\u00de"},
    {u'r', u"\u00ae"},
    {u'S', u"\u0160", u"\u00a7", u"$"},
    {u's', u"\u0161"},
    {u'T', u"\u00af|\u00af"},
    {u't', u"\u2020"},
    {u'U', u"\u00dc", u"\u00db", u"\u00da"},
    {u'u', u"\u00fa", u"\u00fc", u"\u00fb"},
    {u'V', u"\\/"},
    {u'W', u"VV"},
    {u'w', u"vv"},
    {u'x', u"\u00d7"},
    {u'Y', u"\u00dd", u"\u00a5", u"\u0178"},
    {u'y', u"\u00fd", u"\u00ff", u"\u00ff"},
    {u'!', u"\u00a1"},
    {u'?', u"\u00bf"},
    {u',', u"\u00b8"},
    {u'1', u"\u00b9"},
    {u'2', u"\u00b2"},
    {u'3', u"\u00b3"},
    {u'_', u"\u00af"},
    {u'-', u"\u00f7"},
    {u'|', u"\u00a6"},
};

// Every character with look-alikes is ASCII, so a 128-slot index finds an entry in one
// step instead of a scan of the table per character.
const std::array<const LookAlike*, 128>& LookAlikeIndex() {
  static const std::array<const LookAlike*, 128> index = [] {
    std::array<const LookAlike*, 128> slots{};
    for (const LookAlike& entry : kLookAlikes) slots[entry.from] = &entry;
    return slots;
  }();
  return index;
}

TextView Candidate(const LookAlike& entry, int k) {
  if (k == 2 && !entry.k2.empty()) return entry.k2;
  if (k == 3 && !entry.k3.empty()) return entry.k3;
  return entry.k1;
}

struct Sequence {
  TextView from;
  char16_t to;
};

constexpr Sequence kFractions[] = {{u"1/4", u'\u00bc'}, {u"1/2", u'\u00bd'}, {u"3/4", u'\u00be'}};
constexpr Sequence kLigatures[] = {{u"ae", u'\u00e6'},
                                   {u"AE", u'\u00c6'},
                                   {u"oe", u'\u0153'},
                                   {u"OE", u'\u0152'},
                                   {u"TM", u'\u2122'}};

template <std::size_t N>
const Sequence* MatchAt(TextView text, std::size_t i, const Sequence (&table)[N]) {
  for (const Sequence& seq : table) {
    if (text.substr(i, seq.from.size()) == seq.from) return &seq;
  }
  return nullptr;
}

}  // namespace

Text HackerText(TextView text) {
  Text result;
  result.reserve(text.size());
  for (char16_t c : text) {
    const char16_t upper = UpperChar(c);
    switch (upper) {
      case u'A':
      case u'E':
      case u'I':
      case u'O':
      case u'U':
        result.push_back(static_cast<char16_t>(upper + 0x20));
        break;
      default:
        result.push_back(upper);
    }
  }
  return result;
}

Text EliteText(TextView text) {
  Text result;
  result.reserve(text.size() + text.size() / 2);
  const auto& index = LookAlikeIndex();
  std::size_t i = 0;
  while (i < text.size()) {
    // One draw per step, used or not, keeps the shared sequence in step with the text.
    const int k = std::clamp(static_cast<int>(std::floor(NextRandom() * 3)) + 1, 1, 3);
    if (const Sequence* seq = MatchAt(text, i, kFractions)) {
      result.push_back(seq->to);
      i += seq->from.size();
    } else if (const Sequence* pair = MatchAt(text, i, kLigatures)) {
      result.push_back(pair->to);
      i += pair->from.size();
    } else {
      const char16_t c = text[i];
      const LookAlike* entry = c < index.size() ? index[c] : nullptr;
      if (entry) {
        result.append(Candidate(*entry, k));
      } else {
        result.push_back(c);
      }
      ++i;
    }
  }
  return result;
}

Text SpacedText(TextView text) {
  // Appending "c " for every character and trimming afterwards leaves exactly the span
  // from the first non-space character to the last one, spaced out.
  const auto first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return Text();
  const auto last = text.find_last_not_of(u' ');
  Text result;
  result.reserve(2 * (last - first) + 1);
  for (std::size_t i = first; i < last; ++i) {
    result.push_back(text[i]);
    result.push_back(u' ');
  }
  result.push_back(text[last]);
  return result;
}

Text ReverseText(TextView text) {
  return Text(text.rbegin(), text.rend());
}

}  // namespace bw
