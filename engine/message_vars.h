#pragma once

#include "engine/text.h"

namespace bw {

// Where the placeholders' values come from: the AOL client's windows in the program,
// fixed texts in tests. Each reader gives "" when its window is not open.
class MessageContext {
 public:
  virtual ~MessageContext() = default;
  virtual Text UserScreenName() = 0;  // "%me%"
  virtual Text ImPartner() = 0;       // "%you%"
  virtual Text RoomName() = 0;        // "%room%"
};

// The three values read once and kept: the composer's command line gives them, and the
// main window's preview fills a line with the values it read last.
struct PlaceholderValues {
  Text me, you, room;
  friend bool operator==(const PlaceholderValues&, const PlaceholderValues&) = default;
};

class FixedContext final : public MessageContext {
 public:
  explicit FixedContext(const PlaceholderValues& values) : values_(values) {}
  Text UserScreenName() override { return values_.me; }
  Text ImPartner() override { return values_.you; }
  Text RoomName() override { return values_.room; }

 private:
  const PlaceholderValues& values_;
};

// Fills in "%me%", "%you%", "%room%" in that order, each in any letter case, through
// ReplaceText (so pending events run once per placeholder filled in). Each reader is
// called exactly once, just before its own replacement, whether or not its placeholder
// occurs; each step works on the result of the one before, so a value that contains a
// later placeholder is filled in too. A reader's empty value removes its placeholder.
// Spaces, U+00A0 and markup are left as they are; the empty text gives the empty text.
// With readers "Ann", "Ben", "Town Square":
// ReplaceVars(u"hi %YOU%, this is %me% in %room%", context)
//   == u"hi Ben, this is Ann in Town Square"
[[nodiscard]] Text ReplaceVars(TextView sText, MessageContext& context);

}  // namespace bw
