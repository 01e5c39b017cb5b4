#include "engine/characters.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/compose.h"
#include "engine/test_support.h"

namespace bw {
namespace {

using enum EffectMode;

struct Rule {
  std::string_view name;
  StyleOptions options;
  SendTarget target = SendTarget::IM;
};

const Rule kEveryRule[] = {
    {"hacker", {.Hacker = true}},
    {"elite", {.Elite = true}},
    {"spaced", {.Spaced = true}},
    {"backwards", {.Backwards = true}},
    {"alternate", {.Effect = Alternate}},
    {"fade", {.Effect = ColorFade}},
    {"random", {.Effect = Random}},
    {"waves", {.Effect = Waves}},
    {"grow-shrink", {.Effect = GrowShrink}},
    {"grow-shrink in chat", {.Effect = GrowShrink}, SendTarget::Chat},
    {"tags", {.Bold = true, .Italic = true, .Underline = true, .Strikeout = true}},
    {"all transforms", {.Hacker = true, .Elite = true, .Spaced = true, .Backwards = true}},
    {"spaced, backwards, fade", {.Spaced = true, .Backwards = true, .Effect = ColorFade}},
    {"hacker, elite, waves", {.Hacker = true, .Elite = true, .Effect = Waves}},
    {"hacker, backwards, grow-shrink", {.Hacker = true, .Backwards = true, .Effect = GrowShrink}},
    {"elite, spaced, alternate", {.Elite = true, .Spaced = true, .Effect = Alternate}},
    {"backwards, spaced, random", {.Spaced = true, .Backwards = true, .Effect = Random}}};

// Texts drawn from spaces, letters, Elite's sequences, U+00A0, lone surrogates and "<",
// which the test below swaps for a character of several units.
Text RandomText(std::mt19937& gen) {
  constexpr TextView kPieces[] = {u" ", u"a",      u"e", u"T",      u"M",      u"1", u"/",
                                  u"4", u"\u00a0", u"<", u"\xd83d", u"\xde00", u"y", u"H"};
  Text text;
  for (int n = std::uniform_int_distribution<>(0, 12)(gen); n > 0; --n) {
    text += kPieces[std::uniform_int_distribution<std::size_t>(0, std::size(kPieces) - 1)(gen)];
  }
  return text;
}

// Characters of several units are made of units found nowhere else: a private-use lead
// unit 0xE000 + n followed by two 0xF000 + n. Whole, each lead unit has its two behind it.
TEST(ComposeMessage, NoCharacterOfSeveralUnitsIsEverSplit) {
  std::mt19937 gen(34);
  for (int round = 0; round < 200; ++round) {
    CharacterText text;
    std::size_t leads = 0;
    for (const char16_t unit : RandomText(gen)) {
      if (unit == u'<') {
        const auto n = static_cast<char16_t>(leads++);
        text.Append(Text{static_cast<char16_t>(0xE000 + n), static_cast<char16_t>(0xF000 + n),
                         static_cast<char16_t>(0xF000 + n)});
      } else {
        text.Append(TextView(&unit, 1));
      }
    }
    for (const Rule& rule : kEveryRule) {
      // Scripted draws, so that a failing round fails again.
      testing::ScriptedRandom random({0.1, 0.4, 0.7, 0.2, 0.9});
      const Text markup = ComposeMessage(text.View(), rule.options, rule.target);
      std::size_t whole = 0, tails = 0;
      for (std::size_t i = 0; i < markup.size(); ++i) {
        const char16_t unit = markup[i], tail = unit + 0x1000;
        tails += unit >= 0xF000 && unit < 0xF100;
        whole += unit >= 0xE000 && unit < 0xF000 && markup.substr(i + 1, 2) == Text(2, tail);
      }
      ASSERT_EQ(2 * whole, tails) << rule.name << " round " << round;
      ASSERT_EQ(whole, leads) << rule.name << " round " << round;
    }
  }
}

}  // namespace
}  // namespace bw
