#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace bw {
namespace {

TEST(MainLayout, EveryControlHasItsOwnIdAndLiesInsideItsGroup) {
  std::set<int> ids;
  for (const ControlLayout& c : kMainLayout) {
    EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id << " twice";
    if (c.group == kWindow) continue;
    const ControlLayout* group = LayoutOf(c.group);
    ASSERT_TRUE(group && group->kind == ControlKind::Group) << "id " << c.id;
    EXPECT_TRUE(ids.count(c.group)) << "a group is made before what it holds: id " << c.id;
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= group->width &&
                c.y + c.height <= group->height)
        << "id " << c.id;
  }
  EXPECT_EQ(PlaceOf(*LayoutOf(kPicResult)), (PixelRect{256, 176, 97, 33}));
  EXPECT_EQ(LayoutOf(12345), nullptr);
}

TEST(MainLayout, TheOptionsFormOneKeyboardGroupInTabOrder) {
  int options = 0;
  bool inGroup = false;
  for (const ControlLayout& c : kMainLayout) {
    const bool option = c.kind == ControlKind::Option;
    EXPECT_EQ(IsOption(c.id), option);
    EXPECT_EQ(IsChoice(c.id), option || c.kind == ControlKind::Check) << "id " << c.id;
    EXPECT_EQ(StartsKeyboardGroup(c), !option || !inGroup) << "id " << c.id;
    EXPECT_FALSE(option && options > 0 && !inGroup) << "the options stand together";
    if (option) {
      EXPECT_EQ(c.id, kEffectOptions[options++].id) << "in tab order";
    }
    inGroup = option;
  }
  EXPECT_EQ(options, static_cast<int>(std::size(kEffectOptions)));
}

// The form's names for the controls reach the controls that say so.
TEST(MainLayout, ChecksSwatchesAndOptionsAreTheOnesTheirNamesSay) {
  const std::pair<CheckBox, const char*> checks[] = {
      {CheckBox::Bold, "Bold"},           {CheckBox::Italic, "Italic"},
      {CheckBox::Underline, "Underline"}, {CheckBox::Strikeout, "Strikeout"},
      {CheckBox::Hacker, "Hacker"},       {CheckBox::Elite, "Elite"},
      {CheckBox::Spaced, "Spaced"},       {CheckBox::Backwards, "Backwards"}};
  for (const auto& [box, tooltip] : checks) {
    const ControlLayout* c = LayoutOf(IdOf(box));
    ASSERT_TRUE(c && c->kind == ControlKind::Check) << tooltip;
    EXPECT_EQ(std::string(c->tooltip), tooltip);
  }
  const std::pair<Swatch, const char*> swatches[] = {{Swatch::AltColor1, "Alternate Color 1"},
                                                     {Swatch::AltColor2, "Alternate Color 2"},
                                                     {Swatch::From, "Fade Start"},
                                                     {Swatch::To, "Fade End"}};
  for (const auto& [swatch, tooltip] : swatches) {
    const ControlLayout* c = LayoutOf(IdOf(swatch));
    ASSERT_TRUE(c && c->kind == ControlKind::Swatch) << tooltip;
    EXPECT_EQ(std::string(c->tooltip), tooltip);
    EXPECT_EQ(SwatchOf(IdOf(swatch)), swatch);
  }
  EXPECT_EQ(SwatchOf(kPicResult), std::nullopt);
  const std::pair<EffectMode, const char*> effects[] = {
      {EffectMode::NoEffect, "No Effect"},         {EffectMode::Waves, "Waves"},
      {EffectMode::GrowShrink, "Grow and Shrink"}, {EffectMode::ColorFade, "Color Fade"},
      {EffectMode::Alternate, "Alternate Colors"}, {EffectMode::Random, "Random Colors"}};
  for (const auto& [effect, tooltip] : effects) {
    const auto option = std::ranges::find(kEffectOptions, effect, &EffectOption::effect);
    ASSERT_NE(option, std::end(kEffectOptions)) << tooltip;
    EXPECT_EQ(std::string(LayoutOf(option->id)->tooltip), tooltip);
  }
}

}  // namespace
}  // namespace bw
