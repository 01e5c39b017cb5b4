#include "app/ticker_win32.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/gradient_win32.h"
#include "app/win32_handle.h"
#include "engine/codepage1252.h"
#include "resource.h"

namespace bw {

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kPictureLeft = 8;
constexpr SIZE kNominalPicture = {140, 29};  // keeps the rest's timing if the bitmap is gone

inline void DeleteMemoryDc(HDC dc) {
  DeleteDC(dc);
}
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
using MemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;

// A bitmap selected into a memory device context. The context goes first, which lets go
// of the bitmap (and of any font selected into it).
struct MemoryImage {
  BitmapHandle bitmap;
  MemoryDc dc;
  SIZE size = {};

  void Hold(HDC screen, HBITMAP image, SIZE imageSize) {
    dc.Reset();
    bitmap.Reset(image);
    dc.Reset(CreateCompatibleDC(screen));
    size = imageSize;
    SelectObject(dc.Get(), bitmap.Get());
  }
  void Create(HDC screen, SIZE imageSize) {
    Hold(screen, CreateCompatibleBitmap(screen, imageSize.cx, imageSize.cy), imageSize);
    PatBlt(dc.Get(), 0, 0, size.cx, size.cy, BLACKNESS);
  }
};

// One ticker per program. `frame` is what the box shows; `strip` holds the current text
// entry, drawn once across the box's width, so that a tick only copies bitmaps.
struct Ticker {
  FontHandle font;
  MemoryImage frame, strip, picture;
  HWND box = nullptr;
  Text stripText;
  int shownEntry = -1;  // the entry in `frame`, and the rows it covers there
  int shownTop = 0;
  int shownBottom = 0;
};
Ticker ticker;

HFONT CreateTickerFont(HDC dc) {
  // Arial 14.25 point bold: 19 pixels at 96 dpi.
  const int height = -MulDiv(1425, GetDeviceCaps(dc, LOGPIXELSY), 7200);
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "Arial");
}

void Prepare(HWND box) {
  ticker.box = box;
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE));
  HDC screen = GetDC(box);
  ticker.frame.Create(screen, InteriorSize(box));
  ticker.font.Reset(CreateTickerFont(screen));
  if (auto* image = static_cast<HBITMAP>(
          LoadImageA(module, MAKEINTRESOURCEA(IDB_TICKER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))) {
    BITMAP info = {};
    GetObjectA(image, sizeof info, &info);
    ticker.picture.Hold(screen, image, {info.bmWidth, info.bmHeight});
  }
  ReleaseDC(box, screen);
  ticker.shownBottom = static_cast<int>(ticker.frame.size.cy);  // the first frame clears all
}

// A text entry yellow on black, centered across the box's width (a wider text is cut on
// both sides), as high as the text.
void DrawStrip(const Text& entry) {
  const std::string bytes = EncodeWindows1252Lossy(entry);
  const int length = static_cast<int>(bytes.size());
  HDC screen = GetDC(ticker.box);
  HGDIOBJ before = SelectObject(screen, ticker.font.Get());
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(screen, bytes.data(), length, &extent);
  SelectObject(screen, before);
  ticker.strip.Create(screen, {ticker.frame.size.cx, std::max(1L, extent.cy)});
  ReleaseDC(ticker.box, screen);

  HDC dc = ticker.strip.dc.Get();
  SelectObject(dc, ticker.font.Get());
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  const double left = ticker.frame.size.cx / 2.0 - extent.cx / 2.0;
  TextOutA(dc, static_cast<int>(std::nearbyint(left)), 0, bytes.data(), length);
  ticker.strip.size.cy = extent.cy;
  ticker.stripText = entry;
}

}  // namespace

void TickTicker(HWND picShoutz, TickerState& state) {
  if (!ticker.box) Prepare(picShoutz);
  if (picShoutz != ticker.box) return;
  const Text& entry = CurrentShout(state);
  const bool picture = IsPictureEntry(entry);
  if (!picture && (!ticker.strip.dc || entry != ticker.stripText)) DrawStrip(entry);
  const MemoryImage& source = picture ? ticker.picture : ticker.strip;
  const int height = static_cast<int>(source.dc ? source.size.cy : kNominalPicture.cy);
  const int surfaceHeight = static_cast<int>(ticker.frame.size.cy);

  const TickerFrame step = StepTicker(state, height, surfaceHeight);
  if (step.entry == ticker.shownEntry && step.y == ticker.shownTop) return;  // resting

  // Outside the rows of the entry drawn last the frame is black already: only those rows
  // and the new entry's are cleared and shown, which keeps a 1 ms timer's work small.
  const int top = std::max(0, std::min(ticker.shownTop, step.y));
  const int bottom = std::min(surfaceHeight, std::max(ticker.shownBottom, step.y + height));
  ticker.shownEntry = step.entry;
  ticker.shownTop = step.y;
  ticker.shownBottom = step.y + height;
  if (bottom <= top) return;  // wholly outside the box

  HDC frame = ticker.frame.dc.Get();
  PatBlt(frame, 0, top, ticker.frame.size.cx, bottom - top, BLACKNESS);
  if (step.entry != 0 && source.dc) {
    BitBlt(frame, picture ? kPictureLeft : 0, step.y, source.size.cx, source.size.cy,
           source.dc.Get(), 0, 0, SRCCOPY);
  }
  HDC dc = GetDC(picShoutz);
  BitBlt(dc, 0, top, ticker.frame.size.cx, bottom - top, frame, 0, top, SRCCOPY);
  ReleaseDC(picShoutz, dc);
}

void PaintTicker(HWND picShoutz, HDC dc) {
  if (picShoutz != ticker.box) return;
  BitBlt(dc, 0, 0, ticker.frame.size.cx, ticker.frame.size.cy, ticker.frame.dc.Get(), 0, 0,
         SRCCOPY);
}

}  // namespace bw
