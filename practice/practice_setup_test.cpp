#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "practice/options.h"
#include "practice/receive_log.h"
#include "practice/room_layout.h"

namespace bw {
namespace {

TEST(ParsePracticeOptions, ReadsEveryOptionInBothForms) {
  Text error;
  const auto plain = ParsePracticeOptions({}, &error);
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->chat && plain->im && plain->welcome);
  EXPECT_TRUE(plain->logPath.empty());

  const auto all =
      ParsePracticeOptions({u"--sn", u"Ann Lee", u"--room=Back Porch", u"--partner", u"--no-im",
                            u"--no-chat", u"--no-im", u"--no-welcome", u"--log=Z:\\tmp\\a=b.log"},
                           &error);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->screenName, u"Ann Lee");
  EXPECT_EQ(all->room, u"Back Porch");
  EXPECT_EQ(all->partner, u"--no-im") << "a value option takes the next argument whole";
  EXPECT_FALSE(all->chat || all->im || all->welcome);
  EXPECT_EQ(all->logPath, u"Z:\\tmp\\a=b.log") << "only the first = splits";
}

TEST(ParsePracticeOptions, RejectsWhatItDoesNotKnow) {
  const std::vector<Text> bad[] = {{u"--room"}, {u"--bogus"}, {u"stray"}, {u"--no-chat=1"}};
  for (const auto& args : bad) {
    Text error;
    EXPECT_FALSE(ParsePracticeOptions(args, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(ReceivedLine, EveryByteAsTwoUpperCaseDigits) {
  for (int b = 0; b < 256; ++b) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "chat %02X\n", b);
    EXPECT_EQ(ReceivedLine(Channel::Chat, std::string(1, static_cast<char>(b))), expected);
  }
  EXPECT_EQ(ReceivedLine(Channel::Im, std::string("a\0b", 3)), "im 610062\n");
  EXPECT_EQ(ReceivedLine(Channel::Im, ""), "im \n");
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom && inner.Width() > 0 && inner.Height() > 0;
}

bool Apart(const Rect& a, const Rect& b) {
  return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

Rect ToScreen(const Rect& r, const Rect& client) {
  return {r.left + client.left, r.top + client.top, r.right + client.left, r.bottom + client.top};
}

TEST(PlaceDocuments, ChatAndImStayBesideTheCompanionWindow) {
  const Rect companion = CompanionRect(1024, 768);
  EXPECT_EQ(companion.left, 324);
  EXPECT_EQ(companion.top, 227);
  const Rect client{4, 44, 1020, 764};
  const DocumentRects docs = PlaceDocuments(client, 1024, 768);
  const Rect local{0, 0, client.Width(), client.Height()};
  for (const Rect& r : {docs.chat, docs.im, docs.welcome}) EXPECT_TRUE(Inside(r, local));
  EXPECT_TRUE(Apart(ToScreen(docs.chat, client), companion));
  EXPECT_TRUE(Apart(ToScreen(docs.im, client), companion));
  EXPECT_GE(docs.chat.Width(), 240);
  EXPECT_GE(docs.im.Width(), 240);

  const Rect small{0, 20, 640, 480};
  const DocumentRects cramped = PlaceDocuments(small, 640, 480);
  const Rect smallLocal{0, 0, small.Width(), small.Height()};
  EXPECT_TRUE(Inside(cramped.chat, smallLocal) && Inside(cramped.im, smallLocal));
  EXPECT_TRUE(Apart(cramped.chat, cramped.im));
}

TEST(LayOutChatRoom, ChildrenStayInsideAndApart) {
  for (const auto& [width, height] : {std::pair{312, 700}, std::pair{520, 380}}) {
    const ChatRoomRects r = LayOutChatRoom(width, height);
    const Rect all{0, 0, width, height};
    const Rect parts[] = {r.image, r.view, r.transcript, r.input, r.send, r.people};
    for (std::size_t i = 0; i < std::size(parts); ++i) {
      EXPECT_TRUE(Inside(parts[i], all)) << width << " part " << i;
      for (std::size_t j = i + 1; j < std::size(parts); ++j) {
        if (i == 1) continue;  // the combo box's rectangle includes its drop-down list
        EXPECT_TRUE(Apart(parts[i], parts[j])) << width << " parts " << i << "," << j;
      }
    }
    const ImRects im = LayOutIm(width, height);
    EXPECT_TRUE(Apart(im.transcript, im.input) && Apart(im.input, im.send));
    EXPECT_TRUE(Inside(im.send, all));
  }
}

}  // namespace
}  // namespace bw
