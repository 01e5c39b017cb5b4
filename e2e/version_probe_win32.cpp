// version_probe: reads a program file's version as Windows shows it in the file's
// properties, for the end-to-end tests. A console program; it prints, one per line:
//
//   numbers FILE PRODUCT    the fixed part's file and product versions, as A.B.C.D
//   NAME VALUE              each string of the first translation the file lists
//                           (FileVersion, ProductName, ...), looked up as Explorer does
//   manifest TEXT           the application manifest (resource 1 of type 24) on one line
//
// Usage: version_probe PROGRAM_FILE. Exit code 1 when the file has no version resource.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kStrings[] = {"CompanyName",      "FileDescription", "FileVersion",
                                    "InternalName",     "LegalCopyright",  "OriginalFilename",
                                    "ProductName",      "ProductVersion"};

std::string Dotted(DWORD high, DWORD low) {
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(high)}, unsigned{LOWORD(high)},
                unsigned{HIWORD(low)}, unsigned{LOWORD(low)});
  return text;
}

int PrintVersion(const char* file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
  if (size == 0) return 1;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file, 0, size, block.data())) return 1;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) &&
      length >= sizeof *fixed) {
    std::printf("numbers %s %s\n", Dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str(),
                Dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());
  }
  // The strings live under the language and code page that the Translation entry names; a
  // block under any other name is never shown.
  WORD* translation = nullptr;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 2 * sizeof(WORD)) {
    return 0;
  }
  for (const char* name : kStrings) {
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation[0],
                  translation[1], name);
    char* value = nullptr;
    if (VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length) && value) {
      std::printf("%s %s\n", name, value);
    }
  }
  return 0;
}

void PrintManifest(const char* file) {
  const HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return;
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (bytes) {
    std::string text(bytes, SizeofResource(module, found));
    for (char& c : text) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    std::printf("manifest %s\n", text.c_str());
  }
  FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: version_probe PROGRAM_FILE\n");
    return 2;
  }
  const int status = PrintVersion(argv[1]);
  PrintManifest(argv[1]);
  return status;
}
