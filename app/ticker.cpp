#include "app/ticker.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/rounding.h"

namespace bw {

namespace {

constexpr int kRise = 2;
constexpr int kHoldRow = 25;
constexpr int kHoldTicks = 50;
constexpr int kDefaultRefreshHz = 60;
// Refreshes of the display per frame shown. Under Wine a shown frame costs some 100 us of
// the window system's own work, however few its rows, so a frame every refresh kept the
// ticker near 0.5 % of a core at rest; every other refresh halves that, and the text still
// moves in steps of 4 to 8 pixels (2 a tick) where the timer ticks faster than that.
constexpr int kRefreshesPerFrame = 2;

}  // namespace

TickerState NewTicker(double surfaceHeight) {
  TickerState state;
  state.ShoutList = {u"(pic)",      u"\u00A7ky\u00A7cape", u"CoRaLbAy31", u"HeRoNFLaT",
                     u"ThornJay97", u"MoSsWhIrLz",         u"RiPTiD Z44", u"Velde"};
  state.ShoutIndex = 1;
  state.ShoutY = RoundHalfEven(surfaceHeight);
  return state;
}

bool IsPictureEntry(TextView entry) {
  return entry == u"(pic)";
}

const Text& CurrentShout(const TickerState& state) {
  static const Text kNone;
  const auto count = static_cast<int>(state.ShoutList.size());
  if (count == 0) return kNone;
  const int index = state.ShoutIndex >= 1 && state.ShoutIndex <= count ? state.ShoutIndex : 1;
  return state.ShoutList[index - 1];
}

TickerFrame StepTicker(TickerState& state, int entryHeight, double surfaceHeight) {
  const auto count = static_cast<int>(state.ShoutList.size());
  if (count == 0) return {0, false, state.ShoutY};
  if (state.ShoutIndex < 1 || state.ShoutIndex > count) state.ShoutIndex = 1;

  const int drawn = state.ShoutIndex;
  const bool picture = IsPictureEntry(state.ShoutList[drawn - 1]);

  if (state.ShoutY < -entryHeight) {
    state.ShoutIndex = state.ShoutIndex < count ? state.ShoutIndex + 1 : 1;
    state.ShoutY = RoundHalfEven(surfaceHeight);
  }

  if (!picture || state.ShoutY != kHoldRow) {
    state.ShoutY -= kRise;
  } else {
    state.PicHoldTicks = (state.PicHoldTicks + 1) % kHoldTicks;
    if (state.PicHoldTicks == 0) state.ShoutY -= kRise;
  }
  return {drawn, picture, state.ShoutY};
}

bool TickerScreen::Changes(const TickerFrame& frame) const {
  return frame.entry != shownEntry_ || frame.y != shownTop_;
}

std::optional<TickerRedraw> TickerScreen::Show(const TickerFrame& frame, int entryHeight) {
  if (!Changes(frame)) return std::nullopt;  // resting
  const int top = std::max(0, std::min(shownTop_, frame.y));
  const int bottom = std::min(height_, std::max(shownBottom_, frame.y + entryHeight));
  shownEntry_ = frame.entry;
  shownTop_ = frame.y;
  shownBottom_ = frame.y + entryHeight;
  if (bottom <= top) return std::nullopt;
  return TickerRedraw{top, bottom, frame, frame.picture ? kPictureLeft : 0};
}

TickerScale::TickerScale(PixelSize interior)
    : interior_(interior),
      perUnitX_(static_cast<double>(interior.width) / kTickerUnitsWide),
      perUnitY_(static_cast<double>(interior.height) / kTickerUnitsHigh) {}

int TickerScale::HeightInUnits(int pixels) const {
  if (perUnitY_ <= 0) return 0;
  // A hair under the exact quotient, so that whole units are not taken for more.
  return static_cast<int>(std::ceil(pixels / perUnitY_ - 1e-9));
}

PixelSize TickerScale::PictureSize() const {
  return {RoundHalfEven(kPictureUnitsWide * perUnitX_),
          RoundHalfEven(kPictureUnitsHigh * perUnitY_)};
}

TickerRedraw TickerScale::ToPixels(const TickerRedraw& units) const {
  const auto row = [this](double pixel) {
    return std::clamp(static_cast<int>(pixel), 0, interior_.height);
  };
  TickerRedraw pixels = units;
  pixels.top = row(std::floor(units.top * perUnitY_));
  pixels.bottom = row(std::ceil(units.bottom * perUnitY_));
  pixels.frame.y = RoundHalfEven(units.frame.y * perUnitY_);
  pixels.left = RoundHalfEven(units.left * perUnitX_);
  return pixels;
}

FramePacer::FramePacer(int refreshHz)
    : periodUs_(kRefreshesPerFrame * 1'000'000 / (refreshHz > 1 ? refreshHz : kDefaultRefreshHz)),
      creditUs_(periodUs_) {}

void FramePacer::Advance(std::uint32_t nowMs) {
  if (lastMs_) {
    const std::uint32_t elapsedMs = nowMs - *lastMs_;  // modulo 2^32, across a wrap
    creditUs_ = std::min(creditUs_ + std::int64_t{elapsedMs} * 1000, 2 * periodUs_);
  }
  lastMs_ = nowMs;
}

bool FramePacer::TakeFrame() {
  if (creditUs_ < periodUs_) return false;
  creditUs_ -= periodUs_;
  return true;
}

void Ticker::Start(PixelSize screen, int refreshHz) {
  state_ = NewTicker(kTickerUnitsHigh);
  screen_ = TickerScreen(kTickerUnitsHigh);
  scale_.emplace(screen);
  preparedIndex_ = 0;
  pacer_ = FramePacer(refreshHz);
}

void Ticker::Stop() {
  state_ = TickerState{};
  scale_.reset();
  preparedIndex_ = 0;
}

bool Ticker::Tick(std::uint32_t nowMs) {
  if (!scale_ || state_.ShoutList.empty()) return false;
  if (state_.ShoutIndex != preparedIndex_) {
    const Text& entry = CurrentShout(state_);
    const std::optional<int> pixels = canvas_.PrepareEntry(entry, scale_->PictureSize());
    // The picture keeps its height, and with it its rest, even without its image.
    entryHeight_ =
        IsPictureEntry(entry) ? kPictureUnitsHigh : scale_->HeightInUnits(pixels.value_or(0));
    preparedIndex_ = pixels ? state_.ShoutIndex : 0;  // a failed image is tried again
  }
  const TickerFrame frame = StepTicker(state_, entryHeight_, kTickerUnitsHigh);
  // A frame the display's pace leaves out is not drawn at all: the next one shown redraws
  // every row that changed since the last.
  pacer_.Advance(nowMs);
  if (!screen_.Changes(frame) || !pacer_.TakeFrame()) return false;
  const std::optional<TickerRedraw> redraw = screen_.Show(frame, entryHeight_);
  if (!redraw) return false;
  canvas_.Draw(scale_->ToPixels(*redraw));
  return true;
}

int CenteredLeft(int screenWidth, int textWidth) {
  return RoundHalfEven(screenWidth / 2.0 - textWidth / 2.0);
}

void ClearRows(const PixelRows& frame, int top, int bottom) {
  std::fill(frame.pixels + top * frame.width, frame.pixels + bottom * frame.width, 0u);
}

void CopyInto(const PixelRows& frame, const PixelRows& source, int left, int top) {
  const int x0 = std::max(0, left), x1 = std::min(frame.width, left + source.width);
  const int y0 = std::max(0, top), y1 = std::min(frame.height, top + source.height);
  for (int y = y0; y < y1 && x0 < x1; ++y) {
    std::memcpy(frame.pixels + y * frame.width + x0,
                source.pixels + (y - top) * source.width + (x0 - left),
                static_cast<std::size_t>(x1 - x0) * sizeof *frame.pixels);
  }
}

}  // namespace bw
