#pragma once
// The main window's preview: the line in the text box as the room would see it, before the
// room does. It shows the line as "To Chat" would send it (as "To IM" would when Grow and
// Shrink is picked, the one effect that differs), drawn as the chat room draws a line: the
// sender's screen name, then the styled line.
//
// The preview never changes what a send does. It composes with a random generator of its
// own, fills the placeholders from values it read earlier (never reading the client while
// it composes), and holds the engine's yields, so nothing else runs in its middle.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/message_vars.h"
#include "engine/random.h"
#include "engine/style_options.h"
#include "engine/text.h"
#include "markup/reader.h"

namespace bw {

// The characters of the line the preview draws at most. Filling the rich edit control
// costs some 30 microseconds a character under Wine (win32/rich_text_bench_win32.cpp): a
// line of 32,767 would take most of a second and make typing stutter, where this many
// take some 15 ms. The preview shows a few lines anyway.
inline constexpr std::size_t kPreviewCharacters = 500;

struct PreviewContent {
  std::vector<StyledRun> runs;  // the sender, then the line
  // The grey line under the preview: what it cannot show as it will arrive ("" for none).
  Text note;

  friend bool operator==(const PreviewContent&, const PreviewContent&) = default;
};

// The preview of `typed` with `options`, the placeholders filled with `values` and the
// screen name of `values` as the sender (none when it is empty). Random Colors and Elite
// draw from `random`; the note says that their colors or letters change with every send,
// and, for a line longer than kPreviewCharacters, that only its first part is shown.
// ComposePreview(u"hi %room%", {Bold}, {u"Zorna", u"", u"Lobby"}, random).runs
//   == {{u"Zorna:", bold navy}, {u" ", plain}, {u"hi Lobby", bold}}
[[nodiscard]] PreviewContent ComposePreview(TextView typed, const StyleOptions& options,
                                            const PlaceholderValues& values,
                                            RandomGenerator& random);

// The placeholder values the preview fills in, read from the client's windows at most once
// a second and only while no other work with the client runs (a send, the start-up, the
// shutdown). A read that the client did not answer in full changes nothing: a client that
// stops answering leaves the preview with the values it read last. A missing window reads
// as "", as it does for a send.
class PreviewValues {
 public:
  static constexpr std::uint64_t kReadEveryMs = 1000;

  // Whether a read should start at `nowMs` (any steady clock in milliseconds): the form is
  // idle, no read is under way and the last one started kReadEveryMs or more ago.
  [[nodiscard]] bool WantsRead(std::uint64_t nowMs, bool idle) const;
  void ReadStarted(std::uint64_t nowMs);
  // The read ended; `answered` is false when any call of it gave up or was refused.
  // Returns whether the values changed.
  bool ReadEnded(const PlaceholderValues& read, bool answered);

  [[nodiscard]] const PlaceholderValues& Values() const { return values_; }
  [[nodiscard]] bool Reading() const { return reading_; }

 private:
  PlaceholderValues values_;
  bool reading_ = false;
  bool everStarted_ = false;
  std::uint64_t lastStartMs_ = 0;
};

}  // namespace bw
