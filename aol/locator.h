#pragma once
// Finds the AOL 4.0 client's windows and reads context from their titles. Every call
// searches afresh from the main frame down; no handle is remembered.

#include "aol/window_api.h"
#include "engine/text.h"

namespace bw {

[[nodiscard]] WindowHandle FindAOL(WindowApi& api);
[[nodiscard]] WindowHandle FindMDI(WindowApi& api);
[[nodiscard]] WindowHandle FindChatRoom(WindowApi& api);
[[nodiscard]] WindowHandle FindIM(WindowApi& api);
[[nodiscard]] WindowHandle FindWelcome(WindowApi& api);
[[nodiscard]] Text GetRoomName(WindowApi& api);
[[nodiscard]] Text GetIMPartner(WindowApi& api);
[[nodiscard]] Text GetUserSN(WindowApi& api);

}  // namespace bw
