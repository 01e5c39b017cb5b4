#pragma once
// The test double of CallRunner, beside ScriptedWindowTree: each window answers a message
// call in the time it was scripted to take (at once by default), or never. A call the
// runner cannot wait for is kept, as the platform's would be, and delivered late by
// WakeUp, as when a program that had stopped answering comes back.

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "aol/bounded_window_api.h"

namespace bw {

class ScriptedCallRunner final : public CallRunner {
 public:
  static constexpr long kNever = -1;

  // How long a message call to `window` takes from now on; kNever for a program that has
  // stopped answering.
  void SetAnswerMs(WindowHandle window, long ms) { answerMs_[window] = ms; }
  // Every window, whatever was scripted for it.
  void SetAnswerMsForAll(std::optional<long> ms) { allMs_ = ms; }
  // The program stops answering at the n-th message call from now (0: the next one) and
  // answers none after it, whatever was scripted.
  void StopAnsweringFrom(std::size_t n) { stopFrom_ = waits_.size() + n; }

  std::optional<long> Run(WindowHandle target, std::function<void()> call, long waitMs) override {
    const bool stopped = waits_.size() >= stopFrom_;
    waits_.push_back(waitMs);
    const auto scripted = answerMs_.find(target);
    const long takes = stopped   ? kNever
                       : allMs_  ? *allMs_
                       : scripted != answerMs_.end() ? scripted->second
                                                     : 0;
    if (takes == kNever || takes > waitMs) {
      late_.push_back(std::move(call));
      return std::nullopt;
    }
    call();
    return takes;
  }

  // Delivers the calls kept so far, oldest first.
  void WakeUp() {
    for (auto& call : std::exchange(late_, {})) call();
  }
  // The wait each call was given, in order.
  [[nodiscard]] const std::vector<long>& Waits() const { return waits_; }

 private:
  std::map<WindowHandle, long> answerMs_;
  std::optional<long> allMs_;
  std::size_t stopFrom_ = static_cast<std::size_t>(-1);
  std::vector<std::function<void()>> late_;
  std::vector<long> waits_;
};

}  // namespace bw
