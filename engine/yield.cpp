#include "engine/yield.h"

namespace bw {

namespace {
YieldHook g_hook = nullptr;
}  // namespace

void SetYieldHook(YieldHook hook) {
  g_hook = hook;
}

void LetPendingEventsRun() {
  if (g_hook) g_hook();
}

}  // namespace bw
