#pragma once
// The composer's manual: one text that --help prints and the build turns into the man
// page, so the two cannot tell different stories.

#include <string>
#include <vector>

namespace bw::cli {

// A term ("--bold") and what it means; an entry without a term is a paragraph.
struct ManualEntry {
  std::string term;
  std::string text;
};

struct ManualSection {
  std::string title;
  std::vector<ManualEntry> entries;
};

struct Manual {
  std::string name;      // "brindlewick-compose"
  std::string summary;   // what it does, in one line without a full stop
  std::string synopsis;  // the arguments after the name
  std::vector<std::string> description;
  std::vector<ManualSection> sections;
};

[[nodiscard]] const Manual& ComposerManual();

// "brindlewick-compose 1.0.0": the name and the project's version.
[[nodiscard]] std::string VersionLine();

// As --help prints it: the usage line, the description, then each section under its
// title, wrapped to 80 columns.
[[nodiscard]] std::string HelpText(const Manual& manual);

// As man(1) reads it: roff with the man(7) macros, in section 1.
[[nodiscard]] std::string ManPage(const Manual& manual);

}  // namespace bw::cli
