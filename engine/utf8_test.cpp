#include "engine/utf8.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(Utf8, RoundTripsEveryCharacter) {
  for (std::uint32_t c = 0; c <= 0x10FFFF; c += (c < 0x10000 ? 1 : 0x3F)) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const Text text = c < 0x10000 ? Text(1, static_cast<char16_t>(c))
                                  : Text{static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                                         static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
    const std::string bytes = EncodeUtf8(text);
    ASSERT_EQ(bytes.size(), c < 0x80 ? 1u : c < 0x800 ? 2u : c < 0x10000 ? 3u : 4u) << c;
    ASSERT_EQ(DecodeUtf8(bytes), text) << "failed on U+" << std::hex << c;
  }
  EXPECT_EQ(EncodeUtf8(u"a\u00a0\U0001F600"), "a\xc2\xa0\xf0\x9f\x98\x80");
}

TEST(Utf8, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(EncodeUtf8(u"\xd800x"), "\xef\xbf\xbdx");
  EXPECT_EQ(EncodeUtf8(u"\xde00\xd83d"), "\xef\xbf\xbd\xef\xbf\xbd");  // a pair reversed
}

TEST(Utf8, IllFormedInputNamesTheByteItStartsAt) {
  const struct {
    std::string_view bytes;
    std::size_t badIndex;
  } cases[] = {
      {"\x80", 0},           {"a\xc0\xaf", 1},        {"\xc1\xbf", 0},         {"\xe0\x80\xaf", 0},
      {"ok\xed\xa0\x80", 2}, {"\xf4\x90\x80\x80", 0}, {"\xf5\x80\x80\x80", 0}, {"ab\xe2\x82", 2},
      {"\xff", 0},           {"\xc2\x41", 0},         {"x\xe2\x28\xa1", 1}};
  for (const auto& c : cases) {
    std::size_t badIndex = 99;
    EXPECT_FALSE(DecodeUtf8(c.bytes, &badIndex)) << "accepted the case at " << c.badIndex;
    EXPECT_EQ(badIndex, c.badIndex);
  }
}

}  // namespace
}  // namespace bw
