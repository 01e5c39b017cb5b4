#include "practice/transcript_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "markup/entry.h"
#include "practice/transcript_layout.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/text_win32.h"
#include "win32/window_win32.h"

namespace bw {

namespace {

constexpr int kPadding = 6;
constexpr int kEntryGap = 3;
constexpr int kIndent = 18;
constexpr int kMaxEntries = 500;
constexpr int kLineStep = 16;
// Pixel heights of the four markup sizes, the client's default size 2 being the
// ordinary 10-point chat font.
constexpr int kPixelHeights[kMaxFontSize + 1] = {0, 11, 13, 16, 20};
constexpr char kFace[] = "Arial";

struct Entry {
  Text sender;
  Text line;
  std::vector<LaidLine> lines;
  int height = 0;
};

struct Font {
  FontHandle handle;
  TEXTMETRICW metrics{};
};

class Transcript {
 public:
  explicit Transcript(HWND hwnd) : hwnd_(hwnd) {}

  void Append(TextView sender, TextView line) {
    entries_.push_back({Text(sender), Text(line), {}, 0});
    if (entries_.size() > kMaxEntries) entries_.pop_front();
    WithMeasure([&](const MeasureText& measure) { LayOut(entries_.back(), measure); });
    scrollTop_ = MaxScrollTop();
    Refresh();
  }

  void ShowMarkup(bool showMarkup) {
    if (showMarkup_ == showMarkup) return;
    showMarkup_ = showMarkup;
    const bool atBottom = scrollTop_ >= MaxScrollTop();
    LayOutAll();
    scrollTop_ = atBottom ? MaxScrollTop() : std::min(scrollTop_, MaxScrollTop());
    Refresh();
  }

  void Resize() {
    const bool atBottom = scrollTop_ >= MaxScrollTop();
    if (WrapWidth() != laidOutWidth_) LayOutAll();
    scrollTop_ = atBottom ? MaxScrollTop() : std::min(scrollTop_, MaxScrollTop());
    Refresh();
  }

  void ScrollTo(int top) {
    top = std::clamp(top, 0, MaxScrollTop());
    if (top == scrollTop_) return;
    scrollTop_ = top;
    Refresh();
  }

  void OnVScroll(int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, SB_VERT, &info);
    switch (code) {
      case SB_LINEUP:
        ScrollTo(scrollTop_ - kLineStep);
        break;
      case SB_LINEDOWN:
        ScrollTo(scrollTop_ + kLineStep);
        break;
      case SB_PAGEUP:
        ScrollTo(scrollTop_ - ClientHeight() + kLineStep);
        break;
      case SB_PAGEDOWN:
        ScrollTo(scrollTop_ + ClientHeight() - kLineStep);
        break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION:
        ScrollTo(info.nTrackPos);
        break;
      case SB_TOP:
        ScrollTo(0);
        break;
      case SB_BOTTOM:
        ScrollTo(MaxScrollTop());
        break;
      default:
        break;
    }
  }

  // Three lines a notch, as the system's own lists scroll.
  void OnWheel(int delta) { ScrollTo(scrollTop_ - delta * 3 * kLineStep / WHEEL_DELTA); }

