#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace bw {
namespace {

// A settings store in memory that keeps the order of writes.
struct MemoryStore final : SettingsStore {
  std::map<std::string, Text> values;
  std::vector<std::string> written;
  std::optional<Text> Read(const char* key) override {
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Write(const char* key, TextView value) override {
    values[key] = Text(value);
    written.push_back(key + ("=" + std::string(value.begin(), value.end())));
  }
};

constexpr int kScreenW = 1024 * 15;
constexpr int kScreenH = 768 * 15;

std::string Narrow(std::u16string_view text) {
  return std::string(text.begin(), text.end());
}

TEST(ParseWholeNumber, RoundsHalvesToEvenAndReadsDecimalsOnly) {
  const struct {
    const char16_t* text;
    std::int32_t value;
  } accepted[] = {
      // clang-format off
      {u"4867.5", 4868}, {u"3186.5", 3186}, {u"-2.5", -2}, {u"-3.5", -4}, {u"0.5", 0},
      {u"2.5000001", 3}, {u"7.49", 7}, {u" 42 ", 42}, {u"+9", 9}, {u"-300", -300}, {u".7", 1},
      {u"2147483647", INT_MAX}, {u"-2147483648", INT_MIN}, {u"2147483646.5", 2147483646},
      // clang-format on
  };
  for (const auto& c : accepted) {
    EXPECT_EQ(ParseWholeNumber(c.text), c.value) << "on \"" << Narrow(c.text) << "\"";
  }
  const char16_t* rejected[] = {
      // clang-format off
      u"", u"  ", u"abc", u"12px", u"1e3", u"1.2.3", u"-", u".", u"1 2", u"\u00A012",
      u"\u0661\u0662",  // other scripts' digits
      u"2147483648", u"-2147483649", u"2147483647.5",  // one past 32 bits
      u"99999999999999999999999",
      // clang-format on
  };
  for (const char16_t* text : rejected) {
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << "on \"" << Narrow(text) << "\"";
  }
}

TEST(ReadSettings, AbsentOrUnusableValuesFallBackPerKey) {
  MemoryStore empty;
  const Settings first = ReadSettings(empty, kScreenW, kScreenH);
  EXPECT_EQ(first.Left, 4868);
  EXPECT_EQ(first.Top, 3405);
  EXPECT_EQ(first.Height, 4710);
  EXPECT_EQ(first.LastSend, u"Brindlewick by ZornaVelde");
  EXPECT_EQ(first.AltColor1, 0x00FF00u);
  EXPECT_EQ(first.AltColor2, 0u);
  EXPECT_EQ(first.FadeColor1, 0x0000FFu);
  EXPECT_EQ(first.FadeColor2, 0xFF0000u);

  MemoryStore junk;
  junk.values = {{"Left", u"wide"},      {"Top", u"99999999999"},    {"Height", u""},
                 {"LastSend", u""},      {"AltColor1", u"-1"},       {"AltColor2", u"16777216"},
                 {"FadeColor1", u"red"}, {"FadeColor2", u"16777215"}};
  const Settings s = ReadSettings(junk, kScreenW, kScreenH);
  EXPECT_EQ(s.Left, 4868);
  EXPECT_EQ(s.Top, 3405);
  EXPECT_EQ(s.Height, 4710);
  EXPECT_EQ(s.LastSend, u"") << "an empty stored line is a line, not an absent key";
  EXPECT_EQ(s.AltColor1, 0x00FF00u);
  EXPECT_EQ(s.AltColor2, 0u);
  EXPECT_EQ(s.FadeColor1, 0x0000FFu);
  EXPECT_EQ(s.FadeColor2, 0xFFFFFFu);
}

TEST(WriteSettings, WritesDecimalsInKeyOrderAndSkipsGeometryOnRequest) {
  Settings s;
  s.Left = -300;
  s.Top = 3405;
  s.Height = 900;
  s.LastSend = u"hi %you%";
  s.AltColor1 = 1;
  s.AltColor2 = 2;
  s.FadeColor1 = 3;
  s.FadeColor2 = 16711680;
  MemoryStore store;
  WriteSettings(store, s, true);
  EXPECT_EQ(store.written,
            (std::vector<std::string>{"Left=-300", "Top=3405", "Height=900", "LastSend=hi %you%",
                                      "AltColor1=1", "AltColor2=2", "FadeColor1=3",
                                      "FadeColor2=16711680"}));
  const Settings back = ReadSettings(store, kScreenW, kScreenH);
  EXPECT_EQ(back.Left, -300);
  EXPECT_EQ(back.FadeColor2, 16711680u);

  MemoryStore minimized;
  minimized.values["Left"] = u"111";
  WriteSettings(minimized, s, false);
  EXPECT_EQ(minimized.written.front(), "LastSend=hi %you%");
  EXPECT_EQ(minimized.values["Left"], u"111");
  EXPECT_FALSE(minimized.values.contains("Top"));
}

}  // namespace
}  // namespace bw
