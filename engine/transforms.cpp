#include "engine/transforms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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

// Whether the characters from `i` on are the one-unit characters of `units`.
bool StartsWith(CharacterView characters, std::size_t i, TextView units) {
  if (characters.size() - i < units.size()) return false;
  for (std::size_t k = 0; k < units.size(); ++k) {
    if (characters[i + k] != units.substr(k, 1)) return false;
  }
  return true;
}

template <std::size_t N>
const Sequence* MatchAt(CharacterView characters, std::size_t i, const Sequence (&table)[N]) {
  for (const Sequence& seq : table) {
    if (StartsWith(characters, i, seq.from)) return &seq;
  }
  return nullptr;
}

char16_t HackerChar(char16_t c) {
  const char16_t upper = UpperChar(c);
  switch (upper) {
    case u'A':
    case u'E':
    case u'I':
    case u'O':
    case u'U':
      return static_cast<char16_t>(upper + 0x20);
    default:
      return upper;
  }
}

// The look-alikes for a character of one unit, or nothing.
const LookAlike* LookAlikeOf(TextView character) {
  const auto& index = LookAlikeIndex();
  if (character.size() != 1 || character[0] >= index.size()) return nullptr;
  return index[character[0]];
}

}  // namespace

CharacterText HackerText(CharacterView characters) {
  Text text(characters.Units());
  for (std::size_t i = 0; i < characters.size(); ++i) {
    char16_t& first = text[characters.Begin(i)];
    first = HackerChar(first);
  }
  return CharacterText(std::move(text), characters.Ends());
}

CharacterText EliteText(CharacterView characters) {
  return EliteText(characters, SharedRandom());
}

CharacterText EliteText(CharacterView characters, RandomGenerator& random) {
  CharacterText result;
  result.Reserve(characters.Units().size() + characters.Units().size() / 2,
                 characters.Ends().size());
  std::size_t i = 0;
  while (i < characters.size()) {
    // One draw per step, used or not, keeps the sequence in step with the text.
    const int k = std::clamp(static_cast<int>(std::floor(random.Next() * 3)) + 1, 1, 3);
    const Sequence* seq = MatchAt(characters, i, kFractions);
    if (!seq) seq = MatchAt(characters, i, kLigatures);
    if (seq) {
      result.Append(TextView(&seq->to, 1));
      i += seq->from.size();
    } else if (const LookAlike* entry = LookAlikeOf(characters[i])) {
      result.AppendEach(Candidate(*entry, k));
      ++i;
    } else {
      result.Append(characters[i++]);
    }
  }
  return result;
}

CharacterText SpacedText(CharacterView characters) {
  // Appending "c " for every character and trimming afterwards leaves exactly the span
  // from the first non-space character to the last one, spaced out.
  std::size_t first = 0, last = characters.size();
  while (first < last && characters[first] == u" ") ++first;
  while (last > first && characters[last - 1] == u" ") --last;
  CharacterText result;
  if (first == last) return result;
  result.Reserve(2 * characters.Units().size(), 2 * characters.Ends().size());
  for (std::size_t i = first; i + 1 < last; ++i) {
    result.Append(characters[i]);
    result.Append(u" ");
  }
  result.Append(characters[last - 1]);
  return result;
}

CharacterText ReverseText(CharacterView characters) {
  // Every unit a character, as in the Windows program: one sweep over the units.
  const TextView units = characters.Units();
  if (characters.Ends().empty()) return CharacterText(Text(units.rbegin(), units.rend()), {});
  CharacterText result;
  result.Reserve(units.size(), characters.Ends().size());
  for (std::size_t i = characters.size(); i > 0; --i) result.Append(characters[i - 1]);
  return result;
}

Text HackerText(TextView text) {
  return HackerText(CharacterView(text)).Take();
}

Text EliteText(TextView text) {
  return EliteText(CharacterView(text)).Take();
}

Text SpacedText(TextView text) {
  return SpacedText(CharacterView(text)).Take();
}

Text ReverseText(TextView text) {
  return ReverseText(CharacterView(text)).Take();
}

}  // namespace bw
