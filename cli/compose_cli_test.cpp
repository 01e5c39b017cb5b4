#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "brindlewick/version.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), {}};
  std::remove(path.c_str());
  return text;
}

// Files per process, as tests run side by side; no argument here holds a quote to escape.
Outcome Compose(const std::vector<std::string>& args, const std::string& input = "") {
  const std::string base = ::testing::TempDir() + "/compose_" + std::to_string(getpid());
  std::string command = "printf %s '" + input + "' | '" BW_COMPOSE_BINARY "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  const int status = std::system((command + " >'" + base + ".out' 2>'" + base + ".err'").c_str());
  return {WEXITSTATUS(status), Slurp(base + ".out"), Slurp(base + ".err")};
}

// The standard output of a run that has to succeed without a word on standard error.
std::string Out(const std::vector<std::string>& args, const std::string& input = "") {
  const Outcome run = Compose(args, input);
  EXPECT_EQ(run.status, 0) << args.back();
  EXPECT_EQ(run.err, "") << args.back();
  return run.out;
}

// What ComposeLine's tests leave out: tags, colors, placeholders, encoding, help, version.
TEST(ComposeCli, EachOptionReachesTheComposer) {
  EXPECT_EQ(Out({"--bold", "--italic", "--underline", "--strikeout", "a"}),
            "<S><U><I><B>a</B></I></U></S>\n");
  EXPECT_EQ(Out({"--effect=fade", "--fade-colors=#00ff00,0", "a"}),
            "<FONT COLOR=#00FF00>a</FONT>\n");
  const std::string random = Out({"--effect=random", "a"});
  EXPECT_TRUE(std::regex_match(random, std::regex("<FONT COLOR=#[0-9A-F]{6}>a</FONT>\n")));
  EXPECT_NE(random, Out({"--effect=fade", "a"}));  // odds of 1 in 2^24 to meet by chance
  EXPECT_EQ(Out({"--you=Z\xc3\xa9", "--backwards", "%me%<%YOU%"}), "\xc3\xa9Z<\n");
  EXPECT_EQ(Out({"%me%"}), "%me%\n");
  EXPECT_EQ(Out({"--encoding=windows-1252", "--elite", "TM \xc3\xa9 Hm"}), "\x99 \xe9 |-|^^\n");
  EXPECT_TRUE(Out({"--bold", "--help", "--nonsense"}).starts_with("usage: brindlewick-compose "));
  EXPECT_EQ(Out({"--version"}), "brindlewick-compose " BRINDLEWICK_VERSION "\n");
}

TEST(ComposeCli, StandardInputLineByLineWithTheGeneratorRunningOn) {
  EXPECT_EQ(Out({"--me=Zed", "--bold"}, "hello\r\n%me% %room%\n\nlast"),
            "<B>hello</B>\n<B>Zed </B>\n<B></B>\n<B>last</B>\n");
  // Draws 0.705..., 0.533..., 0.579... give k = 3, 2, 2: one draw per line, not a restart.
  EXPECT_EQ(Out({"--elite"}, "A\nA\nA\n"), "\xc3\x84\n\xc3\x83\n\xc3\x83\n");
}

TEST(ComposeCli, PreviewLineByLineWithoutColorsForNoColor) {
  const std::string bold = "\x1b[1ma\x1b[0m\n\x1b[1mb\x1b[0m\n";
  ASSERT_EQ(setenv("NO_COLOR", "", 1), 0);  // empty: colors stay
  EXPECT_EQ(Out({"--preview", "--effect=alternate", "--alt-colors=0,#00FF00", "-"}, "a\nb"),
            "\x1b[38;2;0;255;0ma\x1b[0m\n\x1b[38;2;0;255;0mb\x1b[0m\n");
  ASSERT_EQ(setenv("NO_COLOR", "0", 1), 0);
  EXPECT_EQ(Out({"--preview", "--bold", "--effect=fade", "-"}, "a\nb"), bold);
  unsetenv("NO_COLOR");
}

TEST(ComposeCli, BadInputGivesOneMessageAndNoPartialLine) {
  const struct {
    std::vector<std::string> args;
    std::string input, out, message;
  } cases[] = {
      {{"--alt-colors=#12345,0", "x"}, "", "", "for --alt-colors"},
      {{"--bold"}, "ok\nb\xc3(d\nnever\n", "<B>ok</B>\n", "line 2: invalid UTF-8 at byte 2"},
      {{"--encoding=windows-1252", "\xf0\x9f\x98\x80"}, "", "", "TEXT: U+1F600 has no byte"},
      {{"--preview", "--encoding=Windows-1252", "x"}, "", "", "not --encoding=windows-1252"}};
  for (const auto& c : cases) {
    const Outcome run = Compose(c.args, c.input);
    EXPECT_NE(run.status, 0) << c.message;
    EXPECT_EQ(run.out, c.out) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
