#include "app/main_layout.h"

#include <gtest/gtest.h>

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

// The form's names for the controls reach the controls whose tooltips say so.
TEST(MainLayout, ChecksSwatchesAndOptionsAreTheOnesTheirNamesSay) {
  const auto tooltip = [](int id) {
    const ControlLayout* c = LayoutOf(id);
    return std::string(c && c->tooltip ? c->tooltip : "(none)");
  };
  const char* const checks[] = {"Bold",   "Italic", "Underline", "Strikeout",
                                "Hacker", "Elite",  "Spaced",    "Backwards"};  // CheckBox order
  for (int i = 0; i < 8; ++i) EXPECT_EQ(tooltip(IdOf(static_cast<CheckBox>(i))), checks[i]);
  const char* const swatches[] = {"Alternate Color 1", "Alternate Color 2", "Fade Start",
                                  "Fade End"};  // Swatch order
  for (int i = 0; i < 4; ++i) {
    const auto swatch = static_cast<Swatch>(i);
    EXPECT_EQ(tooltip(IdOf(swatch)), swatches[i]);
    EXPECT_EQ(SwatchOf(IdOf(swatch)), swatch);
  }
  EXPECT_EQ(SwatchOf(kPicResult), std::nullopt);
  const char* const effects[] = {"No Effect", "Alternate Colors", "Color Fade", "Random Colors",
                                 "Waves",     "Grow and Shrink"};
  for (const EffectOption& o : kEffectOptions) {  // EffectMode order
    EXPECT_EQ(tooltip(o.id), effects[static_cast<int>(o.effect)]);
  }
}

}  // namespace
}  // namespace bw
