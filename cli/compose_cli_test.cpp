// Runs the built brindlewick-compose binary as a user would, through the shell.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Slurp(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  std::remove(path.c_str());
  return text.str();
}

Outcome Compose(const std::vector<std::string>& args, const std::string& input = "") {
  // Per process: ctest runs these tests side by side, and other build folders run them too.
  const std::string base = ::testing::TempDir() + "/compose_" + std::to_string(getpid());
  std::ofstream(base + ".in", std::ios::binary) << input;
  std::string command = Quote(BW_COMPOSE_BINARY);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " <" + Quote(base + ".in") + " >" + Quote(base + ".out");
  command += " 2>" + Quote(base + ".err");
  const int status = std::system(command.c_str());
  std::remove((base + ".in").c_str());
  return {WEXITSTATUS(status), Slurp(base + ".out"), Slurp(base + ".err")};
}

TEST(ComposeCli, EachOptionReachesTheComposer) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {{{"--bold", "--italic", "--underline", "--strikeout", "hi"},
                "<S><U><I><B>hi</B></I></U></S>"},
               {{"--hacker", "--backwards", "--spaced", "hello"}, "o L L e H"},
               {{"--elite", "Hm"}, "|-|^^"},
               {{"--effect=waves", "Hey"}, "<SUP>H</SUP>e<SUB>y</SUB>"},
               {{"--effect=grow-shrink", "hi"}, "hi"},
               {{"--effect=grow-shrink", "--target=im", "hi"},
                "<FONT SIZE=4>h<FONT SIZE=3>i<FONT SIZE=2><FONT SIZE=1><FONT SIZE=2><FONT SIZE=3>"},
               {{"--effect=fade", "--fade-colors=#00ff00,0", "ab"},
                "<FONT COLOR=#00FF00>a</FONT><FONT COLOR=#000000>b</FONT>"},
               {{"--effect=alternate", "--alt-colors=#123456,16711680", "ab"},
                "<FONT COLOR=#0000FF>a</FONT><FONT COLOR=#123456>b</FONT>"},
               {{"--you=B\xc3\xa9n", "--backwards", "%me%<%YOU%"},
                "n\xc3\xa9"
                "B<"},
               {{"%me%"}, "%me%"},
               {{"--encoding=windows-1252", "--elite", "TM \xc3\xa9"}, "\x99 \xe9"},
               {{"--", "--bold"}, "--bold"},
               {{"--backwards", "\xf0\x9f\x98\x80"}, "\xef\xbf\xbd\xef\xbf\xbd"}};
  for (const auto& c : cases) {
    const Outcome run = Compose(c.args);
    EXPECT_EQ(run.status, 0) << c.args.back();
    EXPECT_EQ(run.out, c.out + "\n") << c.args.back();
    EXPECT_EQ(run.err, "");
  }
  EXPECT_TRUE(std::regex_match(Compose({"--effect=random", "a b"}).out,
                               std::regex("<FONT COLOR=#[0-9A-F]{6}>a</FONT> "
                                          "<FONT COLOR=#[0-9A-F]{6}>b</FONT>\n")));
  const Outcome help = Compose({"--bold", "--help", "--nonsense"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: brindlewick-compose [options] [--] [TEXT]\n"));
}

TEST(ComposeCli, StandardInputLineByLineWithTheGeneratorRunningOn) {
  const Outcome vars = Compose({"--me=Zed", "--bold"}, "hello\r\n%me% %room%\n\nlast");
  EXPECT_EQ(vars.status, 0);
  EXPECT_EQ(vars.out, "<B>hello</B>\n<B>Zed </B>\n<B></B>\n<B>last</B>\n");
  // Draws 0.705..., 0.533..., 0.579... give k = 3, 2, 2: one draw per line, not a restart.
  EXPECT_EQ(Compose({"--elite"}, "A\nA\nA\n").out, "\xc3\x84\n\xc3\x83\n\xc3\x83\n");
}

TEST(ComposeCli, BadInputGivesOneMessageAndNoPartialLine) {
  const struct {
    std::vector<std::string> args;
    std::string input, out, message;
  } cases[] = {
      {{"--frobnicate", "x"}, "", "", "unknown option '--frobnicate'"},
      {{"--bold=yes", "x"}, "", "", "--bold takes no value"},
      {{"--effect", "x"}, "", "", "--effect needs a value"},
      {{"--target=fax", "x"}, "", "", "bad value 'fax' for --target"},
      {{"--alt-colors=#12345,0", "x"}, "", "", "for --alt-colors"},
      {{"--fade-colors=0,16777216", "x"}, "", "", "for --fade-colors"},
      {{"a", "b"}, "", "", "more than one TEXT given"},
      {{"ok\xe2\x82"}, "", "", "TEXT: invalid UTF-8 at byte 3"},
      {{"--bold"}, "ok\nb\xc3(d\nnever\n", "<B>ok</B>\n", "line 2: invalid UTF-8 at byte 2"},
      {{"--encoding=windows-1252"},
       "ok\n\xe4\xb8\xad\n",
       "ok\n",
       "line 2: U+4E2D has no byte in Windows-1252"}};
  for (const auto& c : cases) {
    const Outcome run = Compose(c.args, c.input);
    EXPECT_NE(run.status, 0) << c.message;
    EXPECT_EQ(run.out, c.out) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
