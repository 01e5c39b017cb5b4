#pragma once
// "Let pending events run": the one point where long text work hands control back to the
// user-interface event loop. Does nothing until the shell installs its message pump.
// Whatever the hook runs may call into the engine again (a second send, a ticker tick);
// the engine keeps every working text local to its call, so nothing it holds is shared
// across a yield.

namespace bw {

using YieldHook = void (*)();

void SetYieldHook(YieldHook hook);  // nullptr restores the default (do nothing)
void LetPendingEventsRun();

// While one lives, LetPendingEventsRun does nothing. Work that runs between two events and
// must end before the next one starts (the main window composing its preview of a line)
// holds the yields, so no send, close or tick can start in its middle. Nests.
class HeldYields {
 public:
  HeldYields();
  HeldYields(const HeldYields&) = delete;
  HeldYields& operator=(const HeldYields&) = delete;
  ~HeldYields();
};

}  // namespace bw
