#include "cli/manual.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace bw::cli {
namespace {

// Words apart from layout: roff's escapes undone, every run of white space one space.
std::string Words(const std::string& text, bool roff) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (roff && text.compare(i, 2, "\\-") == 0) {
      out += '-', ++i;
    } else if (roff && text.compare(i, 2, "\\e") == 0) {
      out += '\\', ++i;
    } else if (roff && text.compare(i, 2, "\\&") == 0) {
      ++i;
    } else if (std::isspace(static_cast<unsigned char>(text[i]))) {
      if (!out.ends_with(' ')) out += ' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

TEST(Manual, HelpAndManPageTellEveryPartOfIt) {
  const Manual& manual = ComposerManual();
  const std::string help = Words(HelpText(manual), false);
  const std::string page = Words(ManPage(manual), true);
  std::vector<std::string> parts = {manual.name, manual.summary, manual.synopsis};
  parts.insert(parts.end(), manual.description.begin(), manual.description.end());
  for (const ManualSection& section : manual.sections) {
    for (const ManualEntry& entry : section.entries) {
      parts.insert(parts.end(), {entry.term, entry.text});
    }
  }
  for (const std::string& part : parts) {
    EXPECT_NE(help.find(Words(part, false)), std::string::npos) << "--help lacks: " << part;
    EXPECT_NE(page.find(Words(part, false)), std::string::npos) << "man page lacks: " << part;
  }
}

TEST(Manual, TheBuiltManPageIsTheManualAndHelpFitsATerminal) {
  std::ifstream built(BW_MANPAGE, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(built), {}), ManPage(ComposerManual()));
  std::istringstream help(HelpText(ComposerManual()));
  for (std::string line; std::getline(help, line);) EXPECT_LT(line.size(), 80u) << line;
}

}  // namespace
}  // namespace bw::cli
