#include "practice/documents_win32.h"

#include <windowsx.h>

#include <memory>
#include <string>
#include <utility>

#include "practice/transcript_win32.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/screen_win32.h"
#include "win32/text_win32.h"
#include "win32/window_win32.h"

namespace bw {

namespace {

constexpr wchar_t kDocumentClass[] = L"AOL Child";
constexpr wchar_t kImageClass[] = L"_AOL_Image";
constexpr wchar_t kListboxClass[] = L"_AOL_Listbox";
constexpr wchar_t kComboboxClass[] = L"_AOL_Combobox";

enum ControlId : int {
  kTranscriptId = 100,
  kInputId,
  kSendId,
  kImageId,
  kPeopleId,
  kViewId,
};

// The entries of the chat room's combo box, in order.
enum ViewChoice : int { kViewStyled = 0, kViewMarkup = 1 };

constexpr COLORREF kBackground = RGB(0xE4, 0xEA, 0xF3);
constexpr COLORREF kInk = RGB(0x1C, 0x2A, 0x4A);
constexpr COLORREF kBubble = RGB(0x2B, 0x5C, 0xB8);
// Pixels at 96 dpi, as every length of the layout.
constexpr int kUiFontHeight = 13;
constexpr int kHeadingFontHeight = 17;
constexpr int kWelcomeFontHeight = 22;

enum class Kind { ChatRoom, InstantMessage, Welcome };

struct Document {
  Kind kind = Kind::ChatRoom;
  Channel channel = Channel::Chat;
  Text screenName;
  Text heading;
  std::vector<Text> people;
  ReceiveHandler onReceive = nullptr;
  HWND transcript = nullptr;
  HWND input = nullptr;
  HWND send = nullptr;
  HWND image = nullptr;
  HWND peopleList = nullptr;
  HWND view = nullptr;
  // A button-down from another program arrived at the send control; its button-up
  // completes the press.
  bool armed = false;
};

HINSTANCE g_instance = nullptr;
int g_dpi = kLayoutDpi;
WNDPROC g_buttonProc = nullptr;
WNDPROC g_editProc = nullptr;
DWORD g_writeDelay = 0;
unsigned g_undelayedWrites = 0;  // left before the delay starts
BrushHandle g_background;
FontHandle g_uiFont;
FontHandle g_headingFont;
FontHandle g_welcomeFont;

Document* DocumentOf(HWND window) {
  return StateOf<Document>(window);
}

int Scale(int layoutPixels) {
  return ScaleToDpi(layoutPixels, g_dpi);
}

FontHandle MakeUiFont(const char* face, int height, bool bold) {
  return MakeFont({.face = face,
                   .pixelHeight = Scale(height),
                   .bold = bold,
                   .quality = ANTIALIASED_QUALITY,
                   .pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE});
}

void Receive(Document& doc) {
  const std::string bytes = WindowTextBytes(doc.input);
  if (doc.onReceive) doc.onReceive(doc.channel, bytes);
  const Text line = WindowText(doc.input);
  // The client shows no line for an empty box, though the press is logged above.
  if (!line.empty()) AppendTranscriptEntry(doc.transcript, doc.screenName, line);
  SetWindowTextW(doc.input, L"");
}

// The send control acts on a button-up that follows a button-down on it. A person's
// click goes through the button's own handling (the pressed look, then BN_CLICKED). The
// same pair sent by another program, with no mouse behind it, is handled here and not
// passed on: the button's own handling would move the keyboard focus and capture the
// mouse in a window the person may not even be looking at.
LRESULT CALLBACK SendButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Document* doc = DocumentOf(GetParent(hwnd));
  const bool sent = InSendMessage();
  if (doc && sent && message == WM_LBUTTONDOWN) {
    doc->armed = true;
    return 0;
  }
  if (doc && sent && message == WM_LBUTTONUP) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (std::exchange(doc->armed, false) && PtInRect(&client, at)) Receive(*doc);
    return 0;
  }
  return CallWindowProcW(g_buttonProc, hwnd, message, wParam, lParam);
}

// Enter in the input box sends, as in any chat program.
LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && g_writeDelay && InSendMessage()) {
    if (g_undelayedWrites > 0) {
      --g_undelayedWrites;
    } else {
      Sleep(g_writeDelay);
    }
  }
  if (message == WM_CHAR && wParam == L'\r') {
    if (Document* doc = DocumentOf(GetParent(hwnd))) Receive(*doc);
    return 0;
  }
  return CallWindowProcW(g_editProc, hwnd, message, wParam, lParam);
}

HWND CreateChild(HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text,
                 DWORD style, int id) {
  const HWND child =
      CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(INT_PTR{id}), g_instance, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_uiFont.Get()), FALSE);
  return child;
}

