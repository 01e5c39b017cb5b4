#pragma once
// The main window's settings in the per-user settings store, read once at start
// and written once at close. Every value is text; numbers are written as plain decimals.

#include <cstdint>
#include <optional>

#include "engine/color.h"
#include "engine/text.h"

namespace bw {

// Text values by key, under the program's own application and section names (the
// implementation knows where). Absent keys read as nullopt; a write creates or replaces.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<Text> Read(const char* key) = 0;
  virtual void Write(const char* key, TextView value) = 0;
};

// Stored text as a whole number: spaces (U+0020) around it, an optional sign, decimal
// digits with an optional fraction, rounded to the nearest integer with halves to the
// even neighbour. Anything else, and values beyond 32 bits, give nullopt.
// ParseWholeNumber(u"4867.5") == 4868; ParseWholeNumber(u"3186.5") == 3186;
// ParseWholeNumber(u"12px") == nullopt
[[nodiscard]] std::optional<std::int32_t> ParseWholeNumber(TextView text);

inline constexpr const char16_t* kDefaultLastSend = u"Brindlewick by ZornaVelde";

struct Settings {
  int Left = 0;    // twips
  int Top = 0;     // twips
  int Height = 0;  // twips
  Text LastSend;
  ColorRef AltColor1 = 0;
  ColorRef AltColor2 = 0;
  ColorRef FadeColor1 = 0;
  ColorRef FadeColor2 = 0;
  bool Preview = false;  // the preview under the main window is shown
};

// Reads "Left", "Top", "Height", "LastSend", "AltColor1", "AltColor2", "FadeColor1",
// "FadeColor2", then "Preview" ("1" on; absent or anything else off, as programs that do
// not know it leave it), in that order. An absent key, a number that does not parse, or a color
// outside 0..0xFFFFFF gives the key's default: Left and Top center the full-height
// window on the screen (sizes in twips), Height 4710, LastSend "Brindlewick by
// ZornaVelde", colors the style's defaults (green, black, red, blue).
[[nodiscard]] Settings ReadSettings(SettingsStore& store, int screenWidth, int screenHeight);

// Writes the keys in the same order, "Preview" as "1" or "0". Without geometry (a
// minimized window has no place worth keeping) Left, Top and Height keep what the store
// already holds.
void WriteSettings(SettingsStore& store, const Settings& settings, bool withGeometry);

}  // namespace bw
