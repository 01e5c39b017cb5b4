#include "app/ticker_win32.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "app/gradient_win32.h"
#include "app/ticker.h"
#include "engine/text.h"
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

enum : UINT_PTR { kTmrShoutz = 1 };  // the screen's one timer

// The box's screen. `frame` is what the box shows; `strips` hold the text entries, each
// drawn once, the first time it comes round; `picture` the ticker picture; `drawn` the
// one the last PrepareEntry gave.
struct GdiTickerCanvas final : TickerCanvas {
  std::optional<PixelSize> Open(HWND picShoutz);
  std::optional<int> PrepareEntry(TextView entry, PixelSize pictureSize) override;
  void Draw(const TickerRedraw& redraw) override;
  void DrawPicture(PixelSize size);
  const PixelImage* DrawStrip(TextView entry);
  void CreateScreen(HINSTANCE module, SIZE interior);

  FontHandle font;
  PixelImage frame, picture;
  std::map<Text, PixelImage> strips;
  BitmapHandle pictureBitmap;  // the resource as loaded, for `picture` at any size
  const PixelImage* drawn = nullptr;
  HWND box = nullptr;
  HWND screen = nullptr;  // fills the box; its own device context is kept
  HDC screenDc = nullptr;
};

// One ticker per program.
GdiTickerCanvas g_canvas;
Ticker g_ticker{g_canvas};

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
      BitBlt(dc, 0, 0, g_canvas.frame.rows.width, g_canvas.frame.rows.height,
             g_canvas.frame.dc.Get(), 0, 0, SRCCOPY);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kTmrShoutz) g_ticker.Tick(GetTickCount());
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the box beneath gets the mouse
    case WM_DESTROY:
      g_ticker.Stop();
      g_canvas.screen = nullptr;
      g_canvas.screenDc = nullptr;
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The screen: a child filling the box, with a device context of its own (CS_OWNDC), so
// that a tick needs no context from the window system's cache.
void GdiTickerCanvas::CreateScreen(HINSTANCE module, SIZE interior) {
  WNDCLASSA screenClass = {};
  screenClass.style = CS_OWNDC;
  screenClass.lpfnWndProc = ScreenProc;
  screenClass.hInstance = module;
  screenClass.lpszClassName = "BrindlewickTickerScreen";
  RegisterClassA(&screenClass);
  screen = CreateWindowExA(0, screenClass.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0,
                           interior.cx, interior.cy, box, nullptr, module, nullptr);
  screenDc = screen ? GetDC(screen) : nullptr;
}

// The picture at `size`, stretched from the resource when the screen is denser.
void GdiTickerCanvas::DrawPicture(PixelSize size) {
  if (picture.rows.width == size.width && picture.rows.height == size.height) return;
  BITMAP info = {};
  const WindowDc boxDc(box);
  if (!pictureBitmap || !GetObjectA(pictureBitmap.Get(), sizeof info, &info) ||
      !picture.Create(boxDc.Get(), size.width, size.height)) {
    return;
  }
  const MemoryDcHandle source(CreateCompatibleDC(boxDc.Get()));
  const SelectedObject bitmap(source.Get(), pictureBitmap.Get());
  SetStretchBltMode(picture.dc.Get(), HALFTONE);
  StretchBlt(picture.dc.Get(), 0, 0, size.width, size.height, source.Get(), 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  GdiFlush();
}

// The text yellow on black across the screen's width, as high as the text; nullptr when
// no image could be made, which is tried again the next time.
const PixelImage* GdiTickerCanvas::DrawStrip(TextView entry) {
  const std::string bytes = AnsiCharsetBytes(entry);
  const int length = static_cast<int>(bytes.size());
  SIZE extent = {0, 0};
  PixelImage& strip = strips[Text(entry)];
  {
    const WindowDc boxDc(box);
    {
      const SelectedObject selected(boxDc.Get(), font.Get());
      GetTextExtentPoint32A(boxDc.Get(), bytes.data(), length, &extent);
    }
    if (!strip.Create(boxDc.Get(), frame.rows.width, std::max(1, static_cast<int>(extent.cy)))) {
      strips.erase(Text(entry));
      return nullptr;
    }
  }

  const HDC dc = strip.dc.Get();
  const SelectedObject selected(dc, font.Get());
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, CenteredLeft(frame.rows.width, extent.cx), 0, bytes.data(), length);
  GdiFlush();
  return &strip;
}

std::optional<PixelSize> GdiTickerCanvas::Open(HWND picShoutz) {
  if (!box) {
    box = picShoutz;
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(picShoutz, GWLP_HINSTANCE));
    const SIZE interior = InteriorSize(picShoutz);
    {
      const WindowDc boxDc(picShoutz);
      frame.Create(boxDc.Get(), interior.cx, interior.cy);
    }
    font = CreateTickerFont();
    pictureBitmap.Reset(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(IDB_TICKER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    GdiFlush();
    CreateScreen(module, interior);
  }
  if (!frame.rows.pixels || !screenDc) return std::nullopt;
  return PixelSize{frame.rows.width, frame.rows.height};
}

std::optional<int> GdiTickerCanvas::PrepareEntry(TextView entry, PixelSize pictureSize) {
  if (IsPictureEntry(entry)) {
    DrawPicture(pictureSize);
    drawn = &picture;
  } else {
    const auto made = strips.find(Text(entry));
    drawn = made != strips.end() ? &made->second : DrawStrip(entry);
  }
  if (!drawn || !drawn->rows.pixels) return std::nullopt;
  return drawn->rows.height;
}

void GdiTickerCanvas::Draw(const TickerRedraw& redraw) {
  if (!screenDc) return;
  const PixelRows& rows = frame.rows;
  ClearRows(rows, redraw.top, redraw.bottom);
  if (redraw.frame.entry != 0 && drawn && drawn->rows.pixels) {
    CopyInto(rows, drawn->rows, redraw.left, redraw.frame.y);
  }
  BitBlt(screenDc, 0, redraw.top, rows.width, redraw.bottom - redraw.top, frame.dc.Get(), 0,
         redraw.top, SRCCOPY);
}

}  // namespace

void StartTicker(HWND picShoutz) {
  const std::optional<PixelSize> screen = g_canvas.Open(picShoutz);
  if (!screen) return;
  g_ticker.Start(*screen, GetDeviceCaps(g_canvas.screenDc, VREFRESH));
  SetTimer(g_canvas.screen, kTmrShoutz, 1, nullptr);
}

void StopTicker() {
  if (g_canvas.screen) KillTimer(g_canvas.screen, kTmrShoutz);
  g_ticker.Stop();
}

}  // namespace bw
