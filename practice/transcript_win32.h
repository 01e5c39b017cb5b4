#pragma once
// The transcript of a chat room or Instant Message window: the system's rich edit control
// under the class name the client's transcript has, "RICHCNTL". It is read-only; its text
// can be selected and copied and answers WM_GETTEXT. It keeps the last 500 entries, each
// "sender: line" on a paragraph of its own, and brings each new one into view.

#include <windows.h>

#include "engine/text.h"

namespace bw {

inline constexpr wchar_t kTranscriptClass[] = L"RICHCNTL";
// The styles a transcript is created with, besides WS_CHILD and WS_VISIBLE.
inline constexpr DWORD kTranscriptStyle =
    WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL;

// False when the system has no rich edit control to build the class on.
bool RegisterTranscriptClass(HINSTANCE instance);

// Adds "sender: line", the line read as markup.
void AppendTranscriptEntry(HWND transcript, TextView sender, TextView line);

// Switches every entry between its styled look and the markup as it arrived.
void SetTranscriptShowsMarkup(HWND transcript, bool showMarkup);

}  // namespace bw
