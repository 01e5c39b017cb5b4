#pragma once
// The shout-out ticker: its state, its per-tick step, what each step changes on the
// screen, and the Ticker that owns them all and draws through a TickerCanvas. The
// platform only makes the entries' images and shows the rows it is told to.

#include <cstdint>
#include <optional>
#include <vector>

#include "app/screen_units.h"
#include "engine/text.h"

namespace bw {

struct TickerState {
  std::vector<Text> ShoutList;  // "(pic)" (exactly) stands for the picture
  int ShoutIndex = 1;           // 1-based number of the current entry
  int ShoutY = 0;               // top row of the current entry, in surface pixels
  int PicHoldTicks = 0;         // kept from one pass of the picture to the next
};

// The list the main window starts with, the first entry current, and ShoutY at the
// surface's height (rounded, halves to even) so the first entry enters at the bottom.
[[nodiscard]] TickerState NewTicker(double surfaceHeight);

// Only the exact, case-sensitive "(pic)" is the picture: "(PIC)" and " (pic)" are text.
[[nodiscard]] bool IsPictureEntry(TextView entry);

// The entry the next step moves and draws: the renderer measures its height first. An
// empty list gives the empty text.
[[nodiscard]] const Text& CurrentShout(const TickerState& state);

// What one tick puts on the cleared surface: `entry` (1-based; 0 draws nothing) with its
// top at row `y`, centered if it is text, at left 8 if it is the picture.
struct TickerFrame {
  int entry = 0;
  bool picture = false;
  int y = 0;
  friend bool operator==(const TickerFrame&, const TickerFrame&) = default;
};

// One tick. entryHeight is CurrentShout's height in pixels (the picture's or the text's
// in the ticker font). Everything rises 2 pixels a tick; an entry wholly above the top
// (ShoutY < -entryHeight) hands over to the next, wrapping after the last, which starts
// at the surface's height. The picture rests with its top at row 25 for 50 ticks;
// PicHoldTicks is not reset in between, so every rest lasts 50 ticks. Row 25 is met only
// on odd surface heights. The frame of the hand-over tick still shows the entry that left,
// at its new row; the next entry is drawn from the tick after.
// From NewTicker(71): the picture is drawn at row 69 on the first tick, at 25 on ticks
// 23 through 72, at 23 on tick 73.
TickerFrame StepTicker(TickerState& state, int entryHeight, double surfaceHeight);

// What one tick changes on the screen: rows top to bottom (exclusive) turn black and are
// shown again, with the frame's entry (0: none) drawn into them, its top-left corner at
// (left, frame.y): the picture at left 8, a text strip as wide as the screen at 0.
struct TickerRedraw {
  int top = 0;
  int bottom = 0;
  TickerFrame frame;
  int left = 0;
  friend bool operator==(const TickerRedraw&, const TickerRedraw&) = default;
};

// The surface is 156 x 71 units, the box's interior at 96 dpi, whatever the screen's
// density: a denser screen gives the same units more pixels (TickerScale), so the ticker
// moves and rests alike everywhere. The picture is 140 x 29 units, at left 8.
inline constexpr int kTickerUnitsWide = 156;
inline constexpr int kTickerUnitsHigh = 71;
inline constexpr int kPictureUnitsWide = 140;
inline constexpr int kPictureUnitsHigh = 29;
inline constexpr int kPictureLeft = 8;

// The screen's memory of the entry it shows and the rows that entry covers; outside
// those rows it is black. The first frame redraws the whole surface.
class TickerScreen {
 public:
  explicit TickerScreen(int surfaceHeight = 0) : height_(surfaceHeight), shownBottom_(height_) {}

  // Whether `frame` differs from what the screen shows: another entry, or another row.
  [[nodiscard]] bool Changes(const TickerFrame& frame) const;
  // The rows of the entry shown before and of the one in `frame`, cut to the surface;
  // nullopt when the entry rests where it was shown, or when both lie wholly outside.
  [[nodiscard]] std::optional<TickerRedraw> Show(const TickerFrame& frame, int entryHeight);

 private:
  int height_;
  int shownEntry_ = -1;
  int shownTop_ = 0;
  int shownBottom_;
};

// The surface's units on the screen's pixels, as the box's own coordinate scale: each
// axis maps its units onto the interior's pixels. At 96 dpi every unit is a pixel.
class TickerScale {
 public:
  explicit TickerScale(PixelSize interior);

