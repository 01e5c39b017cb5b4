#pragma once
// Test double of the AOL 4.0 client's window tree, built in a ScriptedWindowTree: the
// main frame, its MDI client and the document windows the locator looks for, laid out
// as the client lays them out. A press on a send control sends as the client does: the
// input box's text, if any, joins the conversation; a chat room then empties its input
// box, an IM window leaves that to the sender.

#include <string_view>

#include "aol/scripted_window_tree.h"
#include "engine/text.h"

namespace bw {

// A chat room or an IM window, and the controls a sender uses.
struct ScriptedDocument {
  WindowHandle window = 0;
  WindowHandle conversation = 0;  // "RICHCNTL"
  WindowHandle input = 0;
  WindowHandle send = 0;
};

inline void SendOnPress(ScriptedWindowTree& tree, WindowHandle send, WindowHandle input,
                        WindowHandle conversation, bool emptyInput) {
  tree.OnPress(send, [=](ScriptedWindowTree& t) {
    const Text line = t.TextOf(input);
    if (line.empty()) return;
    const Text log = t.TextOf(conversation);
    t.SetTextOf(conversation, log.empty() ? line : log + u"\r\n" + line);
    if (emptyInput) t.SetTextOf(input, u"");
  });
}

// "AOL Frame25" with an "MDIClient" child; gives the MDI client.
inline WindowHandle AddAolFrame(ScriptedWindowTree& tree) {
  return tree.AddChild(tree.AddTopLevel("AOL Frame25", u"America Online"), "MDIClient");
}

// An "AOL Child" (or roomClass) titled name whose children are, in order: "RICHCNTL",
// "_AOL_Listbox", the input box, the send control, "_AOL_Image", "_AOL_Combobox".
// Leaving out one inner class (omitClass) makes a window that is no chat room.
inline ScriptedDocument AddChatRoom(ScriptedWindowTree& tree, WindowHandle mdi, TextView name,
                                    std::string_view roomClass = "AOL Child",
                                    std::string_view omitClass = {}) {
  ScriptedDocument chat;
  chat.window = tree.AddChild(mdi, roomClass, name);
  const auto inner = [&](std::string_view className) {
    return className == omitClass ? WindowHandle{0} : tree.AddChild(chat.window, className);
  };
  chat.conversation = inner("RICHCNTL");
  inner("_AOL_Listbox");
  chat.input = inner("_AOL_Edit");
  chat.send = inner("_AOL_Icon");
  inner("_AOL_Image");
  inner("_AOL_Combobox");
  SendOnPress(tree, chat.send, chat.input, chat.conversation, true);
  return chat;
}

// An "AOL Child" titled title: conversation, input box, a "Send" button.
inline ScriptedDocument AddImWindow(ScriptedWindowTree& tree, WindowHandle mdi, TextView title) {
  ScriptedDocument im;
  im.window = tree.AddChild(mdi, "AOL Child", title);
  im.conversation = tree.AddChild(im.window, "RICHCNTL");
  im.input = tree.AddChild(im.window, "RICHCNTL");
  im.send = tree.AddChild(im.window, "_AOL_Icon", u"Send");
  SendOnPress(tree, im.send, im.input, im.conversation, false);
  return im;
}

// An "AOL Child" titled "Welcome, " + screenName + "!".
inline WindowHandle AddWelcome(ScriptedWindowTree& tree, WindowHandle mdi, TextView screenName) {
  return tree.AddChild(mdi, "AOL Child", u"Welcome, " + Text(screenName) + u"!");
}

}  // namespace bw
