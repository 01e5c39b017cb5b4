#include "aol/toolkit.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "aol/scripted_window_tree.h"

namespace bw {
namespace {

using Kind = ScriptedWindowTree::MessageKind;
using Message = ScriptedWindowTree::Message;

TEST(GetText, AsksTheLengthThenTheTextAndTrustsTheLengthWithinBounds) {
  ScriptedWindowTree tree;
  const WindowHandle w = tree.AddTopLevel("Edit", u"Caf\u00e9 \u20ac");
  EXPECT_EQ(GetText(tree, w), u"Caf\u00e9 \u20ac");
  EXPECT_EQ(tree.Messages(),
            (std::vector<Message>{{Kind::kGetTextLength, w, ""}, {Kind::kGetText, w, ""}}));
  // {10, 3, 3}: a window copying less than it announced ends at its NUL, without padding.
  const auto cap = static_cast<std::size_t>(kMaxWindowTextBytes);
  const std::tuple<long, std::size_t, std::size_t> cases[] = {
      {-5, 3, 0}, {LONG_MIN, 3, 0}, {10, 3, 3}, {2, 3, 2}, {LONG_MAX, cap + 9, cap}};
  for (const auto& [reported, textBytes, expectedBytes] : cases) {
    tree.SetTextOf(w, Text(textBytes, u'x'));
    tree.SetReportedLength(w, reported);
    EXPECT_EQ(GetText(tree, w), Text(expectedBytes, u'x')) << "reported " << reported;
  }
  tree.Remove(w);
  EXPECT_EQ(GetText(tree, w), u"");
}

TEST(GetClass, ExactNameOrSpacesForNoWindow) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = tree.AddTopLevel("MDIClient");
  EXPECT_EQ(GetClass(tree, mdi), u"MDIClient");
  EXPECT_EQ(GetClass(tree, tree.AddTopLevel(std::string(300, 'c'))), Text(254, u'c'));
  tree.Remove(mdi);
  EXPECT_EQ(GetClass(tree, mdi), Text(255, u' ')) << "a gone window";
  EXPECT_EQ(GetClass(tree, 0), Text(255, u' '));
}

TEST(Toolkit, MessagesReachOnlyTheGivenWindowAndNeverHandleZero) {
  ScriptedWindowTree tree;
  const WindowHandle w = tree.AddTopLevel("Edit", u"old");
  for (const WindowHandle target : {WindowHandle{0}, w}) {
    SetText(tree, target, u"\u20ac<B>x");
    ClickIcon(tree, target);
    for (const int onTop : {-1, 0, 2}) StayOnTop(tree, target, onTop);
  }
  EXPECT_EQ(tree.Messages(), (std::vector<Message>{{Kind::kSetText, w, "\x80<B>x"},
                                                   {Kind::kButtonDown, w, ""},
                                                   {Kind::kButtonUp, w, ""},
                                                   {Kind::kSetTopmost, w, "1"},
                                                   {Kind::kSetTopmost, w, "0"},
                                                   {Kind::kSetTopmost, w, "1"}}));
}

TEST(FindChild, FirstMatchingDirectChildOnlyWithinABoundedWalk) {
  ScriptedWindowTree tree;
  const WindowHandle parent = tree.AddTopLevel("AOL Child");
  const WindowHandle near = tree.AddChild(parent, "_AOL_Icon", u"Send Now");
  tree.AddChild(near, "_AOL_Icon", u"Send");  // a grandchild is never found
  const WindowHandle first = tree.AddChild(parent, "_aol_icon", u"send");
  tree.AddChild(parent, "_AOL_Icon", u"SEND");
  EXPECT_EQ(FindChildByTitle(tree, parent, u"Send"), first);
  EXPECT_EQ(FindChildByClass(tree, parent, u"_AOL_ICON"), near);
  // A sibling chain looping at the first child: the walk ends before what lies beyond.
  tree.LoopSibling(near, 3 * kMaxSiblingWalk);
  EXPECT_EQ(FindChildByTitle(tree, parent, u"Send"), 0u);
}

}  // namespace
}  // namespace bw
