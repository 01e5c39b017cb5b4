#include "win32/rich_text_win32.h"

#include <richedit.h>

#include <algorithm>
#include <climits>
#include <string>

#include "markup/rich_text_format.h"

namespace bw {

namespace {

HMODULE g_richEdit = nullptr;
bool g_richEditTried = false;

struct StreamSource {
  const std::string* bytes;
  std::size_t offset;
};

// The control asks for the next `wanted` bytes until it is given none.
DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->bytes->size() - source->offset;
  const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(0L, wanted)));
  std::copy_n(source->bytes->data() + source->offset, count, buffer);
  source->offset += count;
  *given = static_cast<LONG>(count);
  return 0;
}

// EM_STREAMIN carries no text through the A/W message conversion: the bytes are RTF,
// read by the callback, so SendMessageA serves both kinds of control. A shown control
// stops drawing while it reads, which halves the time a long fade takes under Wine; a
// hidden one is left alone, since turning drawing back on would show it.
void StreamIn(HWND edit, const std::vector<StyledRun>& runs, WPARAM how) {
  const std::string rtf = RichTextFormat(runs);
  StreamSource source{&rtf, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  const bool shown = (GetWindowLongA(edit, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendMessageA(edit, WM_SETREDRAW, FALSE, 0);
  SendMessageA(edit, EM_STREAMIN, how, reinterpret_cast<LPARAM>(&stream));
  if (shown) {
    SendMessageA(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
  }
}

}  // namespace

bool LoadRichEdit() {
  if (!g_richEditTried) {
    g_richEditTried = true;
    g_richEdit = LoadLibraryA("riched20.dll");
  }
  return g_richEdit != nullptr;
}

void SetRichText(HWND edit, const std::vector<StyledRun>& runs) {
  StreamIn(edit, runs, SF_RTF);
}

void AppendRichText(HWND edit, const std::vector<StyledRun>& runs) {
  // The end is past the last character; the control puts a selection beyond its text at
  // the end, before the paragraph mark that closes every rich edit document.
  CHARRANGE end{LONG_MAX, LONG_MAX};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  StreamIn(edit, runs, SF_RTF | SFF_SELECTION);
}

}  // namespace bw
