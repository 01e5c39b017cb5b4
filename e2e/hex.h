#pragma once
// Exact bytes as the end-to-end tests compare text: upper-case hex, two digits a byte, and
// EMPTY for no bytes. Shared by the Win32 probes and the fixture.

#include <string>
#include <string_view>

inline std::string Hex(std::string_view bytes, const char* empty = "") {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char b : bytes) hex += {kDigits[b >> 4], kDigits[b & 15]};
  return bytes.empty() ? empty : hex;
}
