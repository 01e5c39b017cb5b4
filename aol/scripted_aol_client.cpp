#include "aol/scripted_aol_client.h"

namespace bw {

namespace {

// The client's answer to a press: it sends what stands in the input box, if anything;
// a chat room then empties its box, an IM window leaves that to the sender.
void SendOnPress(ScriptedWindowTree& tree, WindowHandle send, WindowHandle input,
                 WindowHandle conversation, bool emptyInput) {
  tree.React(send, ScriptedWindowTree::MessageKind::kButtonUp,
             [input, conversation, emptyInput](ScriptedWindowTree& t) {
               const Text line = t.TextOf(input);
               if (line.empty()) return;
               Text log = t.TextOf(conversation);
               if (!log.empty()) log += u"\r\n";
               t.SetTextOf(conversation, log + line);
               if (emptyInput) t.SetTextOf(input, u"");
             });
}

WindowHandle AddUnlessOmitted(ScriptedWindowTree& tree, WindowHandle parent,
                              std::string_view className, std::string_view omitClass) {
  return className == omitClass ? 0 : tree.AddChild(parent, className);
}

}  // namespace

ScriptedAolFrame AddAolFrame(ScriptedWindowTree& tree) {
  ScriptedAolFrame aol;
  aol.frame = tree.AddTopLevel("AOL Frame25", u"America Online");
  aol.mdi = tree.AddChild(aol.frame, "MDIClient");
  return aol;
}

ScriptedChatRoom AddChatRoom(ScriptedWindowTree& tree, WindowHandle mdi, TextView name,
                             std::string_view roomClass, std::string_view omitClass) {
  ScriptedChatRoom chat;
  chat.room = tree.AddChild(mdi, roomClass, name);
  chat.conversation = AddUnlessOmitted(tree, chat.room, "RICHCNTL", omitClass);
  AddUnlessOmitted(tree, chat.room, "_AOL_Listbox", omitClass);
  chat.input = tree.AddChild(chat.room, "_AOL_Edit");
  chat.send = tree.AddChild(chat.room, "_AOL_Icon");
  chat.image = AddUnlessOmitted(tree, chat.room, "_AOL_Image", omitClass);
  AddUnlessOmitted(tree, chat.room, "_AOL_Combobox", omitClass);
  SendOnPress(tree, chat.send, chat.input, chat.conversation, true);
  return chat;
}

ScriptedImWindow AddImWindow(ScriptedWindowTree& tree, WindowHandle mdi, TextView title) {
  ScriptedImWindow im;
  im.window = tree.AddChild(mdi, "AOL Child", title);
  im.conversation = tree.AddChild(im.window, "RICHCNTL");
  im.input = tree.AddChild(im.window, "RICHCNTL");
  im.send = tree.AddChild(im.window, "_AOL_Icon", u"Send");
  SendOnPress(tree, im.send, im.input, im.conversation, false);
  return im;
}

WindowHandle AddWelcome(ScriptedWindowTree& tree, WindowHandle mdi, TextView screenName) {
  Text title = u"Welcome, ";
  title += screenName;
  title += u"!";
  return tree.AddChild(mdi, "AOL Child", title);
}

}  // namespace bw
