#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

namespace bw {
namespace {

TEST(ParseWholeNumber, RoundsHalvesToEvenAndReadsDecimalsOnly) {
  const std::pair<std::u16string_view, std::optional<std::int32_t>> cases[] = {
      // clang-format off
      {u"4867.5", 4868}, {u"3186.5", 3186}, {u"-3.5", -4}, {u"2.5000001", 3}, {u"7.49", 7},
      {u" 42 ", 42}, {u"+9", 9}, {u".7", 1}, {u"", {}}, {u"2147483647", INT_MAX},
      {u"-2147483648", INT_MIN}, {u"2147483646.5", 2147483646}, {u"12px", {}}, {u"1.2.3", {}},
      {u".", {}}, {u"1 2", {}}, {u"\u00A012", {}}, {u"\u0661", {}}, {u"2147483648", {}},
      {u"-2147483649", {}}, {u"2147483647.5", {}}, {u"9999999999999999999", {}},
      // clang-format on
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseWholeNumber(text), value) << std::string(text.begin(), text.end());
  }
}

}  // namespace
}  // namespace bw
