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
  gaveUp_ = false;
}

void BoundedWindowApi::EndExchange() {
  if (depth_ > 0) --depth_;
}

bool BoundedWindowApi::Run(WindowHandle target, std::function<void()> call, long extraMs) {
  const Exchange own(*this);  // the whole exchange when none is open
  if (gaveUp_) return false;
  leftMs_ += extraMs;
  const std::optional<long> waited = runner_.Run(target, std::move(call), leftMs_);
  if (!waited) {
    gaveUp_ = true;
    leftMs_ = 0;
    return false;
  }
  leftMs_ = *waited < leftMs_ ? leftMs_ - *waited : 0;
  return true;
}

// Each call below hands the runner copies of its arguments and a place of its own for
// the answer, and takes the answer only once the call has finished in time.

long BoundedWindowApi::TextLength(WindowHandle window) {
  const auto length = std::make_shared<long>(0);
  WindowApi& inner = inner_;
  const bool answered =
      Run(window, [&inner, window, length] { *length = inner.TextLength(window); });
  return answered ? *length : 0;
}

void BoundedWindowApi::CopyText(WindowHandle window, char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  // Starts as the caller's buffer, so a window that copies less leaves the rest as it was.
  const auto copy = std::make_shared<std::string>(buffer, static_cast<std::size_t>(capacity));
  WindowApi& inner = inner_;
  if (Run(window,
          [&inner, window, copy, capacity] { inner.CopyText(window, copy->data(), capacity); })) {
    std::memcpy(buffer, copy->data(), static_cast<std::size_t>(capacity));
  }
}

void BoundedWindowApi::WriteText(WindowHandle window, const char* text) {
  const auto bytes = std::make_shared<std::string>(text ? text : "");
  WindowApi& inner = inner_;
  const auto allowance = static_cast<long>(bytes->size() / kCharactersWrittenPerMs);
  Run(
      window, [&inner, window, bytes] { inner.WriteText(window, bytes->c_str()); }, allowance);
}

void BoundedWindowApi::ButtonDown(WindowHandle window) {
  WindowApi& inner = inner_;
  Run(window, [&inner, window] { inner.ButtonDown(window); });
}

void BoundedWindowApi::ButtonUp(WindowHandle window) {
  WindowApi& inner = inner_;
  Run(window, [&inner, window] { inner.ButtonUp(window); });
}

}  // namespace bw
