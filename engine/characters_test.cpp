#include "engine/characters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/compose.h"
#include "engine/test_support.h"

namespace bw {
namespace {

CharacterText Cut(std::initializer_list<TextView> characters) {
  CharacterText text;
  for (TextView character : characters) text.Append(character);
  return text;
}

struct Rule {
  std::string_view name;
  StyleOptions options;
  SendTarget target = SendTarget::IM;
};

constexpr EffectMode kAlternate = EffectMode::Alternate, kFade = EffectMode::ColorFade,
                     kRandom = EffectMode::Random, kWaves = EffectMode::Waves,
                     kGrowShrink = EffectMode::GrowShrink;

const Rule kEveryRule[] = {
    {"hacker", {.Hacker = true}},
    {"elite", {.Elite = true}},
    {"spaced", {.Spaced = true}},
    {"backwards", {.Backwards = true}},
    {"alternate", {.Effect = kAlternate}},
    {"fade", {.Effect = kFade}},
    {"random", {.Effect = kRandom}},
    {"waves", {.Effect = kWaves}},
    {"grow-shrink", {.Effect = kGrowShrink}},
    {"grow-shrink in chat", {.Effect = kGrowShrink}, SendTarget::Chat},
    {"tags", {.Bold = true, .Italic = true, .Underline = true, .Strikeout = true}},
    {"all transforms", {.Hacker = true, .Elite = true, .Spaced = true, .Backwards = true}},
    {"spaced, backwards, fade", {.Spaced = true, .Backwards = true, .Effect = kFade}},
    {"hacker, elite, waves", {.Hacker = true, .Elite = true, .Effect = kWaves}},
    {"hacker, backwards, grow-shrink", {.Hacker = true, .Backwards = true, .Effect = kGrowShrink}},
    {"elite, spaced, alternate", {.Elite = true, .Spaced = true, .Effect = kAlternate}},
    {"backwards, spaced, random", {.Spaced = true, .Backwards = true, .Effect = kRandom}}};

Text Compose(const Rule& rule, CharacterView characters) {
  // The same draws for every call, so Elite and Random can be compared.
  testing::ScriptedRandom random({0.1, 0.4, 0.7, 0.2, 0.9});
  return ComposeMessage(characters, rule.options, rule.target);
}

TEST(ComposeMessage, ALetterWithItsMarkIsOneCharacterForEveryRule) {
  const CharacterText text = Cut({u"o", u"e\u0301", u" ", u"x"});
  const std::pair<std::string_view, TextView> cases[] = {
      {"hacker", u"oe\u0301 X"},
      {"elite", u"\u00f8e\u0301 \u00d7"},
      {"spaced", u"o e\u0301   x"},
      {"backwards", u"x e\u0301o"},
      {"alternate",
       u"<FONT COLOR=#000000>o</FONT><FONT COLOR=#00FF00>e\u0301</FONT> "
       u"<FONT COLOR=#000000>x</FONT>"},
      {"fade",
       u"<FONT COLOR=#FF0000>o</FONT><FONT COLOR=#80007F>e\u0301</FONT> "
       u"<FONT COLOR=#0100FE>x</FONT>"},
      {"waves", u"<SUP>o</SUP>e\u0301 x"},
      {"grow-shrink",
       u"<FONT SIZE=4>o<FONT SIZE=3>e\u0301 <FONT SIZE=1>x<FONT SIZE=2><FONT SIZE=3>"}};
  for (const auto& [name, markup] : cases) {
    const Rule& rule = *std::find_if(std::begin(kEveryRule), std::end(kEveryRule),
                                     [name](const Rule& r) { return r.name == name; });
    EXPECT_EQ(Compose(rule, text.View()), markup) << name;
  }
}

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
      const Text markup = Compose(rule, text.View());
      std::size_t whole = 0;
      for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] < 0xE000 || markup[i] >= 0xF000) continue;
        const char16_t tail = markup[i] + 0x1000;
        whole += i + 2 < markup.size() && markup[i + 1] == tail && markup[i + 2] == tail;
      }
      const auto tails = std::count_if(markup.begin(), markup.end(),
                                       [](char16_t c) { return c >= 0xF000 && c < 0xF100; });
      ASSERT_EQ(2 * whole, static_cast<std::size_t>(tails)) << rule.name << " round " << round;
      ASSERT_EQ(whole, leads) << rule.name << " round " << round;
    }
  }
}

}  // namespace
}  // namespace bw
