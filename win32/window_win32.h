#pragma once
// Windows as the rest of the programs name and hold them: a window as 32 bits that can
// cross a seam or a command line, the topmost band, and state a window owns.

#include <windows.h>

#include <cstdint>
#include <memory>

namespace bw {

// The one place where a window becomes 32 bits and back. User handles carry 32
// significant bits; a 64-bit HWND is the sign-extended value, so truncating on the way
// out and sign-extending on the way in round-trips on both widths. The values no window
// can bear, 0 and the two that user32 reads as "every top-level window" (HWND_BROADCAST
// 0xFFFF and -1), come back as nullptr: bits that arrive from outside can never turn a
// message into a broadcast.
[[nodiscard]] inline HWND HwndFromBits(std::uint32_t bits) {
  if (bits == 0 || bits == 0xFFFFu || bits == 0xFFFFFFFFu) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(bits)));
}
[[nodiscard]] inline std::uint32_t BitsOfHwnd(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window));
}

// SetWindowPos into the topmost band (or out of it), keeping place and size; nothing for
// nullptr, and a quiet failure for a window that has gone. Without SWP_NOACTIVATE the
// window is also activated, which is what putting a window above all others means to
// the user.
inline void SetTopmost(HWND window, bool topmost) {
  if (!window) return;
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE);
}

// State that a window owns from WM_NCCREATE, where it is attached, to WM_NCDESTROY, where
// it is released: those two messages come in pairs, so nothing leaks and nothing is
// freed twice. It lives in GWLP_USERDATA; the A or W call is the including program's.
template <typename State>
[[nodiscard]] State* StateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtr(window, GWLP_USERDATA));
}
template <typename State>
State& AttachState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtr(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.get()));
  return *state.release();
}
template <typename State>
void ReleaseState(HWND window) {
  const std::unique_ptr<State> released(StateOf<State>(window));
  SetWindowLongPtr(window, GWLP_USERDATA, 0);
}

}  // namespace bw
