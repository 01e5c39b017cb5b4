#pragma once
// The preview window: a rich edit control that shows the line as the chat room would, with
// a grey note line beneath it. It is docked directly under the main window, as wide as it
// and a few lines tall, and moves, rolls, minimizes and restores with it. It stays above
// other windows with it, never takes the keyboard focus (it is disabled: no click or key
// reaches it) and has no taskbar button (the main window owns it). What it shows is
// decided by the portable preview (app/preview.h).

#include <windows.h>

#include "app/preview.h"
#include "app/screen_units.h"
#include "win32/handle_win32.h"

namespace bw {

class PreviewWindow {
 public:
  // False when the rich edit library cannot be loaded: then no preview can be made.
  static bool Available();

  // Makes the window, hidden, owned by `mainWindow`; false when the system refuses.
  bool Create(HINSTANCE instance, HWND mainWindow, const ScreenUnits& units);
  // Whether the user wants it; it shows only while the main window shows, not minimized.
  void SetWanted(bool wanted);
  // Under the main window again, after it moved, rolled, minimized or restored.
  void Dock();
  void Fill(const PreviewContent& content);

  [[nodiscard]] HWND Window() const { return window_; }

 private:
  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  HWND text_ = nullptr;
  HWND note_ = nullptr;
  FontHandle noteFont_;
  int height_ = 0;     // the window's, outer
  int textHeight_ = 0;  // the text's, which fills the width at the top
  PixelRect noteRect_;  // the note's place beneath it
  bool wanted_ = false;
};

}  // namespace bw
