// first_window CLASS TIMEOUT_MS PROGRAM [ARGUMENTS]: starts PROGRAM and prints the
// milliseconds from just before CreateProcess until a visible top-level window of class
// CLASS exists, polled every millisecond; then ends the program. Prints "timeout" and
// exits with 1 when no such window shows within TIMEOUT_MS, 2 when PROGRAM cannot start.
// A window of CLASS already open before the start would be taken for the new one, so
// none may be.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The command line after the first three arguments, as given, quotes and all.
const char* ProgramCommandLine() {
  const char* p = GetCommandLineA();
  for (int skip = 0; skip < 3; ++skip) {
    while (*p == ' ' || *p == '\t') ++p;
    bool quoted = false;
    while (*p && (quoted || (*p != ' ' && *p != '\t'))) {
      if (*p == '"') quoted = !quoted;
      ++p;
    }
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

bool Shown(const char* windowClass) {
  const HWND window = FindWindowA(windowClass, nullptr);
  return window && IsWindowVisible(window);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: first_window CLASS TIMEOUT_MS PROGRAM [ARGUMENTS]\n");
    return 2;
  }
  const char* windowClass = argv[1];
  const DWORD timeout = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
  std::string command = ProgramCommandLine();

  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", command.c_str(), GetLastError());
    return 2;
  }
  double elapsed = 0;
  bool shown = false;
  while (elapsed < timeout) {
    shown = Shown(windowClass);
    QueryPerformanceCounter(&now);
    elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
              static_cast<double>(frequency.QuadPart);
    if (shown) break;
    Sleep(1);
  }
  if (shown) {
    std::printf("%.1f\n", elapsed);
  } else {
    std::printf("timeout\n");
  }
  std::fflush(stdout);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return shown ? 0 : 1;
}
