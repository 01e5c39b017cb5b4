#include "app/sound_win32.h"

#include <mmsystem.h>

#include "win32/late_bound_win32.h"

namespace bw {

namespace {

DWORD FlagsOf(WaveMode mode) {
  switch (mode) {
    case WaveMode::ToEnd:
      return SND_SYNC;
    case WaveMode::Repeating:
      return SND_ASYNC | SND_LOOP;
    case WaveMode::InBackground:
      break;
  }
  return SND_ASYNC;
}

}  // namespace

// SND_NODEFAULT: a missing resource plays no system sound in its place.
// winmm loads with the first sound, after the splash has shown.
void ResourceSounds::PlayWave(const char* name, WaveMode mode) {
  static const auto playSound = LateBound<decltype(PlaySoundA)>("winmm.dll", "PlaySoundA");
  if (playSound) playSound(name, module_, FlagsOf(mode) | SND_RESOURCE | SND_NODEFAULT);
}

}  // namespace bw
