#include "engine/utf8.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(Utf8, RoundTripsEveryCharacterAndReplacesLoneSurrogates) {
  for (std::uint32_t c = 0; c <= 0x10FFFF; c += (c < 0x10000 ? 1 : 0x3F)) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const char16_t high = 0xD800 + ((c - 0x10000) >> 10), low = 0xDC00 + (c & 0x3FF);
    const Text text = c < 0x10000 ? Text(1, static_cast<char16_t>(c)) : Text{high, low};
    ASSERT_EQ(DecodeUtf8(EncodeUtf8(text)), text) << "failed on U+" << std::hex << c;
  }
  EXPECT_EQ(EncodeUtf8(u"\xd800x\xde00\xd83d"), "\xef\xbf\xbdx\xef\xbf\xbd\xef\xbf\xbd");
}

TEST(Utf8, IllFormedInputNamesTheByteItStartsAt) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {"\x80", 0},           {"a\xc0\xaf", 1},        {"\xc1\xbf", 0},         {"\xe0\x80\xaf", 0},
      {"ok\xed\xa0\x80", 2}, {"\xf4\x90\x80\x80", 0}, {"\xf5\x80\x80\x80", 0}, {"ab\xe2\x82", 2},
      {"\xff", 0},           {"\xc2\x41", 0},         {"x\xe2\x28\xa1", 1}};
  for (const auto& [bytes, at] : cases) {
    std::size_t badIndex = 99;
    EXPECT_FALSE(DecodeUtf8(bytes, &badIndex)) << "accepted the case at " << at;
    EXPECT_EQ(badIndex, at);
  }
}

}  // namespace
}  // namespace bw
