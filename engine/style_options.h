#pragma once
// The choices one message is composed with.

#include "engine/color.h"

namespace bw {

enum class EffectMode { NoEffect, Alternate, ColorFade, Random, Waves, GrowShrink };

// Which send button started a send; Grow and Shrink applies to IM only.
enum class SendTarget { Chat, IM };

// The colors before anyone picks others: green and black alternate, red fades to blue.
inline constexpr ColorRef kDefaultAltColor1 = 0x00FF00;
inline constexpr ColorRef kDefaultAltColor2 = 0x000000;
inline constexpr ColorRef kDefaultFadeColor1 = 0x0000FF;
inline constexpr ColorRef kDefaultFadeColor2 = 0xFF0000;

struct StyleOptions {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikeout = false;
  bool Hacker = false;
  bool Elite = false;
  bool Spaced = false;
  bool Backwards = false;
  EffectMode Effect = EffectMode::NoEffect;
  ColorRef AltColor1 = kDefaultAltColor1;
  ColorRef AltColor2 = kDefaultAltColor2;
  ColorRef FadeColor1 = kDefaultFadeColor1;
  ColorRef FadeColor2 = kDefaultFadeColor2;
};

}  // namespace bw
