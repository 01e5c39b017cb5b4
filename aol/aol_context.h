#pragma once
// The program's source of "%me%", "%you%" and "%room%": the AOL client's own windows,
// read afresh on every call.

#include "aol/window_api.h"
#include "engine/message_vars.h"

namespace bw {

class AolMessageContext final : public MessageContext {
 public:
  explicit AolMessageContext(WindowApi& api) : api_(api) {}

  Text UserScreenName() override;  // GetUserSN
  Text ImPartner() override;       // GetIMPartner
  Text RoomName() override;        // GetRoomName

 private:
  WindowApi& api_;
};

// The three values as a send would fill them in now, each reader called once: the user's
// screen name, the IM partner, the room's name ("" where a window is missing).
[[nodiscard]] PlaceholderValues ReadPlaceholderValues(WindowApi& api);

}  // namespace bw
