#pragma once
// One owning guard for every Win32 handle the practice room keeps: fonts, brushes,
// bitmaps and memory DCs. Copying is deleted; the handle is released once, on reset or
// destruction.

#include <windows.h>

#include <utility>

namespace bw {

template <typename H, typename Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, H{}));
    return *this;
  }
  ~Owned() { Reset(); }

  [[nodiscard]] H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != H{}; }
  void Reset(H handle = H{}) {
    if (handle_ != H{}) Release{}(handle_);
    handle_ = handle;
  }

 private:
  H handle_{};
};

struct ReleaseGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ReleaseMemoryDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using OwnedFont = Owned<HFONT, ReleaseGdiObject>;
using OwnedBrush = Owned<HBRUSH, ReleaseGdiObject>;
using OwnedBitmap = Owned<HBITMAP, ReleaseGdiObject>;
using OwnedPen = Owned<HPEN, ReleaseGdiObject>;
using OwnedMemoryDc = Owned<HDC, ReleaseMemoryDc>;

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
