#include "app/settings_win32.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "win32/handle_win32.h"
#include "win32/text_win32.h"

namespace bw {

namespace {

constexpr const char* kSection =
    "Software\\VB and VBA Program Settings\\ZornaVelde\\Brindlewick for AOL 4.0";
// The longest value read back; anything larger was not written by this program.
constexpr DWORD kMaxValueBytes = 1 << 20;

}  // namespace

std::optional<Text> RegistrySettings::Read(const char* key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSection, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const RegistryKey section(raw);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(section.Get(), key, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ || size > kMaxValueBytes) {
    return std::nullopt;
  }
  std::string bytes(size, '\0');
  if (RegQueryValueExA(section.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  // The stored bytes need not end in a NUL, and may hold one early.
  bytes.resize(std::min<std::size_t>(size, bytes.size()));
  bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
  return TextFromAnsi(bytes);
}

void RegistrySettings::Write(const char* key, TextView value) {
  HKEY raw = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSection, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  const RegistryKey section(raw);
  const std::string bytes = AnsiFromText(value);
  RegSetValueExA(section.Get(), key, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.c_str()),
                 static_cast<DWORD>(bytes.size() + 1));
}

}  // namespace bw
