#include "aol/senders.h"

#include <gtest/gtest.h>

#include "aol/locator.h"
#include "aol/scripted_aol_client.h"

namespace bw {
namespace {

using Kind = ScriptedWindowTree::MessageKind;
using Message = ScriptedWindowTree::Message;

std::vector<Message> Delivery(WindowHandle input, WindowHandle send, const std::string& bytes) {
  return {
      {Kind::kSetText, input, bytes}, {Kind::kButtonDown, send, ""}, {Kind::kButtonUp, send, ""}};
}

TEST(Senders, EachWritesItsBoxPressesItsControlAndTouchesNothingElse) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree);
  const ScriptedDocument im = AddImWindow(tree, mdi, u"Instant Message From: Cy");
  const ScriptedDocument chat = AddChatRoom(tree, mdi, u"Lobby");
  // Controls after the first image, a second image among them, change nothing.
  for (const char* c : {"_AOL_Edit", "_AOL_Icon", "_AOL_Image"}) tree.AddChild(chat.window, c);
  SendChat(tree, u"<B>caf\u00e9 \u20ac</B>");
  EXPECT_EQ(tree.Actions(), Delivery(chat.input, chat.send, "<B>caf\xe9 \x80</B>"));

  tree.ClearMessages();
  SendIM(tree, u"<I>hi</I>");
  auto expected = Delivery(im.input, im.send, "<I>hi</I>");
  expected.push_back({Kind::kSetText, im.input, ""});
  EXPECT_EQ(tree.Actions(), expected);
  EXPECT_EQ(tree.TextOf(im.conversation), u"<I>hi</I>");
}

TEST(Senders, NoTargetMeansNoMessageAtAll) {
  // No client at all; then the image or "Send" first; only a control before the image and
  // no child titled "Send" itself: nothing, or nothing safe, to write to.
  const std::vector<const char*> rooms[] = {
      {},
      {"_AOL_Image", "RICHCNTL", "_AOL_Listbox", "_AOL_Combobox"},
      {"_AOL_Icon", "_AOL_Image", "RICHCNTL", "_AOL_Listbox", "_AOL_Combobox"}};
  const std::vector<const char16_t*> ims[] = {
      {}, {u"Send", u""}, {u"", u"Sent", u"Send Now", u"Resend"}};
  for (std::size_t i = 0; i < std::size(rooms); ++i) {
    ScriptedWindowTree tree;
    if (i > 0) {
      const WindowHandle mdi = AddAolFrame(tree);
      const WindowHandle room = tree.AddChild(mdi, "AOL Child", u"Lobby");
      for (const char* inner : rooms[i]) tree.AddChild(room, inner);
      const WindowHandle im = tree.AddChild(mdi, "AOL Child", u"Instant Message To: Ben");
      for (const char16_t* title : ims[i]) tree.AddChild(im, "RICHCNTL", title);
      ASSERT_EQ(FindChatRoom(tree) + FindIM(tree), room + im);
    }
    SendChat(tree, u"x");
    SendIM(tree, u"x");
    EXPECT_TRUE((i == 0 ? tree.Messages() : tree.Actions()).empty()) << "layout #" << i;
  }
}

}  // namespace
}  // namespace bw
