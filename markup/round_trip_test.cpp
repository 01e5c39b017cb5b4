#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "markup/round_trip_check.h"

namespace bw::testing {
namespace {

constexpr int kOptionSets = 256;  // every subset of the eight flags
constexpr int kEffects = 6;

// The case for one combination, counted through every flag set, effect and target.
RoundTripCase Combination(int index, std::vector<Text> characters, std::uint32_t drawSeed) {
  RoundTripCase roundTrip{std::move(characters), {}, SendTarget::Chat, drawSeed};
  StyleOptions& o = roundTrip.options;
  bool* flags[] = {&o.Bold,   &o.Italic, &o.Underline, &o.Strikeout,
                   &o.Hacker, &o.Elite,  &o.Spaced,    &o.Backwards};
  for (int bit = 0; bit < 8; ++bit) *flags[bit] = (index >> bit) & 1;
  o.Effect = static_cast<EffectMode>(index / kOptionSets % kEffects);
  if (index / (kOptionSets * kEffects) % 2 == 1) roundTrip.target = SendTarget::IM;
  return roundTrip;
}

// Characters of each kind the engine treats in its own way. No ">": see round_trip_check.h.
const Text kCharacters[] = {
    u"a", u"e", u"o", u"A",      u"E",          u"O",       u"H",
    u"M", u"m", u"k", u"K",      u"T",          u"s",       u"1",
    u"2", u"3", u"4", u"/",      u"B",          u"x",       u" ",
    u" ", u"<", u"&", u"\u00a0", u"\U0001F600", u"e\u0301", u"\U0001F44D\U0001F3FD",
};
// Elite reads each as one; typed as one-unit characters.
const Text kSequences[] = {u"1/4", u"1/2", u"3/4", u"ae", u"AE", u"oe", u"OE", u"TM"};

TEST(RoundTrip, EveryCombinationOfOptionsReadsBackAsTheTransformedText) {
  std::mt19937 rng(20261207);
  const auto channel = [&rng] {
    // The ends of the range, where the fade clamps, as often as the rest.
    const unsigned pick = rng() % 4;
    return pick == 0 ? 0 : pick == 1 ? 255 : static_cast<int>(rng() % 256);
  };
  const auto color = [&] { return MakeColorRef(channel(), channel(), channel()); };
  for (int index = 0; index < kOptionSets * kEffects * 2; ++index) {
    std::vector<Text> characters;
    for (int pieces = static_cast<int>(rng() % 12); pieces > 0; --pieces) {
      if (rng() % 5 == 0) {
        for (char16_t unit : kSequences[rng() % std::size(kSequences)]) {
          characters.emplace_back(1, unit);
        }
      } else {
        characters.push_back(kCharacters[rng() % std::size(kCharacters)]);
      }
    }
    RoundTripCase roundTrip = Combination(index, std::move(characters), rng());
    roundTrip.options.AltColor1 = color();
    roundTrip.options.AltColor2 = color();
    roundTrip.options.FadeColor1 = color();
    roundTrip.options.FadeColor2 = color();
    const std::string mismatch = CheckRoundTrip(roundTrip);
    ASSERT_TRUE(mismatch.empty()) << Describe(roundTrip) << "\n" << mismatch;
  }
}

}  // namespace
}  // namespace bw::testing
