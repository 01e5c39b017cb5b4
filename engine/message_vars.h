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

// Fills in "%me%", "%you%", "%room%" (any letter case) in that order; each reader is
// called exactly once, just before its own replacement, whether or not it occurs.
[[nodiscard]] Text ReplaceVars(TextView sText, MessageContext& context);

}  // namespace bw
