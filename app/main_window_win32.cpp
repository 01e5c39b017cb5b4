#include "app/main_window_win32.h"

#include <commctrl.h>

#include <array>
#include <climits>
#include <cstdint>
#include <optional>

#include "aol/aol_context.h"
#include "aol/window_api_win32.h"
#include "app/color_pickers_win32.h"
#include "app/main_form.h"
#include "app/settings_win32.h"
#include "app/sound_win32.h"
#include "app/ticker_win32.h"
#include "engine/yield.h"
#include "resource.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/text_win32.h"

namespace bw {
namespace {

constexpr char kClassName[] = "frmBrindlewick";
constexpr char kDrawBoxClass[] = "BrindlewickDrawBox";
constexpr char kCaption[] = "Brindlewick for AOL 4.0 by ZornaVelde";
constexpr char kTitle[] = "Brindlewick for AOL 4.0";

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Control IDs stay clear of IDOK and IDCANCEL, which the keyboard handling sends for
// Enter and Escape: neither must act as a button of this window.
enum Id : int {
  kTmrShoutz = 1,  // the window's one timer
  kWindow = 0,     // "no group": positions relative to the client area
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

enum class Kind { Text, Button, Group, Option, Check, Label, Swatch, DrawBox };
enum Face { kPlain, kBold, kItalic, kUnderline, kStrikeout, kFaceCount };

struct ControlLayout {
  Id id;
  Kind kind;
  Id group;  // positions are relative to this group's top-left corner
  int x, y, width, height;
  const char* caption;
  const char* tooltip;
  Face face = kPlain;
};

// In keyboard (tab) order, which is also the order of creation.
constexpr ControlLayout kLayout[] = {
    {kTxtSend, Kind::Text, kWindow, 8, 8, 233, 19, "", "Text to Send"},
    {kCmdSendChat, Kind::Button, kWindow, 240, 8, 49, 19, "To Chat", "Send to Chat"},
    {kCmdSendIM, Kind::Button, kWindow, 288, 8, 49, 19, "To IM", "Send to Active IM"},
    {kCmdRoll, Kind::Button, kWindow, 344, 8, 17, 19, "U", "Roll Up"},
    {kFraSpecialFX, Kind::Group, kWindow, 8, 34, 353, 57, "Special FX", nullptr},
    {kOptNoEffect, Kind::Option, kFraSpecialFX, 8, 16, 73, 17, "No Effect", "No Effect"},
    {kOptWaves, Kind::Option, kFraSpecialFX, 96, 16, 65, 17, "Waves", "Waves"},
    {kOptGrowShrink, Kind::Option, kFraSpecialFX, 184, 16, 153, 17, "Grow and Shrink (IM Only)",
     "Grow and Shrink"},
    {kOptColorFade, Kind::Option, kFraSpecialFX, 8, 32, 81, 17, "Color Fade", "Color Fade"},
    {kOptAlternate, Kind::Option, kFraSpecialFX, 96, 32, 105, 17, "Alternate Colors",
     "Alternate Colors"},
    {kOptRandom, Kind::Option, kFraSpecialFX, 216, 32, 105, 17, "Random Colors", "Random Colors"},
    {kFraColorAlternate, Kind::Group, kWindow, 8, 96, 201, 57, "Alternate Colors", nullptr},
    {kLblColor1, Kind::Label, kFraColorAlternate, 8, 24, 65, 17, "Color #1:", nullptr},
    {kLblAltColor1, Kind::Swatch, kFraColorAlternate, 64, 16, 33, 33, "", "Alternate Color 1"},
    {kLblColor2, Kind::Label, kFraColorAlternate, 112, 24, 57, 17, "Color #2:", nullptr},
    {kLblAltColor2, Kind::Swatch, kFraColorAlternate, 160, 16, 33, 33, "", "Alternate Color 2"},
    {kFraColorFade, Kind::Group, kWindow, 8, 160, 353, 57, "Color Fade", nullptr},
    {kLblFromColor, Kind::Label, kFraColorFade, 8, 24, 65, 17, "From Color:", nullptr},
    {kLblFrom, Kind::Swatch, kFraColorFade, 64, 16, 33, 33, "", "Fade Start"},
    {kLblToColor, Kind::Label, kFraColorFade, 112, 24, 57, 17, "To Color:", nullptr},
    {kLblTo, Kind::Swatch, kFraColorFade, 160, 16, 33, 33, "", "Fade End"},
    {kLblResult, Kind::Label, kFraColorFade, 208, 24, 49, 17, "Result:", nullptr},
    {kFraFormatting, Kind::Group, kWindow, 8, 224, 161, 57, "Formatting", nullptr},
    {kChkBold, Kind::Check, kFraFormatting, 8, 16, 57, 17, "Bold", "Bold", kBold},
    {kChkItalic, Kind::Check, kFraFormatting, 8, 32, 57, 17, "Italic", "Italic", kItalic},
    {kChkUnderline, Kind::Check, kFraFormatting, 80, 16, 73, 17, "Underline", "Underline",
     kUnderline},
    {kChkStrikeout, Kind::Check, kFraFormatting, 80, 32, 73, 17, "Strikeout", "Strikeout",
     kStrikeout},
    {kFraStyle, Kind::Group, kWindow, 184, 224, 177, 57, "Style", nullptr},
    {kChkHacker, Kind::Check, kFraStyle, 8, 16, 73, 17, "HaCKeR", "Hacker"},
    {kChkElite, Kind::Check, kFraStyle, 8, 32, 73, 17, "\xC9l\xEEt\xEA", "Elite"},  // Windows-1252
    {kChkSpaced, Kind::Check, kFraStyle, 88, 16, 81, 17, "S p a c e d", "Spaced"},
    {kChkBackwards, Kind::Check, kFraStyle, 88, 32, 81, 17, "sdrawkcaB", "Backwards"},
    {kPicResult, Kind::DrawBox, kFraColorFade, 248, 16, 97, 33, nullptr, "Fade Result"},
    {kPicShoutz, Kind::DrawBox, kWindow, 209, 91, 160, 75, nullptr, nullptr},
};

constexpr Id kCheckIds[] = {kChkBold,   kChkItalic, kChkUnderline, kChkStrikeout,
                            kChkHacker, kChkElite,  kChkSpaced,    kChkBackwards};
constexpr Id kSwatchIds[] = {kLblAltColor1, kLblAltColor2, kLblFrom, kLblTo};
constexpr struct {
  Id id;
  EffectMode effect;
} kOptions[] = {
    {kOptNoEffect, EffectMode::NoEffect},     {kOptWaves, EffectMode::Waves},
    {kOptGrowShrink, EffectMode::GrowShrink}, {kOptColorFade, EffectMode::ColorFade},
    {kOptAlternate, EffectMode::Alternate},   {kOptRandom, EffectMode::Random},
};

const ControlLayout* LayoutOf(int id) {
  for (const ControlLayout& layout : kLayout) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

bool IsOption(int id) {
  return id >= kOptNoEffect && id <= kOptRandom;
}
bool IsCheck(int id) {
  const ControlLayout* layout = LayoutOf(id);
  return layout && layout->kind == Kind::Check;
}

// The window's state and its two faces towards MainForm: the view of its controls and the
// message boxes. One per process; it outlives the window, since a handler may still be
// returning through MainForm when the window has just been destroyed.
struct MainWindow final : MainView, MessageSink {
  explicit MainWindow(HINSTANCE module) : instance(module), sounds(module) {}

  HWND Control(int id) const { return GetDlgItem(window, id); }

  void FocusSendBox() override { SetFocus(Control(kTxtSend)); }
  Text SendBoxText() override { return TextFromAnsi(WindowTextBytes(Control(kTxtSend))); }
  void SetSendBoxText(TextView text) override {
    SetWindowTextA(Control(kTxtSend), AnsiFromText(text).c_str());
  }
  bool IsChecked(CheckBox box) override {
    return IsDlgButtonChecked(window, kCheckIds[static_cast<int>(box)]) == BST_CHECKED;
  }
  EffectMode SelectedEffect() override {
    for (const auto& option : kOptions) {
      if (IsDlgButtonChecked(window, option.id) == BST_CHECKED) return option.effect;
    }
    return EffectMode::NoEffect;
  }
  ColorRef SwatchColor(Swatch swatch) override { return swatchColors[static_cast<int>(swatch)]; }
  void SetSwatchColor(Swatch swatch, ColorRef color) override {
    const int i = static_cast<int>(swatch);
    swatchColors[i] = color;
    swatchBrushes[i].Reset(CreateSolidBrush(color));
    InvalidateRect(Control(kSwatchIds[i]), nullptr, TRUE);
  }
  WindowBox Placement() override {
    RECT r{};
    GetWindowRect(window, &r);
    return {PixelsToTwips(r.left), PixelsToTwips(r.top), PixelsToTwips(r.right - r.left),
            PixelsToTwips(r.bottom - r.top)};
  }
  bool IsMinimized() override { return IsIconic(window) != FALSE; }
  void Place(const WindowBox& box) override {
    SetWindowPos(window, nullptr, TwipsToPixels(box.Left), TwipsToPixels(box.Top),
                 TwipsToPixels(box.Width), TwipsToPixels(box.Height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetHeight(int height) override {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, TwipsToPixels(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void ShowRollLook(const RollLook& look) override {
    const HWND roll = Control(kCmdRoll);
    SetWindowTextA(roll, look.Caption);
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(roll);
    tool.lpszText = const_cast<char*>(look.Tooltip);
    SendMessageA(tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  void StartTicker() override { SetTimer(window, kTmrShoutz, 1, nullptr); }
  void StopTicker() override { KillTimer(window, kTmrShoutz); }
  void Destroy() override { DestroyWindow(window); }

  void ShowInformation(const char* text) override {
    MessageBoxA(window, text, kTitle, MB_ICONINFORMATION | MB_OK);
  }

  HINSTANCE instance;
  HWND window = nullptr;
  HWND tooltip = nullptr;
  HWND lastFocus = nullptr;
  WNDPROC sendBoxProc = nullptr;
  bool loaded = false;
  std::array<ColorRef, 4> swatchColors{};
  std::array<BrushHandle, 4> swatchBrushes;
  std::array<FontHandle, kFaceCount> fonts;

  WindowApiWin32 api;
  AolMessageContext vars{api};
  ResourceSounds sounds;
  RegistrySettings settings;
  MainForm form{{api, vars, sounds, settings, *this, *this}};
};

std::optional<MainWindow> g_main;

// ---- Events handed to the rest of the program ----------------------------------------

void cmdSendChat_Click() {
  g_main->form.SendClick(SendTarget::Chat);
}
void cmdSendIM_Click() {
  g_main->form.SendClick(SendTarget::IM);
}
void cmdRoll_Click() {
  g_main->form.RollClick();
}
void txtSend_KeyPress() {
  g_main->form.SendBoxCharacter();
}
void txtSend_KeyUp(WPARAM key) {
  g_main->form.SendBoxKeyUp(static_cast<int>(key));
}

// A swatch click: the click sound, then the color dialog.
void Swatch_Click(Swatch swatch) {
  PickSwatchColor(swatch, g_main->sounds, *g_main, g_main->window, g_main->Control(kPicResult));
}
void lblAltColor1_Click() {
  Swatch_Click(Swatch::AltColor1);
}
void lblAltColor2_Click() {
  Swatch_Click(Swatch::AltColor2);
}
void lblFrom_Click() {
  Swatch_Click(Swatch::From);
}
void lblTo_Click() {
  Swatch_Click(Swatch::To);
}

// The fade preview; the box's class has already filled it black.
void picResult_Paint(HWND box, HDC dc) {
  PaintFadePreview(box, dc, g_main->SwatchColor(Swatch::From), g_main->SwatchColor(Swatch::To));
}

// The shout-out ticker: one step per tick over g_main->form.Ticker(), drawn into picShoutz.
void tmrShoutz_Timer() {
  if (g_main->form.Ticker().ShoutList.empty()) return;
  TickTicker(g_main->Control(kPicShoutz), g_main->form.Ticker());
}

// The ticker paints its own screen, a child window that fills the box.
void picShoutz_Paint(HWND box, HDC dc) {
  static_cast<void>(box);
  static_cast<void>(dc);
}

// ---- Window procedures -----------------------------------------------------------------

// Only the selected option is a tab stop, so tabbing into the group lands on it instead of
// selecting whichever option comes first.
void KeepTabStopOnSelectedOption(HWND window) {
  for (const auto& option : kOptions) {
    const HWND button = GetDlgItem(window, option.id);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const bool selected = IsDlgButtonChecked(window, option.id) == BST_CHECKED;
    SetWindowLongA(button, GWL_STYLE, selected ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void OnCommand(HWND window, int id, int code) {
  if (code == BN_CLICKED) {
    switch (id) {
      case kCmdSendChat:
        return cmdSendChat_Click();
      case kCmdSendIM:
        return cmdSendIM_Click();
      case kCmdRoll:
        return cmdRoll_Click();
      default:
        break;
    }
    if (IsOption(id)) KeepTabStopOnSelectedOption(window);
    if (IsOption(id) || IsCheck(id)) g_main->form.ChoiceClick();
  }
  if (code == STN_CLICKED) {
    switch (id) {
      case kLblAltColor1:
        return lblAltColor1_Click();
      case kLblAltColor2:
        return lblAltColor2_Click();
      case kLblFrom:
        return lblFrom_Click();
      case kLblTo:
        return lblTo_Click();
      default:
        break;
    }
  }
}

LRESULT OnControlColor(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  for (std::size_t i = 0; i < std::size(kSwatchIds); ++i) {
    if (kSwatchIds[i] == id) {
      SetBkColor(dc, g_main->swatchColors[i]);
      return reinterpret_cast<LRESULT>(g_main->swatchBrushes[i].Get());
    }
  }
  const ControlLayout* layout = LayoutOf(id);
  SetTextColor(dc, layout && layout->kind == Kind::Group ? kGreen : kRed);
  SetBkColor(dc, kBlack);
  return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
      if (wParam == kTmrShoutz) tmrShoutz_Timer();
      return 0;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it, as a dialog does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) g_main->lastFocus = focus;
      } else {
        SetFocus(g_main->lastFocus ? g_main->lastFocus : GetDlgItem(window, kTxtSend));
      }
      return 0;
    case WM_CLOSE:
      g_main->form.RequestClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam) g_main->form.RequestClose();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTmrShoutz);
      g_main->window = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK SendBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC edit = g_main->sendBoxProc;
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Escape reach the box as characters (with their key sound) instead of
      // being taken as the window's OK and Cancel.
      LRESULT code = CallWindowProcA(edit, box, message, wParam, lParam);
      const MSG* key = reinterpret_cast<const MSG*>(lParam);
      if (key && key->message == WM_KEYDOWN &&
          (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_CHAR:
      txtSend_KeyPress();
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const LRESULT result = CallWindowProcA(edit, box, message, wParam, lParam);
      txtSend_KeyUp(wParam);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcA(edit, box, message, wParam, lParam);
}

LRESULT CALLBACK DrawBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    if (GetDlgCtrlID(box) == kPicResult) picResult_Paint(box, dc);
    if (GetDlgCtrlID(box) == kPicShoutz) picShoutz_Paint(box, dc);
    EndPaint(box, &paint);
    return 0;
  }
  return DefWindowProcA(box, message, wParam, lParam);
}

// ---- Building the window ----------------------------------------------------------------

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXA main{};
  main.cbSize = sizeof(main);
  main.lpfnWndProc = MainProc;
  main.hInstance = instance;
  main.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  main.hIconSm = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  main.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  main.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  main.lpszClassName = kClassName;

  WNDCLASSEXA box{};
  box.cbSize = sizeof(box);
  box.lpfnWndProc = DrawBoxProc;
  box.hInstance = instance;
  box.hCursor = main.hCursor;
  box.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  box.lpszClassName = kDrawBoxClass;
  return RegisterClassExA(&main) != 0 && RegisterClassExA(&box) != 0;
}

void CreateFonts(std::array<FontHandle, kFaceCount>& fonts) {
  // 8.25 point at 96 dots per inch is 11 pixels.
  for (int face = 0; face < kFaceCount; ++face) {
    fonts[face] = MakeFont({.face = "MS Sans Serif",
                            .pixelHeight = 11,
                            .bold = face == kBold,
                            .italic = face == kItalic,
                            .underline = face == kUnderline,
                            .strikeout = face == kStrikeout});
  }
}

HWND CreateControl(const ControlLayout& layout, HWND parent, HINSTANCE instance) {
  int x = layout.x;
  int y = layout.y;
  if (const ControlLayout* group = LayoutOf(layout.group)) {
    x += group->x;
    y += group->y;
  }
  // Every control but the options after the first starts its own keyboard group.
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP;
  DWORD exStyle = 0;
  const char* className = "BUTTON";
  switch (layout.kind) {
    case Kind::Text:
      className = "EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case Kind::Button:
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    case Kind::Group:
      style |= BS_GROUPBOX;
      break;
    case Kind::Option:
      style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
      if (layout.id != kOptNoEffect) style &= ~WS_GROUP;
      break;
    case Kind::Check:
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case Kind::Label:
      className = "STATIC";
      style |= SS_LEFT;
      break;
    case Kind::Swatch:
      className = "STATIC";
      style |= SS_NOTIFY;
      exStyle = WS_EX_STATICEDGE;  // visible around a black swatch on the black window
      break;
    case Kind::DrawBox:
      className = kDrawBoxClass;
      exStyle = WS_EX_CLIENTEDGE;
      break;
  }
  return CreateWindowExA(exStyle, className, layout.caption ? layout.caption : "", style, x, y,
                         layout.width, layout.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance,
                         nullptr);
}

void AddTooltip(HWND tooltip, HWND window, HWND control, const char* text) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // what comctl32 5 accepts
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool BuildControls(MainWindow& m) {
  for (const ControlLayout& layout : kLayout) {
    const HWND control = CreateControl(layout, m.window, m.instance);
    if (!control) return false;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m.fonts[layout.face].Get()), FALSE);
  }
  // Frames and labels lie beneath what they hold or touch, as containers do: a frame
  // under its controls, a label under the swatch its text box reaches into, and both
  // clipped by them. Neither takes the focus, so the keyboard order stays as created.
  for (const Kind kind : {Kind::Label, Kind::Group}) {
    for (const ControlLayout& layout : kLayout) {
      if (layout.kind != kind) continue;
      SetWindowPos(m.Control(layout.id), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  SendMessageA(m.Control(kOptNoEffect), BM_SETCHECK, BST_CHECKED, 0);
  KeepTabStopOnSelectedOption(m.window);
  m.sendBoxProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      m.Control(kTxtSend), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SendBoxProc)));

  // The window is already topmost: a window that owns a topmost tooltip can no longer
  // be moved into the topmost band.
  m.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m.window,
                              nullptr, m.instance, nullptr);
  for (const ControlLayout& layout : kLayout) {
    if (layout.tooltip) AddTooltip(m.tooltip, m.window, m.Control(layout.id), layout.tooltip);
  }
  return true;
}

void PumpPendingMessages();

// One message through the main window's keyboard navigation (Tab, arrows in the option
// group), then to its window.
void Dispatch(MSG& msg) {
  if (g_main && g_main->window && IsDialogMessageA(g_main->window, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

// The next queued message, leaving keyboard input in the queue when `holdKeys` is set.
bool NextPendingMessage(MSG& msg, bool holdKeys) {
  if (!holdKeys) return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
  return PeekMessageA(&msg, nullptr, 0, WM_KEYFIRST - 1, PM_REMOVE) ||
         PeekMessageA(&msg, nullptr, WM_KEYLAST + 1, UINT_MAX, PM_REMOVE);
}

// The engine's "let pending events run": everything queued, then back to the work. A
// quit request is put back for the main loop, which ends the program.
void PumpPendingMessages() {
  MSG msg;
  const bool holdKeys = g_main && !g_main->form.TakesKeyboardInput();
  while (NextPendingMessage(msg, holdKeys)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  if (g_main) return nullptr;
  InitCommonControls();
  if (!RegisterClasses(instance)) return nullptr;
  MainWindow& m = g_main.emplace(instance);
  CreateFonts(m.fonts);

  // Created in the topmost band (see BuildControls); it keeps that place for its life.
  m.window = CreateWindowExA(
      WS_EX_TOPMOST, kClassName, kCaption,
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0,
      TwipsToPixels(kWindowWidth), TwipsToPixels(kFullHeight), nullptr, nullptr, instance, nullptr);
  if (!m.window) return nullptr;
  if (!BuildControls(m)) {
    DestroyWindow(m.window);
    return nullptr;
  }
  SetYieldHook(&PumpPendingMessages);
  return m.window;
}

void ShowMainWindow(HWND window) {
  if (!g_main || window != g_main->window) return;
  if (!g_main->loaded) {
    g_main->loaded = true;
    g_main->form.Load(PixelsToTwips(GetSystemMetrics(SM_CXSCREEN)),
                      PixelsToTwips(GetSystemMetrics(SM_CYSCREEN)));
    if (!g_main->window) return;  // closed while it loaded
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  SetYieldHook(nullptr);
  return static_cast<int>(msg.wParam);
}

}  // namespace bw
