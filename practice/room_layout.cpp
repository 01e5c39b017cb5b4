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

Rect ToClient(const Rect& screen, const Rect& client) {
  return {screen.left - client.left, screen.top - client.top, screen.right - client.left,
          screen.bottom - client.top};
}

}  // namespace

Rect CompanionRect(int screenWidth, int screenHeight) {
  const int left = (screenWidth - kCompanionWidth) / 2;
  const int top = (screenHeight - kCompanionHeight) / 2;
  return {left, top, left + kCompanionWidth, top + kCompanionHeight};
}

DocumentRects PlaceDocuments(const Rect& client, int screenWidth, int screenHeight) {
  const Rect companion = CompanionRect(screenWidth, screenHeight);
  Rect chat{client.left, client.top, companion.left - kGap, client.bottom};
  Rect im{companion.right + kGap, client.top, client.right, client.top + client.Height() * 3 / 5};
  Rect welcome{chat.right + kGap, client.top, im.left - kGap, companion.top - kGap};
  if (chat.Width() < kMinColumn || im.Width() < kMinColumn) {
    const int third = client.Width() / 3;
    chat.right = client.left + third;
    im.left = client.right - third;
    welcome.left = chat.right;
    welcome.right = im.left;
  }
  welcome.bottom = std::max(welcome.bottom, welcome.top + 160);
  return {ToClient(chat, client), ToClient(im, client), ToClient(welcome, client)};
}

ChatRoomRects LayOutChatRoom(int width, int height) {
  ChatRoomRects r;
  const int right = width - kMargin;
  r.image = {kMargin, kMargin, kMargin + 32, kMargin + 32};
  r.view = {std::max(r.image.right + kMargin, right - 112), kMargin + 6, right, kMargin + 6 + 160};
  r.title = {r.image.right + kMargin, kMargin, r.view.left - kMargin, kMargin + 32};
  r.people = {kMargin, height - kMargin - kPeopleHeight, right, height - kMargin};
  r.peopleLabel = {kMargin, r.people.top - kLabelHeight, right, r.people.top};
  const int rowTop = r.peopleLabel.top - kMargin - kRowHeight;
  r.send = {right - kSendWidth, rowTop, right, rowTop + kRowHeight};
  r.input = {kMargin, rowTop, r.send.left - 6, rowTop + kRowHeight};
  r.transcript = {kMargin, kHeaderHeight + kMargin, right,
                  std::max(kHeaderHeight + kMargin, rowTop - 6)};
  return r;
}

ImRects LayOutIm(int width, int height) {
  ImRects r;
  const int right = width - kMargin;
  const int rowTop = height - kMargin - kRowHeight;
  r.send = {right - kSendWidth, rowTop, right, rowTop + kRowHeight};
  r.input = {kMargin, rowTop, r.send.left - 6, rowTop + kRowHeight};
  r.transcript = {kMargin, kMargin, right, std::max(kMargin, rowTop - 6)};
  return r;
}

}  // namespace bw
