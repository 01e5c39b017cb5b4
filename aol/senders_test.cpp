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

TEST(SendChat, TextBeforeTheControlBeforeTheFirstImageAndNothingElse) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree).mdi;
  const ScriptedImWindow im = AddImWindow(tree, mdi, u"Instant Message To: Ben");
  const ScriptedChatRoom chat = AddChatRoom(tree, mdi, u"Lobby");
  for (const char* later : {"_AOL_Edit", "_AOL_Icon", "_AOL_Image"})
    tree.AddChild(chat.room, later);
  tree.SetTextOf(im.input, u"draft");

  SendChat(tree, u"<B>caf\u00e9 \u20ac</B>");
  EXPECT_EQ(tree.Actions(), Delivery(chat.input, chat.send, "<B>caf\xe9 \x80</B>"));
  EXPECT_EQ(tree.TextOf(chat.conversation), u"<B>caf\u00e9 \u20ac</B>");
  EXPECT_EQ(tree.TextOf(im.input), u"draft");
}

TEST(SendIM, TextBeforeSendThenPressThenEmptyBox) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree).mdi;
  AddChatRoom(tree, mdi, u"Lobby");
  const ScriptedImWindow im = AddImWindow(tree, mdi, u"Instant Message From: Cy");
  SendIM(tree, u"");  // the senders check nothing: empty text is written and pressed
  SendIM(tree, u"<I>hi</I>");
  std::vector<Message> expected;
  for (const char* bytes : {"", "<I>hi</I>"}) {
    for (const Message& m : Delivery(im.input, im.send, bytes)) expected.push_back(m);
    expected.push_back({Kind::kSetText, im.input, ""});
  }
  EXPECT_EQ(tree.Actions(), expected);
  EXPECT_EQ(tree.TextOf(im.conversation), u"<I>hi</I>");
  EXPECT_EQ(tree.TextOf(im.input), u"");
}

TEST(Senders, NoTargetMeansNoMessageAtAll) {
  // No client at all; then the image or "Send" first, only a control before the image,
  // no "Send" child: nothing, or nothing safe, to write to.
  const std::vector<std::vector<const char*>> roomLayouts = {
      {},
      {"_AOL_Image", "RICHCNTL", "_AOL_Listbox", "_AOL_Combobox"},
      {"_AOL_Icon", "_AOL_Image", "RICHCNTL", "_AOL_Listbox", "_AOL_Combobox"}};
  const std::vector<std::vector<const char16_t*>> imLayouts = {{}, {u"Send", u""}, {u"", u"Sent"}};
  for (std::size_t i = 0; i < roomLayouts.size(); ++i) {
    ScriptedWindowTree tree;
    if (i > 0) {
      const WindowHandle mdi = AddAolFrame(tree).mdi;
      const WindowHandle room = tree.AddChild(mdi, "AOL Child", u"Lobby");
      for (const char* inner : roomLayouts[i]) tree.AddChild(room, inner);
      const WindowHandle im = tree.AddChild(mdi, "AOL Child", u"Instant Message To: Ben");
      for (const char16_t* title : imLayouts[i]) tree.AddChild(im, "RICHCNTL", title);
      ASSERT_EQ(FindChatRoom(tree) + FindIM(tree), room + im);
    }
    SendChat(tree, u"x");
    SendIM(tree, u"x");
    EXPECT_TRUE((i == 0 ? tree.Messages() : tree.Actions()).empty()) << "layout #" << i;
    EXPECT_TRUE(tree.MessagesTo(0).empty());
  }
}

TEST(SendIM, WindowClosingDuringTheSearchGetsNothing) {
  ScriptedWindowTree tree;
  const WindowHandle im =
      AddImWindow(tree, AddAolFrame(tree).mdi, u"Instant Message To: Ben").window;
  tree.React(im, Kind::kGetText, [im](ScriptedWindowTree& t) { t.Remove(im); });
  SendIM(tree, u"x");
  EXPECT_TRUE(tree.Actions().empty());
}

}  // namespace
}  // namespace bw
