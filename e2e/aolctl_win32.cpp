// aolctl.exe: runs the window automation (locator, readers, senders and toolkit) through
// user32 from the command line, so end-to-end tests can drive another process's windows
// and read the results.
//
//   aolctl find-aol | find-mdi | find-chat | find-im | find-welcome
//       prints the finder's handle in decimal; 0 = none
//   aolctl room | partner | me | chat-transcript
//       prints GetRoomName / GetIMPartner / GetUserSN / the text of the chat room's
//       transcript ("RICHCNTL") as upper-case hex of its Windows-1252 bytes (an empty line
//       for "")
//   aolctl send-chat-hex HEX | send-im-hex HEX
//       decodes HEX (Windows-1252 bytes, either letter case, "" allowed) and calls
//       SendChat / SendIM with that text; prints nothing
//   aolctl class HWND | text HWND
//       prints GetClass / GetText of the decimal handle HWND, as hex like the readers
//   aolctl first-child HWND
//       prints the handle of HWND's first child window; 0 = none
//   aolctl topmost HWND 0|1
//       StayOnTop(HWND, 1 -> -1, 0 -> 0)
//
// Every output line ends in "\n" (Wine's console turns it into "\r\n"). Exit status 0
// when the command ran, 2 for a bad command line (a message on stderr; nothing is sent).
// Text always crosses as Windows-1252 hex so tests compare exact bytes whatever their
// terminal does with bytes above 0x7F.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "aol/locator.h"
#include "aol/senders.h"
#include "aol/toolkit.h"
#include "aol/window_api_win32.h"
#include "engine/codepage1252.h"

namespace {

using bw::Text;
using bw::WindowApi;
using bw::WindowHandle;

int Usage() {
  std::fputs(
      "usage: aolctl find-aol|find-mdi|find-chat|find-im|find-welcome\n"
      "       aolctl room|partner|me|chat-transcript\n"
      "       aolctl send-chat-hex HEX | send-im-hex HEX\n"
      "       aolctl class HWND | text HWND | first-child HWND | topmost HWND 0|1\n",
      stderr);
  return 2;
}

void PrintHandle(WindowHandle handle) {
  std::printf("%lu\n", static_cast<unsigned long>(handle));
}

void PrintText(const Text& text) {
  for (unsigned char b : bw::EncodeWindows1252Lossy(text)) std::printf("%02X", b);
  std::printf("\n");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<Text> DecodeHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bw::DecodeWindows1252(bytes);
}

// Decimal digits only, within 32 bits: a handle as PrintHandle writes it.
std::optional<WindowHandle> ParseHandle(const char* s) {
  if (!*s || std::strlen(s) > 10) return std::nullopt;
  unsigned long long value = 0;
  for (const char* p = s; *p; ++p) {
    if (*p < '0' || *p > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(*p - '0');
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<WindowHandle>(value);
}

struct Finder {
  const char* command;
  WindowHandle (*find)(WindowApi&);
};
constexpr Finder kFinders[] = {
    {"find-aol", bw::FindAOL}, {"find-mdi", bw::FindMDI},         {"find-chat", bw::FindChatRoom},
    {"find-im", bw::FindIM},   {"find-welcome", bw::FindWelcome},
};

struct Reader {
  const char* command;
  Text (*read)(WindowApi&);
};
Text ChatTranscript(WindowApi& api) {
  return bw::GetText(api, bw::FindChildByClass(api, bw::FindChatRoom(api), u"RICHCNTL"));
}

constexpr Reader kReaders[] = {{"room", bw::GetRoomName},
                               {"partner", bw::GetIMPartner},
                               {"me", bw::GetUserSN},
                               {"chat-transcript", ChatTranscript}};

struct Sender {
  const char* command;
  void (*send)(WindowApi&, bw::TextView);
};
constexpr Sender kSenders[] = {{"send-chat-hex", bw::SendChat}, {"send-im-hex", bw::SendIM}};

int Run(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view command = argv[1];
  bw::WindowApiWin32 api;

  for (const Finder& f : kFinders) {
    if (command != f.command) continue;
    if (argc != 2) return Usage();
    PrintHandle(f.find(api));
    return 0;
  }
  for (const Reader& r : kReaders) {
    if (command != r.command) continue;
    if (argc != 2) return Usage();
    PrintText(r.read(api));
    return 0;
  }
  for (const Sender& s : kSenders) {
    if (command != s.command) continue;
    const auto text = argc == 3 ? DecodeHex(argv[2]) : std::nullopt;
    if (!text) return Usage();
    s.send(api, *text);
    return 0;
  }

  if (argc < 3) return Usage();
  const auto window = ParseHandle(argv[2]);
  if (!window) return Usage();
  if (command == "class" && argc == 3) {
    PrintText(bw::GetClass(api, *window));
  } else if (command == "text" && argc == 3) {
    PrintText(bw::GetText(api, *window));
  } else if (command == "first-child" && argc == 3) {
    PrintHandle(api.FirstChild(*window));
  } else if (command == "topmost" && argc == 4 &&
             (std::strcmp(argv[3], "0") == 0 || std::strcmp(argv[3], "1") == 0)) {
    bw::StayOnTop(api, *window, argv[3][0] == '1' ? -1 : 0);
  } else {
    return Usage();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int status = Run(argc, argv);
  std::fflush(stdout);
  return status;
}
