#pragma once
// What the harnesses share: the entry point libFuzzer and the replay driver call, a check
// that makes a broken property a finding, and readers that turn fuzz bytes into inputs.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "engine/codepage1252.h"
#include "engine/style_options.h"
#include "engine/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts, so that libFuzzer keeps the input as a crash and a replay fails on it. Not an
// assert: it has to hold in every build type.
#define BW_FUZZ_CHECK(condition)                                                            \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace bw::fuzz {

inline std::string_view AsBytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// 16-bit text from bytes, so that seeds stay readable yet every unit can be reached:
// a UTF-8-shaped sequence gives its value even where strict UTF-8 forbids it (an encoded
// surrogate, an overlong form), four bytes give a surrogate pair, and any other byte
// stands for its Windows-1252 character.
inline Text LenientText(std::string_view bytes) {
  Text text;
  std::size_t i = 0;
  const auto continuation = [&](std::size_t k) {
    return i + k < bytes.size() && (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
  };
  const auto low6 = [&](std::size_t k) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[i + k]) & 0x3F);
  };
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if ((lead & 0xE0) == 0xC0 && continuation(1)) {
      text.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | low6(1)));
      i += 2;
    } else if ((lead & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
      text.push_back(static_cast<char16_t>(((lead & 0x0F) << 12) | (low6(1) << 6) | low6(2)));
      i += 3;
    } else if ((lead & 0xF8) == 0xF0 && continuation(1) && continuation(2) && continuation(3)) {
      const char32_t c = ((lead & 0x07) << 18) | (low6(1) << 12) | (low6(2) << 6) | low6(3);
      const char32_t offset = (c - 0x10000) & 0xFFFFF;
      text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
      i += 4;
    } else {
      text.push_back(Windows1252ToChar(lead));
      i += 1;
    }
  }
  return text;
}

// The pieces between NUL bytes, at most `most` of them; the last takes the rest, NULs
// and all, so no byte of the input goes unused.
inline std::vector<std::string_view> SplitAtNul(std::string_view bytes, std::size_t most) {
  std::vector<std::string_view> pieces;
  while (pieces.size() + 1 < most) {
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos) break;
    pieces.push_back(bytes.substr(0, nul));
    bytes.remove_prefix(nul + 1);
  }
  pieces.push_back(bytes);
  return pieces;
}

// Takes one byte off the front, 0 once the input is used up.
inline unsigned char TakeByte(std::string_view& bytes) {
  if (bytes.empty()) return 0;
  const auto byte = static_cast<unsigned char>(bytes.front());
  bytes.remove_prefix(1);
  return byte;
}

// Sets each field to one bit of the byte, the lowest bit first.
inline void SetFlags(unsigned char byte, std::initializer_list<bool*> fields) {
  for (bool* field : fields) {
    *field = byte & 1;
    byte >>= 1;
  }
}

// The options a line is composed with, as the compose and round-trip harnesses read them:
// a byte of the eight flags (bit 0 Bold to bit 7 Backwards), a byte whose low three bits
// pick the effect (mod 6) and whose bit 3 sends to IM, then three bytes (red, green, blue)
// for each of the four colors.
inline void TakeComposition(std::string_view& bytes, StyleOptions& options, SendTarget& target) {
  SetFlags(TakeByte(bytes), {&options.Bold, &options.Italic, &options.Underline,
                             &options.Strikeout, &options.Hacker, &options.Elite,
                             &options.Spaced, &options.Backwards});
  const unsigned char choice = TakeByte(bytes);
  options.Effect = static_cast<EffectMode>((choice & 7) % 6);
  target = (choice & 8) ? SendTarget::IM : SendTarget::Chat;
  for (ColorRef* color :
       {&options.AltColor1, &options.AltColor2, &options.FadeColor1, &options.FadeColor2}) {
    const int red = TakeByte(bytes), green = TakeByte(bytes);
    *color = MakeColorRef(red, green, TakeByte(bytes));
  }
}

}  // namespace bw::fuzz
