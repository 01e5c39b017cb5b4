#pragma once
// The practice room's command line. Every option has a default, so the bare program
// opens a complete client: a chat room, an Instant Message window and a Welcome window.

#include <optional>
#include <vector>

#include "engine/text.h"

namespace bw {

struct PracticeOptions {
  Text screenName = u"ZornaVelde";
  Text room = u"Town Square";
  Text partner = u"MoSsWhIrLz";
  bool chat = true;
  bool im = true;
  bool welcome = true;
  Text logPath;  // empty: no log
  // How long the input boxes take to accept text written by another program, in
  // milliseconds: a client that is busy, or (with a long delay) one that has stopped
  // answering. The first delayAfterWrites writes are taken at once.
  unsigned writeDelayMs = 0;
  unsigned delayAfterWrites = 0;
};

inline constexpr char16_t kPracticeUsage[] =
    u"PracticeRoom [--sn NAME] [--room NAME] [--partner NAME]\n"
    u"             [--no-chat] [--no-im] [--no-welcome] [--log FILE]\n"
    u"             [--write-delay MILLISECONDS [--delay-after WRITES]]\n\n"
    u"A name or file may also follow its option after \"=\", as in --room=Lobby.";

// Reads the arguments after the program's name. An unknown option, a value option
// without its value, or a stray argument gives nullopt and a one-line reason in `error`.
// ParsePracticeOptions({u"--room", u"Lobby", u"--no-im"}) -> room "Lobby", im false
[[nodiscard]] std::optional<PracticeOptions> ParsePracticeOptions(const std::vector<Text>& args,
                                                                  Text* error);

}  // namespace bw
