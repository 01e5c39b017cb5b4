#pragma once
// The test double of WindowApi: an in-memory window tree that stands in for user32 so
// the toolkit, locator and senders run natively. It answers each call as the platform
// does (handle 0 and handles that name no window included) and records every message
// delivered, whatever its target, so a test can check which windows were touched.
//
// Windows can be scripted to misbehave as another program's windows may: announce a
// text length they do not keep to, loop their sibling chain, react to a press (a
// client sending its input box's text), or refuse messages (a client with higher
// rights).

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "aol/window_api.h"
#include "engine/codepage1252.h"
#include "engine/text.h"

namespace bw {

class ScriptedWindowTree : public WindowApi {
 public:
  // Everything SendMessageA or SetWindowPos would deliver. Tree walks and class queries
  // are not messages and are not recorded.
  enum class MessageKind {
    kGetTextLength,
    kGetText,
    kSetText,
    kButtonDown,
    kButtonUp,
    kSetTopmost
  };

  struct Message {
    MessageKind kind;
    WindowHandle target;
    // kSetText: the bytes written; kSetTopmost: "1" into the top band, "0" out of it.
    std::string bytes;
    friend bool operator==(const Message&, const Message&) = default;
  };

  // Called after the press has had its effect; it may change the tree at will.
  using Reaction = std::function<void(ScriptedWindowTree& tree)>;

  // New windows go to the end of their sibling order (the bottom of the z-order); under a
  // parent that names no window there is none (0). Texts are stored as Windows-1252
  // bytes, a character without a byte becoming '?'.
  WindowHandle AddChild(WindowHandle parent, std::string_view className, TextView text = {});
  WindowHandle AddTopLevel(std::string_view className, TextView text = {}) {
    return AddChild(0, className, text);
  }
  // Destroys the window and everything below it; its handle then names no window and
  // is never given out again.
  void Remove(WindowHandle window);

  [[nodiscard]] Text TextOf(WindowHandle window) const;
  void SetTextOf(WindowHandle window, TextView text);
  // What the window answers to WM_GETTEXTLENGTH from now on, whatever text it holds.
  void SetReportedLength(WindowHandle window, long length);
  // What the window does on each WM_LBUTTONUP it is sent.
  void OnPress(WindowHandle window, Reaction reaction);
  // For its next `rounds` calls, NextSibling(window) answers window itself, as in a
  // sibling chain that another program's reordering has turned into a loop; then the
  // chain goes on, so a walk that does not stop by itself ends late rather than never.
  void LoopSibling(WindowHandle window, long rounds);

  // The message calls from the n-th from now on (0: the next one) are refused, as by a
  // client with higher rights: they are neither delivered nor recorded.
  void RefuseCallsFrom(std::size_t n) { refuseFrom_ = calls_ + n; }

  [[nodiscard]] const std::vector<Message>& Messages() const { return messages_; }
  // The messages that change something (text, press, band): what a sender may deliver.
  [[nodiscard]] std::vector<Message> Actions() const;
  void ClearMessages() { messages_.clear(); }

  WindowHandle FindTopLevel(const char* className) override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  WindowHandle PrevSibling(WindowHandle window) override { return Sibling(window, -1); }
  void ClassName(WindowHandle window, char* buffer, int capacity) override;
  CallStatus TextLength(WindowHandle window, long& length) override;
  CallStatus CopyText(WindowHandle window, char* buffer, int capacity) override;
  CallStatus WriteText(WindowHandle window, const char* text) override;
  CallStatus ButtonDown(WindowHandle window) override;
  CallStatus ButtonUp(WindowHandle window) override;
  void SetTopmost(WindowHandle window, bool topmost) override {
    Record(MessageKind::kSetTopmost, window, topmost ? "1" : "0");
  }
  std::string ToAnsi(TextView text) override { return EncodeWindows1252Lossy(text); }
  Text FromAnsi(std::string_view bytes) override { return DecodeWindows1252(bytes); }

 private:
  struct Window {
    WindowHandle parent = 0;
    std::string className;
    std::string text;
    std::vector<WindowHandle> children;
    std::optional<long> reportedLength;
    long loopRounds = 0;
    Reaction onPress;
  };

  const Window* Find(WindowHandle window) const;
  Window* Find(WindowHandle window) {
    return const_cast<Window*>(std::as_const(*this).Find(window));
  }
  std::vector<WindowHandle>& SiblingsOf(const Window& window);
  WindowHandle Sibling(WindowHandle window, int step);
  void Record(MessageKind kind, WindowHandle target, std::string bytes = {}) {
    messages_.push_back({kind, target, std::move(bytes)});
  }
  // Counts a message call; true when it is to be refused.
  bool Refuses() { return calls_++ >= refuseFrom_; }

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> topLevel_;
  std::vector<Message> messages_;
  std::size_t calls_ = 0;
  std::size_t refuseFrom_ = static_cast<std::size_t>(-1);
  // Handles look like the platform's: small multiples of 4, never 0, never reused.
  WindowHandle nextHandle_ = 0x10004;
};

}  // namespace bw
