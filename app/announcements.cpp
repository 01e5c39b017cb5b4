#include "app/announcements.h"

#include "engine/color_effects.h"
#include "engine/size_effects.h"

namespace bw {
namespace {

constexpr TextView kTitle = u"<//~~~[ Brindlewick by ZornaVelde ]~~~//>";
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kRed = 0x0000FF;

Text WavyGreen(int noBreakSpaces, TextView words) {
  Text inner(static_cast<std::size_t>(noBreakSpaces), u'\u00A0');
  inner += words;
  return u"<B><FONT COLOR=#339933>" + WavesText(inner) + u"</FONT></B>";
}

}  // namespace

Text LoadedTitleLine() {
  return u"<B>" + FadeText(kTitle, kBlue, kRed) + u"</B>";
}
Text LoadedLine() {
  return WavyGreen(10, u"<//~~~[ NOW LOADED ]~~~//>");
}
Text UnloadedTitleLine() {
  return u"<B>" + FadeText(kTitle, kRed, kBlue) + u"</B>";
}
Text UnloadedLine() {
  return WavyGreen(8, u"<//~~~[ NOW UNLOADED ]~~~//>");
}

}  // namespace bw
