// ansi_imports_probe: calls CreateSemaphoreW, GetModuleHandleW and LoadLibraryW through
// app/ansi_imports_win32.cpp, which it is linked with as Brindlewick.exe is, and the
// runtime paths that reach them (an exception's unwinding, wcrtomb's code page lookup),
// for the end-to-end tests. A console program; it prints one "LABEL yes|no" line per fact,
// "yes" when the call behaved as the "W" function does on Windows XP.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>

namespace {

void Print(const char* label, bool holds) { std::printf("%s %s\n", label, holds ? "yes" : "no"); }

// The semaphores libgcc makes for its locks: unnamed, at 0, counting up to 65535.
bool UnnamedSemaphoreCounts() {
  const HANDLE semaphore = CreateSemaphoreW(nullptr, 0, 65535, nullptr);
  if (semaphore == nullptr) return false;
  const bool counts = WaitForSingleObject(semaphore, 0) == WAIT_TIMEOUT &&
                      ReleaseSemaphore(semaphore, 1, nullptr) &&
                      WaitForSingleObject(semaphore, 0) == WAIT_OBJECT_0 &&
                      WaitForSingleObject(semaphore, 0) == WAIT_TIMEOUT;
  CloseHandle(semaphore);
  return counts;
}

bool NamedSemaphoreIsTheAnsiOne() {
  const HANDLE wide = CreateSemaphoreW(nullptr, 1, 1, L"ansi_imports_probe");
  const HANDLE ansi = CreateSemaphoreA(nullptr, 1, 1, "ansi_imports_probe");
  const bool same = wide != nullptr && ansi != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  if (ansi) CloseHandle(ansi);
  if (wide) CloseHandle(wide);
  return same;
}

bool FailsWith(bool failed, DWORD error) { return failed && GetLastError() == error; }

}  // namespace

int main() {
  Print("unnamed-semaphore-counts", UnnamedSemaphoreCounts());
  Print("named-semaphore-is-the-ansi-one", NamedSemaphoreIsTheAnsiOne());
  Print("null-module-is-the-program",
        GetModuleHandleW(nullptr) != nullptr && GetModuleHandleW(nullptr) == GetModuleHandleA(nullptr));
  Print("msvcrt-found-by-name",
        GetModuleHandleW(L"msvcrt.dll") != nullptr &&
            GetModuleHandleW(L"msvcrt.dll") == GetModuleHandleA("msvcrt.dll"));
  Print("module-not-loaded-is-null", GetModuleHandleW(L"ansi_imports_absent.dll") == nullptr);
  const HMODULE advapi32 = LoadLibraryW(L"advapi32.dll");
  Print("library-loads", advapi32 != nullptr && GetProcAddress(advapi32, "RegOpenKeyExA") != nullptr);
  Print("absent-library-is-null", LoadLibraryW(L"ansi_imports_absent.dll") == nullptr);
  const std::wstring tooLong(MAX_PATH, L'x');
  Print("name-over-max-path-fails",
        FailsWith(CreateSemaphoreW(nullptr, 0, 1, tooLong.c_str()) == nullptr,
                  ERROR_FILENAME_EXCED_RANGE));
  // U+4E00: in no single-byte ANSI code page.
  Print("name-the-code-page-lacks-fails",
        FailsWith(LoadLibraryW(L"\u4e00.dll") == nullptr, ERROR_NO_UNICODE_TRANSLATION));
  bool caught = false;
  try {
    throw std::runtime_error("unwound");
  } catch (const std::runtime_error& error) {
    caught = std::string(error.what()) == "unwound";
  }
  Print("exception-caught", caught);
  char bytes[8] = {};
  std::mbstate_t state{};
  Print("wcrtomb-converts", std::wcrtomb(bytes, L'A', &state) == 1 && bytes[0] == 'A');
  return 0;
}
