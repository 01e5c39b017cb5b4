#include "engine/utf8.h"

namespace bw {

namespace {

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Length of the sequence a lead byte opens and the range its second byte must lie in,
// which is where overlong forms, surrogates and values past U+10FFFF are turned away.
struct Lead {
  int length;
  unsigned char secondMin;
  unsigned char secondMax;
};

Lead ClassifyLead(unsigned char b) {
  if (b < 0x80) return {1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

std::optional<Text> DecodeUtf8(std::string_view bytes, std::size_t* badIndex) {
  Text text;
  text.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const Lead kind = ClassifyLead(lead);
    bool ok = kind.length > 0 && i + kind.length <= bytes.size();
    char32_t c = kind.length == 1 ? lead : lead & (0x7F >> kind.length);
    for (int k = 1; ok && k < kind.length; ++k) {
      const auto b = static_cast<unsigned char>(bytes[i + k]);
      const unsigned char low = k == 1 ? kind.secondMin : 0x80;
      const unsigned char high = k == 1 ? kind.secondMax : 0xBF;
      ok = b >= low && b <= high;
      c = (c << 6) | (b & 0x3F);
    }
    if (!ok) {
      if (badIndex) *badIndex = i;
      return std::nullopt;
    }
    if (c < 0x10000) {
      text.push_back(static_cast<char16_t>(c));
    } else {
      text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    i += kind.length;
  }
  return text;
}

char32_t CodePointAt(TextView text, std::size_t i) {
  const char32_t c = text[i];
  if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
    return 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  }
  return c;
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = CodePointAt(text, i);
    if (c >= 0x10000) ++i;
    AppendUtf8(out, IsHighSurrogate(c) || IsLowSurrogate(c) ? 0xFFFD : c);
  }
  return out;
}

}  // namespace bw
