#include "aol/senders.h"

#include "aol/locator.h"
#include "aol/toolkit.h"

namespace bw {

namespace {

// Handle 0 stays 0 rather than being handed to the platform.
WindowHandle Before(WindowApi& api, WindowHandle window) {
  return window != 0 ? api.PrevSibling(window) : 0;
}

}  // namespace

void SendChat(WindowApi& api, TextView text) {
  const WindowHandle room = FindChatRoom(api);
  if (room == 0) return;
  const WindowHandle image = FindChildByClass(api, room, u"_AOL_Image");
  const WindowHandle sendControl = Before(api, image);
  const WindowHandle inputBox = Before(api, sendControl);
  // With a control but no box before it, pressing would send whatever the box held
  // before; only a complete layout is written to and pressed.
  if (inputBox == 0) return;
  SetText(api, inputBox, text);
  ClickIcon(api, sendControl);
}

void SendIM(WindowApi& api, TextView text) {
  const WindowHandle im = FindIM(api);
  if (im == 0) return;
  const WindowHandle sendButton = FindChildByTitle(api, im, u"Send");
  const WindowHandle inputBox = Before(api, sendButton);
  if (inputBox == 0) return;
  SetText(api, inputBox, text);
  ClickIcon(api, sendButton);
  SetText(api, inputBox, u"");
}

}  // namespace bw
