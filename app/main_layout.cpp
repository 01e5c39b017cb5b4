#include "app/main_layout.h"

#include <algorithm>

namespace bw {

namespace {

using K = ControlKind;

constexpr ControlLayout kLayout[] = {
    {kTxtSend, K::Text, kWindow, 8, 8, 233, 19, "", "Text to Send"},
    {kCmdSendChat, K::Button, kWindow, 240, 8, 49, 19, "To Chat", "Send to Chat"},
    {kCmdSendIM, K::Button, kWindow, 288, 8, 49, 19, "To IM", "Send to Active IM"},
    {kCmdRoll, K::Button, kWindow, 344, 8, 17, 19, "U", "Roll Up"},
    {kFraSpecialFX, K::Group, kWindow, 8, 34, 353, 57, "Special FX", nullptr},
    {kOptNoEffect, K::Option, kFraSpecialFX, 8, 16, 73, 17, "No Effect", "No Effect"},
    {kOptWaves, K::Option, kFraSpecialFX, 96, 16, 65, 17, "Waves", "Waves"},
    {kOptGrowShrink, K::Option, kFraSpecialFX, 184, 16, 153, 17, "Grow and Shrink (IM Only)",
     "Grow and Shrink"},
    {kOptColorFade, K::Option, kFraSpecialFX, 8, 32, 81, 17, "Color Fade", "Color Fade"},
    {kOptAlternate, K::Option, kFraSpecialFX, 96, 32, 105, 17, "Alternate Colors",
     "Alternate Colors"},
    {kOptRandom, K::Option, kFraSpecialFX, 216, 32, 105, 17, "Random Colors", "Random Colors"},
    {kFraColorAlternate, K::Group, kWindow, 8, 96, 201, 57, "Alternate Colors", nullptr},
    {kLblColor1, K::Label, kFraColorAlternate, 8, 24, 65, 17, "Color #1:", nullptr},
    {kLblAltColor1, K::Swatch, kFraColorAlternate, 64, 16, 33, 33, "", "Alternate Color 1"},
    {kLblColor2, K::Label, kFraColorAlternate, 112, 24, 57, 17, "Color #2:", nullptr},
    {kLblAltColor2, K::Swatch, kFraColorAlternate, 160, 16, 33, 33, "", "Alternate Color 2"},
    {kFraColorFade, K::Group, kWindow, 8, 160, 353, 57, "Color Fade", nullptr},
    {kLblFromColor, K::Label, kFraColorFade, 8, 24, 65, 17, "From Color:", nullptr},
    {kLblFrom, K::Swatch, kFraColorFade, 64, 16, 33, 33, "", "Fade Start"},
    {kLblToColor, K::Label, kFraColorFade, 112, 24, 57, 17, "To Color:", nullptr},
    {kLblTo, K::Swatch, kFraColorFade, 160, 16, 33, 33, "", "Fade End"},
    {kLblResult, K::Label, kFraColorFade, 208, 24, 49, 17, "Result:", nullptr},
    {kFraFormatting, K::Group, kWindow, 8, 224, 161, 57, "Formatting", nullptr},
    {kChkBold, K::Check, kFraFormatting, 8, 16, 57, 17, "Bold", "Bold", kBold},
    {kChkItalic, K::Check, kFraFormatting, 8, 32, 57, 17, "Italic", "Italic", kItalic},
    {kChkUnderline, K::Check, kFraFormatting, 80, 16, 73, 17, "Underline", "Underline", kUnderline},
    {kChkStrikeout, K::Check, kFraFormatting, 80, 32, 73, 17, "Strikeout", "Strikeout", kStrikeout},
    {kFraStyle, K::Group, kWindow, 184, 224, 177, 57, "Style", nullptr},
    {kChkHacker, K::Check, kFraStyle, 8, 16, 73, 17, "HaCKeR", "Hacker"},
    {kChkElite, K::Check, kFraStyle, 8, 32, 73, 17, "\xC9l\xEEt\xEA", "Elite"},
    {kChkSpaced, K::Check, kFraStyle, 88, 16, 81, 17, "S p a c e d", "Spaced"},
    {kChkBackwards, K::Check, kFraStyle, 88, 32, 81, 17, "sdrawkcaB", "Backwards"},
    {kPicResult, K::DrawBox, kFraColorFade, 248, 16, 97, 33, nullptr, "Fade Result"},
    {kPicShoutz, K::DrawBox, kWindow, 209, 91, 160, 75, nullptr, nullptr},
};

// In the order of CheckBox's and Swatch's values.
constexpr ControlId kCheckIds[] = {kChkBold,   kChkItalic, kChkUnderline, kChkStrikeout,
                                   kChkHacker, kChkElite,  kChkSpaced,    kChkBackwards};
constexpr ControlId kSwatchIds[] = {kLblAltColor1, kLblAltColor2, kLblFrom, kLblTo};

}  // namespace

std::span<const ControlLayout> MainLayout() {
  return kLayout;
}

const ControlLayout* LayoutOf(int id) {
  const auto found = std::ranges::find(kLayout, id, &ControlLayout::id);
  return found == std::end(kLayout) ? nullptr : found;
}

PixelPlace PlaceOf(const ControlLayout& layout) {
  PixelPlace place{layout.x, layout.y, layout.width, layout.height};
  if (const ControlLayout* group = LayoutOf(layout.group)) {
    place.x += group->x;
    place.y += group->y;
  }
  return place;
}

bool StartsKeyboardGroup(const ControlLayout& layout) {
  return layout.kind != ControlKind::Option || layout.id == kEffectOptions[0].id;
}

ControlId IdOf(CheckBox box) {
  return kCheckIds[static_cast<int>(box)];
}

ControlId IdOf(Swatch swatch) {
  return kSwatchIds[static_cast<int>(swatch)];
}

std::optional<Swatch> SwatchOf(int id) {
  const auto found = std::ranges::find(kSwatchIds, id);
  if (found == std::end(kSwatchIds)) return std::nullopt;
  return static_cast<Swatch>(found - std::begin(kSwatchIds));
}

bool IsOption(int id) {
  const ControlLayout* layout = LayoutOf(id);
  return layout && layout->kind == ControlKind::Option;
}

bool IsChoice(int id) {
  const ControlLayout* layout = LayoutOf(id);
  return layout && (layout->kind == ControlKind::Option || layout->kind == ControlKind::Check);
}

}  // namespace bw
