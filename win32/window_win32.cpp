#include "win32/window_win32.h"

namespace bw {

HWND HwndFromBits(std::uint32_t bits) {
  if (bits == 0 || bits == 0xFFFFu || bits == 0xFFFFFFFFu) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(bits)));
}

std::uint32_t BitsOfHwnd(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window));
}

void SetTopmost(HWND window, bool topmost) {
  if (!window) return;
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace bw
