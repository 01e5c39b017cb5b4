#pragma once
// The program's sounds: seven WAVE resources played by name, one at a time. A new request
// cuts off whatever is playing; a sound that cannot be played is silence, never an error.

#include <cstdint>

namespace bw {

// The platform's PlaySound flag bits a caller chooses from.
using WaveFlags = std::uint32_t;
inline constexpr WaveFlags kPlayToEnd = 0;  // returns when the sound has finished
inline constexpr WaveFlags kPlayInBackground = 1;
inline constexpr WaveFlags kPlayRepeating = 9;  // background, repeating until replaced

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // name matches a resource regardless of case ("Click" plays CLICK); a name that
  // matches nothing, the empty one included, stops the current sound and stays silent.
  virtual void PlayWave(const char* name, WaveFlags flags) = 0;
};

}  // namespace bw
