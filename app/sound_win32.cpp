#include "app/sound_win32.h"

#include <mmsystem.h>

namespace bw {

namespace {
// SND_RESOURCE (0x40004): name is a resource of the module given; SND_NODEFAULT (0x2):
// a missing resource plays no system sound in its place.
constexpr DWORD kFromOwnResources = 0x40006;
}  // namespace

void ResourceSounds::PlayWave(const char* name, WaveFlags flags) {
  PlaySoundA(name, module_, flags | kFromOwnResources);
}

}  // namespace bw
