#include "aol/aol_context.h"

#include "aol/locator.h"

namespace bw {

Text AolMessageContext::UserScreenName() {
  return GetUserSN(api_);
}

Text AolMessageContext::ImPartner() {
  return GetIMPartner(api_);
}

Text AolMessageContext::RoomName() {
  return GetRoomName(api_);
}

PlaceholderValues ReadPlaceholderValues(WindowApi& api) {
  return {GetUserSN(api), GetIMPartner(api), GetRoomName(api)};
}

}  // namespace bw
