#include "app/splash.h"

#include <algorithm>

#include "engine/rounding.h"

namespace bw {

bool StartSplash(SplashShell& shell) {
  if (shell.AnotherCopyRunning()) return false;
  if (!shell.ShowSplashNow()) {
    CloseSplash(shell);
    return true;
  }
  shell.PutSplashOnTop();
  shell.PlayWave("SWORD", WaveMode::ToEnd);
  shell.PlayWave("LOOP", WaveMode::Repeating);
  return true;
}

void CloseSplash(SplashShell& shell) {
  // No resource has the empty name: the request only cuts off the repeating music.
  shell.PlayWave("", WaveMode::InBackground);
  shell.ShowMainWindowNow();
  shell.PutMainWindowOnTop();
  shell.DestroySplashNow();
}

LoadingFrame LoadingStep(int loadTicks) {
  const int ticks = std::clamp(loadTicks, 0, kSplashLoadedTicks);
  // 255 / 6 is exactly 42.5, which rounds to 42.
  const int k = RoundHalfEven(255.0 / kSplashLoadedTicks * ticks);
  LoadingFrame frame;
  frame.start = MakeColorRef(0, 0, k);
  frame.end = MakeColorRef(k, 0, 0);
  if (ticks == kSplashLoadedTicks) {
    frame.text = u"Done Loading... Click to Start";
    frame.stopTimer = true;
  } else {
    frame.text = u"Loading";
    for (int i = 0; i < ticks; ++i) frame.text += u" .";
  }
  return frame;
}

}  // namespace bw
