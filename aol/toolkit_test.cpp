#include "aol/toolkit.h"

#include <gtest/gtest.h>

#include <climits>

#include "aol/scripted_window_tree.h"

namespace bw {
namespace {

using Kind = ScriptedWindowTree::MessageKind;
using Message = ScriptedWindowTree::Message;

TEST(Matches, FollowsTheWildcardRule) {
  struct Case {
    const char16_t* pattern;
    const char16_t* candidate;
    bool expected;
  };
  const Case cases[] = {
      {u"send", u"SEND", true},
      {u"Send", u"Send Now", false},
      {u"Welcome, *", u"Welcome, ", true},
      {u"Welcome, *", u"WELCOME, Ann!", true},
      {u"Welcome, *", u"Welcome Ann", false},
      {u"?", u"", false},
      {u"a?c", u"abc", true},
      {u"#", u"9", true},
      {u"#", u":", false},
      {u"#", u"/", false},
      {u"a*b*c", u"aXbYc", true},
      {u"a*b*c", u"aXbYcd", false},
      {u"[!abc]", u"d", true},
      {u"[!abc]", u"a", false},
      {u"[a-f]x", u"Dx", true},
      {u"[!a-f]", u"g", true},
      {u"[ac-e]", u"b", false},
      {u"[a-]", u"-", true},
      {u"[]", u"a", false},
      {u"[*?#]", u"?", true},
      {u"\u00e9\u00ff", u"\u00c9\u0178", true},
      // Only the pattern's characters are special.
      {u"a*", u"a*", true},
      {u"a#", u"a*", false},
      {u"#", u"#", false},
      {u"a", u"*", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Matches(c.pattern, c.candidate), c.expected) << "case #" << (&c - cases);
  }
}

TEST(Matches, MalformedPatternMatchesNothing) {
  // [Z-a] turns into the reversed [Z-A] once upper-cased.
  const char16_t* const patterns[] = {u"[abc", u"*[", u"[!", u"[z-a]", u"[!z-a]", u"[Z-a]"};
  for (const char16_t* const& pattern : patterns) {
    for (const char16_t* candidate : {u"", u"a", u"z", u"[", u"[abc", u"*", u"x"}) {
      EXPECT_FALSE(Matches(pattern, candidate)) << "pattern #" << (&pattern - patterns);
    }
  }
}

TEST(Matches, ManyStarsStayPolynomial) {
  // Naive backtracking would try every way of spreading 5000 characters over 40 stars.
  Text pattern;
  for (int i = 0; i < 40; ++i) pattern += u"*a";
  const Text candidate(5000, u'a');
  EXPECT_FALSE(Matches(pattern + u"b", candidate));
  EXPECT_TRUE(Matches(pattern + u"b", candidate + u"b"));
}

TEST(GetText, ReadsTheAnnouncedLengthThroughTheCodePage) {
  ScriptedWindowTree tree;
  const WindowHandle w = tree.AddTopLevel("Edit", u"Caf\u00e9 \u20ac");
  EXPECT_EQ(GetText(tree, w), u"Caf\u00e9 \u20ac");
  EXPECT_EQ(tree.Messages(),
            (std::vector<Message>{{Kind::kGetTextLength, w, ""}, {Kind::kGetText, w, ""}}));
  tree.ClearMessages();
  EXPECT_EQ(GetText(tree, 0), u"");
  EXPECT_TRUE(tree.Messages().empty());
  tree.Remove(w);
  EXPECT_EQ(GetText(tree, w), u"");
}

TEST(GetText, BoundsWhatTheWindowAnnounces) {
  const auto cap = static_cast<std::size_t>(kMaxWindowTextBytes);
  struct Case {
    long reported;
    std::size_t textBytes, expectedBytes;
  };
  const Case cases[] = {
      {-5, 3, 0}, {LONG_MIN, 3, 0}, {10, 3, 3}, {2, 3, 2}, {LONG_MAX, cap + 9, cap}};
  for (const Case& c : cases) {
    ScriptedWindowTree tree;
    const WindowHandle w = tree.AddTopLevel("Edit", Text(c.textBytes, u'x'));
    tree.SetReportedLength(w, c.reported);
    EXPECT_EQ(GetText(tree, w), Text(c.expectedBytes, u'x')) << "reported " << c.reported;
  }
}

TEST(GetClass, ExactNameOrSpacesThatMatchNoSearchedClass) {
  ScriptedWindowTree tree;
  const WindowHandle mdi = tree.AddTopLevel("MDIClient");
  EXPECT_EQ(GetClass(tree, mdi), u"MDIClient");
  EXPECT_EQ(GetClass(tree, tree.AddTopLevel(std::string(300, 'c'))), Text(254, u'c'));
  tree.Remove(mdi);
  for (const WindowHandle gone : {mdi, WindowHandle{0}}) {
    const Text name = GetClass(tree, gone);
    EXPECT_EQ(name, Text(255, u' '));
    for (const char16_t* searched : {u"MDIClient", u"AOL Child", u"RICHCNTL", u"_AOL_Image",
                                     u"_AOL_Listbox", u"_AOL_Combobox"}) {
      EXPECT_FALSE(Matches(searched, name));
    }
  }
}

TEST(Toolkit, MessagesReachOnlyTheGivenWindowAndNeverHandleZero) {
  ScriptedWindowTree tree;
  const WindowHandle w = tree.AddTopLevel("Edit", u"old");
  tree.AddTopLevel("Edit", u"other");
  SetText(tree, w, u"\u20ac<B>x");
  EXPECT_EQ(tree.TextOf(w), u"\u20ac<B>x");
  ClickIcon(tree, w);
  for (const int onTop : {-1, 0, 2}) {
    StayOnTop(tree, w, onTop);
    EXPECT_EQ(tree.IsTopmost(w), onTop != 0);
  }
  EXPECT_EQ(tree.Messages(), (std::vector<Message>{{Kind::kSetText, w, "\x80<B>x"},
                                                   {Kind::kButtonDown, w, ""},
                                                   {Kind::kButtonUp, w, ""},
                                                   {Kind::kSetTopmost, w, "1"},
                                                   {Kind::kSetTopmost, w, "0"},
                                                   {Kind::kSetTopmost, w, "1"}}));
  tree.ClearMessages();
  SetText(tree, 0, u"x");
  ClickIcon(tree, 0);
  StayOnTop(tree, 0, -1);
  EXPECT_EQ(FindChildByTitle(tree, 0, u"*") + FindChildByClass(tree, 0, u"*"), 0u);
  EXPECT_TRUE(tree.Messages().empty());
}

TEST(FindChild, FirstMatchingDirectChildOnly) {
  ScriptedWindowTree tree;
  const WindowHandle parent = tree.AddTopLevel("AOL Child");
  const WindowHandle near = tree.AddChild(parent, "_AOL_Icon", u"Send Now");
  tree.AddChild(near, "_AOL_Icon", u"Send");  // a grandchild is never found
  const WindowHandle first = tree.AddChild(parent, "_aol_icon", u"send");
  tree.AddChild(parent, "_AOL_Icon", u"SEND");
  EXPECT_EQ(FindChildByTitle(tree, parent, u"Send"), first);
  EXPECT_EQ(FindChildByClass(tree, parent, u"_AOL_ICON"), near);
  EXPECT_EQ(FindChildByClass(tree, parent, u"_AOL_Image"), 0u);
}

TEST(FindChild, WalkEndsWhenAWindowVanishesOrTheChainLoops) {
  ScriptedWindowTree tree;
  const WindowHandle parent = tree.AddTopLevel("AOL Child");
  const WindowHandle lobby = tree.AddChild(parent, "AOL Child", u"Lobby");
  tree.AddChild(parent, "AOL Child", u"Send");
  tree.React(lobby, Kind::kGetText, [lobby](ScriptedWindowTree& t) { t.Remove(lobby); });
  EXPECT_EQ(FindChildByTitle(tree, parent, u"Send"), 0u);

  // Another program reordering its windows can turn the sibling chain into a loop.
  struct LoopingTree : ScriptedWindowTree {
    WindowHandle NextSibling(WindowHandle window) override { return window; }
  } looping;
  looping.AddChild(looping.AddTopLevel("AOL Child"), "_AOL_Icon", u"Stop");
  EXPECT_EQ(FindChildByTitle(looping, looping.FindTopLevel("AOL Child"), u"Send"), 0u);
  EXPECT_EQ(looping.Messages().size(), 2u * kMaxSiblingWalk);
}

}  // namespace
}  // namespace bw
