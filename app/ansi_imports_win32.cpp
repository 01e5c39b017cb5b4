// Three "W" functions that the MinGW runtime linked into Brindlewick.exe calls, answered
// by their "A" twins. Windows 98's kernel32 exports CreateSemaphoreW, GetModuleHandleW and
// LoadLibraryW only as stubs that fail, and the runtime needs them to work: libgcc makes
// the locks of its unwinder and of emulated thread-local storage with CreateSemaphoreW (a
// lock without its semaphore fails the first time two threads meet at it), and the msvcrt
// helpers (rand_s, the code page lookup behind wcrtomb) find msvcrt.dll and advapi32.dll
// with GetModuleHandleW and LoadLibraryW.
//
// The runtime calls each of them through its import pointer (__imp_NAME, __imp__NAME@BYTES
// on i686), never by name. Defining those pointers here, in a file the program is linked
// from, means the linker never takes kernel32's: the exe imports none of the three, on any
// Windows. Only Brindlewick.exe and the probe that tests this file link it; the practice
// room keeps the real "W" functions.
//
// These run inside the runtime's own locks and start-up, so nothing here allocates or
// throws. Names cross in the ANSI code page, as every "A" function reads them; a name
// that does not fit in MAX_PATH bytes or has a character the code page lacks fails (NULL,
// with a last error that says why), and a NULL name stays NULL (an unnamed semaphore, the
// program's own module).

#include <windows.h>

namespace bw {

namespace {

// A name the "A" function reads as the "W" one reads `wide`.
class AnsiName {
 public:
  explicit AnsiName(const wchar_t* wide) : usable_(wide == nullptr) {
    if (wide == nullptr) return;
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, bytes_, sizeof bytes_, nullptr, &lossy) == 0) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
    } else if (lossy) {
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    } else {
      name_ = bytes_;
      usable_ = true;
    }
  }
  AnsiName(const AnsiName&) = delete;
  AnsiName& operator=(const AnsiName&) = delete;

  // False when a name was given that has no ANSI form; the last error says why.
  [[nodiscard]] bool usable() const { return usable_; }
  [[nodiscard]] const char* get() const { return name_; }

 private:
  char bytes_[MAX_PATH];
  const char* name_ = nullptr;
  bool usable_;
};

HANDLE WINAPI CreateSemaphoreAnsi(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum,
                                  LPCWSTR name) {
  const AnsiName ansi(name);
  if (!ansi.usable()) return nullptr;
  return CreateSemaphoreA(attributes, initial, maximum, ansi.get());
}

HMODULE WINAPI GetModuleHandleAnsi(LPCWSTR name) {
  const AnsiName ansi(name);
  if (!ansi.usable()) return nullptr;
  return GetModuleHandleA(ansi.get());
}

HMODULE WINAPI LoadLibraryAnsi(LPCWSTR name) {
  const AnsiName ansi(name);
  if (!ansi.usable()) return nullptr;
  return LoadLibraryA(ansi.get());
}

}  // namespace

// The import pointers' names as the compiler spells them for a call through dllimport.
#if defined(__i386__)
#define BW_IMPORT_POINTER(name, argument_bytes) "__imp__" #name "@" #argument_bytes
#else
#define BW_IMPORT_POINTER(name, argument_bytes) "__imp_" #name
#endif

extern "C" {
extern decltype(&CreateSemaphoreAnsi) const g_createSemaphoreW __asm__(
    BW_IMPORT_POINTER(CreateSemaphoreW, 16));
extern decltype(&GetModuleHandleAnsi) const g_getModuleHandleW __asm__(
    BW_IMPORT_POINTER(GetModuleHandleW, 4));
extern decltype(&LoadLibraryAnsi) const g_loadLibraryW __asm__(
    BW_IMPORT_POINTER(LoadLibraryW, 4));

decltype(&CreateSemaphoreAnsi) const g_createSemaphoreW = &CreateSemaphoreAnsi;
decltype(&GetModuleHandleAnsi) const g_getModuleHandleW = &GetModuleHandleAnsi;
decltype(&LoadLibraryAnsi) const g_loadLibraryW = &LoadLibraryAnsi;
}

#undef BW_IMPORT_POINTER

}  // namespace bw
