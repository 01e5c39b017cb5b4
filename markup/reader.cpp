#include "markup/reader.h"

#include <optional>
#include <tuple>
#include <utility>

namespace bw {

namespace {

// No recognised tag is longer than this, so the search for a tag's ">" never looks
// further: a line of thousands of "<" costs linear time, not quadratic.
constexpr std::size_t kLongestTag = 64;

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}
bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

std::optional<int> HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return std::nullopt;
}

// Walks the inside of a tag, between "<" and ">".
class TagReader {
 public:
  explicit TagReader(TextView inside) : s_(inside) {}

  bool AtEnd() const { return pos_ == s_.size(); }
  bool Take(char16_t c) {
    if (AtEnd() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // Returns whether any blank was skipped.
  bool SkipBlanks() {
    const std::size_t start = pos_;
    while (!AtEnd() && IsBlank(s_[pos_])) ++pos_;
    return pos_ != start;
  }
  Text Name() {
    Text name;
    while (!AtEnd() && IsLetter(s_[pos_])) name.push_back(UpperChar(s_[pos_++]));
    return name;
  }
  // An attribute value: in double quotes, or up to the next blank.
  std::optional<TextView> Value() {
    if (Take(u'"')) {
      const std::size_t close = s_.find(u'"', pos_);
      if (close == TextView::npos) return std::nullopt;
      const TextView value = s_.substr(pos_, close - pos_);
      pos_ = close + 1;
      return value;
    }
    const std::size_t start = pos_;
    while (!AtEnd() && !IsBlank(s_[pos_])) ++pos_;
    return s_.substr(start, pos_ - start);
  }

 private:
  TextView s_;
  std::size_t pos_ = 0;
};

std::optional<ColorRef> ParseColor(TextView value) {
  if (value.size() != 7 || value[0] != u'#') return std::nullopt;
  int channels[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto high = HexDigit(value[1 + 2 * i]);
    const auto low = HexDigit(value[2 + 2 * i]);
    if (!high || !low) return std::nullopt;
    channels[i] = *high * 16 + *low;
  }
  return MakeColorRef(channels[0], channels[1], channels[2]);
}

std::optional<int> ParseSize(TextView value) {
  if (value.size() != 1 || value[0] < u'1' || value[0] > u'0' + kMaxFontSize) {
    return std::nullopt;
  }
  return value[0] - u'0';
}

struct FontChange {
  std::optional<ColorRef> color;
  std::optional<int> size;
};

// The attributes after "FONT": each one after a blank, COLOR or SIZE, "=" with optional
// blanks around it. Any other attribute or a malformed value makes the tag plain text.
std::optional<FontChange> ReadFontAttributes(TagReader& tag) {
  FontChange change;
  while (tag.SkipBlanks()) {
    if (tag.AtEnd()) break;
    const Text name = tag.Name();
    tag.SkipBlanks();
    if (!tag.Take(u'=')) return std::nullopt;
    tag.SkipBlanks();
    const auto value = tag.Value();
    if (!value) return std::nullopt;
    if (name == u"COLOR") {
      change.color = ParseColor(*value);
      if (!change.color) return std::nullopt;
    } else if (name == u"SIZE") {
      change.size = ParseSize(*value);
      if (!change.size) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!tag.AtEnd()) return std::nullopt;
  return change;
}

// The open <SUP> and <SUB> elements, innermost last. A close removes the innermost open
// element of its own kind, which need not be the innermost of all; finding it by a walk
// down the stack made a line of many opens and many unmatched closes quadratic. Each kind
// keeps where its open elements stand, and a closed element stays in the stack as a hole
// until it comes to the top, so every element is pushed and popped once.
class ShiftStack {
 public:
  void Open(Shift shift) {
    OpenOf(shift).push_back(stack_.size());
    stack_.push_back(shift);
  }
  void Close(Shift shift) {
    std::vector<std::size_t>& open = OpenOf(shift);
    if (open.empty()) return;
    stack_[open.back()] = Shift::None;
    open.pop_back();
    while (!stack_.empty() && stack_.back() == Shift::None) stack_.pop_back();
  }
  // Shift::None when nothing is open.
  Shift Innermost() const { return stack_.empty() ? Shift::None : stack_.back(); }

 private:
  std::vector<std::size_t>& OpenOf(Shift shift) {
    return shift == Shift::Raised ? raised_ : lowered_;
  }

  std::vector<Shift> stack_;  // Shift::None marks a closed element
  std::vector<std::size_t> raised_;
  std::vector<std::size_t> lowered_;
};

class LineReader {
 public:
  explicit LineReader(const RunStyle& base) : base_(base), color_(base.color), size_(base.size) {}

  // Applies the tag whose inside is given; false when it is no tag of ours.
  bool ApplyTag(TextView inside) {
    TagReader tag(inside);
    const bool closing = tag.Take(u'/');
    const Text name = tag.Name();
    if (name == u"FONT" && !closing) {
      const auto change = ReadFontAttributes(tag);
      if (!change) return false;
      fonts_.emplace_back(color_, size_);
      color_ = change->color.value_or(color_);
      size_ = change->size.value_or(size_);
      return true;
    }
    tag.SkipBlanks();
    if (!tag.AtEnd()) return false;
    if (name == u"FONT") {
      if (!fonts_.empty()) {
        std::tie(color_, size_) = fonts_.back();
        fonts_.pop_back();
      }
      return true;
    }
    if (int* depth = FlagDepth(name)) {
      if (!closing) {
        ++*depth;
      } else if (*depth > 0) {
        --*depth;
      }
      return true;
    }
    if (name == u"SUP" || name == u"SUB") {
      const Shift shift = name == u"SUP" ? Shift::Raised : Shift::Lowered;
      if (closing) {
        shifts_.Close(shift);
      } else {
        shifts_.Open(shift);
      }
      return true;
    }
    return false;
  }

  void Append(char16_t c) {
    const RunStyle style = Current();
    if (runs_.empty() || runs_.back().style != style) runs_.push_back({Text(), style});
    runs_.back().text.push_back(c);
  }

  std::vector<StyledRun> TakeRuns() { return std::move(runs_); }

 private:
  int* FlagDepth(const Text& name) {
    if (name == u"B") return &bold_;
    if (name == u"I") return &italic_;
    if (name == u"U") return &underline_;
    if (name == u"S") return &strikeout_;
    return nullptr;
  }

  RunStyle Current() const {
    RunStyle style = base_;
    style.color = color_;
    style.size = size_;
    style.bold = base_.bold || bold_ > 0;
    style.italic = base_.italic || italic_ > 0;
    style.underline = base_.underline || underline_ > 0;
    style.strikeout = base_.strikeout || strikeout_ > 0;
    if (shifts_.Innermost() != Shift::None) style.shift = shifts_.Innermost();
    return style;
  }

  RunStyle base_;
  ColorRef color_;
  int size_;
  std::vector<std::pair<ColorRef, int>> fonts_;
  int bold_ = 0;
  int italic_ = 0;
  int underline_ = 0;
  int strikeout_ = 0;
  ShiftStack shifts_;
  std::vector<StyledRun> runs_;
};

}  // namespace

std::vector<StyledRun> ParseMarkup(TextView line, const RunStyle& base) {
  return ParseMarkup(line, base, line.size());
}

std::vector<StyledRun> ParseMarkup(TextView line, const RunStyle& base, std::size_t limit) {
  LineReader reader(base);
  std::size_t i = 0;
  std::size_t shown = 0;
  while (i < line.size() && shown < limit) {
    if (line[i] == u'<') {
      const TextView window = line.substr(i + 1, kLongestTag);
      const std::size_t close = window.find(u'>');
      if (close != TextView::npos && reader.ApplyTag(window.substr(0, close))) {
        i += close + 2;
        continue;
      }
    }
    reader.Append(line[i]);
    ++i;
    ++shown;
  }
  return reader.TakeRuns();
}

Text VisibleText(const std::vector<StyledRun>& runs) {
  Text text;
  for (const StyledRun& run : runs) text += run.text;
  return text;
}

}  // namespace bw
