#pragma once
// The client's document windows inside its MDI client. All three are of class
// "AOL Child", as the client's own are; what tells them apart is their children and
// their titles:
//   chat room        title: the room's name; children, in this order: the transcript
//                    ("RICHCNTL"), the input box (EDIT), the send control (BUTTON),
//                    "_AOL_Image", "_AOL_Listbox" (the people here), "_AOL_Combobox"
//   Instant Message  title: "Instant Message To: " + partner; children: the transcript,
//                    the input box and the "Send" button right after it
//   Welcome          title: "Welcome, " + screen name + "!"; no children

#include <windows.h>

#include <string_view>
#include <vector>

#include "engine/text.h"
#include "practice/receive_log.h"
#include "practice/room_layout.h"

namespace bw {

// Told of every press of a send control, with the bytes that stood in the input box.
using ReceiveHandler = void (*)(Channel channel, std::string_view bytes);

bool RegisterDocumentClasses(HINSTANCE instance);

// After the first `afterWrites` text writes (WM_SETTEXT) from another program, every
// input box holds each such write this long before taking it, as a busy client does.
void SetWriteDelay(DWORD milliseconds, unsigned afterWrites);

HWND OpenChatRoom(HWND mdiClient, const Rect& place, const Text& room, const Text& screenName,
                  const std::vector<Text>& people, ReceiveHandler onReceive);
HWND OpenInstantMessage(HWND mdiClient, const Rect& place, const Text& partner,
                        const Text& screenName, ReceiveHandler onReceive);
HWND OpenWelcome(HWND mdiClient, const Rect& place, const Text& screenName);

}  // namespace bw
