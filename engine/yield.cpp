#include "engine/yield.h"

namespace bw {

namespace {
YieldHook hook = nullptr;
}  // namespace

void SetYieldHook(YieldHook newHook) {
  hook = newHook;
}

void LetPendingEventsRun() {
  if (hook) hook();
}

}  // namespace bw
