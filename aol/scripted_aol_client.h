#pragma once
// Test double of the AOL 4.0 client's window tree, built in a ScriptedWindowTree: the
// main frame, its MDI client and the document windows the locator looks for, laid out
// as the client lays them out. A press on a send control sends as the client does: the
// input box's text joins the conversation; a chat room also empties its input box, an
// IM window does not.

#include <string_view>

#include "aol/scripted_window_tree.h"
#include "engine/text.h"

namespace bw {

struct ScriptedAolFrame {
  WindowHandle frame = 0;
  WindowHandle mdi = 0;
};

struct ScriptedChatRoom {
  WindowHandle room = 0;
  WindowHandle conversation = 0;  // "RICHCNTL"
  WindowHandle input = 0;         // two siblings before the image
  WindowHandle send = 0;          // the sibling just before the image
  WindowHandle image = 0;         // the first "_AOL_Image"
};

struct ScriptedImWindow {
  WindowHandle window = 0;
  WindowHandle conversation = 0;
  WindowHandle input = 0;  // the sibling just before "Send"
  WindowHandle send = 0;
};

// "AOL Frame25" with an "MDIClient" child.
ScriptedAolFrame AddAolFrame(ScriptedWindowTree& tree);
// An "AOL Child" (or roomClass) titled name whose children are, in order: "RICHCNTL",
// "_AOL_Listbox", the input box, the send control, "_AOL_Image", "_AOL_Combobox".
// Leaving out one inner class (omitClass) makes a window that is no chat room.
ScriptedChatRoom AddChatRoom(ScriptedWindowTree& tree, WindowHandle mdi, TextView name,
                             std::string_view roomClass = "AOL Child",
                             std::string_view omitClass = {});
// An "AOL Child" titled title: conversation, input box, a "Send" button.
ScriptedImWindow AddImWindow(ScriptedWindowTree& tree, WindowHandle mdi, TextView title);
// An "AOL Child" titled "Welcome, " + screenName + "!".
WindowHandle AddWelcome(ScriptedWindowTree& tree, WindowHandle mdi, TextView screenName);

}  // namespace bw
