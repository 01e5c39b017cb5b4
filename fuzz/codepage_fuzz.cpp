// UTF-8 and Windows-1252 both ways. The bytes are read as UTF-8 (checked against a decoder
// that follows the definition of well-formed UTF-8 step by step) and as Windows-1252; the
// same bytes taken two at a time are 16-bit text, read character by character, encoded both
// ways and read back.

#include <optional>
#include <string>

#include "engine/codepage1252.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}
bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
// A high surrogate at `i` with a low one after it.
bool PairAt(TextView text, std::size_t i) {
  return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsSurrogate(text[i + 1]) &&
         !IsHighSurrogate(text[i + 1]);
}

// The character one sequence stands for and its length in bytes, or nullopt when the
// sequence at `i` is ill-formed: a bad lead, too few continuation bytes, an overlong form,
// a surrogate or a value past U+10FFFF.
std::optional<std::pair<char32_t, std::size_t>> ReferenceSequence(std::string_view bytes,
                                                                  std::size_t i) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  std::size_t length;
  char32_t c;
  if (lead < 0x80) return std::pair<char32_t, std::size_t>(lead, 1);
  if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - i < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || IsSurrogate(c) || c > 0x10FFFF) return std::nullopt;
  return std::pair(c, length);
}

// Unpaired surrogates become U+FFFD, as the encoder promises.
Text WithLoneSurrogatesReplaced(TextView text) {
  Text out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (PairAt(out, i)) {
      ++i;
    } else if (IsSurrogate(out[i])) {
      out[i] = u'\uFFFD';
    }
  }
  return out;
}

void CheckUtf8Bytes(std::string_view bytes) {
  Text expected;
  std::optional<std::size_t> firstBad;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto sequence = ReferenceSequence(bytes, i);
    if (!sequence) {
      firstBad = i;
      break;
    }
    const auto [c, length] = *sequence;
    if (c < 0x10000) {
      expected.push_back(static_cast<char16_t>(c));
    } else {
      expected.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      expected.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    i += length;
  }
  std::size_t badIndex = bytes.size() + 1;
  const std::optional<Text> decoded = DecodeUtf8(bytes, &badIndex);
  if (firstBad) {
    BW_FUZZ_CHECK(!decoded);
    BW_FUZZ_CHECK(badIndex == *firstBad);
  } else {
    BW_FUZZ_CHECK(decoded && *decoded == expected);
    BW_FUZZ_CHECK(badIndex == bytes.size() + 1);  // left alone on success
    BW_FUZZ_CHECK(EncodeUtf8(*decoded) == bytes);
  }
}

void CheckWindows1252Bytes(std::string_view bytes) {
  const Text decoded = DecodeWindows1252(bytes);
  BW_FUZZ_CHECK(decoded.size() == bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    BW_FUZZ_CHECK(decoded[i] == Windows1252ToChar(static_cast<unsigned char>(bytes[i])));
  }
  BW_FUZZ_CHECK(EncodeWindows1252(decoded) == std::string(bytes));
  BW_FUZZ_CHECK(EncodeWindows1252Lossy(decoded) == bytes);
}

void CheckText(TextView text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t expected =
        PairAt(text, i) ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
    BW_FUZZ_CHECK(CodePointAt(text, i) == expected);
  }
  const std::string utf8 = EncodeUtf8(text);
  const std::optional<Text> back = DecodeUtf8(utf8);
  BW_FUZZ_CHECK(back && *back == WithLoneSurrogatesReplaced(text));

  std::size_t badIndex = text.size() + 1;
  const std::optional<std::string> ansi = EncodeWindows1252(text, &badIndex);
  const std::string lossy = EncodeWindows1252Lossy(text);
  BW_FUZZ_CHECK(lossy.size() == text.size());
  std::optional<std::size_t> firstMissing;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = CharToWindows1252(text[i]);
    if (byte) BW_FUZZ_CHECK(Windows1252ToChar(*byte) == text[i]);
    BW_FUZZ_CHECK(static_cast<unsigned char>(lossy[i]) == byte.value_or('?'));
    if (!byte && !firstMissing) firstMissing = i;
  }
  if (firstMissing) {
    BW_FUZZ_CHECK(!ansi && badIndex == *firstMissing);
  } else {
    BW_FUZZ_CHECK(ansi && *ansi == lossy && DecodeWindows1252(*ansi) == text);
  }
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = bw::fuzz::AsBytes(data, size);
  bw::CheckUtf8Bytes(bytes);
  bw::CheckWindows1252Bytes(bytes);
  bw::Text units;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  bw::CheckText(units);
  bw::CheckText(bw::fuzz::LenientText(bytes));
  return 0;
}
