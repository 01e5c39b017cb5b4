#pragma once
// Fonts the programs draw with, all made the one way: a face, a character height in
// pixels and the style bits.

#include <windows.h>

#include "win32/handle_win32.h"

namespace bw {

struct FontLook {
  const char* face = "";
  int pixelHeight = 0;  // of the characters, not of the cell
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  BYTE charset = DEFAULT_CHARSET;
  BYTE quality = DEFAULT_QUALITY;
  // The face to ask for when the system has no `face` of its own and would otherwise
  // pick one by the family below; nullptr to take that pick.
  const char* fallbackFace = nullptr;
  // Which face stands in when `face` is missing.
  BYTE pitchAndFamily = DEFAULT_PITCH | FF_SWISS;
};

[[nodiscard]] inline FontHandle CreateFontOf(const FontLook& look, const char* face) {
  return FontHandle(CreateFontA(-look.pixelHeight, 0, 0, 0, look.bold ? FW_BOLD : FW_NORMAL,
                                look.italic, look.underline, look.strikeout, look.charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, look.quality,
                                look.pitchAndFamily, face));
}

// Whether the system draws `font` in the face of that name, not a stand-in for it.
[[nodiscard]] inline bool HasOwnFace(const FontHandle& font, const char* face) {
  const WindowDc screen(nullptr);
  if (!screen.Get() || !font) return false;
  const SelectedObject selected(screen.Get(), font.Get());
  char used[LF_FACESIZE] = "";
  GetTextFaceA(screen.Get(), LF_FACESIZE, used);
  return lstrcmpiA(used, face) == 0;
}

// An empty handle when the system cannot make the font.
[[nodiscard]] inline FontHandle MakeFont(const FontLook& look) {
  FontHandle font = CreateFontOf(look, look.face);
  if (look.fallbackFace && !HasOwnFace(font, look.face))
    font = CreateFontOf(look, look.fallbackFace);
  return font;
}

}  // namespace bw
