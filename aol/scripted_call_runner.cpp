#include "aol/scripted_call_runner.h"

#include <utility>

namespace bw {

std::optional<long> ScriptedCallRunner::Run(WindowHandle target, std::function<void()> call,
                                            long waitMs) {
  waits_.push_back(waitMs);
  const auto scripted = answerMs_.find(target);
  const long takes = allMs_ ? *allMs_ : scripted != answerMs_.end() ? scripted->second : 0;
  if (takes == kNever || takes > waitMs) {
    late_.push_back(std::move(call));
    return std::nullopt;
  }
  call();
  return takes;
}

void ScriptedCallRunner::WakeUp() {
  auto late = std::exchange(late_, {});
  for (auto& call : late) call();
}

}  // namespace bw
