#include "aol/bounded_window_api.h"

#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace bw {

WindowHandle BoundedWindowApi::FindTopLevel(const char* className) {
  return inner_.FindTopLevel(className);
}
WindowHandle BoundedWindowApi::FirstChild(WindowHandle window) {
  return inner_.FirstChild(window);
}
WindowHandle BoundedWindowApi::NextSibling(WindowHandle window) {
  return inner_.NextSibling(window);
}
WindowHandle BoundedWindowApi::PrevSibling(WindowHandle window) {
  return inner_.PrevSibling(window);
}
void BoundedWindowApi::ClassName(WindowHandle window, char* buffer, int capacity) {
  inner_.ClassName(window, buffer, capacity);
}
void BoundedWindowApi::SetTopmost(WindowHandle window, bool topmost) {
  inner_.SetTopmost(window, topmost);
}
std::string BoundedWindowApi::ToAnsi(TextView text) {
  return inner_.ToAnsi(text);
}
Text BoundedWindowApi::FromAnsi(std::string_view bytes) {
  return inner_.FromAnsi(bytes);
}

void BoundedWindowApi::BeginExchange() {
  if (depth_++ > 0) return;
  leftMs_ = kExchangeWaitMs;
  status_ = CallStatus::kAnswered;
}

void BoundedWindowApi::EndExchange() {
  if (depth_ > 0) --depth_;
}

CallStatus BoundedWindowApi::Run(WindowHandle target, std::function<CallStatus()> call,
                                 long extraMs) {
  const Exchange own(*this);  // the whole exchange when none is open
  if (status_ != CallStatus::kAnswered) return status_;
  leftMs_ += extraMs;
  // The status has a place of its own, like the answers below: a call given up on may
  // still finish, and write it, long after this has returned.
  const auto status = std::make_shared<CallStatus>(CallStatus::kNotAnswered);
  const std::optional<long> waited =
      runner_.Run(target, [call = std::move(call), status] { *status = call(); }, leftMs_);
  if (!waited) {
    status_ = CallStatus::kNotAnswered;
    leftMs_ = 0;
    return status_;
  }
  leftMs_ = *waited < leftMs_ ? leftMs_ - *waited : 0;
  status_ = *status;
  return status_;
}

// Each call below hands the runner copies of its arguments and a place of its own for
// the answer, and takes the answer only once the call has been answered in time.

CallStatus BoundedWindowApi::TextLength(WindowHandle window, long& length) {
  const auto answer = std::make_shared<long>(0);
  WindowApi& inner = inner_;
  const CallStatus status =
      Run(window, [&inner, window, answer] { return inner.TextLength(window, *answer); });
  length = status == CallStatus::kAnswered ? *answer : 0;
  return status;
}

CallStatus BoundedWindowApi::CopyText(WindowHandle window, char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return CallStatus::kAnswered;
  // Starts as the caller's buffer, so a window that copies less leaves the rest as it was.
  const auto copy = std::make_shared<std::string>(buffer, static_cast<std::size_t>(capacity));
  WindowApi& inner = inner_;
  const CallStatus status = Run(window, [&inner, window, copy, capacity] {
    return inner.CopyText(window, copy->data(), capacity);
  });
  if (status == CallStatus::kAnswered) {
    std::memcpy(buffer, copy->data(), static_cast<std::size_t>(capacity));
  }
  return status;
}

CallStatus BoundedWindowApi::WriteText(WindowHandle window, const char* text) {
  const auto bytes = std::make_shared<std::string>(text ? text : "");
  WindowApi& inner = inner_;
  const auto allowance = static_cast<long>(bytes->size() / kCharactersWrittenPerMs);
  return Run(
      window, [&inner, window, bytes] { return inner.WriteText(window, bytes->c_str()); },
      allowance);
}

CallStatus BoundedWindowApi::ButtonDown(WindowHandle window) {
  WindowApi& inner = inner_;
  return Run(window, [&inner, window] { return inner.ButtonDown(window); });
}

CallStatus BoundedWindowApi::ButtonUp(WindowHandle window) {
  WindowApi& inner = inner_;
  return Run(window, [&inner, window] { return inner.ButtonUp(window); });
}

}  // namespace bw
