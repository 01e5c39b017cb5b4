#pragma once
// The choices one message is composed with.

#include "engine/color.h"

namespace bw {

enum class EffectMode { NoEffect, Alternate, ColorFade, Random, Waves, GrowShrink };

// Which send button started a send; Grow and Shrink applies to IM only.
enum class SendTarget { Chat, IM };

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
  ColorRef AltColor1 = 0x00FF00;
  ColorRef AltColor2 = 0x000000;
  ColorRef FadeColor1 = 0x0000FF;
  ColorRef FadeColor2 = 0xFF0000;
};

}  // namespace bw
