#include "cli/manual.h"

#include "brindlewick/version.h"
#include "engine/color.h"
#include "engine/style_options.h"
#include "engine/utf8.h"

namespace bw::cli {

namespace {

std::string Hex(ColorRef color) {
  return EncodeUtf8(ColorToHex(color));
}

// The defaults as the composer has them, never copied by hand.
std::string Defaults(ColorRef first, ColorRef second) {
  return "(default " + Hex(first) + "," + Hex(second) + ")";
}

ManualSection Styles() {
  return {"Formatting and style transforms",
          {{"--bold, --italic, --underline, --strikeout",
            "Wrap the line in <B>, <I>, <U> or <S>; bold innermost, strike-out outermost."},
           {"--hacker",
            "Upper-case every letter, then lower the five plain vowels: \"hello\" becomes "
            "\"HeLLo\"."},
           {"--elite",
            "Turn \"ae\", \"oe\", \"TM\", \"1/4\" and the like into one character and swap "
            "letters for look-alikes, some chosen at random: \"Hm\" becomes \"|-|^^\"."},
           {"--spaced", "Put one space between neighbouring characters; spaces at the ends go."},
           {"--backwards", "Reverse the order of the characters."}}};
}

ManualSection Effects() {
  const StyleOptions defaults;
  return {"Effects",
          {{"--effect=EFFECT",
            "The one special effect: none (the default); alternate, fade or random, which "
            "color each character; waves, which raises and lowers the characters in turn; "
            "grow-shrink, which steps the font size through 4, 3, 2, 1, 2, 3. Grow-shrink "
            "applies with --target=im only: a chat line goes without it."},
           {"--alt-colors=C1,C2", "The two colors of alternate, by turns, starting with C2 " +
                                      Defaults(defaults.AltColor1, defaults.AltColor2) + "."},
           {"--fade-colors=C1,C2",
            "The fade from C1 to C2 " + Defaults(defaults.FadeColor1, defaults.FadeColor2) + "."},
           {"--target=chat|im", "Where the line is going (default chat)."},
           {"",
            "A color C is #RRGGBB, red first as in the markup (#FF0000 is red), or a "
            "decimal ColorRef from 0 to 16777215, which holds red in its lowest byte (255 "
            "is red, 16711680 blue), with leading zeros or without."}}};
}

ManualSection Placeholders() {
  return {"Placeholders",
          {{"--me=NAME, --you=NAME, --room=NAME",
            "Your screen name, the other party of the Instant Message, the chat room's name."},
           {"",
            "When any of the three is given, the placeholders %me%, %you% and %room% are "
            "filled in with them in any letter case (%ME%, %Me%), as the main window does, "
            "and one left out counts as empty. When none is, the text is kept as it is."}}};
}

ManualSection Output() {
  return {"Output",
          {{"--encoding=utf-8|windows-1252",
            "The encoding of the markup (default utf-8). Windows-1252 is what the AOL client "
            "reads; a character it lacks is an error."},
           {"--preview",
            "Instead of the markup, print the line as the client shows it, for a terminal in "
            "UTF-8: each character in its color (24-bit), bold, italic, underline and "
            "strike-through as themselves. Faint marks stand in for what a terminal cannot "
            "show: ^ before a raised character and _ before a lowered one, with braces "
            "around more than one (^{abc}); [1], [3] or [4] where the font size changes to "
            "it, and [2] where it returns to the normal size. Not with "
            "--encoding=windows-1252."},
           {"-h, --help", "Print this help and exit."},
           {"--version", "Print the version and exit."},
           {"",
            "The values of --effect, --target and --encoding may be written in any letter "
            "case."}}};
}

ManualSection Order() {
  return {"Order of application",
          {{"",
            "The placeholders are filled in first; then --hacker, --elite, --spaced and "
            "--backwards, in this order; then the effect; then the formatting tags."}}};
}

ManualSection ExitStatus() {
  return {"Exit status",
          {{"0", "The markup was printed."},
           {"1",
            "A line is not UTF-8, the encoding lacks a character of its markup, or reading "
            "or writing failed. The lines of standard input before it were printed."},
           {"2", "The command line is wrong; nothing was composed."}}};
}

ManualSection Environment() {
  return {"Environment",
          {{"NO_COLOR",
            "When set and not empty, --preview keeps the attributes and the marks "
            "but shows no colors."}}};
}

ManualSection Examples() {
  return {"Examples",
          {{"brindlewick-compose --bold --effect=fade --room=\"Town Square\" -- \"Hi, %room%\"",
            "Bold, faded from red to blue, with the room's name filled in."},
           {"echo \"one line per input line\" | brindlewick-compose --effect=waves -",
            "Every line of standard input in waves."},
           {"brindlewick-compose --preview --bold --effect=fade \"A fade from red to blue\"",
            "How the line will look."}}};
}

}  // namespace

const Manual& ComposerManual() {
  static const Manual manual = {
      "brindlewick-compose",
      "style a chat line as AOL 4.0 markup",
      "[OPTION]... [--] [TEXT | -]",
      {"Composes TEXT (UTF-8) as Brindlewick's main window does and prints the markup and a "
       "newline. Without TEXT, or with TEXT \"-\" (after \"--\" too), composes each line of "
       "standard input and prints one markup line for each; a carriage return that ends a "
       "line is dropped.",
       "A character is what a reader sees as one: an emoji with its modifiers and joiners, a "
       "flag, a letter with its combining marks. Every option counts, moves and colors it "
       "whole.",
       "Options come before TEXT; \"--\" ends them, so a TEXT that starts with \"-\" can "
       "follow it."},
      {Styles(), Effects(), Placeholders(), Output(), Order(), ExitStatus(), Environment(),
       Examples()}};
  return manual;
}

std::string VersionLine() {
  return ComposerManual().name + " " BRINDLEWICK_VERSION;
}

}  // namespace bw::cli
