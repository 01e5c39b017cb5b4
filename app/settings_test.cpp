#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace bw {
namespace {

std::string Narrow(std::u16string_view text) {
  return std::string(text.begin(), text.end());
}

// The defaults and the write order are checked through the main form's start-up and
// shutdown; this is the number rule alone.
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
      u"2147483648", u"-2147483649", u"2147483647.5", u"99999999999999999999999",
      // clang-format on
  };
  for (const char16_t* text : rejected) {
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << "on \"" << Narrow(text) << "\"";
  }
}

}  // namespace
}  // namespace bw
