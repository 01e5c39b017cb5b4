#pragma once
// frmBrindlewick's controls: identity, kind, place, caption and tooltip of each, in
// keyboard (tab) order, which is also the order of creation. Places are pixels at 96 dpi
// (ScreenUnits scales them to the screen); a control in a group is placed relative to the
// group's top-left corner.

#include <iterator>
#include <optional>

#include "app/main_form.h"
#include "app/screen_units.h"
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

// Every control of the window, in creation order.
inline constexpr ControlLayout kMainLayout[] = {
    {kTxtSend, ControlKind::Text, kWindow, 8, 8, 233, 19, "", "Text to Send"},
    {kCmdSendChat, ControlKind::Button, kWindow, 240, 8, 49, 19, "To Chat", "Send to Chat"},
    {kCmdSendIM, ControlKind::Button, kWindow, 288, 8, 49, 19, "To IM", "Send to Active IM"},
    {kCmdRoll, ControlKind::Button, kWindow, 344, 8, 17, 19, "U", "Roll Up"},
    {kFraSpecialFX, ControlKind::Group, kWindow, 8, 34, 353, 57, "Special FX", nullptr},
    {kOptNoEffect, ControlKind::Option, kFraSpecialFX, 8, 16, 73, 17, "No Effect", "No Effect"},
    {kOptWaves, ControlKind::Option, kFraSpecialFX, 96, 16, 65, 17, "Waves", "Waves"},
    {kOptGrowShrink, ControlKind::Option, kFraSpecialFX, 184, 16, 153, 17,
     "Grow and Shrink (IM Only)", "Grow and Shrink"},
    {kOptColorFade, ControlKind::Option, kFraSpecialFX, 8, 32, 81, 17, "Color Fade", "Color Fade"},
    {kOptAlternate, ControlKind::Option, kFraSpecialFX, 96, 32, 105, 17, "Alternate Colors",
     "Alternate Colors"},
    {kOptRandom, ControlKind::Option, kFraSpecialFX, 216, 32, 105, 17, "Random Colors",
     "Random Colors"},
    {kFraColorAlternate, ControlKind::Group, kWindow, 8, 96, 201, 57, "Alternate Colors", nullptr},
    {kLblColor1, ControlKind::Label, kFraColorAlternate, 8, 24, 65, 17, "Color #1:", nullptr},
    {kLblAltColor1, ControlKind::Swatch, kFraColorAlternate, 64, 16, 33, 33, "",
     "Alternate Color 1"},
    {kLblColor2, ControlKind::Label, kFraColorAlternate, 112, 24, 57, 17, "Color #2:", nullptr},
    {kLblAltColor2, ControlKind::Swatch, kFraColorAlternate, 160, 16, 33, 33, "",
     "Alternate Color 2"},
    {kFraColorFade, ControlKind::Group, kWindow, 8, 160, 353, 57, "Color Fade", nullptr},
    {kLblFromColor, ControlKind::Label, kFraColorFade, 8, 24, 65, 17, "From Color:", nullptr},
    {kLblFrom, ControlKind::Swatch, kFraColorFade, 64, 16, 33, 33, "", "Fade Start"},
    {kLblToColor, ControlKind::Label, kFraColorFade, 112, 24, 57, 17, "To Color:", nullptr},
    {kLblTo, ControlKind::Swatch, kFraColorFade, 160, 16, 33, 33, "", "Fade End"},
    {kLblResult, ControlKind::Label, kFraColorFade, 208, 24, 49, 17, "Result:", nullptr},
    {kFraFormatting, ControlKind::Group, kWindow, 8, 224, 161, 57, "Formatting", nullptr},
    {kChkBold, ControlKind::Check, kFraFormatting, 8, 16, 57, 17, "Bold", "Bold", kBold},
    {kChkItalic, ControlKind::Check, kFraFormatting, 8, 32, 57, 17, "Italic", "Italic", kItalic},
    {kChkUnderline, ControlKind::Check, kFraFormatting, 80, 16, 73, 17, "Underline", "Underline",
     kUnderline},
    {kChkStrikeout, ControlKind::Check, kFraFormatting, 80, 32, 73, 17, "Strikeout", "Strikeout",
     kStrikeout},
    {kFraStyle, ControlKind::Group, kWindow, 184, 224, 177, 57, "Style", nullptr},
    {kChkHacker, ControlKind::Check, kFraStyle, 8, 16, 73, 17, "HaCKeR", "Hacker"},
    {kChkElite, ControlKind::Check, kFraStyle, 8, 32, 73, 17, "\xC9l\xEEt\xEA", "Elite"},
    {kChkSpaced, ControlKind::Check, kFraStyle, 88, 16, 81, 17, "S p a c e d", "Spaced"},
    {kChkBackwards, ControlKind::Check, kFraStyle, 88, 32, 81, 17, "sdrawkcaB", "Backwards"},
    {kPicResult, ControlKind::DrawBox, kFraColorFade, 248, 16, 97, 33, nullptr, "Fade Result"},
    {kPicShoutz, ControlKind::DrawBox, kWindow, 209, 91, 160, 75, nullptr, nullptr},
};

// In the order of CheckBox's and Swatch's values.
inline constexpr ControlId kCheckIds[] = {kChkBold,   kChkItalic, kChkUnderline, kChkStrikeout,
                                          kChkHacker, kChkElite,  kChkSpaced,    kChkBackwards};
inline constexpr ControlId kSwatchIds[] = {kLblAltColor1, kLblAltColor2, kLblFrom, kLblTo};

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

// nullptr for an ID that names no control.
[[nodiscard]] constexpr const ControlLayout* LayoutOf(int id) {
  for (const ControlLayout& layout : kMainLayout) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

// The control's place in the client area, in layout pixels (ScreenUnits scales it).
[[nodiscard]] constexpr PixelRect PlaceOf(const ControlLayout& layout) {
  PixelRect place{layout.x, layout.y, layout.width, layout.height};
  if (const ControlLayout* group = LayoutOf(layout.group)) {
    place.x += group->x;
    place.y += group->y;
  }
  return place;
}

// Every control but the options after the first starts its own keyboard group, so the
// arrows move between the options and Tab past them.
[[nodiscard]] constexpr bool StartsKeyboardGroup(const ControlLayout& layout) {
  return layout.kind != ControlKind::Option || layout.id == kEffectOptions[0].id;
}

[[nodiscard]] constexpr ControlId IdOf(CheckBox box) {
  return kCheckIds[static_cast<int>(box)];
}
[[nodiscard]] constexpr ControlId IdOf(Swatch swatch) {
  return kSwatchIds[static_cast<int>(swatch)];
}
[[nodiscard]] constexpr std::optional<Swatch> SwatchOf(int id) {
  for (int i = 0; i < static_cast<int>(std::size(kSwatchIds)); ++i) {
    if (kSwatchIds[i] == id) return static_cast<Swatch>(i);
  }
  return std::nullopt;
}

[[nodiscard]] constexpr bool IsOption(int id) {
  const ControlLayout* layout = LayoutOf(id);
  return layout && layout->kind == ControlKind::Option;
}
// An option or a check box: a click on it is a ChoiceClick.
[[nodiscard]] constexpr bool IsChoice(int id) {
  const ControlLayout* layout = LayoutOf(id);
  return layout && (layout->kind == ControlKind::Option || layout->kind == ControlKind::Check);
}

}  // namespace bw
