#pragma once
// Text read as a sequence of characters, where one character may be several 16-bit units:
// an emoji with its modifiers and joiners, a flag, a letter with its combining marks. The
// style rules count, space out, reverse, color and raise characters, so a character that
// is cut in two comes out as two halves that no reader can make sense of.
//
// The engine does not find the boundaries itself: that takes the Unicode tables, which the
// Windows program does without. Its text comes from a Windows-1252 text box, where every
// unit is a character of its own, and that is what a text without boundaries means. The
// native composer finds the boundaries with a segmentation library and passes them in.

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "engine/text.h"

namespace bw {

// A text and, unless every unit is a character of its own, where each character ends.
// Holds no copy: the text and the boundaries must outlive the view.
class CharacterView {
 public:
  // Every unit a character.
  explicit CharacterView(TextView text) : text_(text) {}
  // `ends` holds the offset just past each character, rising, the last one text.size();
  // no ends means every unit is a character.
  CharacterView(TextView text, std::span<const std::size_t> ends) : text_(text), ends_(ends) {}

  [[nodiscard]] TextView Units() const { return text_; }
  [[nodiscard]] std::span<const std::size_t> Ends() const { return ends_; }
  [[nodiscard]] std::size_t size() const { return ends_.empty() ? text_.size() : ends_.size(); }
  // Where the character at a 0-based index starts, and the character itself.
  [[nodiscard]] std::size_t Begin(std::size_t i) const {
    return ends_.empty() ? i : i == 0 ? 0 : ends_[i - 1];
  }
  [[nodiscard]] TextView operator[](std::size_t i) const {
    const std::size_t begin = Begin(i);
    return TextView(text_.data() + begin, ends_.empty() ? 1 : ends_[i] - begin);
  }

 private:
  TextView text_;
  std::span<const std::size_t> ends_;
};

// A text built character by character by the rules that rearrange characters. While every
// character is one unit it keeps no boundaries at all, so the Windows program's texts cost
// what they always did.
class CharacterText {
 public:
  CharacterText() = default;
  explicit CharacterText(CharacterView characters)
      : CharacterText(Text(characters.Units()), characters.Ends()) {}
  CharacterText(Text text, std::span<const std::size_t> ends)
      : text_(std::move(text)), ends_(ends.begin(), ends.end()) {}

  // Appends one character, whatever its length; the empty text appends nothing.
  void Append(TextView character) {
    if (character.size() == 1 && ends_.empty()) {
      text_.push_back(character[0]);
    } else {
      AppendWithEnd(character);
    }
  }
  // Appends every unit as a character of its own.
  void AppendEach(TextView units);
  // Room for `units` units in `characters` characters; a text of one-unit characters needs
  // no room for boundaries, which `characters` 0 says.
  void Reserve(std::size_t units, std::size_t characters) {
    text_.reserve(units);
    ends_.reserve(characters);
  }

  [[nodiscard]] CharacterView View() const { return CharacterView(text_, ends_); }
  [[nodiscard]] Text Take() && { return std::move(text_); }

 private:
  void AppendWithEnd(TextView character);

  Text text_;
  std::vector<std::size_t> ends_;  // empty while every character is one unit
};

}  // namespace bw
