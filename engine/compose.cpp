#include "engine/compose.h"

#include <iterator>
#include <utility>

#include "engine/color_effects.h"
#include "engine/size_effects.h"
#include "engine/transforms.h"

namespace bw {

namespace {

Text ApplyEffect(CharacterView characters, const StyleOptions& options, SendTarget target,
                 RandomGenerator& random) {
  switch (options.Effect) {
    case EffectMode::ColorFade:
      return FadeText(characters, options.FadeColor1, options.FadeColor2);
    case EffectMode::Waves:
      return WavesText(characters);
    case EffectMode::GrowShrink:
      // The option is "Grow and Shrink (IM Only)": a chat line goes without it.
      if (target == SendTarget::IM) return GrowShrinkText(characters);
      break;
    case EffectMode::Random:
      return RandomColorText(characters, random);
    case EffectMode::Alternate:
      return AlternateColorText(characters, options.AltColor1, options.AltColor2);
    case EffectMode::NoEffect:
      break;
  }
  return Text(characters.Units());
}

}  // namespace

Text ComposeMessage(TextView text, const StyleOptions& options, SendTarget target) {
  return ComposeMessage(CharacterView(text), options, target);
}

Text ComposeMessage(CharacterView characters, const StyleOptions& options, SendTarget target) {
  return ComposeMessage(characters, options, target, SharedRandom());
}

Text ComposeMessage(CharacterView characters, const StyleOptions& options, SendTarget target,
                    RandomGenerator& random) {
  // Each transform reads the text before it and makes its own, so the caller's text is read
  // and never copied.
  CharacterText made;
  CharacterView text = characters;
  const auto apply = [&made, &text](CharacterText next) {
    made = std::move(next);
    text = made.View();
  };
  if (options.Hacker) apply(HackerText(text));
  if (options.Elite) apply(EliteText(text, random));
  if (options.Spaced) apply(SpacedText(text));
  if (options.Backwards) apply(ReverseText(text));
  Text result = ApplyEffect(text, options, target, random);

  if (!options.Bold && !options.Italic && !options.Underline && !options.Strikeout) {
    return result;
  }
  // Tags listed innermost first; the opening tags go on in the reverse order, so the
  // effect's markup, which may be long, is copied once.
  struct Tag {
    bool on;
    TextView open;
    TextView close;
  };
  const Tag tags[] = {{options.Bold, u"<B>", u"</B>"},
                      {options.Italic, u"<I>", u"</I>"},
                      {options.Underline, u"<U>", u"</U>"},
                      {options.Strikeout, u"<S>", u"</S>"}};
  Text wrapped;
  wrapped.reserve(result.size() + 28);
  for (auto tag = std::rbegin(tags); tag != std::rend(tags); ++tag) {
    if (tag->on) wrapped.append(tag->open);
  }
  wrapped.append(result);
  for (const Tag& tag : tags) {
    if (tag.on) wrapped.append(tag.close);
  }
  return wrapped;
}

}  // namespace bw
