#pragma once
// One guard for every handle the Windows programs own (fonts, brushes, bitmaps, memory
// DCs, registry keys, kernel objects): released exactly once, never copied. Beside it,
// the scoped guards for what is only borrowed (a window's DC, an object selected into a
// DC) and the reference a COM interface pointer holds.

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace bw {

template <typename Handle, auto Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  [[nodiscard]] Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void Reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

inline void DeleteGdiObject(HGDIOBJ object) {
  DeleteObject(object);
}
inline void CloseRegistryKey(HKEY key) {
  RegCloseKey(key);
}
inline void DeleteMemoryDc(HDC dc) {
  DeleteDC(dc);
}
inline void CloseKernelObject(HANDLE handle) {
  CloseHandle(handle);
}

using FontHandle = UniqueHandle<HFONT, DeleteGdiObject>;
using BrushHandle = UniqueHandle<HBRUSH, DeleteGdiObject>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
using MemoryDcHandle = UniqueHandle<HDC, DeleteMemoryDc>;
using RegistryKey = UniqueHandle<HKEY, CloseRegistryKey>;
// Mutexes, events, threads: the kernel's handles, which are null (not
// INVALID_HANDLE_VALUE) when their creation fails.
using KernelHandle = UniqueHandle<HANDLE, CloseKernelObject>;

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

// A window's DC from the window system's cache, for one scope. Get() is nullptr when the
// window has none to give.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  [[nodiscard]] HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The one reference a COM interface pointer stands for, released with it.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Reset(); }

  [[nodiscard]] Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  void Reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }
  // For a call that hands out a new reference through its last argument.
  [[nodiscard]] Interface** Put() {
    Reset();
    return &pointer_;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace bw
