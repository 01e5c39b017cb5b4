#pragma once
// The practice room's drawing guards, on top of the shell's handle guard: the off-screen
// bitmap and memory DC the transcript paints into, and an object selected into a DC for
// one scope.

#include <windows.h>

#include "app/win32_handle.h"

namespace bw {

inline void DeleteMemoryDc(HDC dc) {
  DeleteDC(dc);
}

using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
using MemoryDcHandle = UniqueHandle<HDC, DeleteMemoryDc>;

// Selects an object into a DC for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace bw
