#include "practice/room_layout.h"

#include <algorithm>

namespace bw {

namespace {

constexpr int kGap = 4;          // between a document and the companion window
constexpr int kMinColumn = 240;  // narrower than this, a chat transcript is unreadable
constexpr int kMargin = 8;
constexpr int kRowHeight = 24;  // input boxes and buttons
constexpr int kSendWidth = 64;
constexpr int kPeopleHeight = 84;
constexpr int kLabelHeight = 18;
constexpr int kHeaderHeight = 40;

// The layout's lengths on one screen.
class Scaled {
 public:
  explicit Scaled(int dpi) : dpi_(dpi) {}
  int operator()(int layoutPixels) const { return ScaleToDpi(layoutPixels, dpi_); }

 private:
  int dpi_;
};

Rect ToClient(const Rect& screen, const Rect& client) {
  return {screen.left - client.left, screen.top - client.top, screen.right - client.left,
          screen.bottom - client.top};
}

}  // namespace

Rect CompanionRect(int screenWidth, int screenHeight, int dpi) {
  const Scaled s(dpi);
  const int width = s(kCompanionWidth), height = s(kCompanionHeight);
  const int left = (screenWidth - width) / 2;
  const int top = (screenHeight - height) / 2;
  return {left, top, left + width, top + height};
}

DocumentRects PlaceDocuments(const Rect& client, int screenWidth, int screenHeight, int dpi) {
  const Scaled s(dpi);
  const int gap = s(kGap);
  const Rect companion = CompanionRect(screenWidth, screenHeight, dpi);
  Rect chat{client.left, client.top, companion.left - gap, client.bottom};
  Rect im{companion.right + gap, client.top, client.right, client.top + client.Height() * 3 / 5};
  Rect welcome{chat.right + gap, client.top, im.left - gap, companion.top - gap};
  if (chat.Width() < s(kMinColumn) || im.Width() < s(kMinColumn)) {
    const int third = client.Width() / 3;
    chat.right = client.left + third;
    im.left = client.right - third;
    welcome.left = chat.right;
    welcome.right = im.left;
  }
  welcome.bottom = std::max(welcome.bottom, welcome.top + s(160));
  return {ToClient(chat, client), ToClient(im, client), ToClient(welcome, client)};
}

ChatRoomRects LayOutChatRoom(int width, int height, int dpi) {
  const Scaled s(dpi);
  const int margin = s(kMargin), row = s(kRowHeight), header = s(kHeaderHeight);
  ChatRoomRects r;
  const int right = width - margin;
  r.image = {margin, margin, margin + s(32), margin + s(32)};
  r.view = {std::max(r.image.right + margin, right - s(112)), margin + s(6), right,
            margin + s(6 + 160)};
  r.title = {r.image.right + margin, margin, r.view.left - margin, margin + s(32)};
  r.people = {margin, height - margin - s(kPeopleHeight), right, height - margin};
  r.peopleLabel = {margin, r.people.top - s(kLabelHeight), right, r.people.top};
  const int rowTop = r.peopleLabel.top - margin - row;
  r.send = {right - s(kSendWidth), rowTop, right, rowTop + row};
  r.input = {margin, rowTop, r.send.left - s(6), rowTop + row};
  r.transcript = {margin, header + margin, right, std::max(header + margin, rowTop - s(6))};
  return r;
}

ImRects LayOutIm(int width, int height, int dpi) {
  const Scaled s(dpi);
  const int margin = s(kMargin), row = s(kRowHeight);
  ImRects r;
  const int right = width - margin;
  const int rowTop = height - margin - row;
  r.send = {right - s(kSendWidth), rowTop, right, rowTop + row};
  r.input = {margin, rowTop, r.send.left - s(6), rowTop + row};
  r.transcript = {margin, margin, right, std::max(margin, rowTop - s(6))};
  return r;
}

}  // namespace bw
