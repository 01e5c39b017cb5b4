// Checks the committed resource files byte by byte: the program plays and draws them
// straight from its own module, so a regenerated file with a wrong header, a stray chunk
// or a wrong size would only show up as silence or a blank picture on Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadResource(const std::string& name) {
  std::ifstream in(std::string(BRINDLEWICK_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const Bytes& b, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
  return v;
}

std::string Tag(const Bytes& b, std::size_t at, std::size_t n) {
  return std::string(b.begin() + at, b.begin() + at + n);
}

struct Sound {
  const char* name;
  const char* file;
  unsigned channels, rate, bits;
  std::uint32_t bytes;
};

constexpr Sound kSounds[] = {
    {"CLICK", "click.wav", 1, 22050, 16, 6708}, {"KEY", "key.wav", 1, 22050, 16, 9156},
    {"ROLL", "roll.wav", 1, 22050, 16, 14972},  {"START", "start.wav", 1, 11025, 16, 33074},
    {"END", "end.wav", 1, 11025, 16, 18468},    {"SWORD", "sword.wav", 1, 22050, 16, 47070},
    {"LOOP", "loop.wav", 2, 22050, 8, 331002},
};

// Sample i of a file's PCM data as a signed value (8-bit data is stored offset by 128).
int SampleAt(const Bytes& b, const Sound& s, std::size_t i) {
  if (s.bits == 8) return int(b.at(44 + i)) - 128;
  return std::int16_t(Le(b, 44 + 2 * i, 2));
}

TEST(Sounds, EachWaveIsPlainPcmOfItsExactFormatAndLength) {
  for (const Sound& s : kSounds) {
    SCOPED_TRACE(s.name);
    const Bytes b = ReadResource(s.file);
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(Tag(b, 0, 4), "RIFF");
    EXPECT_EQ(Tag(b, 8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(b, 16, 4), 16u) << "fmt chunk of a plain PCM header";
    EXPECT_EQ(Le(b, 20, 2), 1u) << "uncompressed PCM";
    EXPECT_EQ(Le(b, 22, 2), s.channels);
    EXPECT_EQ(Le(b, 24, 4), s.rate);
    EXPECT_EQ(Le(b, 28, 4), s.rate * s.channels * s.bits / 8) << "byte rate";
    EXPECT_EQ(Le(b, 32, 2), s.channels * s.bits / 8) << "block align";
    EXPECT_EQ(Le(b, 34, 2), s.bits);
    EXPECT_EQ(Tag(b, 36, 4), "data") << "data must follow fmt directly";
    EXPECT_EQ(Le(b, 40, 4), s.bytes);
    // Nothing after the data but the pad byte that keeps an odd chunk word-aligned.
    EXPECT_EQ(b.size(), 44 + s.bytes + s.bytes % 2);
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8) << "RIFF size";
  }
}

TEST(Sounds, LevelsStayClearOfClippingAndEndsDoNotPop) {
  for (const Sound& s : kSounds) {
    SCOPED_TRACE(s.name);
    const Bytes b = ReadResource(s.file);
    ASSERT_EQ(b.size(), 44 + s.bytes + s.bytes % 2);
    const std::size_t count = s.bytes / (s.bits / 8);
    const int full = s.bits == 8 ? 128 : 32768;
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(SampleAt(b, s, i)));
    EXPECT_LT(peak, full * 95 / 100) << "too close to clipping";
    EXPECT_GT(peak, full / 4) << "nearly silent";
    // The looped music runs its end into its start; every other sound starts and ends
    // at rest. Either way the step across the ends is small.
    for (unsigned ch = 0; ch < s.channels; ++ch) {
      const int first = SampleAt(b, s, ch), last = SampleAt(b, s, count - s.channels + ch);
      if (std::string(s.name) == "LOOP") {
        EXPECT_LE(std::abs(last - first), full / 16) << "seam on channel " << ch;
      } else {
        EXPECT_LE(std::abs(first), full / 256) << "starts with a step";
        EXPECT_LE(std::abs(last), full / 256) << "ends with a step";
      }
    }
  }
}

