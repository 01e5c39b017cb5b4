#pragma once
// The splash screen's decisions, apart from its window: the single-copy rule and the order
// of start-up and closing, the loading display of each timer tick, and when a click
// closes it.

#include "app/sound.h"
#include "engine/color.h"
#include "engine/text.h"

namespace bw {

// What the splash asks of the platform and of the rest of the program.
class SplashShell {
 public:
  virtual ~SplashShell() = default;
  virtual bool AnotherCopyRunning() = 0;
  // Shown and painted before returning; false when the window, its status box or its
  // timer could not be made (a missing picture only leaves it black).
  virtual bool ShowSplashNow() = 0;
  virtual void PutSplashOnTop() = 0;
  virtual void PlayWave(const char* name, WaveMode mode) = 0;
  virtual void ShowMainWindowNow() = 0;  // loads it on first show, then paints it
  virtual void PutMainWindowOnTop() = 0;
  virtual void DestroySplashNow() = 0;
};

// Ends at once, before anything is shown or heard, when another copy runs (false).
// Otherwise shows the splash on top, plays "SWORD" to its end, then starts "LOOP"
// repeating, and returns true. A splash that cannot be shown must not keep the program
// from its main window: it is closed at once, which shows the main window.
bool StartSplash(SplashShell& shell);

// Every close of the splash: the music stops, the main window appears and stays on top,
// and only then does the splash window go. Until the main window has taken the
// activation from it, the splash keeps it: a splash that went first would hand the
// keyboard to whatever program lies beneath, the chat client included, for the whole of
// the main window's start-up.
void CloseSplash(SplashShell& shell);

inline constexpr int kSplashLoadedTicks = 6;

// A click (on the window or the status box) closes the splash only once loading is done.
[[nodiscard]] constexpr bool SplashClickCloses(int loadTicks) {
  return loadTicks >= kSplashLoadedTicks;
}

// The status box after tick `loadTicks` (1 to 6): a gradient from blue k to red k,
// k = 42.5 * loadTicks rounded with halves to even (42, 85, 128, 170, 212, 255), under
// "Loading" and one " ." per tick; the sixth tick says "Done Loading... Click to Start"
// and stops the timer. LoadingStep(3).text == u"Loading . . ."
struct LoadingFrame {
  ColorRef start = 0;
  ColorRef end = 0;
  Text text;
  bool stopTimer = false;
};
[[nodiscard]] LoadingFrame LoadingStep(int loadTicks);

}  // namespace bw
