#include "app/ticker_win32.h"

#include <algorithm>
#include <string>

#include "app/gradient_win32.h"
#include "resource.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/screen_win32.h"
#include "win32/text_win32.h"

namespace bw {

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

// A 32-bit top-down DIB section in a memory device context: GDI draws into it once, and
// every tick copies its rows with plain memory copies. Under a 1 ms timer the ticker's
// work is then one blit to the screen per tick. The bitmap stays selected for the
// image's life; the context goes first on release, which lets go of it.
struct PixelImage {
  BitmapHandle bitmap;
  MemoryDcHandle dc;
  PixelRows rows;

  bool Create(HDC screen, int width, int height) {
    dc.Reset();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
      bitmap.Reset();
      rows = {};
      return false;
    }
    dc.Reset(CreateCompatibleDC(screen));
    SelectObject(dc.Get(), bitmap.Get());
    rows = {static_cast<std::uint32_t*>(bits), width, height};
    ClearRows(rows, 0, height);
    return true;
  }
};

// One ticker per program. `frame` is what the box shows; `strip` holds the current text
// entry; `picture` the ticker picture; `drawn` the one the last PrepareTickerEntry made.
struct Ticker {
  FontHandle font;
  PixelImage frame, strip, picture;
  BitmapHandle pictureBitmap;  // the resource as loaded, for `picture` at any size
  const PixelImage* drawn = nullptr;
  HWND box = nullptr;
  HWND screen = nullptr;  // fills the box; its own device context is kept
  HDC screenDc = nullptr;
  Text stripText;
};
Ticker g_ticker;

// Arial 14.25 point bold: 19 pixels at 96 dpi.
FontHandle CreateTickerFont() {
  return MakeFont({.face = "Arial",
                   .pixelHeight = ScreenUnits(ScreenDotsPerInch()).ScaleFont(19),
                   .bold = true,
                   .charset = ANSI_CHARSET});
}

LRESULT CALLBACK ScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the frame covers it all
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      BitBlt(dc, 0, 0, g_ticker.frame.rows.width, g_ticker.frame.rows.height,
             g_ticker.frame.dc.Get(), 0, 0, SRCCOPY);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the box beneath gets the mouse
    case WM_DESTROY:
      g_ticker.screen = nullptr;
      g_ticker.screenDc = nullptr;
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The screen: a child filling the box, with a device context of its own (CS_OWNDC), so
// that a tick needs no context from the window system's cache.
void CreateScreen(HWND box, HINSTANCE module, SIZE interior) {
  WNDCLASSA screenClass = {};
  screenClass.style = CS_OWNDC;
  screenClass.lpfnWndProc = ScreenProc;
  screenClass.hInstance = module;
  screenClass.lpszClassName = "BrindlewickTickerScreen";
  RegisterClassA(&screenClass);
  g_ticker.screen = CreateWindowExA(0, screenClass.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0,
                                    interior.cx, interior.cy, box, nullptr, module, nullptr);
  g_ticker.screenDc = g_ticker.screen ? GetDC(g_ticker.screen) : nullptr;
}

// The picture at `size`, stretched from the resource when the screen is denser.
void DrawPicture(PixelSize size) {
  if (g_ticker.picture.rows.width == size.width && g_ticker.picture.rows.height == size.height) {
    return;
  }
  BITMAP info = {};
  const WindowDc screen(g_ticker.box);
  if (!g_ticker.pictureBitmap || !GetObjectA(g_ticker.pictureBitmap.Get(), sizeof info, &info) ||
      !g_ticker.picture.Create(screen.Get(), size.width, size.height)) {
    return;
  }
  const MemoryDcHandle source(CreateCompatibleDC(screen.Get()));
  const SelectedObject bitmap(source.Get(), g_ticker.pictureBitmap.Get());
  SetStretchBltMode(g_ticker.picture.dc.Get(), HALFTONE);
  StretchBlt(g_ticker.picture.dc.Get(), 0, 0, size.width, size.height, source.Get(), 0, 0,
             info.bmWidth, info.bmHeight, SRCCOPY);
  GdiFlush();
}

// The text yellow on black across the screen's width, as high as the text.
void DrawStrip(TextView entry) {
  const std::string bytes = AnsiCharsetBytes(entry);
  const int length = static_cast<int>(bytes.size());
  SIZE extent = {0, 0};
  {
    const WindowDc screen(g_ticker.box);
    {
      const SelectedObject font(screen.Get(), g_ticker.font.Get());
      GetTextExtentPoint32A(screen.Get(), bytes.data(), length, &extent);
    }
    g_ticker.strip.Create(screen.Get(), g_ticker.frame.rows.width,
                          std::max(1, static_cast<int>(extent.cy)));
  }
  g_ticker.stripText = entry;
  if (!g_ticker.strip.dc) return;

  const HDC dc = g_ticker.strip.dc.Get();
  const SelectedObject font(dc, g_ticker.font.Get());
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, CenteredLeft(g_ticker.frame.rows.width, extent.cx), 0, bytes.data(), length);
  GdiFlush();
}

}  // namespace

std::optional<PixelSize> OpenTickerScreen(HWND picShoutz) {
  if (!g_ticker.box) {
    g_ticker.box = picShoutz;
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(picShoutz, GWLP_HINSTANCE));
    const SIZE interior = InteriorSize(picShoutz);
    {
      const WindowDc screen(picShoutz);
      g_ticker.frame.Create(screen.Get(), interior.cx, interior.cy);
    }
    g_ticker.font = CreateTickerFont();
    g_ticker.pictureBitmap.Reset(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(IDB_TICKER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    GdiFlush();
    CreateScreen(picShoutz, module, interior);
  }
  if (!g_ticker.frame.rows.pixels || !g_ticker.screenDc) return std::nullopt;
  return PixelSize{g_ticker.frame.rows.width, g_ticker.frame.rows.height};
}

std::optional<int> PrepareTickerEntry(TextView entry, PixelSize pictureSize) {
  const bool picture = IsPictureEntry(entry);
  if (picture) DrawPicture(pictureSize);
  if (!picture && entry != g_ticker.stripText) DrawStrip(entry);
  g_ticker.drawn = picture ? &g_ticker.picture : &g_ticker.strip;
  if (!g_ticker.drawn->rows.pixels) return std::nullopt;
  return g_ticker.drawn->rows.height;
}

void DrawTicker(const TickerRedraw& redraw) {
  if (!g_ticker.screenDc) return;
  const PixelRows& frame = g_ticker.frame.rows;
  ClearRows(frame, redraw.top, redraw.bottom);
  if (redraw.frame.entry != 0 && g_ticker.drawn && g_ticker.drawn->rows.pixels) {
    CopyInto(frame, g_ticker.drawn->rows, redraw.left, redraw.frame.y);
  }
  BitBlt(g_ticker.screenDc, 0, redraw.top, frame.width, redraw.bottom - redraw.top,
         g_ticker.frame.dc.Get(), 0, redraw.top, SRCCOPY);
}

}  // namespace bw