void CreateSendRow(HWND hwnd, Document& doc) {
  doc.transcript =
      CreateChild(hwnd, WS_EX_CLIENTEDGE, kTranscriptClass, L"", kTranscriptStyle, kTranscriptId);
  doc.input =
      CreateChild(hwnd, WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kInputId);
  // No limit: a styled line is many times longer than what was typed.
  SendMessageW(doc.input, EM_SETLIMITTEXT, 0, 0);
  g_editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(doc.input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputProc)));
  doc.send = CreateChild(hwnd, 0, L"BUTTON", L"Send", WS_TABSTOP | BS_PUSHBUTTON, kSendId);
  g_buttonProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(doc.send, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SendButtonProc)));
}

void CreateChildren(HWND hwnd, Document& doc) {
  if (doc.kind == Kind::Welcome) return;
  CreateSendRow(hwnd, doc);
  if (doc.kind != Kind::ChatRoom) return;
  doc.image = CreateChild(hwnd, 0, kImageClass, L"", 0, kImageId);
  doc.peopleList = CreateChild(hwnd, WS_EX_CLIENTEDGE, kListboxClass, L"",
                               WS_VSCROLL | LBS_NOINTEGRALHEIGHT, kPeopleId);
  for (const Text& person : doc.people) {
    SendMessageW(doc.peopleList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOf(person)));
  }
  doc.view = CreateChild(hwnd, 0, kComboboxClass, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                         kViewId);
  SendMessageW(doc.view, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Styled text"));
  SendMessageW(doc.view, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Markup"));
  SendMessageW(doc.view, CB_SETCURSEL, kViewStyled, 0);
}

void Place(HWND window, const Rect& r) {
  if (window) MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void LayOutChildren(HWND hwnd, const Document& doc) {
  RECT client;
  GetClientRect(hwnd, &client);
  if (doc.kind == Kind::ChatRoom) {
    const ChatRoomRects r = LayOutChatRoom(client.right, client.bottom, g_dpi);
    Place(doc.transcript, r.transcript);
    Place(doc.input, r.input);
    Place(doc.send, r.send);
    Place(doc.image, r.image);
    Place(doc.peopleList, r.people);
    Place(doc.view, r.view);
  } else if (doc.kind == Kind::InstantMessage) {
    const ImRects r = LayOutIm(client.right, client.bottom, g_dpi);
    Place(doc.transcript, r.transcript);
    Place(doc.input, r.input);
    Place(doc.send, r.send);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

void DrawLabel(HDC dc, HFONT font, const Text& text, const Rect& r, UINT format) {
  SelectedObject keep(dc, font);
  RECT box{r.left, r.top, r.right, r.bottom};
  DrawTextW(dc, WideOf(text), static_cast<int>(text.size()), &box, format | DT_NOPREFIX);
}

void PaintDocument(HWND hwnd, const Document& doc) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kInk);
  if (doc.kind == Kind::ChatRoom) {
    const ChatRoomRects r = LayOutChatRoom(client.right, client.bottom, g_dpi);
    DrawLabel(dc, g_headingFont.Get(), doc.heading, r.title,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    const Text label = u"People Here: " + TextOf(std::to_wstring(doc.people.size()).c_str());
    DrawLabel(dc, g_uiFont.Get(), label, r.peopleLabel, DT_LEFT | DT_TOP | DT_SINGLELINE);
  } else if (doc.kind == Kind::Welcome) {
    const Rect heading{Scale(16), Scale(14), client.right - Scale(16), Scale(14 + 32)};
    DrawLabel(dc, g_welcomeFont.Get(), doc.heading, heading,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
    const Rect body{Scale(16), heading.bottom + Scale(8), client.right - Scale(16),
                    client.bottom - Scale(8)};
    const Text text =
        u"This practice room stands in for the chat client. Lines sent to the chat room or "
        u"as an Instant Message show up in those windows, styled as a chat shows them. "
        u"Type in either window and press Send (or Enter) to try it by hand.";
    DrawLabel(dc, g_uiFont.Get(), text, body, DT_LEFT | DT_TOP | DT_WORDBREAK);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK DocumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Document* doc = DocumentOf(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      // The window keeps its own copy of what it was opened with.
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      const auto* mdi = static_cast<const MDICREATESTRUCTW*>(create->lpCreateParams);
      AttachState(hwnd,
                  std::make_unique<Document>(*reinterpret_cast<const Document*>(mdi->lParam)));
      break;
    }
    case WM_CREATE:
      if (!doc) return -1;
      CreateChildren(hwnd, *doc);
      LayOutChildren(hwnd, *doc);
      return 0;
    case WM_NCDESTROY:
      ReleaseState<Document>(hwnd);
      break;
    case WM_SIZE:
      if (doc) LayOutChildren(hwnd, *doc);
      break;  // the MDI client needs WM_SIZE too
    case WM_SETFOCUS:
      if (doc && doc->input) {
        SetFocus(doc->input);
        return 0;
      }
      break;
    case WM_PAINT:
      if (!doc) break;
      PaintDocument(hwnd, *doc);
      return 0;
    case WM_COMMAND:
      if (!doc) break;
      if (LOWORD(wParam) == kSendId && HIWORD(wParam) == BN_CLICKED) {
        Receive(*doc);
        SetFocus(doc->input);  // a person goes on typing
        return 0;
      }
      if (LOWORD(wParam) == kViewId && HIWORD(wParam) == CBN_SELCHANGE) {
        const LRESULT choice = SendMessageW(doc->view, CB_GETCURSEL, 0, 0);
        SetTranscriptShowsMarkup(doc->transcript, choice == kViewMarkup);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

// The room's picture: a speech bubble, drawn on a 32-pixel square of the layout.
LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, g_background.Get());
  BrushHandle bubble(CreateSolidBrush(kBubble));
  BrushHandle white(CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF)));
  {
    SelectedObject keepPen(dc, GetStockObject(NULL_PEN));
    SelectedObject keepBrush(dc, bubble.Get());
    RoundRect(dc, Scale(1), Scale(3), Scale(31), Scale(24), Scale(12), Scale(12));
    const POINT tail[] = {{Scale(8), Scale(20)}, {Scale(16), Scale(20)}, {Scale(6), Scale(30)}};
    Polygon(dc, tail, 3);
    SelectObject(dc, white.Get());
    for (int x : {8, 15, 22}) Ellipse(dc, Scale(x - 1), Scale(11), Scale(x + 4), Scale(16));
  }
  EndPaint(hwnd, &ps);
  return 0;
}

// The list and the combo box are the system's own controls under the client's class
// names, so they behave like any list and combo box.
bool RegisterSuperclass(const wchar_t* base, const wchar_t* name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(nullptr, base, &wc)) return false;
  wc.hInstance = g_instance;
  wc.lpszClassName = name;
  wc.style &= ~CS_GLOBALCLASS;
  return RegisterClassExW(&wc) != 0;
}

HWND OpenDocument(HWND mdiClient, const Rect& place, const Text& title, const Document& doc) {
  return CreateMDIWindowW(kDocumentClass, WideOf(title),
                          WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, place.left, place.top,
                          place.Width(), place.Height(), mdiClient, g_instance,
                          reinterpret_cast<LPARAM>(&doc));
}

}  // namespace

void SetWriteDelay(DWORD milliseconds, unsigned afterWrites) {
  g_writeDelay = milliseconds;
  g_undelayedWrites = afterWrites;
}

bool RegisterDocumentClasses(HINSTANCE instance) {
  g_instance = instance;
  g_dpi = ScreenDotsPerInch();
  g_background.Reset(CreateSolidBrush(kBackground));
  g_uiFont = MakeUiFont("Tahoma", kUiFontHeight, false);
  g_headingFont = MakeUiFont("Arial", kHeadingFontHeight, true);
  g_welcomeFont = MakeUiFont("Arial", kWelcomeFontHeight, true);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DocumentProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hbrBackground = g_background.Get();
  wc.lpszClassName = kDocumentClass;
  if (!RegisterClassExW(&wc)) return false;

  WNDCLASSEXW image{};
  image.cbSize = sizeof(image);
  image.lpfnWndProc = ImageProc;
  image.hInstance = instance;
  image.hCursor = wc.hCursor;
  image.lpszClassName = kImageClass;
  if (!RegisterClassExW(&image)) return false;

  return RegisterTranscriptClass(instance) && RegisterSuperclass(L"LISTBOX", kListboxClass) &&
         RegisterSuperclass(L"COMBOBOX", kComboboxClass);
}

HWND OpenChatRoom(HWND mdiClient, const Rect& place, const Text& room, const Text& screenName,
                  const std::vector<Text>& people, ReceiveHandler onReceive) {
  const Document doc{Kind::ChatRoom, Channel::Chat, screenName, room, people, onReceive};
  return OpenDocument(mdiClient, place, room, doc);
}

HWND OpenInstantMessage(HWND mdiClient, const Rect& place, const Text& partner,
                        const Text& screenName, ReceiveHandler onReceive) {
  const Document doc{Kind::InstantMessage, Channel::Im, screenName, partner, {}, onReceive};
  return OpenDocument(mdiClient, place, u"Instant Message To: " + partner, doc);
}

HWND OpenWelcome(HWND mdiClient, const Rect& place, const Text& screenName) {
  const Text heading = u"Welcome, " + screenName + u"!";
  const Document doc{Kind::Welcome, Channel::Chat, screenName, heading, {}, nullptr};
  return OpenDocument(mdiClient, place, heading, doc);
}

}  // namespace bw
