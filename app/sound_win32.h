#pragma once
// PlayWave over winmm: the WAVE resources of the program's own module.

#include <windows.h>

#include "app/sound.h"

namespace bw {

class ResourceSounds final : public SoundPlayer {
 public:
  explicit ResourceSounds(HINSTANCE module) : module_(module) {}
  // One PlaySoundA(name, module, the mode's flags | SND_RESOURCE | SND_NODEFAULT); its
  // result is ignored: no device, a busy device or no such resource is silence.
  void PlayWave(const char* name, WaveMode mode) override;

 private:
  HINSTANCE module_;
};

}  // namespace bw
