#pragma once
// Styled runs into a rich edit control (RichEdit 2.0 or later), for the ANSI program and
// the Unicode one alike: the runs go in as RTF (markup/rich_text_format.h), 7-bit bytes
// that both kinds of control read to the same characters, and every call is an "A"
// call, so a program that must run where "W" calls are stubs can use it.

#include <windows.h>

#include <vector>

#include "markup/reader.h"

namespace bw {

// Loads riched20.dll, once per process, and keeps it loaded: its classes live as long as
// the DLL. False when it cannot be loaded (Windows 95 has none), and then neither class
// below exists. Call it from the thread that creates the controls.
bool LoadRichEdit();

inline constexpr char kRichEditClassA[] = "RichEdit20A";
inline constexpr wchar_t kRichEditClassW[] = L"RichEdit20W";

// Replaces everything the control holds with the runs.
void SetRichText(HWND edit, const std::vector<StyledRun>& runs);

// Adds the runs at the end, on the control's last line, and leaves the caret after them.
// Text with a line break in it starts a new paragraph there (see RichTextFormat).
void AppendRichText(HWND edit, const std::vector<StyledRun>& runs);

}  // namespace bw
