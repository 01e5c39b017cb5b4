#pragma once
// One line of a chat transcript as the client shows it: the sender's screen name, then the
// line. The practice room's transcripts and the main window's preview draw their lines
// from these runs, so a preview looks like the line that then arrives.

#include <vector>

#include "engine/text.h"
#include "markup/reader.h"

namespace bw {

// The sender in bold navy and ":", a plain space, then the line read as markup, or, when
// `showMarkup` is set, the line's characters as they arrived. An empty sender shows the
// line alone. EntryRuns(u"Zorna", u"<B>hi</B>", false)
//   == {{u"Zorna:", bold navy}, {u" ", plain}, {u"hi", bold}}
[[nodiscard]] std::vector<StyledRun> EntryRuns(TextView sender, TextView line, bool showMarkup);

}  // namespace bw
