#pragma once
// Windows-1252, the ANSI code page of the systems the AOL client runs on. This is the
// system's one table of it: the composer's output encoding and the scripted window tree
// both use it.

#include <optional>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace bw {

// The character a Windows-1252 byte stands for. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// Windows' own conversion does, so every byte survives a round trip.
[[nodiscard]] char16_t Windows1252ToChar(unsigned char byte);

// The byte for a character, or nullopt when Windows-1252 has no such character.
// CharToWindows1252(u'\u2122') == 0x99; CharToWindows1252(u'\u4e2d') == nullopt
[[nodiscard]] std::optional<unsigned char> CharToWindows1252(char16_t c);

// Every byte becomes one character; spaces, 0xA0 (no-break space) and markup pass as
// themselves. DecodeWindows1252("\x99 <B>") == u"\u2122 <B>"
[[nodiscard]] Text DecodeWindows1252(std::string_view bytes);

// One byte per character. Nullopt when any character has no byte; `badIndex` (if given)
// then receives the 0-based index of the first such character. A surrogate, paired or
// not, has no byte. EncodeWindows1252(u"\u00e6 \u00a0") == "\xe6 \xa0"
[[nodiscard]] std::optional<std::string> EncodeWindows1252(TextView text,
                                                           std::size_t* badIndex = nullptr);

// As EncodeWindows1252, but a character without a byte becomes '?', as the platform's
// own best-effort conversion does.
[[nodiscard]] std::string EncodeWindows1252Lossy(TextView text);

}  // namespace bw
