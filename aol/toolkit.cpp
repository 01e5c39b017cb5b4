#include "aol/toolkit.h"

#include <algorithm>
#include <string>
#include <utility>

#include "aol/wildcard.h"

namespace bw {

namespace {

constexpr int kClassBufferBytes = 255;

// The walk both finds share: direct children in sibling order, first match wins.
template <typename Read>
WindowHandle FindChild(WindowApi& api, WindowHandle parent, TextView pattern, Read read) {
  if (parent == 0) return 0;
  const auto compiled = WildcardPattern::Compile(pattern);
  if (!compiled) return 0;
  WindowHandle child = api.FirstChild(parent);
  for (int visited = 0; child != 0 && visited < kMaxSiblingWalk; ++visited) {
    if (compiled->Matches(read(api, child))) return child;
    child = api.NextSibling(child);
  }
  return 0;
}

std::string CutAtNul(std::string buffer) {
  const auto nul = buffer.find('\0');
  if (nul != std::string::npos) buffer.resize(nul);
  return buffer;
}

}  // namespace

Text GetText(WindowApi& api, WindowHandle window) {
  if (window == 0) return Text();
  long reported = 0;
  if (api.TextLength(window, reported) != CallStatus::kAnswered) reported = 0;
  const long length = std::clamp(reported, 0L, kMaxWindowTextBytes);
  // One byte beyond the announced length holds the NUL the window writes last.
  std::string buffer(static_cast<std::size_t>(length) + 1, ' ');
  if (api.CopyText(window, buffer.data(), static_cast<int>(length) + 1) != CallStatus::kAnswered) {
    return Text();
  }
  buffer.resize(static_cast<std::size_t>(length));
  return api.FromAnsi(CutAtNul(std::move(buffer)));
}

Text GetClass(WindowApi& api, WindowHandle window) {
  std::string buffer(kClassBufferBytes, ' ');
  if (window != 0) api.ClassName(window, buffer.data(), kClassBufferBytes);
  return api.FromAnsi(CutAtNul(std::move(buffer)));
}

void SetText(WindowApi& api, WindowHandle window, TextView text) {
  if (window == 0) return;
  const std::string bytes = api.ToAnsi(text);
  api.WriteText(window, bytes.c_str());
}

void ClickIcon(WindowApi& api, WindowHandle window) {
  if (window == 0) return;
  api.ButtonDown(window);
  api.ButtonUp(window);
}

WindowHandle FindChildByTitle(WindowApi& api, WindowHandle parent, TextView pattern) {
  return FindChild(api, parent, pattern, GetText);
}

WindowHandle FindChildByClass(WindowApi& api, WindowHandle parent, TextView pattern) {
  return FindChild(api, parent, pattern, GetClass);
}

void StayOnTop(WindowApi& api, WindowHandle window, int onTop) {
  if (window == 0) return;
  api.SetTopmost(window, onTop != 0);
}
}  // namespace bw
