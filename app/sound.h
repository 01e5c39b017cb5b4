#pragma once
// The program's sounds: seven WAVE resources played by name, one at a time. A new request
// cuts off whatever is playing; a sound that cannot be played is silence, never an error.

namespace bw {

// How a request plays its sound.
enum class WaveMode {
  ToEnd,         // returns when the sound has finished
  InBackground,  // returns at once
  Repeating,     // in the background, over and over until another request replaces it
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // name matches a resource regardless of case ("Click" plays CLICK); a name that
  // matches nothing, the empty one included, stops the current sound and stays silent.
  virtual void PlayWave(const char* name, WaveMode mode) = 0;
};

}  // namespace bw
