#include "app/ticker_win32.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/gradient_win32.h"
#include "resource.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/text_win32.h"

namespace bw {

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kPictureLeft = 8;
constexpr int kNominalPictureHeight = 29;  // keeps the rest's timing if the bitmap is gone

// A 32-bit top-down DIB section in a memory device context: GDI draws into it once, and
// every tick copies its rows with plain memory copies. Under a 1 ms timer the ticker's
// work is then one blit to the screen per tick. The context goes first on release, which
// lets go of the bitmap and of any font selected into it.
struct PixelImage {
  BitmapHandle bitmap;
  MemoryDcHandle dc;
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;

  bool Create(HDC screen, int w, int h) {
    dc.Reset();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
      bitmap.Reset();
      *this = PixelImage();
      return false;
    }
    dc.Reset(CreateCompatibleDC(screen));
    SelectObject(dc.Get(), bitmap.Get());
    pixels = static_cast<std::uint32_t*>(bits);
    width = w;
    height = h;
    std::fill(pixels, pixels + width * height, 0u);  // black
    return true;
  }
};

// Rows top..bottom of the frame turn black.
void ClearRows(PixelImage& frame, int top, int bottom) {
  std::fill(frame.pixels + top * frame.width, frame.pixels + bottom * frame.width, 0u);
}

// `source` with its top-left corner at (left, top) of the frame, cut at the frame's edges.
void CopyInto(PixelImage& frame, const PixelImage& source, int left, int top) {
  const int x0 = std::max(0, left), x1 = std::min(frame.width, left + source.width);
  const int y0 = std::max(0, top), y1 = std::min(frame.height, top + source.height);
  for (int y = y0; y < y1 && x0 < x1; ++y) {
    std::memcpy(frame.pixels + y * frame.width + x0,
                source.pixels + (y - top) * source.width + (x0 - left),
                static_cast<std::size_t>(x1 - x0) * sizeof *frame.pixels);
  }
}

// One ticker per program. `frame` is what the box shows; `strip` holds the current text
// entry, drawn once across the box's width; `picture` the ticker picture.
struct Ticker {
  FontHandle font;
  PixelImage frame, strip, picture;
  HWND box = nullptr;
  HWND screen = nullptr;  // fills the box; its own device context is kept
  HDC screenDc = nullptr;
  Text stripText;
  int shownEntry = -1;  // the entry in `frame`, and the rows it covers there
  int shownTop = 0;
  int shownBottom = 0;
};
Ticker g_ticker;

// Arial 14.25 point bold: 19 pixels at 96 dpi.
FontHandle CreateTickerFont(HDC dc) {
  return MakeFont({.face = "Arial",
                   .pixelHeight = PointsToPixels(dc, 1425),
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
      BitBlt(dc, 0, 0, g_ticker.frame.width, g_ticker.frame.height, g_ticker.frame.dc.Get(), 0, 0,
             SRCCOPY);
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

void Prepare(HWND box) {
  g_ticker.box = box;
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE));
  const SIZE interior = InteriorSize(box);
  const WindowDc boxDc(box);
  const HDC screen = boxDc.Get();
  g_ticker.frame.Create(screen, interior.cx, interior.cy);
  g_ticker.font = CreateTickerFont(screen);
  BitmapHandle loaded(static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(IDB_TICKER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  BITMAP info = {};
  if (loaded && GetObjectA(loaded.Get(), sizeof info, &info) &&
      g_ticker.picture.Create(screen, info.bmWidth, info.bmHeight)) {
    MemoryDcHandle source(CreateCompatibleDC(screen));
    const SelectedObject bitmap(source.Get(), loaded.Get());
    BitBlt(g_ticker.picture.dc.Get(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0,
           SRCCOPY);
  }
  GdiFlush();
  g_ticker.shownBottom = g_ticker.frame.height;  // the first frame clears it all
  CreateScreen(box, module, interior);
}

// A text entry yellow on black, centered across the box's width (a wider text is cut on
// both sides), as high as the text.
void DrawStrip(const Text& entry) {
  const std::string bytes = AnsiCharsetBytes(entry);
  const int length = static_cast<int>(bytes.size());
  SIZE extent = {0, 0};
  {
    const WindowDc screen(g_ticker.box);
    {
      const SelectedObject font(screen.Get(), g_ticker.font.Get());
      GetTextExtentPoint32A(screen.Get(), bytes.data(), length, &extent);
    }
    g_ticker.strip.Create(screen.Get(), g_ticker.frame.width,
                          std::max(1, static_cast<int>(extent.cy)));
  }
  g_ticker.stripText = entry;
  if (!g_ticker.strip.dc) return;

  HDC dc = g_ticker.strip.dc.Get();
  SelectObject(dc, g_ticker.font.Get());
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  const double left = g_ticker.frame.width / 2.0 - extent.cx / 2.0;
  TextOutA(dc, static_cast<int>(std::nearbyint(left)), 0, bytes.data(), length);
  GdiFlush();
}

}  // namespace

void TickTicker(HWND picShoutz, TickerState& state) {
  if (!g_ticker.box) Prepare(picShoutz);
  if (picShoutz != g_ticker.box || !g_ticker.frame.pixels || !g_ticker.screenDc) return;
  const Text& entry = CurrentShout(state);
  const bool picture = IsPictureEntry(entry);
  if (!picture && entry != g_ticker.stripText) DrawStrip(entry);
  const PixelImage& source = picture ? g_ticker.picture : g_ticker.strip;
  const int height = source.pixels ? source.height : picture ? kNominalPictureHeight : 0;

  const TickerFrame step = StepTicker(state, height, g_ticker.frame.height);
  if (step.entry == g_ticker.shownEntry && step.y == g_ticker.shownTop) return;  // resting

  // Outside the rows of the entry drawn last the frame is black already: only those rows
  // and the new entry's are cleared and shown.
  const int top = std::max(0, std::min(g_ticker.shownTop, step.y));
  const int bottom =
      std::min(g_ticker.frame.height, std::max(g_ticker.shownBottom, step.y + height));
  g_ticker.shownEntry = step.entry;
  g_ticker.shownTop = step.y;
  g_ticker.shownBottom = step.y + height;
  if (bottom <= top) return;  // wholly outside the box

  ClearRows(g_ticker.frame, top, bottom);
  if (step.entry != 0 && source.pixels) {
    CopyInto(g_ticker.frame, source, picture ? kPictureLeft : 0, step.y);
  }
  BitBlt(g_ticker.screenDc, 0, top, g_ticker.frame.width, bottom - top, g_ticker.frame.dc.Get(), 0,
         top, SRCCOPY);
}

}  // namespace bw
