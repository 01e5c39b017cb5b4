#include "win32/text_win32.h"

#include <climits>

namespace bw {

namespace {

int ClampToInt(std::size_t size) {
  return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

}  // namespace

std::string AnsiFromText(TextView text) {
  if (text.empty()) return {};
  const int count = ClampToInt(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, 0, WideData(text), count, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, WideData(text), count, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

Text TextFromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int count = ClampToInt(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, wide.data(), size);
  return Text(wide.begin(), wide.end());
}

std::string WindowTextBytes(HWND window) {
  std::string buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  buffer.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return buffer;
}

}  // namespace bw
