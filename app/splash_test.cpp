#include "app/splash.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bw {
namespace {

class RecordingShell : public SplashShell {
 public:
  explicit RecordingShell(bool otherCopy) : otherCopy_(otherCopy) {}
  bool AnotherCopyRunning() override { return otherCopy_; }
  void ShowSplashNow() override { calls.push_back("show splash"); }
  void PutSplashOnTop() override { calls.push_back("splash on top"); }
  void PlayWave(const char* name, int flags) override {
    calls.push_back("play '" + std::string(name) + "' " + std::to_string(flags));
  }
  void ShowMainWindowNow() override { calls.push_back("show main"); }
  void PutMainWindowOnTop() override { calls.push_back("main on top"); }
  std::vector<std::string> calls;

 private:
  bool otherCopy_;
};

using Calls = std::vector<std::string>;

TEST(StartSplash, SecondCopyEndsBeforeAnythingIsShownOrHeard) {
  RecordingShell second(true);
  EXPECT_FALSE(StartSplash(second));
  EXPECT_EQ(second.calls, Calls{});

  RecordingShell first(false);
  EXPECT_TRUE(StartSplash(first));
  EXPECT_EQ(first.calls,
            (Calls{"show splash", "splash on top", "play 'SWORD' 0", "play 'LOOP' 9"}));
}

TEST(CloseSplash, StopsTheMusicBeforeTheMainWindowAppearsOnTop) {
  RecordingShell shell(false);
  CloseSplash(shell);
  EXPECT_EQ(shell.calls, (Calls{"play '' 1", "show main", "main on top"}));
}

TEST(LoadingStep, BrightensEachSecondAndSaysDoneOnTheSixth) {
  const int k[] = {42, 85, 128, 170, 212, 255};  // 42.5 per tick, halves to even
  const char16_t* texts[] = {u"Loading .",         u"Loading . .",
                             u"Loading . . .",     u"Loading . . . .",
                             u"Loading . . . . .", u"Done Loading... Click to Start"};
  for (int ticks = 1; ticks <= 6; ++ticks) {
    const LoadingFrame f = LoadingStep(ticks);
    EXPECT_EQ(f.start, static_cast<ColorRef>(k[ticks - 1]) << 16) << "tick " << ticks;
    EXPECT_EQ(f.end, static_cast<ColorRef>(k[ticks - 1])) << "tick " << ticks;
    EXPECT_EQ(f.text, texts[ticks - 1]) << "tick " << ticks;
    EXPECT_EQ(f.stopTimer, ticks == 6) << "tick " << ticks;
    EXPECT_EQ(SplashClickCloses(ticks - 1), false) << "tick " << ticks;
  }
  EXPECT_TRUE(SplashClickCloses(6));
}

}  // namespace
}  // namespace bw
