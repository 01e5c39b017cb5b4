#include "markup/entry.h"

#include <utility>

namespace bw {

std::vector<StyledRun> EntryRuns(TextView sender, TextView line, bool showMarkup) {
  std::vector<StyledRun> runs;
  if (!sender.empty()) {
    RunStyle senderStyle;
    senderStyle.bold = true;
    senderStyle.color = MakeColorRef(0x1C, 0x33, 0x8A);
    runs = {{Text(sender) + u":", senderStyle}, {u" ", RunStyle{}}};
  }
  if (showMarkup) {
    if (!line.empty()) runs.push_back({Text(line), RunStyle{}});
  } else {
    for (StyledRun& run : ParseMarkup(line)) runs.push_back(std::move(run));
  }
  return runs;
}

}  // namespace bw
