#include "aol/locator.h"

#include "aol/toolkit.h"

namespace bw {

WindowHandle FindAOL(WindowApi& api) {
  return api.FindTopLevel("AOL Frame25");
}

WindowHandle FindMDI(WindowApi& api) {
  return FindChildByClass(api, FindAOL(api), u"MDIClient");
}

WindowHandle FindChatRoom(WindowApi& api) {
  const WindowHandle mdi = FindMDI(api);
  WindowHandle w = mdi != 0 ? api.FirstChild(mdi) : 0;
  for (int visited = 0; w != 0 && visited < kMaxSiblingWalk; ++visited) {
    // The client's own class, letter case included; the inner classes in any case, and
    // all four looked up whatever the earlier ones gave.
    if (GetClass(api, w) == u"AOL Child") {
      const WindowHandle text = FindChildByClass(api, w, u"RICHCNTL");
      const WindowHandle image = FindChildByClass(api, w, u"_AOL_Image");
      const WindowHandle list = FindChildByClass(api, w, u"_AOL_Listbox");
      const WindowHandle combo = FindChildByClass(api, w, u"_AOL_Combobox");
      if (text != 0 && image != 0 && list != 0 && combo != 0) return w;
    }
    w = api.NextSibling(w);
  }
  return 0;
}

WindowHandle FindIM(WindowApi& api) {
  const WindowHandle mdi = FindMDI(api);
  // A window we write to outranks one that wrote to us, wherever the two stand.
  const WindowHandle to = FindChildByTitle(api, mdi, u"*Instant Message To:*");
  if (to != 0) return to;
  return FindChildByTitle(api, mdi, u"*Instant Message From:*");
}

WindowHandle FindWelcome(WindowApi& api) {
  return FindChildByTitle(api, FindMDI(api), u"Welcome, *");
}

Text GetRoomName(WindowApi& api) {
  const WindowHandle room = FindChatRoom(api);
  return room != 0 ? GetText(api, room) : Text();
}

Text GetIMPartner(WindowApi& api) {
  const WindowHandle im = FindIM(api);
  if (im == 0) return Text();
  Text title = GetText(api, im);
  // The colon and the space the client puts after it go; a title without that space
  // loses the name's first character instead.
  const auto colon = title.find(u':');
  if (colon == Text::npos) return title;
  const auto start = colon + 2;
  return start >= title.size() ? Text() : title.substr(start);
}

Text GetUserSN(WindowApi& api) {
  Text title = GetText(api, FindWelcome(api));
  const auto space = title.find(u' ');
  if (space != Text::npos) title.erase(0, space + 1);
  const auto bang = title.find(u'!');
  if (bang != Text::npos) title.resize(bang);
  return title;
}

}  // namespace bw
