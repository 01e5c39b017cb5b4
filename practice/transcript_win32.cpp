#include "practice/transcript_win32.h"

#include <richedit.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "markup/entry.h"
#include "practice/room_layout.h"
#include "win32/rich_text_win32.h"
#include "win32/screen_win32.h"
#include "win32/window_win32.h"

namespace bw {

namespace {

constexpr std::size_t kMaxEntries = 500;
// The space between the frame and the text, in pixels at 96 dpi; and where an entry's
// wrapped lines start, so that it reads as one, in twips, which the control turns into
// the screen's pixels itself (as it does the text's points).
constexpr int kPadding = 6;
constexpr int kIndentTwips = 18 * 15;

WNDPROC g_richEditProc = nullptr;

struct Entry {
  Text sender;
  Text line;
  // Characters the entry takes in the control, the paragraph break before it included.
  LONG length = 0;
};

struct Transcript {
  std::deque<Entry> entries;
  bool showMarkup = false;
};

LONG TextLength(HWND transcript) {
  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(
      SendMessageW(transcript, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

void AppendEntry(HWND transcript, const Transcript& state, Entry& entry) {
  std::vector<StyledRun> runs = EntryRuns(entry.sender, entry.line, state.showMarkup);
  const LONG before = TextLength(transcript);
  if (before > 0) runs.insert(runs.begin(), {u"\n", RunStyle{}});
  AppendRichText(transcript, runs);
  entry.length = TextLength(transcript) - before;
}

// The oldest entry goes, and the break that started the next one with it. Returns the
// characters that went.
LONG DropOldest(HWND transcript, Transcript& state) {
  LONG cut = state.entries.front().length;
  state.entries.pop_front();
  if (!state.entries.empty()) {
    const LONG breakLength = state.entries.front().length > 0 ? 1 : 0;
    cut += breakLength;
    state.entries.front().length -= breakLength;
  }
  CHARRANGE range{0, cut};
  SendMessageW(transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageW(transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
  return cut;
}

void ScrollToEnd(HWND transcript) {
  SendMessageW(transcript, WM_VSCROLL, SB_BOTTOM, 0);
}

// Every paragraph that follows takes the format of the one it is added to, so the empty
// control's paragraph sets it for all entries. Text streamed in over the whole control
// starts from the default again.
void IndentWrappedLines(HWND transcript) {
  PARAFORMAT format{};
  format.cbSize = sizeof(format);
  format.dwMask = PFM_OFFSET;
  format.dxOffset = kIndentTwips;
  SendMessageW(transcript, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

void SetUp(HWND transcript) {
  const int padding = ScaleToDpi(kPadding, ScreenDotsPerInch());
  SendMessageW(transcript, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(padding, padding));
  IndentWrappedLines(transcript);
}

LRESULT CALLBACK TranscriptProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      AttachState(hwnd, std::make_unique<Transcript>());
      break;
    case WM_CREATE: {
      const LRESULT created = CallWindowProcW(g_richEditProc, hwnd, message, wParam, lParam);
      if (created != -1) SetUp(hwnd);
      return created;
    }
    case WM_NCDESTROY: {
      const LRESULT result = CallWindowProcW(g_richEditProc, hwnd, message, wParam, lParam);
      ReleaseState<Transcript>(hwnd);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(g_richEditProc, hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterTranscriptClass(HINSTANCE instance) {
  if (!LoadRichEdit()) return false;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(nullptr, kRichEditClassW, &wc)) return false;
  g_richEditProc = wc.lpfnWndProc;
  wc.lpfnWndProc = TranscriptProc;
  wc.hInstance = instance;
  wc.lpszClassName = kTranscriptClass;
  wc.style &= ~CS_GLOBALCLASS;
  return RegisterClassExW(&wc) != 0;
}

void AppendTranscriptEntry(HWND transcript, TextView sender, TextView line) {
  Transcript* state = StateOf<Transcript>(transcript);
  if (!state) return;
  // Text a person has selected stays selected while lines arrive, so it can be copied in
  // a busy room; what was dropped with the oldest entry leaves the selection.
  CHARRANGE selected{};
  SendMessageW(transcript, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selected));
  LONG dropped = 0;
  if (state->entries.size() >= kMaxEntries) dropped = DropOldest(transcript, *state);
  state->entries.push_back({Text(sender), Text(line)});
  AppendEntry(transcript, *state, state->entries.back());
  if (selected.cpMax - dropped > 0 && selected.cpMin != selected.cpMax) {
    selected = {std::max(0L, selected.cpMin - dropped), selected.cpMax - dropped};
    SendMessageW(transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selected));
  }
  ScrollToEnd(transcript);
}

void SetTranscriptShowsMarkup(HWND transcript, bool showMarkup) {
  Transcript* state = StateOf<Transcript>(transcript);
  if (!state || state->showMarkup == showMarkup) return;
  state->showMarkup = showMarkup;
  SetRichText(transcript, {});
  IndentWrappedLines(transcript);
  for (Entry& entry : state->entries) AppendEntry(transcript, *state, entry);
  ScrollToEnd(transcript);
}

}  // namespace bw
