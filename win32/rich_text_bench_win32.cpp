// A benchmark, not a test: how long SetRichText takes to fill a rich edit control with the
// longest line a chat input box holds (32,767 characters) composed with Color Fade, and
// the longest prefix of it that fills within the budget given (20 ms unless told). Over
// so many characters the fade's step truncates to nothing and neighbours share a color,
// so the reader merges them between spaces; the worst case, every character a color run
// of its own, is measured too, with each character one green level off its neighbours. The control
// is an ANSI one (RichEdit20A), shown, as Brindlewick's would be. Run by hand, under Wine or
// Windows:
//   wine rich_text_bench.exe [budget-ms [line-length]]
// Prints the median of several fills for each length it tries (one fill when it takes
// over a second).

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/color_effects.h"
#include "engine/style_options.h"
#include "markup/reader.h"
#include "win32/rich_text_win32.h"

namespace {

constexpr std::size_t kLineLength = 32767;
constexpr int kRounds = 5;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The runs of the line's first `characters` characters.
std::vector<bw::StyledRun> Prefix(const std::vector<bw::StyledRun>& runs, std::size_t characters) {
  std::vector<bw::StyledRun> prefix;
  for (const bw::StyledRun& run : runs) {
    if (characters == 0) break;
    prefix.push_back(run);
    if (prefix.back().text.size() > characters) prefix.back().text.resize(characters);
    characters -= prefix.back().text.size();
  }
  return prefix;
}

double MedianFill(HWND edit, const std::vector<bw::StyledRun>& runs) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    bw::SetRichText(edit, {});
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    bw::SetRichText(edit, runs);
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
    UpdateWindow(edit);
    if (times.back() > 1000) break;  // one fill that slow is figure enough
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const double budget = argc > 1 ? std::atof(argv[1]) : 20.0;
  const std::size_t length =
      argc > 2 ? std::clamp<std::size_t>(std::strtoul(argv[2], nullptr, 10), 1, kLineLength)
               : kLineLength;
  if (!bw::LoadRichEdit()) {
    std::printf("riched20.dll cannot be loaded\n");
    return 1;
  }
  const HWND edit =
      CreateWindowExA(0, bw::kRichEditClassA, "",
                      WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0,
                      0, 400, 600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!edit) {
    std::printf("no rich edit control\n");
    return 1;
  }

  const bw::Text words = u"The quick brown fox jumps over the lazy dog, faded from red to blue. ";
  bw::Text line;
  while (line.size() < length) line += words;
  line.resize(length);
  const std::vector<bw::StyledRun> runs =
      bw::ParseMarkup(bw::FadeText(line, bw::kDefaultFadeColor1, bw::kDefaultFadeColor2));
  std::printf("%zu characters in %zu runs\n", bw::VisibleText(runs).size(), runs.size());

  std::printf("as composed: SetRichText, %zu characters: %.1f ms\n", length,
              MedianFill(edit, runs));
  GETTEXTLENGTHEX count{GTL_NUMCHARS | GTL_PRECISE, 1200};
  std::printf("the control holds %ld characters\n",
              static_cast<long>(
                  SendMessageA(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&count), 0)));

  std::vector<bw::StyledRun> each;
  for (const bw::StyledRun& run : runs) {
    for (const char16_t c : run.text) {
      bw::RunStyle style = run.style;
      style.color ^= static_cast<bw::ColorRef>(each.size() & 1) << 8;
      each.push_back({bw::Text(1, c), style});
    }
  }
  std::printf("a run per character: %zu runs\n", each.size());
  const double whole = MedianFill(edit, each);
  std::printf("a run per character: SetRichText, %zu characters: %.1f ms\n", length, whole);

  // The fill grows with the length, so a bisection finds the longest prefix in budget.
  std::size_t fits = 0, over = length + 1;
  if (whole <= budget) fits = length;
  while (over - fits > 64) {
    const std::size_t middle = (fits + over) / 2;
    const double time = MedianFill(edit, Prefix(each, middle));
    std::printf("  %zu characters: %.1f ms\n", middle, time);
    (time <= budget ? fits : over) = middle;
  }
  std::printf("longest prefix within %.0f ms: about %zu characters\n", budget, fits);
  DestroyWindow(edit);
  return 0;
}
