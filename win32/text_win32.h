#pragma once
// Text crosses into Win32 calls here and nowhere else. Text is UTF-16; the "A" functions
// and other programs' windows take bytes of the ANSI code page, the "W" functions take
// UTF-16 as it is (char16_t and wchar_t are the same code units on Windows, so that
// crossing is a change of pointer type).

#include <windows.h>

#include <string>
#include <string_view>

#include "engine/codepage1252.h"
#include "engine/text.h"

namespace bw {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Text is UTF-16 on Windows");

// The ANSI code page (CP_ACP) through WideCharToMultiByte / MultiByteToWideChar: what the
// "A" functions, the registry's "A" values and another program's WM_GETTEXT hold. A
// character the code page lacks becomes its default character ('?').
[[nodiscard]] std::string AnsiFromText(TextView text);
[[nodiscard]] Text TextFromAnsi(std::string_view bytes);

// Bytes for the "A" drawing calls with a font made with ANSI_CHARSET. GDI reads them in
// the font's own code page, Windows-1252, whatever the system's code page is; a character
// it lacks becomes '?'.
[[nodiscard]] inline std::string AnsiCharsetBytes(TextView text) {
  return EncodeWindows1252Lossy(text);
}

[[nodiscard]] inline const wchar_t* WideOf(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
[[nodiscard]] inline const wchar_t* WideData(TextView text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}
[[nodiscard]] inline Text TextOf(const wchar_t* wide) {
  return wide ? Text(reinterpret_cast<const char16_t*>(wide)) : Text();
}

// A window's text as the window system holds it. Inline, so that only the programs that
// use it import GetWindowTextW.
[[nodiscard]] inline Text WindowText(HWND window) {
  std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return Text(reinterpret_cast<const char16_t*>(buffer.data()), copied > 0 ? copied : 0);
}

// The same text as the bytes of the ANSI code page (GetWindowTextA), as another
// program's WM_GETTEXT would read it.
[[nodiscard]] std::string WindowTextBytes(HWND window);

}  // namespace bw
