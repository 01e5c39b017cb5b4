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

}  // namespace bw
