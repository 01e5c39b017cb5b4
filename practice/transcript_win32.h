#pragma once
// The transcript of a chat room or Instant Message window, window class "RICHCNTL" as
// the client's chat room has it. It draws every entry as styled runs with GDI, wraps
// them to its width and keeps the newest entry in view after each one arrives.

#include <windows.h>

#include "engine/text.h"

namespace bw {

inline constexpr wchar_t kTranscriptClass[] = L"RICHCNTL";

bool RegisterTranscriptClass(HINSTANCE instance);

// Adds "sender: line", the line read as markup.
void AppendTranscriptEntry(HWND transcript, TextView sender, TextView line);

// Switches every entry between its styled look and the markup as it arrived.
void SetTranscriptShowsMarkup(HWND transcript, bool showMarkup);

}  // namespace bw
