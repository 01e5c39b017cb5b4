// A regenerated resource with a bad header or size would only show on Windows: silent, or blank.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string ReadResource(const std::string& name) {
  std::ifstream in(std::string(BRINDLEWICK_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

using Values = std::vector<std::size_t>;

// The little-endian fields at `base` + offset, for {offset, width} pairs given in a row.
Values Fields(std::string_view b, std::size_t base, std::initializer_list<int> at) {
  Values values;
  for (auto p = at.begin(); p != at.end(); p += 2) {
    std::size_t& v = values.emplace_back(0);
    for (int i = p[1] - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b.at(base + p[0] + i));
  }
  return values;
}

// Plain PCM, 8 or 16 bits, mono or stereo, whose header agrees with itself and with the file.
TEST(Sounds, EachWaveIsPlainPcmWhoseHeaderAgreesWithItsLength) {
  for (const char* file :
       {"click.wav", "key.wav", "roll.wav", "start.wav", "end.wav", "sword.wav", "loop.wav"}) {
    SCOPED_TRACE(file);
    const std::string b = ReadResource(file);
    ASSERT_GT(b.size(), 44u);
    EXPECT_EQ(b.substr(0, 4) + b.substr(8, 8) + b.substr(36, 4), "RIFFWAVEfmt data");
    // RIFF size; a 16-byte PCM fmt chunk: channels, rate, byte rate, block align, bits; data size.
    const Values f = Fields(b, 0, {4, 4, 16, 4, 20, 2, 22, 2, 24, 4, 28, 4, 32, 2, 34, 2, 40, 4});
    const std::size_t channels = f[3], rate = f[4], bits = f[7], bytes = b.size() - 44;
    EXPECT_TRUE((channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate >= 8000);
    // Nothing after the data but the pad byte that keeps an odd chunk word-aligned.
    EXPECT_EQ(f, (Values{b.size() - 8, 16, 1, channels, rate, rate * channels * bits / 8,
                         channels * bits / 8, bits, bytes - f[8] % 2}));
  }
}

TEST(Pictures, SplashIsOneFrameGif89aWithAFullGlobalPalette) {
  const std::string b = ReadResource("splash.gif");
  EXPECT_TRUE(b.starts_with("GIF89a"));
  EXPECT_EQ(Fields(b, 0, {6, 2, 8, 2}), (Values{400, 200}));
  EXPECT_EQ(b.at(10) & 0x87, 0x87) << "global palette present, 256 entries";
  std::vector<Values> frames;
  bool transparent = false;
  std::size_t p = 13 + 768;
  for (; p < b.size() && b[p] != 0x3B; ++p) {
    ASSERT_TRUE(b[p] == 0x21 || b[p] == 0x2C) << "unknown block at " << p;
    transparent |= b.substr(p, 2) == "\x21\xf9" && (b.at(p + 3) & 1);  // graphic control
    if (b[p] == 0x2C) frames.push_back(Fields(b, p, {1, 4, 5, 2, 7, 2, 9, 1}));
    p += b[p] == 0x21 ? 2 : 11;
    while (p < b.size() && b[p] != 0) p += std::uint8_t(b[p]) + 1;  // data sub-blocks
  }
  EXPECT_FALSE(transparent);
  // One frame: at the origin, full size, neither a palette of its own nor interlacing.
  EXPECT_EQ(frames, (std::vector<Values>{{0, 400, 200, 0}}));
  EXPECT_EQ(p, b.size() - 1) << "trailer is the last byte";
}

TEST(Pictures, TickerIsAPlain24BitBitmap) {
  const std::string b = ReadResource("ticker.bmp");
  ASSERT_EQ(b.size(), 54u + 29u * 140u * 3u);
  EXPECT_TRUE(b.starts_with("BM"));
  // File size; pixels right after a plain 40-byte header; 140 x 29, 24 bpp, uncompressed.
  EXPECT_EQ(Fields(b, 0, {2, 4, 10, 4, 14, 4, 18, 4, 22, 4, 28, 2, 30, 4}),
            (Values{b.size(), 54, 40, 140, 29, 24, 0}));
}

TEST(Pictures, IconHoldsA16AndA32PixelSixteenColorImage) {
  const std::string b = ReadResource("brindlewick.ico");
  EXPECT_EQ(Fields(b, 0, {0, 4, 4, 2}), (Values{0x10000, 2})) << "an icon file of two images";
  for (std::size_t i = 0, size = 16; i < 2; ++i, size *= 2) {
    const std::size_t entry = 6 + 16 * i, at = Fields(b, entry, {12, 4})[0];
    // 4 bpp, a 16-colour palette, and image and mask rows each padded to 4 bytes.
    EXPECT_EQ(Fields(b, entry, {0, 1, 1, 1, 6, 2, 8, 4}),
              (Values{size, size, 4, 40 + 16 * 4 + size * size / 2 + size * 4}));
    ASSERT_LE(at + Fields(b, entry, {8, 4})[0], b.size());
    // A BMP-style image (not PNG) whose height counts the image and its mask; uncompressed.
    EXPECT_EQ(Fields(b, at, {0, 4, 4, 4, 8, 4, 14, 2, 16, 4}), (Values{40, size, 2 * size, 4, 0}));
  }
}

}  // namespace
