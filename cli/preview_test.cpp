#include "cli/preview.h"

#include <gtest/gtest.h>

namespace bw::cli {
namespace {

std::string Faint(const std::string& mark) {
  return "\x1b[2m" + mark + "\x1b[0m";
}

TEST(PreviewLine, MarksWhatATerminalCannotShow) {
  const std::pair<TextView, std::string> cases[] = {
      {u"plain <b", "plain <b"},
      {u"<I><U><S>x</S></U></I>", "\x1b[3;4;9mx\x1b[0m"},
      {u"<SUP>H</SUP>e<SUB>l</SUB>l<SUP>o</SUP><SUB></SUB>",
       Faint("^") + "He" + Faint("_") + "ll" + Faint("^") + "o"},
      {u"<SUP>ab</SUP><SUB>\U0001F44D\U0001F3FD</SUB>",
       Faint("^{") + "ab" + Faint("}") + Faint("_") + "\U0001F44D\U0001F3FD"},
      {u"<FONT SIZE=4>H<FONT SIZE=3>i<FONT SIZE=2>!<FONT SIZE=3>",
       Faint("[4]") + "H" + Faint("[3]") + "i" + Faint("[2]") + "!"},
      {u"<FONT COLOR=#000000>k</FONT>-", "\x1b[38;2;0;0;0mk\x1b[0m-"},
      {u"\x1b[2J\t\x7f\x9b", "\u241b[2J\t\u2421\ufffd"}};
  for (const auto& [markup, shown] : cases) EXPECT_EQ(PreviewLine(markup, true), shown) << shown;
}

}  // namespace
}  // namespace bw::cli