TEST(Pictures, SplashIsOneFrameGif89aWithAFullGlobalPalette) {
  const Bytes b = ReadResource("splash.gif");
  ASSERT_GE(b.size(), 13u + 768u);
  EXPECT_EQ(Tag(b, 0, 6), "GIF89a");
  EXPECT_EQ(Le(b, 6, 2), 400u);
  EXPECT_EQ(Le(b, 8, 2), 200u);
  EXPECT_EQ(b[10] & 0x87, 0x87) << "global palette present, 256 entries";
  int frames = 0;
  std::size_t p = 13 + 768;
  while (p < b.size() && b[p] != 0x3B) {
    if (b[p] == 0x21) {
      // A graphic control block must not make a colour transparent.
      if (b.at(p + 1) == 0xF9) {
        EXPECT_EQ(b.at(p + 3) & 1, 0) << "transparency";
      }
      p += 2;
    } else {
      ASSERT_EQ(b[p], 0x2C) << "unknown block at " << p;
      EXPECT_EQ(Le(b, p + 1, 4), 0u) << "frame at the origin";
      EXPECT_EQ(Le(b, p + 5, 2), 400u);
      EXPECT_EQ(Le(b, p + 7, 2), 200u);
      EXPECT_EQ(b.at(p + 9) & 0x80, 0) << "no local palette";
      p += 11;
      ++frames;
    }
    while (p < b.size() && b[p] != 0) p += b[p] + 1;  // data sub-blocks
    ++p;
  }
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(p, b.size() - 1) << "trailer is the last byte";
}

TEST(Pictures, TickerIsAPlain24BitBitmap) {
  const Bytes b = ReadResource("ticker.bmp");
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(Tag(b, 0, 2), "BM");
  EXPECT_EQ(Le(b, 2, 4), b.size());
  EXPECT_EQ(Le(b, 10, 4), 54u) << "pixels right after the header";
  EXPECT_EQ(Le(b, 14, 4), 40u) << "no colour-space block";
  EXPECT_EQ(Le(b, 18, 4), 140u);
  EXPECT_EQ(Le(b, 22, 4), 29u);
  EXPECT_EQ(Le(b, 28, 2), 24u);
  EXPECT_EQ(Le(b, 30, 4), 0u) << "uncompressed";
  EXPECT_EQ(b.size(), 54u + 29u * 420u);
}

TEST(Pictures, IconHoldsA16AndA32PixelSixteenColorImage) {
  const Bytes b = ReadResource("brindlewick.ico");
  ASSERT_GE(b.size(), 6u + 2u * 16u);
  EXPECT_EQ(Le(b, 0, 4), 0x10000u) << "icon file";
  ASSERT_EQ(Le(b, 4, 2), 2u);
  const unsigned sizes[] = {16, 32};
  for (int i = 0; i < 2; ++i) {
    const unsigned size = sizes[i];
    SCOPED_TRACE(size);
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(b[entry], size);
    EXPECT_EQ(b[entry + 1], size);
    EXPECT_EQ(Le(b, entry + 6, 2), 4u);
    const std::uint32_t length = Le(b, entry + 8, 4), at = Le(b, entry + 12, 4);
    ASSERT_LE(std::size_t(at) + length, b.size());
    // A BMP-style entry: the header's height counts the colour image and its mask.
    EXPECT_EQ(Le(b, at, 4), 40u) << "bitmap, not PNG";
    EXPECT_EQ(Le(b, at + 4, 4), size);
    EXPECT_EQ(Le(b, at + 8, 4), 2 * size);
    EXPECT_EQ(Le(b, at + 14, 2), 4u);
    EXPECT_EQ(Le(b, at + 16, 4), 0u) << "uncompressed";
    const std::uint32_t colour = size * size / 2, mask = size * 4;  // rows padded to 4 bytes
    EXPECT_EQ(length, 40 + 16 * 4 + colour + mask);
  }
}

}  // namespace
