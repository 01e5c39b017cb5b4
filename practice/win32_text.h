#pragma once
// Text crosses into wide Win32 calls here and nowhere else. char16_t and wchar_t are
// both UTF-16 code units on Windows, so the conversion is a change of pointer type.

#include <windows.h>

#include <string>

#include "engine/text.h"

namespace bw {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

[[nodiscard]] inline const wchar_t* WideOf(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
[[nodiscard]] inline const wchar_t* WideData(TextView text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}
[[nodiscard]] inline Text TextOf(const wchar_t* wide) {
  return wide ? Text(reinterpret_cast<const char16_t*>(wide)) : Text();
}

// A window's text as the window system holds it.
[[nodiscard]] inline Text WindowText(HWND window) {
  std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return Text(reinterpret_cast<const char16_t*>(buffer.data()), copied > 0 ? copied : 0);
}

// The same text as the bytes of the ANSI code page, as another program's WM_GETTEXT
// would read it.
[[nodiscard]] inline std::string WindowTextBytes(HWND window) {
  std::string buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  buffer.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return buffer;
}

}  // namespace bw
