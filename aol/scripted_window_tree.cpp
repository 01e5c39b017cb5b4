#include "aol/scripted_window_tree.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/codepage1252.h"

namespace bw {

namespace {

// Window class names compare without regard to ASCII letter case, as the platform's do.
bool SameClass(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// Copies at most capacity - 1 bytes and a NUL, as the platform's text and class calls do.
void CopyBounded(std::string_view source, char* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const std::size_t count = std::min(source.size(), static_cast<std::size_t>(capacity) - 1);
  std::memcpy(buffer, source.data(), count);
  buffer[count] = '\0';
}

}  // namespace

WindowHandle ScriptedWindowTree::AddTopLevel(std::string_view className, TextView text) {
  return Add(0, className, text);
}

WindowHandle ScriptedWindowTree::AddChild(WindowHandle parent, std::string_view className,
                                          TextView text) {
  return Find(parent) ? Add(parent, className, text) : 0;
}

WindowHandle ScriptedWindowTree::Add(WindowHandle parent, std::string_view className,
                                     TextView text) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  Window window;
  window.parent = parent;
  window.className = className;
  window.text = EncodeWindows1252Lossy(text);
  auto& siblings = SiblingsOf(window);
  windows_.emplace(handle, std::move(window));
  siblings.push_back(handle);
  return handle;
}

void ScriptedWindowTree::Remove(WindowHandle window) {
  Window* found = Find(window);
  if (!found) return;
  const std::vector<WindowHandle> children = found->children;
  for (WindowHandle child : children) Remove(child);
  auto& siblings = SiblingsOf(*found);
  siblings.erase(std::find(siblings.begin(), siblings.end(), window));
  windows_.erase(window);
}

bool ScriptedWindowTree::Exists(WindowHandle window) const {
  return Find(window) != nullptr;
}

Text ScriptedWindowTree::TextOf(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? DecodeWindows1252(found->text) : Text();
}

void ScriptedWindowTree::SetTextOf(WindowHandle window, TextView text) {
  if (Window* found = Find(window)) found->text = EncodeWindows1252Lossy(text);
}

bool ScriptedWindowTree::IsTopmost(WindowHandle window) const {
  const Window* found = Find(window);
  return found && found->topmost;
}

void ScriptedWindowTree::SetReportedLength(WindowHandle window, std::optional<long> length) {
  if (Window* found = Find(window)) found->reportedLength = length;
}

void ScriptedWindowTree::React(WindowHandle window, MessageKind kind, Reaction reaction) {
  if (Window* found = Find(window)) found->reactions[kind] = std::move(reaction);
}

void ScriptedWindowTree::LoopSibling(WindowHandle window, long rounds) {
  if (Window* found = Find(window)) found->loopRounds = rounds;
}

std::vector<ScriptedWindowTree::Message> ScriptedWindowTree::Actions() const {
  std::vector<Message> actions;
  std::copy_if(messages_.begin(), messages_.end(), std::back_inserter(actions),
               [](const Message& m) {
                 return m.kind != MessageKind::kGetTextLength && m.kind != MessageKind::kGetText;
               });
  return actions;
}

std::vector<ScriptedWindowTree::Message> ScriptedWindowTree::MessagesTo(WindowHandle window) const {
  std::vector<Message> to;
  std::copy_if(messages_.begin(), messages_.end(), std::back_inserter(to),
               [window](const Message& m) { return m.target == window; });
  return to;
}

WindowHandle ScriptedWindowTree::FindTopLevel(const char* className) {
  if (className == nullptr) return 0;
  const auto it = std::find_if(topLevel_.begin(), topLevel_.end(), [&](WindowHandle h) {
    return SameClass(windows_.at(h).className, className);
  });
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

WindowHandle ScriptedWindowTree::PrevSibling(WindowHandle window) {
  return Sibling(window, -1);
}

void ScriptedWindowTree::ClassName(WindowHandle window, char* buffer, int capacity) {
  if (const Window* found = Find(window)) CopyBounded(found->className, buffer, capacity);
}

long ScriptedWindowTree::TextLength(WindowHandle window) {
  const Window* found = Find(window);
  long length = 0;
  if (found) length = found->reportedLength.value_or(static_cast<long>(found->text.size()));
  Deliver(MessageKind::kGetTextLength, window);
  return length;
}

void ScriptedWindowTree::CopyText(WindowHandle window, char* buffer, int capacity) {
  if (const Window* found = Find(window)) CopyBounded(found->text, buffer, capacity);
  Deliver(MessageKind::kGetText, window);
}

void ScriptedWindowTree::WriteText(WindowHandle window, const char* text) {
  const std::string bytes = text ? text : "";
  if (Window* found = Find(window)) found->text = bytes;
  Deliver(MessageKind::kSetText, window, bytes);
}

void ScriptedWindowTree::ButtonDown(WindowHandle window) {
  Deliver(MessageKind::kButtonDown, window);
}

void ScriptedWindowTree::ButtonUp(WindowHandle window) {
  Deliver(MessageKind::kButtonUp, window);
}

void ScriptedWindowTree::SetTopmost(WindowHandle window, bool topmost) {
  if (Window* found = Find(window)) found->topmost = topmost;
  Deliver(MessageKind::kSetTopmost, window, topmost ? "1" : "0");
}

std::string ScriptedWindowTree::ToAnsi(TextView text) {
  return EncodeWindows1252Lossy(text);
}

Text ScriptedWindowTree::FromAnsi(std::string_view bytes) {
  return DecodeWindows1252(bytes);
}

ScriptedWindowTree::Window* ScriptedWindowTree::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
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
  const auto at = std::find(siblings.begin(), siblings.end(), window) - siblings.begin();
  const auto next = at + step;
  return next >= 0 && next < static_cast<std::ptrdiff_t>(siblings.size()) ? siblings[next] : 0;
}

void ScriptedWindowTree::Deliver(MessageKind kind, WindowHandle target, std::string bytes) {
  messages_.push_back({kind, target, std::move(bytes)});
  const Window* found = Find(target);
  if (!found) return;
  const auto it = found->reactions.find(kind);
  if (it == found->reactions.end()) return;
  // A copy: the reaction may remove the very window that holds it.
  const Reaction reaction = it->second;
  reaction(*this);
}

}  // namespace bw
