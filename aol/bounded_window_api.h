#pragma once
// A message to another program's window waits for that program: a program that has
// stopped answering would hold ours for good. BoundedWindowApi puts a bound on the
// waiting. Every message call runs through a CallRunner (on Windows, a thread of its own
// that the user-interface thread waits for) and an exchange, such as a whole send,
// waits at most kExchangeWaitMs in all, plus kWritePerMs for every character it writes,
// since a client takes longer over a longer text. Once a call has not been answered in
// time, or has been refused, the exchange stops: every message call after it in the same
// exchange behaves as if its window had gone (no text, no write, no press) and is not
// made, so a send never presses after a write that was not taken. ExchangeStatus then
// tells which it was. To a client that answers, the same messages go in the same order
// with the same parameters as without the bound.
//
// A call given up on may still be delivered when its program wakes; it then holds copies
// of everything it touches, and the inner WindowApi must outlive it.

#include <functional>
#include <optional>

#include "aol/window_api.h"

namespace bw {

// The waiting of a whole exchange with a client that answers nothing, and the extra
// time allowed for each character written (1 ms for every 10).
inline constexpr long kExchangeWaitMs = 5000;
inline constexpr long kCharactersWrittenPerMs = 10;

// The platform's part: runs a message call to `target` and waits for it.
class CallRunner {
 public:
  virtual ~CallRunner() = default;
  // Runs `call` and waits at most `waitMs` milliseconds for it. Gives the milliseconds
  // waited when it finished in time, nullopt when it did not; a call that has not started
  // by then never runs, one that has may finish at any later time.
  virtual std::optional<long> Run(WindowHandle target, std::function<void()> call, long waitMs) = 0;
};

class BoundedWindowApi final : public WindowApi {
 public:
  BoundedWindowApi(WindowApi& inner, CallRunner& runner) : inner_(inner), runner_(runner) {}

  // Pass straight through: the window system answers these itself, without the other
  // program.
  WindowHandle FindTopLevel(const char* className) override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  WindowHandle PrevSibling(WindowHandle window) override;
  void ClassName(WindowHandle window, char* buffer, int capacity) override;
  void SetTopmost(WindowHandle window, bool topmost) override;
  std::string ToAnsi(TextView text) override;
  Text FromAnsi(std::string_view bytes) override;

  // Bounded; outside an exchange each is an exchange of its own. Once the exchange has
  // stopped, each gives the failure that stopped it.
  CallStatus TextLength(WindowHandle window, long& length) override;
  CallStatus CopyText(WindowHandle window, char* buffer, int capacity) override;
  CallStatus WriteText(WindowHandle window, const char* text) override;
  CallStatus ButtonDown(WindowHandle window) override;
  CallStatus ButtonUp(WindowHandle window) override;

  void BeginExchange() override;
  void EndExchange() override;
  [[nodiscard]] CallStatus ExchangeStatus() const override { return status_; }

 private:
  // Runs one message call within what the exchange has left, unless the exchange has
  // stopped; gives how it went.
  CallStatus Run(WindowHandle target, std::function<CallStatus()> call, long extraMs = 0);

  WindowApi& inner_;
  CallRunner& runner_;
  int depth_ = 0;
  long leftMs_ = 0;
  CallStatus status_ = CallStatus::kAnswered;
};

}  // namespace bw
