#include "aol/scripted_window_tree.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace bw {

namespace {

// Window class names compare without regard to ASCII letter case, as the platform's do.
bool SameClass(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::ranges::equal(a, b, {}, lower, lower);
}

// Copies at most capacity - 1 bytes and a NUL, as the platform's text and class calls do.
void CopyBounded(std::string_view source, char* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const std::size_t count = std::min(source.size(), static_cast<std::size_t>(capacity) - 1);
  std::memcpy(buffer, source.data(), count);
  buffer[count] = '\0';
}

}  // namespace

WindowHandle ScriptedWindowTree::AddChild(WindowHandle parent, std::string_view className,
                                          TextView text) {
  if (parent != 0 && !Find(parent)) return 0;
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  Window window;
  window.parent = parent;
  window.className = className;
  window.text = EncodeWindows1252Lossy(text);
  SiblingsOf(window).push_back(handle);
  windows_.emplace(handle, std::move(window));
  return handle;
}

void ScriptedWindowTree::Remove(WindowHandle window) {
  const Window* found = Find(window);
  if (!found) return;
  for (const WindowHandle child : std::vector(found->children)) Remove(child);
  std::erase(SiblingsOf(*found), window);
  windows_.erase(window);
}

Text ScriptedWindowTree::TextOf(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? DecodeWindows1252(found->text) : Text();
}

void ScriptedWindowTree::SetTextOf(WindowHandle window, TextView text) {
  if (Window* found = Find(window)) found->text = EncodeWindows1252Lossy(text);
}

void ScriptedWindowTree::SetReportedLength(WindowHandle window, long length) {
  if (Window* found = Find(window)) found->reportedLength = length;
}

void ScriptedWindowTree::OnPress(WindowHandle window, Reaction reaction) {
  if (Window* found = Find(window)) found->onPress = std::move(reaction);
}

void ScriptedWindowTree::LoopSibling(WindowHandle window, long rounds) {
  if (Window* found = Find(window)) found->loopRounds = rounds;
}

std::vector<ScriptedWindowTree::Message> ScriptedWindowTree::Actions() const {
  std::vector<Message> actions;
  std::ranges::copy_if(messages_, std::back_inserter(actions), [](const Message& m) {
    return m.kind != MessageKind::kGetTextLength && m.kind != MessageKind::kGetText;
  });
  return actions;
}

WindowHandle ScriptedWindowTree::FindTopLevel(const char* className) {
  if (className == nullptr) return 0;
  const auto it = std::ranges::find_if(
      topLevel_, [&](WindowHandle h) { return SameClass(windows_.at(h).className, className); });
  return it == topLevel_.end() ? 0 : *it;
}

WindowHandle ScriptedWindowTree::FirstChild(WindowHandle window) {
  const Window* found = Find(window);
  return found && !found->children.empty() ? found->children.front() : 0;
}

WindowHandle ScriptedWindowTree::NextSibling(WindowHandle window) {
  Window* found = Find(window);
  if (found && found->loopRounds > 0) {
    --found->loopRounds;
    return window;
  }
  return Sibling(window, +1);
}

void ScriptedWindowTree::ClassName(WindowHandle window, char* buffer, int capacity) {
  if (const Window* found = Find(window)) CopyBounded(found->className, buffer, capacity);
}

CallStatus ScriptedWindowTree::TextLength(WindowHandle window, long& length) {
  length = 0;
  if (Refuses()) return CallStatus::kRefused;
  Record(MessageKind::kGetTextLength, window);
  if (const Window* found = Find(window)) {
    length = found->reportedLength.value_or(static_cast<long>(found->text.size()));
  }
  return CallStatus::kAnswered;
}

CallStatus ScriptedWindowTree::CopyText(WindowHandle window, char* buffer, int capacity) {
  if (Refuses()) return CallStatus::kRefused;
  if (const Window* found = Find(window)) CopyBounded(found->text, buffer, capacity);
  Record(MessageKind::kGetText, window);
  return CallStatus::kAnswered;
}

CallStatus ScriptedWindowTree::WriteText(WindowHandle window, const char* text) {
  if (Refuses()) return CallStatus::kRefused;
  const std::string bytes = text ? text : "";
  if (Window* found = Find(window)) found->text = bytes;
  Record(MessageKind::kSetText, window, bytes);
  return CallStatus::kAnswered;
}

CallStatus ScriptedWindowTree::ButtonDown(WindowHandle window) {
  if (Refuses()) return CallStatus::kRefused;
  Record(MessageKind::kButtonDown, window);
  return CallStatus::kAnswered;
}

CallStatus ScriptedWindowTree::ButtonUp(WindowHandle window) {
  if (Refuses()) return CallStatus::kRefused;
  Record(MessageKind::kButtonUp, window);
  const Window* found = Find(window);
  if (!found || !found->onPress) return CallStatus::kAnswered;
  const Reaction reaction = found->onPress;  // a copy: it may remove the window holding it
  reaction(*this);
  return CallStatus::kAnswered;
}

const ScriptedWindowTree::Window* ScriptedWindowTree::Find(WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle>& ScriptedWindowTree::SiblingsOf(const Window& window) {
  return window.parent == 0 ? topLevel_ : windows_.at(window.parent).children;
}

WindowHandle ScriptedWindowTree::Sibling(WindowHandle window, int step) {
  const Window* found = Find(window);
  if (!found) return 0;
  const auto& siblings = SiblingsOf(*found);
  const auto at = std::ranges::find(siblings, window) - siblings.begin() + step;
  return at >= 0 && at < std::ssize(siblings) ? siblings[at] : 0;
}

}  // namespace bw
