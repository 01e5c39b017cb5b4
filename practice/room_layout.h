#pragma once
// Where the practice room puts its windows. Brindlewick's own window (375 x 314) sits
// centered on the screen and above everything, so the chat room takes the column left of
// it and the Instant Message window the column right of it: both stay readable while
// Brindlewick sends to them. The Welcome window fills the gap above Brindlewick.
//
// Every size here is given in pixels at 96 dots per inch and laid out at the screen's
// own density, as Brindlewick lays itself out: on a screen of D dpi a layout pixel is
// D / 96 of the screen's, so Brindlewick's window and the room's fit together on every
// screen.

#include "engine/rounding.h"

namespace bw {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] int Width() const { return right - left; }
  [[nodiscard]] int Height() const { return bottom - top; }
};

inline constexpr int kCompanionWidth = 375;
inline constexpr int kCompanionHeight = 314;

// Brindlewick's window on a screen of the given size, centered.
[[nodiscard]] Rect CompanionRect(int screenWidth, int screenHeight, int dpi);

struct DocumentRects {
  Rect chat;
  Rect im;
  Rect welcome;
};

// The three document windows, in the MDI client's coordinates. `client` is the MDI
// client's area in screen coordinates. On a screen too narrow for columns beside the
// companion window, the client is split into thirds instead.
[[nodiscard]] DocumentRects PlaceDocuments(const Rect& client, int screenWidth, int screenHeight,
                                           int dpi);

struct ChatRoomRects {
  Rect image;
  Rect title;  // the room's name, drawn beside the image
  Rect view;   // the combo box that switches between styled text and markup
  Rect transcript;
  Rect input;
  Rect send;
  Rect peopleLabel;
  Rect people;
};

struct ImRects {
  Rect transcript;
  Rect input;
  Rect send;
};

// The children of a chat room and of an IM window, for a client area of width x height
// (the screen's pixels).
[[nodiscard]] ChatRoomRects LayOutChatRoom(int width, int height, int dpi);
[[nodiscard]] ImRects LayOutIm(int width, int height, int dpi);

}  // namespace bw