  void Paint() {
    PAINTSTRUCT ps;
    const HDC screen = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width > 0 && height > 0) {
      // Drawn off screen first: a fade redraws hundreds of runs, which flickers otherwise.
      MemoryDcHandle memory(CreateCompatibleDC(screen));
      BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
      SelectedObject keepBitmap(memory.Get(), bitmap.Get());
      DrawEntries(memory.Get(), client);
      BitBlt(screen, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(hwnd_, &ps);
  }

 private:
  void DrawEntries(HDC dc, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    const RECT clip{kPadding, 0, std::max<LONG>(kPadding, client.right - kPadding), client.bottom};
    int y = kPadding - scrollTop_;
    for (const Entry& entry : entries_) {
      if (y >= client.bottom) break;
      if (y + entry.height > 0) {
        int lineTop = y;
        for (const LaidLine& line : entry.lines) {
          for (const PlacedText& piece : line.pieces) {
            SelectedObject keepFont(dc, FontFor(piece.style).handle.Get());
            SetTextColor(dc, static_cast<COLORREF>(piece.style.color));
            ExtTextOutW(dc, kPadding + piece.x, lineTop + piece.baseline, ETO_CLIPPED, &clip,
                        WideData(piece.text), static_cast<UINT>(piece.text.size()), nullptr);
          }
          lineTop += line.height;
        }
      }
      y += entry.height + kEntryGap;
    }
  }

  const Font& FontFor(const RunStyle& style) {
    const int size = std::clamp(style.size, 1, kMaxFontSize);
    const int key =
        size << 4 | style.bold | style.italic << 1 | style.underline << 2 | style.strikeout << 3;
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    Font font;
    font.handle = MakeFont({.face = kFace,
                            .pixelHeight = kPixelHeights[size],
                            .bold = style.bold,
                            .italic = style.italic,
                            .underline = style.underline,
                            .strikeout = style.strikeout,
                            .quality = ANTIALIASED_QUALITY,
                            .pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE});
    {
      const WindowDc dc(hwnd_);
      const SelectedObject keep(dc.Get(), font.handle.Get());
      GetTextMetricsW(dc.Get(), &font.metrics);
    }
    return fonts_.emplace(key, std::move(font)).first->second;
  }

  template <typename Work>
  void WithMeasure(Work work) {
    const WindowDc dc(hwnd_);
    const MeasureText measure = [&](const RunStyle& style, TextView text) {
      const Font& font = FontFor(style);
      SIZE size{};
      if (!text.empty()) {
        SelectedObject keep(dc.Get(), font.handle.Get());
        GetTextExtentPoint32W(dc.Get(), WideData(text), static_cast<int>(text.size()), &size);
      }
      return TextExtent{size.cx, font.metrics.tmAscent, font.metrics.tmDescent};
    };
    work(measure);
  }

  void LayOut(Entry& entry, const MeasureText& measure) {
    const WrapOptions wrap{WrapWidth(), kIndent};
    entry.lines = LayOutRuns(EntryRuns(entry.sender, entry.line, showMarkup_), wrap, measure);
    entry.height = 0;
    for (const LaidLine& line : entry.lines) entry.height += line.height;
  }

  void LayOutAll() {
    laidOutWidth_ = WrapWidth();
    WithMeasure([&](const MeasureText& measure) {
      for (Entry& entry : entries_) LayOut(entry, measure);
    });
  }

  int WrapWidth() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return std::max<int>(1, client.right - 2 * kPadding);
  }

  int ClientHeight() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return client.bottom;
  }

  int ContentHeight() const {
    int height = 2 * kPadding;
    for (const Entry& entry : entries_) height += entry.height + kEntryGap;
    return height;
  }

  int MaxScrollTop() const { return std::max(0, ContentHeight() - ClientHeight()); }

  void Refresh() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, ContentHeight() - 1);
    info.nPage = static_cast<UINT>(std::max(0, ClientHeight()));
    info.nPos = scrollTop_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  HWND hwnd_;
  std::deque<Entry> entries_;
  std::map<int, Font> fonts_;
  int scrollTop_ = 0;
  int laidOutWidth_ = -1;
  bool showMarkup_ = false;
};

LRESULT CALLBACK TranscriptProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Transcript* state = StateOf<Transcript>(hwnd);
  switch (message) {
    case WM_NCCREATE:
      AttachState(hwnd, std::make_unique<Transcript>(hwnd));
      break;
    case WM_NCDESTROY:
      ReleaseState<Transcript>(hwnd);
      break;
    case WM_SIZE:
      if (state) state->Resize();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (!state) break;
      state->Paint();
      return 0;
    case WM_VSCROLL:
      if (state) state->OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (!state) break;
      state->OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);  // so the wheel scrolls what was clicked
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterTranscriptClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = TranscriptProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kTranscriptClass;
  return RegisterClassExW(&wc) != 0;
}

void AppendTranscriptEntry(HWND transcript, TextView sender, TextView line) {
  if (Transcript* state = StateOf<Transcript>(transcript)) state->Append(sender, line);
}

void SetTranscriptShowsMarkup(HWND transcript, bool showMarkup) {
  if (Transcript* state = StateOf<Transcript>(transcript)) state->ShowMarkup(showMarkup);
}

}  // namespace bw
