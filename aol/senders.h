#pragma once
// Delivers a finished markup line into the AOL client's chat room or Instant Message.
// With no target window nothing happens and nothing is reported.

#include "aol/window_api.h"
#include "engine/text.h"

namespace bw {

void SendChat(WindowApi& api, TextView text);
void SendIM(WindowApi& api, TextView text);

}  // namespace bw
