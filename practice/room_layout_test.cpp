#include "practice/room_layout.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(PlaceDocuments, LeavesBrindlewicksWindowFreeAtEveryDensity) {
  // The MDI client's area as the practice room's frame has it on each screen.
  const struct {
    int dpi, width, height;
  } screens[] = {{96, 1024, 768}, {120, 1280, 1024}, {144, 1920, 1080}, {192, 2560, 1440}};
  for (const auto& [dpi, width, height] : screens) {
    const Rect companion = CompanionRect(width, height, dpi);
    EXPECT_EQ(companion.Width(), ScaleToDpi(kCompanionWidth, dpi)) << dpi;
    EXPECT_EQ(companion.Height(), ScaleToDpi(kCompanionHeight, dpi)) << dpi;
    const Rect client{4, 50, width - 4, height - 4};
    const DocumentRects docs = PlaceDocuments(client, width, height, dpi);
    for (const Rect& doc : {docs.chat, docs.im}) {
      const Rect onScreen{doc.left + client.left, doc.top + client.top, doc.right + client.left,
                          doc.bottom + client.top};
      EXPECT_FALSE(Overlap(onScreen, companion)) << dpi << " dpi";
    }
  }
}

TEST(LayOutChatRoom, ScalesWithTheScreenAndKeepsChildrenApart) {
  const ChatRoomRects at96 = LayOutChatRoom(300, 600, 96);
  const ChatRoomRects at144 = LayOutChatRoom(450, 900, 144);
  EXPECT_EQ(at144.send.Height(), ScaleToDpi(at96.send.Height(), 144));
  EXPECT_EQ(at144.send.Width(), ScaleToDpi(at96.send.Width(), 144));
  EXPECT_EQ(at144.transcript.top, ScaleToDpi(at96.transcript.top, 144));
  for (const ChatRoomRects& r : {at96, at144}) {
    const Rect children[] = {r.image, r.title,       r.transcript, r.input,
                             r.send,  r.peopleLabel, r.people};
    for (const Rect& a : children) {
      for (const Rect& b : children) {
        if (&a == &b) continue;
        EXPECT_FALSE(Overlap(a, b));
      }
    }
  }
  const ImRects im = LayOutIm(450, 600, 144);
  EXPECT_EQ(im.input.Height(), ScaleToDpi(24, 144));
  EXPECT_FALSE(Overlap(im.transcript, im.input) || Overlap(im.input, im.send));
}

}  // namespace
}  // namespace bw
