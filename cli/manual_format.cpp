// The manual written out twice: as plain text for --help and as roff for man(1).

#include <algorithm>
#include <string_view>

#include "brindlewick/version.h"
#include "cli/manual.h"

namespace bw::cli {

namespace {

constexpr std::size_t kWidth = 79;      // a line never reaches an 80-column terminal's edge
constexpr std::size_t kTextIndent = 6;  // where the meaning of a term starts
constexpr std::size_t kTermIndent = 2;

// `text` in lines of at most kWidth columns, each `indent` spaces in; a word too long for
// a line gets one of its own.
std::string Wrap(std::string_view text, std::size_t indent) {
  std::string out, line(indent, ' ');
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view word = text.substr(at, end - at);
    if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
      out += line + "\n";
      line.assign(indent, ' ');
    }
    if (line.size() > indent) line += ' ';
    line += word;
    at = end + 1;
  }
  return out + line + "\n";
}

std::string HelpEntry(const ManualEntry& entry) {
  if (entry.term.empty()) return Wrap(entry.text, kTermIndent);
  const std::string term = std::string(kTermIndent, ' ') + entry.term;
  // A term as short as "0" leaves room for its meaning on its own line.
  if (term.size() < kTextIndent) return Wrap(entry.text, kTextIndent).replace(0, term.size(), term);
  return term + "\n" + Wrap(entry.text, kTextIndent);
}

// Roff reads a backslash as an escape, a line that starts with "." or "'" as a request,
// and "-" as a hyphen it may render as a dash; "\-" is the minus that options are made of.
std::string Roff(const std::string& text) {
  std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return text;
}

std::string ManEntry(const ManualEntry& entry) {
  if (entry.term.empty()) return ".PP\n" + Roff(entry.text) + "\n";
  return ".TP\n\\fB" + Roff(entry.term) + "\\fR\n" + Roff(entry.text) + "\n";
}

}  // namespace

std::string HelpText(const Manual& manual) {
  std::string out = "usage: " + manual.name + " " + manual.synopsis + "\n" +
                    Wrap(manual.summary, kTermIndent) + "\n";
  for (const std::string& paragraph : manual.description) out += Wrap(paragraph, 0);
  for (const ManualSection& section : manual.sections) {
    out += "\n" + section.title + ":\n";
    for (const ManualEntry& entry : section.entries) out += HelpEntry(entry);
  }
  return out;
}

std::string ManPage(const Manual& manual) {
  // No date: the page is made at every build and should not change with the day.
  std::string out = ".TH " + Roff(UpperCase(manual.name)) +
                    " 1 \"\" \"Brindlewick " BRINDLEWICK_VERSION
                    "\" \"User Commands\"\n"
                    ".nh\n.ad l\n.SH NAME\n" +
                    Roff(manual.name) + " \\- " + Roff(manual.summary) + "\n.SH SYNOPSIS\n.B " +
                    Roff(manual.name) + "\n" + Roff(manual.synopsis) + "\n.SH DESCRIPTION\n";
  for (std::size_t i = 0; i < manual.description.size(); ++i) {
    out += (i == 0 ? "" : ".PP\n") + Roff(manual.description[i]) + "\n";
  }
  for (const ManualSection& section : manual.sections) {
    out += ".SH " + Roff(UpperCase(section.title)) + "\n";
    for (const ManualEntry& entry : section.entries) out += ManEntry(entry);
  }
  return out;
}

}  // namespace bw::cli
