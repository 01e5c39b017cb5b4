#include "app/splash.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace bw {
namespace {

struct RecordingShell : SplashShell {
  bool otherCopy = false;
  bool splashFails = false;
  std::string calls;  // each call followed by "; ", a sound as "name:mode" (0 to end, 1
                      // in the background, 2 repeating)
  bool AnotherCopyRunning() override { return otherCopy; }
  bool ShowSplashNow() override {
    calls += "show splash; ";
    return !splashFails;
  }
  void PutSplashOnTop() override { calls += "splash on top; "; }
  void PlayWave(const char* n, WaveMode m) override {
    calls += n + (":" + std::to_string(static_cast<int>(m)) + "; ");
  }
  void ShowMainWindowNow() override { calls += "show main; "; }
  void PutMainWindowOnTop() override { calls += "main on top; "; }
  void DestroySplashNow() override { calls += "splash gone; "; }
};

TEST(StartSplash, SecondCopyEndsAtOnceAndClosingHandsOverToTheMainWindowBeforeItGoes) {
  RecordingShell second, first;
  second.otherCopy = true;
  EXPECT_FALSE(StartSplash(second));
  EXPECT_EQ(second.calls, "") << "nothing shown or heard";
  EXPECT_TRUE(StartSplash(first));
  CloseSplash(first);
  EXPECT_EQ(first.calls,
            "show splash; splash on top; SWORD:0; LOOP:2; :1; show main; main on top; "
            "splash gone; ");
}

TEST(StartSplash, ASplashThatCannotBeShownGoesStraightToTheMainWindow) {
  RecordingShell shell;
  shell.splashFails = true;
  EXPECT_TRUE(StartSplash(shell));
  EXPECT_EQ(shell.calls, "show splash; :1; show main; main on top; splash gone; ");
}

TEST(LoadingStep, BrightensEachSecondAndSaysDoneOnTheSixth) {
  const ColorRef k[] = {42, 85, 128, 170, 212, 255};  // 42.5 a tick, halves to even
  for (int tick = 1; tick <= 6; ++tick) {
    const LoadingFrame f = LoadingStep(tick);
    EXPECT_EQ(std::pair(f.start, f.end), std::pair(k[tick - 1] << 16, k[tick - 1])) << tick;
    const Text loading = Text(u"Loading . . . . .").substr(0, 7 + 2 * tick);
    EXPECT_EQ(f.text, tick < 6 ? loading : u"Done Loading... Click to Start") << tick;
    EXPECT_EQ(f.stopTimer, tick == 6) << tick;
    EXPECT_FALSE(SplashClickCloses(tick - 1)) << "a click before the sixth tick is ignored";
  }
  EXPECT_TRUE(SplashClickCloses(6));
}

}  // namespace
}  // namespace bw
