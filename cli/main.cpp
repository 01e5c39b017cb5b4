// brindlewick-compose: the styling engine on the command line (see manual.cpp).

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/compose_line.h"
#include "cli/manual.h"

namespace {

constexpr const char* kProgram = "brindlewick-compose";

int Fail(int status, const std::string& where, const std::string& message) {
  std::fprintf(stderr, "%s: %s%s\n", kProgram, where.c_str(), message.c_str());
  return status;
}

// A line goes out whole or not at all: it is composed and encoded before anything is
// written, and flushed at once so a later bad line cannot hold it back.
bool WriteLine(const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fputc('\n', stdout) != EOF && std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const bw::cli::ParseResult parsed = bw::cli::ParseCommandLine(args);
  if (!parsed.command) return Fail(2, "", parsed.error + "; see --help");
  bw::cli::ComposeCommand command = *parsed.command;
  // The NO_COLOR convention: set and not empty means no colors, whatever its value.
  const char* noColor = std::getenv("NO_COLOR");
  command.colors = noColor == nullptr || *noColor == '\0';
  if (command.help || command.version) {
    const std::string text =
        command.help ? bw::cli::HelpText(bw::cli::ComposerManual()) : bw::cli::VersionLine() + "\n";
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }

  std::string error;
  if (command.text) {
    const auto markup = bw::cli::ComposeLine(command, *command.text, error);
    if (!markup) return Fail(1, "TEXT: ", error);
    return WriteLine(*markup) ? 0 : Fail(1, "", "cannot write the output");
  }

  std::ios::sync_with_stdio(false);
  std::string line;
  for (long number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto markup = bw::cli::ComposeLine(command, line, error);
    if (!markup) return Fail(1, "line " + std::to_string(number) + ": ", error);
    if (!WriteLine(*markup)) return Fail(1, "", "cannot write the output");
  }
  if (std::cin.bad()) return Fail(1, "", "cannot read standard input");
  return 0;
}
