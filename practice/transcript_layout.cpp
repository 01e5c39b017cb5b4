#include "practice/transcript_layout.h"

#include <algorithm>

namespace bw {

namespace {

// A word or a stretch of spaces, as pieces of one style each.
struct Segment {
  bool space = false;
  std::vector<StyledRun> pieces;
};

std::vector<Segment> SplitSegments(const std::vector<StyledRun>& runs) {
  std::vector<Segment> segments;
  for (const StyledRun& run : runs) {
    for (const char16_t c : run.text) {
      const bool space = c == u' ';
      if (segments.empty() || segments.back().space != space) segments.push_back({space, {}});
      auto& pieces = segments.back().pieces;
      if (pieces.empty() || pieces.back().style != run.style) pieces.push_back({Text(), run.style});
      pieces.back().text.push_back(c);
    }
  }
  return segments;
}

class LineBuilder {
 public:
  LineBuilder(const WrapOptions& options, const MeasureText& measure)
      : options_(options), measure_(measure) {}

  int x() const { return x_; }
  bool AtLineStart() const { return pending_.empty(); }
  bool Fits(int width) const { return x_ + width <= options_.width; }

  void Place(const StyledRun& piece, const TextExtent& extent, bool space, bool joinPrevious) {
    if (joinPrevious && !pending_.empty() && !pending_.back().space &&
        pending_.back().placed.style == piece.style) {
      Pending& last = pending_.back();
      last.placed.text += piece.text;
      last.extent.ascent = std::max(last.extent.ascent, extent.ascent);
      last.extent.descent = std::max(last.extent.descent, extent.descent);
    } else {
      pending_.push_back({{piece.text, piece.style, x_, 0}, extent, space});
    }
    x_ += extent.width;
  }

  // A line that held only spaces is not ended but started over, so no blank line
  // appears in front of a word that could not follow them.
  void Break() {
    while (!pending_.empty() && pending_.back().space) pending_.pop_back();
    if (!pending_.empty()) FinishLine();
    x_ = lines_.empty() ? 0 : options_.indent;
  }

  std::vector<LaidLine> Finish() {
    if (!pending_.empty() || lines_.empty()) FinishLine();
    return std::move(lines_);
  }

 private:
  struct Pending {
    PlacedText placed;
    TextExtent extent;
    bool space = false;
  };

  void FinishLine() {
    int above = 0;
    int below = 0;
    if (pending_.empty()) {
      const TextExtent plain = measure_(RunStyle{}, TextView());
      above = plain.ascent;
      below = plain.descent;
    }
    for (const Pending& p : pending_) {
      const int shift = ShiftOffset(p.placed.style, p.extent);
      const int raise = p.placed.style.shift == Shift::Raised ? shift : 0;
      const int lower = p.placed.style.shift == Shift::Lowered ? shift : 0;
      above = std::max(above, p.extent.ascent + raise);
      below = std::max(below, p.extent.descent + lower);
    }
    LaidLine line;
    line.height = above + below;
    for (Pending& p : pending_) {
      const int shift = ShiftOffset(p.placed.style, p.extent);
      p.placed.baseline = above + (p.placed.style.shift == Shift::Raised    ? -shift
                                   : p.placed.style.shift == Shift::Lowered ? shift
                                                                            : 0);
      line.pieces.push_back(std::move(p.placed));
    }
    pending_.clear();
    lines_.push_back(std::move(line));
  }

  const WrapOptions& options_;
  const MeasureText& measure_;
  std::vector<Pending> pending_;
  std::vector<LaidLine> lines_;
  int x_ = 0;
};

}  // namespace

int ShiftOffset(const RunStyle& style, const TextExtent& extent) {
  return style.shift == Shift::None ? 0 : extent.ascent / 3;
}

std::vector<LaidLine> LayOutRuns(const std::vector<StyledRun>& runs, const WrapOptions& options,
                                 const MeasureText& measure) {
  LineBuilder line(options, measure);
  for (const Segment& segment : SplitSegments(runs)) {
    if (segment.space) {
      for (const StyledRun& piece : segment.pieces) {
        line.Place(piece, measure(piece.style, piece.text), true, false);
      }
      continue;
    }
    std::vector<TextExtent> extents;
    int width = 0;
    for (const StyledRun& piece : segment.pieces) {
      extents.push_back(measure(piece.style, piece.text));
      width += extents.back().width;
    }
    if (!line.Fits(width) && !line.AtLineStart()) line.Break();
    if (line.Fits(width)) {
      for (std::size_t i = 0; i < segment.pieces.size(); ++i) {
        line.Place(segment.pieces[i], extents[i], false, false);
      }
      continue;
    }
    // Wider than a line: break between characters.
    bool first = true;
    for (const StyledRun& piece : segment.pieces) {
      for (const char16_t c : piece.text) {
        const StyledRun one{Text(1, c), piece.style};
        const TextExtent extent = measure(one.style, one.text);
        if (!line.Fits(extent.width) && !line.AtLineStart()) line.Break();
        line.Place(one, extent, false, !first);
        first = false;
      }
    }
  }
  return line.Finish();
}

}  // namespace bw
