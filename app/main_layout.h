#pragma once
// frmBrindlewick's controls: identity, kind, place, caption and tooltip of each, in
// keyboard (tab) order, which is also the order of creation. Places are pixels; a control
// in a group is placed relative to the group's top-left corner.

#include <optional>
#include <span>

#include "app/main_form.h"
#include "engine/style_options.h"

namespace bw {

// Control IDs stay clear of IDOK and IDCANCEL, which the keyboard handling sends for
// Enter and Escape: neither must act as a button of the window.
enum ControlId : int {
  kWindow = 0,  // "no group": places relative to the client area
  kTxtSend = 100,
  kCmdSendChat,
  kCmdSendIM,
  kCmdRoll,
  kFraSpecialFX,
  kOptNoEffect,
  kOptWaves,
  kOptGrowShrink,
  kOptColorFade,
  kOptAlternate,
  kOptRandom,
  kFraColorAlternate,
  kLblColor1,
  kLblAltColor1,
  kLblColor2,
  kLblAltColor2,
  kFraColorFade,
  kLblFromColor,
  kLblFrom,
  kLblToColor,
  kLblTo,
  kLblResult,
  kFraFormatting,
  kChkBold,
  kChkItalic,
  kChkUnderline,
  kChkStrikeout,
  kFraStyle,
  kChkHacker,
  kChkElite,
  kChkSpaced,
  kChkBackwards,
  kPicResult,
  kPicShoutz,
};

enum class ControlKind { Text, Button, Group, Option, Check, Label, Swatch, DrawBox };
enum Face { kPlain, kBold, kItalic, kUnderline, kStrikeout, kFaceCount };

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  ControlId group;  // places are relative to this group's top-left corner
  int x, y, width, height;
  const char* caption;  // Windows-1252
  const char* tooltip;
  Face face = kPlain;
};

struct PixelPlace {
  int x, y, width, height;
  friend bool operator==(const PixelPlace&, const PixelPlace&) = default;
};

// Every control of the window, in creation order.
[[nodiscard]] std::span<const ControlLayout> MainLayout();

// nullptr for an ID that names no control.
[[nodiscard]] const ControlLayout* LayoutOf(int id);
// The control's place in the client area.
[[nodiscard]] PixelPlace PlaceOf(const ControlLayout& layout);
// Every control but the options after the first starts its own keyboard group, so the
// arrows move between the options and Tab past them.
[[nodiscard]] bool StartsKeyboardGroup(const ControlLayout& layout);

[[nodiscard]] ControlId IdOf(CheckBox box);
[[nodiscard]] ControlId IdOf(Swatch swatch);
[[nodiscard]] std::optional<Swatch> SwatchOf(int id);
// The option buttons in tab order; the first starts selected.
struct EffectOption {
  ControlId id;
  EffectMode effect;
};
inline constexpr EffectOption kEffectOptions[] = {
    {kOptNoEffect, EffectMode::NoEffect},     {kOptWaves, EffectMode::Waves},
    {kOptGrowShrink, EffectMode::GrowShrink}, {kOptColorFade, EffectMode::ColorFade},
    {kOptAlternate, EffectMode::Alternate},   {kOptRandom, EffectMode::Random},
};
[[nodiscard]] bool IsOption(int id);
// An option or a check box: a click on it is a ChoiceClick.
[[nodiscard]] bool IsChoice(int id);

}  // namespace bw
