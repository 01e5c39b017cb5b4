#pragma once
// "Let pending events run": the one point where long text work hands control back to the
// user-interface event loop. Does nothing until the shell installs its message pump.

namespace bw {

using YieldHook = void (*)();

void SetYieldHook(YieldHook hook);  // nullptr restores the default (do nothing)
void LetPendingEventsRun();

}  // namespace bw