  // The units an image of `pixels` rows covers, to the last partly covered one.
  [[nodiscard]] int HeightInUnits(int pixels) const;
  // The picture's size in pixels.
  [[nodiscard]] PixelSize PictureSize() const;
  // A redraw in units as the screen's rows, columns and pixel rows: the rows widen to
  // whole pixels (cut to the interior), the entry's top and left round to the nearest
  // pixel, halves to even. TickerScale({196, 90}).ToPixels({25, 56, {1, true, 25}, 8})
  // == {31, 71, {1, true, 32}, 10}
  [[nodiscard]] TickerRedraw ToPixels(const TickerRedraw& units) const;

 private:
  PixelSize interior_;
  double perUnitX_, perUnitY_;
};

// How often the screen is shown anew: at most every other refresh of the display. Each
// frame shown costs the window system about the same, however few rows it holds, and the
// scroll still reads as motion at half the display's pace. The timer ticks once a period
// of the platform's timer (10 ms under Wine, some 15.6 ms on Windows NT, 55 ms on Windows
// 98); where that is shorter, some ticks step the ticker without drawing, and the next
// frame drawn covers what they changed. Time is the platform's millisecond clock, which
// may wrap.
class FramePacer {
 public:
  // `refreshHz` as the display reports it; 0 and 1 mean its default, taken as 60.
  explicit FramePacer(int refreshHz = 0);

  // The clock reads `nowMs` at a tick.
  void Advance(std::uint32_t nowMs);
  // Whether a frame may be shown now; one that is shown uses up its two refreshes. Time not
  // used is kept for up to one more frame, so that the frames shown keep their pace however
  // the ticks fall between the refreshes.
  bool TakeFrame();

 private:
  std::int64_t periodUs_;
  std::int64_t creditUs_;  // time since the last frame, less the refreshes it used
  std::optional<std::uint32_t> lastMs_;
};

// What the ticker draws on: the box's screen, as the platform makes it.
class TickerCanvas {
 public:
  virtual ~TickerCanvas() = default;
  // Makes the image of an entry (the picture at `pictureSize`, or the text drawn once
  // across the screen) and gives its height in pixels; nullopt when none could be made.
  virtual std::optional<int> PrepareEntry(TextView entry, PixelSize pictureSize) = 0;
  // Clears the rows of `redraw`, in the screen's pixels, in the box's image, draws the
  // image the last PrepareEntry made into them and shows them on the screen.
  virtual void Draw(const TickerRedraw& redraw) = 0;
};

// tmrShoutz and picShoutz together: the list, the current entry and its place, the hold
// and the screen's scale, stepped once a tick and drawn where a tick changed anything.
// An entry's image is made once, when it becomes current; a tick that moves nothing (the
// picture's rest) draws nothing, and neither does one that comes before the next frame is
// due: a change is drawn and shown by the first tick that the frames' pace allows.
class Ticker {
 public:
  explicit Ticker(TickerCanvas& canvas) : canvas_(canvas) {}
  Ticker(const Ticker&) = delete;
  Ticker& operator=(const Ticker&) = delete;

  // The list from the start, its first entry entering at the bottom of a screen whose
  // interior is `screen` pixels and which refreshes `refreshHz` times a second (0: the
  // display's default); the whole screen is drawn on the first tick.
  void Start(PixelSize screen, int refreshHz = 0);
  // Ticks do nothing until the next Start.
  void Stop();
  // tmrShoutz_Timer at `nowMs`: one step, then, if the frames' pace allows, every row
  // changed since the last frame drawn and shown. Returns whether it drew.
  bool Tick(std::uint32_t nowMs);

  [[nodiscard]] const TickerState& State() const { return state_; }

 private:
  TickerCanvas& canvas_;
  TickerState state_;
  std::optional<TickerScale> scale_;  // set while started
  TickerScreen screen_;
  int preparedIndex_ = 0;  // the entry whose image the canvas holds; 0: none
  int entryHeight_ = 0;    // its height in units
  FramePacer pacer_;
};

// Where a text strip starts for the text to be centered on the screen: half the screen
// less half the text, halves to even; a wider text starts left of 0 and is cut on both
// sides. CenteredLeft(156, 101) == 28
[[nodiscard]] int CenteredLeft(int screenWidth, int textWidth);

// A 32-bit image in memory, rows top-down, as the screen's frame and the entries' images
// are kept: a tick moves rows with plain memory copies.
struct PixelRows {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
};

// Rows top to bottom (exclusive) of `frame` turn black; the caller keeps them inside.
void ClearRows(const PixelRows& frame, int top, int bottom);

// `source` with its top-left corner at (left, top) of `frame`, cut at the frame's edges.
void CopyInto(const PixelRows& frame, const PixelRows& source, int left, int top);

}  // namespace bw
