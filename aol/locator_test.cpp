#include "aol/locator.h"

#include <gtest/gtest.h>

#include "aol/aol_context.h"
#include "aol/scripted_aol_client.h"

namespace bw {
namespace {

TEST(Locator, NoClientGivesNothingAndSendsNothing) {
  ScriptedWindowTree tree;
  tree.AddTopLevel("AOL Frame24", u"Welcome, Ann!");
  AolMessageContext context(tree);
  for (int withFrame = 0; withFrame < 2; ++withFrame) {
    if (withFrame) tree.AddTopLevel("AOL Frame25");  // a frame without its MDI client
    EXPECT_EQ(FindMDI(tree) + FindChatRoom(tree) + FindIM(tree) + FindWelcome(tree), 0u);
    EXPECT_EQ(context.UserScreenName() + context.ImPartner() + context.RoomName(), u"");
  }
  EXPECT_EQ(FindAOL(tree), tree.FindTopLevel("AOL Frame25"));
  EXPECT_TRUE(tree.Messages().empty());
}

TEST(FindChatRoom, ExactClassAllFourInnerClassesEarliestRoom) {
  for (const char* omitted : {"RICHCNTL", "_AOL_Image", "_AOL_Listbox", "_AOL_Combobox"}) {
    ScriptedWindowTree tree;
    const WindowHandle mdi = AddAolFrame(tree).mdi;
    AddChatRoom(tree, mdi, u"Upper", "AOL CHILD");
    AddChatRoom(tree, mdi, u"Lower", "aol child");
    AddChatRoom(tree, mdi, u"Broken", "AOL Child", omitted);
    const WindowHandle room = tree.AddChild(mdi, "AOL Child", u"Town  Square: 3");
    for (const char* inner : {"richcntl", "_aol_image", "_AOL_LISTBOX", "_Aol_Combobox"}) {
      tree.AddChild(room, inner);
    }
    AddChatRoom(tree, mdi, u"Later");
    EXPECT_EQ(FindChatRoom(tree), room) << "without " << omitted;
    EXPECT_EQ(GetRoomName(tree), u"Town  Square: 3");
    tree.Remove(room);  // nothing remembered: the next search sees the change
    EXPECT_EQ(GetRoomName(tree), u"Later");
  }
}

TEST(Readers, CutTheTitleAsTheClientWritesIt) {
  const std::pair<const char16_t*, const char16_t*> partners[] = {
      {u"Instant Message To: Ben Dover", u"Ben Dover"},
      {u"Instant Message From: Ann", u"Ann"},
      {u"Instant Message To:", u""},
      {u"Instant Message To:X", u""},
      {u"Instant Message To:Ann", u"nn"},
      {u"Instant Message To: a:b", u"a:b"},
      {u"Re: Instant Message To: Ben", u"Instant Message To: Ben"}};
  for (const auto& c : partners) {
    ScriptedWindowTree tree;
    AddImWindow(tree, AddAolFrame(tree).mdi, c.first);
    EXPECT_EQ(GetIMPartner(tree), c.second) << "partner #" << (&c - partners);
  }
  const std::pair<const char16_t*, const char16_t*> screenNames[] = {
      {u"Welcome, Ann Bee!", u"Ann Bee"}, {u"Welcome, Ann", u"Ann"},
      {u"WELCOME, Ann!!", u"Ann"},        {u"Welcome, !", u""},
      {u"Welcome, A!nn", u"A"},           {u"Welcome,\u00a0Ann!", u""}};
  for (const auto& c : screenNames) {
    ScriptedWindowTree tree;
    const WindowHandle mdi = AddAolFrame(tree).mdi;
    tree.AddChild(mdi, "AOL Child", u"Welcome");
    tree.AddChild(mdi, "AOL Child", c.first);
    EXPECT_EQ(GetUserSN(tree), c.second) << "screen name #" << (&c - screenNames);
  }
}

TEST(Locator, ToIMWinsOverFromAndNothingIsTouched) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = AddAolFrame(tree).mdi;
  AddImWindow(tree, mdi, u"Instant Message From: Cy");
  AddChatRoom(tree, mdi, u"Town Square");
  AddImWindow(tree, mdi, u"instant message to: Ben");
  AddImWindow(tree, mdi, u"Instant Message To: Dee");
  AddWelcome(tree, mdi, u"Ann");
  AolMessageContext context(tree);
  EXPECT_EQ(context.UserScreenName(), u"Ann");
  EXPECT_EQ(context.ImPartner(), u"Ben");
  EXPECT_EQ(context.RoomName(), u"Town Square");
  EXPECT_TRUE(tree.Actions().empty());
}

}  // namespace
}  // namespace bw
