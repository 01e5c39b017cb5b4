#include "engine/yield.h"

namespace bw {

namespace {
YieldHook g_hook = nullptr;
int g_held = 0;
}  // namespace

void SetYieldHook(YieldHook hook) {
  g_hook = hook;
}

void LetPendingEventsRun() {
  if (g_hook && g_held == 0) g_hook();
}

HeldYields::HeldYields() {
  ++g_held;
}

HeldYields::~HeldYields() {
  --g_held;
}

}  // namespace bw
