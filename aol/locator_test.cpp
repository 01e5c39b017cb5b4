#include "aol/locator.h"

#include <gtest/gtest.h>

#include "aol/scripted_aol_client.h"
#include "aol/toolkit.h"

namespace bw {
namespace {

TEST(Locator, NoClientGivesNothingAndSendsNothing) {
  ScriptedWindowTree tree;
  tree.AddTopLevel("AOL Frame24", u"Welcome, Ann!");
  for (int withFrame = 0; withFrame < 2; ++withFrame) {
    if (withFrame) tree.AddTopLevel("AOL Frame25");  // a frame without its MDI client
    EXPECT_EQ(FindMDI(tree) + FindChatRoom(tree) + FindIM(tree) + FindWelcome(tree), 0u);
    EXPECT_EQ(GetUserSN(tree) + GetIMPartner(tree) + GetRoomName(tree), u"");
  }
  EXPECT_TRUE(tree.Messages().empty());
}

TEST(FindChatRoom, ExactClassAllFourInnerClassesEarliestRoom) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree);
  AddChatRoom(tree, mdi, u"Upper", "AOL CHILD");
  for (const char* omitted : {"RICHCNTL", "_AOL_Image", "_AOL_Listbox", "_AOL_Combobox"}) {
    AddChatRoom(tree, mdi, u"Broken", "AOL Child", omitted);
  }
  const WindowHandle room = tree.AddChild(mdi, "AOL Child", u"Town  Square: 3");
  for (const char* inner : {"richcntl", "_aol_image", "_AOL_LISTBOX", "_Aol_Combobox"}) {
    tree.AddChild(room, inner);
  }
  AddChatRoom(tree, mdi, u"Later");
  EXPECT_EQ(GetRoomName(tree), u"Town  Square: 3");
  tree.Remove(room);  // nothing remembered: the next search sees the change
  EXPECT_EQ(GetRoomName(tree), u"Later");
}

TEST(FindChatRoom, DocumentWalkEndsOnALoopingChain) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree);
  tree.LoopSibling(tree.AddChild(mdi, "AOL CHILD", u"No room"), 3 * kMaxSiblingWalk);
  AddChatRoom(tree, mdi, u"Beyond the loop");
  EXPECT_EQ(FindChatRoom(tree), 0u);
}

TEST(Readers, CutTheTitleAsTheClientWritesIt) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree);
  // A window we write to outranks the earlier one that wrote to us.
  AddImWindow(tree, mdi, u"Instant Message From: Cy");
  const WindowHandle im = AddImWindow(tree, mdi, u"").window;
  tree.AddChild(mdi, "AOL Child", u"Welcome");
  const WindowHandle welcome = tree.AddChild(mdi, "AOL Child");
  const std::pair<const char16_t*, const char16_t*> partners[] = {
      // clang-format off
      {u"Instant Message To: Ben Dover", u"Ben Dover"}, {u"Instant Message From: Ann", u"Cy"},
      {u"Instant Message To:", u""}, {u"Instant Message To:Ann", u"nn"},
      {u"Instant Message To: a:b", u"a:b"},
      {u"Re: Instant Message To: Ben", u"Instant Message To: Ben"},
      // clang-format on
  };
  for (const auto& c : partners) {
    tree.SetTextOf(im, c.first);
    EXPECT_EQ(GetIMPartner(tree), c.second) << "partner #" << (&c - partners);
  }
  const std::pair<const char16_t*, const char16_t*> screenNames[] = {
      {u"Welcome, Ann Bee!", u"Ann Bee"},
      {u"Welcome, Ann", u"Ann"},
      {u"WELCOME, Ann!!", u"Ann"},
      {u"Welcome,\u00a0Ann!", u""}};
  for (const auto& c : screenNames) {
    tree.SetTextOf(welcome, c.first);
    EXPECT_EQ(GetUserSN(tree), c.second) << "screen name #" << (&c - screenNames);
  }
  EXPECT_TRUE(tree.Actions().empty());
}

}  // namespace
}  // namespace bw
