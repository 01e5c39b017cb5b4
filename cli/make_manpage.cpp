// Writes the composer's man page to the file named by its one argument, at build time.

#include <cstdio>
#include <fstream>

#include "cli/manual.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_manpage OUTPUT\n", stderr);
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << bw::cli::ManPage(bw::cli::ComposerManual());
  return out.flush() ? 0 : 1;
}
