#include "app/preview.h"

#include <string>
#include <utility>

#include "engine/compose.h"
#include "engine/yield.h"
#include "markup/entry.h"

namespace bw {

namespace {

// Keeps the runs' first `limit` characters; true when anything was cut.
bool CutRuns(std::vector<StyledRun>& runs, std::size_t limit) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (kept + runs[i].text.size() <= limit) {
      kept += runs[i].text.size();
      continue;
    }
    runs[i].text.resize(limit - kept);
    runs.resize(runs[i].text.empty() ? i : i + 1);
    return true;
  }
  return false;
}

Text Note(const StyleOptions& options, bool cut) {
  const bool colors = options.Effect == EffectMode::Random;
  Text note = colors && options.Elite ? u"The colors and the look-alike letters change with "
                                        u"every send."
              : colors                ? u"The colors change with every send."
              : options.Elite         ? u"The look-alike letters change with every send."
                                      : u"";
  if (cut) {
    const std::string limit = std::to_string(kPreviewCharacters);
    if (!note.empty()) note += u' ';
    note.append(u"Only the first ").append(limit.begin(), limit.end());
    note.append(u" characters are shown.");
  }
  return note;
}

}  // namespace

PreviewContent ComposePreview(TextView typed, const StyleOptions& options,
                              const PlaceholderValues& values, RandomGenerator& random) {
  const HeldYields held;  // the send's yields would let a send or a close start in here
  FixedContext context(values);
  const Text filled = ReplaceVars(typed, context);
  const SendTarget target =
      options.Effect == EffectMode::GrowShrink ? SendTarget::IM : SendTarget::Chat;
  // One character past what is shown tells whether the line goes on.
  std::vector<StyledRun> line = ParseMarkup(
      ComposeMessage(CharacterView(filled), options, target, random), {}, kPreviewCharacters + 1);
  const bool cut = CutRuns(line, kPreviewCharacters);

  PreviewContent content{EntryRuns(values.me, u"", false), Note(options, cut)};
  for (StyledRun& run : line) content.runs.push_back(std::move(run));
  return content;
}

bool PreviewValues::WantsRead(std::uint64_t nowMs, bool idle) const {
  return idle && !reading_ && (!everStarted_ || nowMs - lastStartMs_ >= kReadEveryMs);
}

void PreviewValues::ReadStarted(std::uint64_t nowMs) {
  reading_ = true;
  everStarted_ = true;
  lastStartMs_ = nowMs;
}

bool PreviewValues::ReadEnded(const PlaceholderValues& read, bool answered) {
  reading_ = false;
  if (!answered || read == values_) return false;
  values_ = read;
  return true;
}

}  // namespace bw
