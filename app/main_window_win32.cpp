#include "app/main_window_win32.h"

#include <commctrl.h>

#include <array>
#include <optional>

#include "aol/aol_context.h"
#include "aol/bounded_window_api.h"
#include "aol/call_thread_win32.h"
#include "aol/window_api_win32.h"
#include "app/color_pickers_win32.h"
#include "app/main_form.h"
#include "app/main_layout.h"
#include "app/preview_reader_win32.h"
#include "app/preview_win32.h"
#include "app/settings_win32.h"
#include "app/sound_win32.h"
#include "app/ticker_win32.h"
#include "resource.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/late_bound_win32.h"
#include "win32/screen_win32.h"
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

// The window's timers (the ticker's is its screen's): the preview's short wait that
// gathers a burst of changes into one update; the preview's clock for reading the
// placeholder values.
enum : UINT_PTR { kTmrPreview = 1, kTmrPreviewClock };
constexpr UINT kPreviewUpdateDelayMs = 40;
constexpr UINT kPreviewClockMs = 1000;
// Posted by the preview's reader when a read has ended.
constexpr UINT kPreviewValuesRead = WM_APP + 1;
// The window menu's "Preview" item; the system's own commands lie above 0xF000.
constexpr UINT kScPreview = 0x0010;
constexpr char kPreviewItem[] = "Preview\tF2";

// The client's windows, every wait for them bounded. A call given up on may return at
// any later time, even while the program ends, so what it uses is never destroyed.
WindowApi& ClientWindows() {
  static auto* const user32 = new WindowApiWin32;
  static auto* const thread = new CallThread;
  static auto* const bounded = new BoundedWindowApi(*user32, *thread);
  return *bounded;
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
    return IsDlgButtonChecked(window, IdOf(box)) == BST_CHECKED;
  }
  EffectMode SelectedEffect() override {
    for (const EffectOption& option : kEffectOptions) {
      if (IsDlgButtonChecked(window, option.id) == BST_CHECKED) return option.effect;
    }
    return EffectMode::NoEffect;
  }
  ColorRef SwatchColor(Swatch swatch) override { return swatchColors[static_cast<int>(swatch)]; }
  void SetSwatchColor(Swatch swatch, ColorRef color) override {
    const int i = static_cast<int>(swatch);
    swatchColors[i] = color;
    swatchBrushes[i].Reset(CreateSolidBrush(color));
    InvalidateRect(Control(IdOf(swatch)), nullptr, TRUE);
  }
  WindowBox Placement() override {
    RECT r{};
    GetWindowRect(window, &r);
    return {units.PixelsToTwips(r.left), units.PixelsToTwips(r.top),
            units.ReadBack(r.right - r.left, set.Width),
            units.ReadBack(r.bottom - r.top, set.Height)};
  }
  bool IsMinimized() override { return IsIconic(window) != FALSE; }
  void Place(const WindowBox& box) override {
    set = box;
    SetWindowPos(window, nullptr, units.TwipsToPixels(box.Left), units.TwipsToPixels(box.Top),
                 units.TwipsToPixels(box.Width), units.TwipsToPixels(box.Height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetHeight(int height) override {
    set.Height = height;
    SetWindowPos(window, nullptr, 0, 0, units.TwipsToPixels(set.Width), units.TwipsToPixels(height),
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
  void StartTicker() override { bw::StartTicker(Control(kPicShoutz)); }
  void StopTicker() override { bw::StopTicker(); }
  ColorRef ChooseColor(ColorRef current) override { return ChooseSwatchColor(window, current); }
  void RedrawFadePreview() override {
    InvalidateRect(Control(kPicResult), nullptr, FALSE);
    UpdateWindow(Control(kPicResult));
  }
  void Destroy() override { DestroyWindow(window); }

  bool PreviewAvailable() override { return preview.Window() != nullptr; }
  void ShowPreview(bool shown) override {
    CheckMenuItem(GetSystemMenu(window, FALSE), kScPreview,
                  MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    preview.SetWanted(shown);
    if (shown) {
      SetTimer(window, kTmrPreviewClock, kPreviewClockMs, nullptr);
    } else {
      KillTimer(window, kTmrPreviewClock);
    }
  }
  void FillPreview(const PreviewContent& content) override { preview.Fill(content); }
  void SchedulePreviewUpdate() override {
    SetTimer(window, kTmrPreview, kPreviewUpdateDelayMs, nullptr);
  }
  void StartPreviewRead() override {
    // Without a reader thread the values stay as they are ("" until one is read).
    if (!reader || !reader->Read()) form.PreviewValuesRead(PlaceholderValues{}, false);
  }

  void ShowInformation(const char* text) override {
    MessageBoxA(window, text, kTitle, MB_ICONINFORMATION | MB_OK);
  }

  HINSTANCE instance;
  ScreenUnits units{ScreenDotsPerInch()};
  // The width and height last given, which the window reads back as given.
  WindowBox set{0, 0, kWindowWidth, kFullHeight};
  HWND window = nullptr;
  HWND tooltip = nullptr;
  HWND lastFocus = nullptr;
  WNDPROC sendBoxProc = nullptr;
  std::array<ColorRef, 4> swatchColors{};
  std::array<BrushHandle, 4> swatchBrushes;
  std::array<FontHandle, kFaceCount> fonts;
  PreviewWindow preview;
  PreviewReader* reader = nullptr;  // lives as long as the process: its thread may be stuck

  WindowApi& api = ClientWindows();
  AolMessageContext vars{api};
  ResourceSounds sounds;
  RegistrySettings settings;
  MainForm form{{api, vars, sounds, settings, *this, *this}};
};

std::optional<MainWindow> g_main;

// ---- Window procedures -----------------------------------------------------------------

// Only the selected option is a tab stop, so tabbing into the group lands on it instead of
// selecting whichever option comes first.
void KeepTabStopOnSelectedOption(HWND window) {
  for (const EffectOption& option : kEffectOptions) {
    const HWND button = GetDlgItem(window, option.id);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const bool selected = IsDlgButtonChecked(window, option.id) == BST_CHECKED;
    SetWindowLongA(button, GWL_STYLE, selected ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void OnCommand(HWND window, int id, int code) {
  MainForm& form = g_main->form;
  if (id == kTxtSend && code == EN_CHANGE) return form.PreviewInputChanged();
  if (code != BN_CLICKED) return;  // also STN_CLICKED, a swatch's click
  if (const std::optional<Swatch> swatch = SwatchOf(id)) {
    form.SwatchClick(*swatch);
    return form.PreviewInputChanged();
  }
  switch (id) {
    case kCmdSendChat:
      return form.SendClick(SendTarget::Chat);
    case kCmdSendIM:
      return form.SendClick(SendTarget::IM);
    case kCmdRoll:
      return form.RollClick();
    default:
      break;
  }
  if (IsOption(id)) KeepTabStopOnSelectedOption(window);
  if (IsChoice(id)) {
    form.ChoiceClick();
    form.PreviewInputChanged();
  }
}

void OnTimer(HWND window, UINT_PTR id) {
  MainForm& form = g_main->form;
  switch (id) {
    case kTmrPreview:
      KillTimer(window, kTmrPreview);
      form.PreviewClock(GetTickCount());
      return form.UpdatePreview();
    case kTmrPreviewClock:
      return form.PreviewClock(GetTickCount());
    default:
      break;
  }
}

LRESULT OnControlColor(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  if (const std::optional<Swatch> swatch = SwatchOf(id)) {
    const auto i = static_cast<std::size_t>(*swatch);
    SetBkColor(dc, g_main->swatchColors[i]);
    return reinterpret_cast<LRESULT>(g_main->swatchBrushes[i].Get());
  }
  const ControlLayout* layout = LayoutOf(id);
  SetTextColor(dc, layout && layout->kind == ControlKind::Group ? kGreen : kRed);
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
      OnTimer(window, wParam);
      return 0;
    case kPreviewValuesRead: {
      PlaceholderValues values;
      const bool answered = g_main->reader && g_main->reader->Take(values);
      g_main->form.PreviewValuesRead(values, answered);
      return 0;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kScPreview) {
        g_main->form.TogglePreview();
        return 0;
      }
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_MOVE:
    case WM_SIZE:
      g_main->preview.Dock();
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
      KillTimer(window, kTmrPreview);
      KillTimer(window, kTmrPreviewClock);
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
      g_main->form.SendBoxCharacter();
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const LRESULT result = CallWindowProcA(edit, box, message, wParam, lParam);
      g_main->form.SendBoxKeyUp(wParam == VK_UP ? Key::UpArrow : Key::Other);
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
    // picResult's fade; picShoutz is covered by the ticker's own screen.
    if (GetDlgCtrlID(box) == kPicResult) {
      PaintFadePreview(box, dc, g_main->SwatchColor(Swatch::From), g_main->SwatchColor(Swatch::To));
    }
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

void CreateFonts(std::array<FontHandle, kFaceCount>& fonts, const ScreenUnits& units) {
  // 8.25 point is 11 pixels at 96 dots per inch. Without MS Sans Serif, the system's
  // dialog font is its like; a face picked by family alone may be wider than the
  // captions' boxes.
  for (int face = 0; face < kFaceCount; ++face) {
    fonts[face] = MakeFont({.face = "MS Sans Serif",
                            .pixelHeight = units.ScaleFont(11),
                            .bold = face == kBold,
                            .italic = face == kItalic,
                            .underline = face == kUnderline,
                            .strikeout = face == kStrikeout,
                            .fallbackFace = "MS Shell Dlg"});
  }
}

HWND CreateControl(const ControlLayout& layout, HWND parent, HINSTANCE instance,
                   const ScreenUnits& units) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (StartsKeyboardGroup(layout)) style |= WS_GROUP;
  DWORD exStyle = 0;
  const char* className = "BUTTON";
  switch (layout.kind) {
    case ControlKind::Text:
      className = "EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Button:
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    case ControlKind::Group:
      style |= BS_GROUPBOX;
      break;
    case ControlKind::Option:
      style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
      break;
    case ControlKind::Check:
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::Label:
      className = "STATIC";
      style |= SS_LEFT;
      break;
    case ControlKind::Swatch:
      className = "STATIC";
      style |= SS_NOTIFY;
      exStyle = WS_EX_STATICEDGE;  // visible around a black swatch on the black window
      break;
    case ControlKind::DrawBox:
      className = kDrawBoxClass;
      exStyle = WS_EX_CLIENTEDGE;
      break;
  }
  const PixelRect place = units.Scale(PlaceOf(layout));
  return CreateWindowExA(exStyle, className, layout.caption ? layout.caption : "", style, place.x,
                         place.y, place.width, place.height, parent,
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
  for (const ControlLayout& layout : kMainLayout) {
    const HWND control = CreateControl(layout, m.window, m.instance, m.units);
    if (!control) return false;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m.fonts[layout.face].Get()), FALSE);
  }
  // Frames and labels lie beneath what they hold or touch, as containers do: a frame
  // under its controls, a label under the swatch its text box reaches into, and both
  // clipped by them. Neither takes the focus, so the keyboard order stays as created.
  for (const ControlKind kind : {ControlKind::Label, ControlKind::Group}) {
    for (const ControlLayout& layout : kMainLayout) {
      if (layout.kind != kind) continue;
      SetWindowPos(m.Control(layout.id), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  SendMessageA(m.Control(kEffectOptions[0].id), BM_SETCHECK, BST_CHECKED, 0);
  KeepTabStopOnSelectedOption(m.window);
  // The box has no limit of its own: the control's default would cut a long paste at
  // 30,000 characters without a sign.
  SendMessageA(m.Control(kTxtSend), EM_SETLIMITTEXT, 0, 0);
  m.sendBoxProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      m.Control(kTxtSend), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SendBoxProc)));

  // The window is already topmost: a window that owns a topmost tooltip can no longer
  // be moved into the topmost band.
  m.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m.window,
                              nullptr, m.instance, nullptr);
  for (const ControlLayout& layout : kMainLayout) {
    if (layout.tooltip) AddTooltip(m.tooltip, m.window, m.Control(layout.id), layout.tooltip);
  }
  return true;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  if (g_main) return nullptr;
  // comctl32 loads here, with the first window that needs its tooltips.
  if (const auto init =
          LateBound<decltype(InitCommonControls)>("comctl32.dll", "InitCommonControls")) {
    init();
  }
  if (!RegisterClasses(instance)) return nullptr;
  MainWindow& m = g_main.emplace(instance);
  CreateFonts(m.fonts, m.units);

  // Created in the topmost band (see BuildControls); it keeps that place for its life.
  m.window =
      CreateWindowExA(WS_EX_TOPMOST, kClassName, kCaption,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
                      0, m.units.TwipsToPixels(kWindowWidth), m.units.TwipsToPixels(kFullHeight),
                      nullptr, nullptr, instance, nullptr);
  if (!m.window) return nullptr;
  if (!BuildControls(m)) {
    DestroyWindow(m.window);
    return nullptr;
  }
  // Without the rich edit library there is no preview: its menu item stays grayed.
  const bool preview = m.preview.Create(instance, m.window, m.units);
  const HMENU menu = GetSystemMenu(m.window, FALSE);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | (preview ? MF_ENABLED : MF_GRAYED), kScPreview, kPreviewItem);
  if (preview) m.reader = PreviewReader::Make(m.window, kPreviewValuesRead);
  return m.window;
}

void ShowMainWindow(HWND window) {
  if (!g_main || window != g_main->window) return;
  // The form loads once, on the first showing; later calls only show the window.
  const ScreenUnits& units = g_main->units;
  g_main->form.Load(units.PixelsToTwips(GetSystemMetrics(SM_CXSCREEN)),
                    units.PixelsToTwips(GetSystemMetrics(SM_CYSCREEN)));
  if (!g_main->window) return;  // closed while it loaded
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  g_main->preview.Dock();
}

bool TranslateMainWindowKeys(MSG& msg) {
  if (!g_main || !g_main->window) return false;
  const HWND main = g_main->window;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_F2 &&
      (msg.hwnd == main || IsChild(main, msg.hwnd))) {
    g_main->form.TogglePreview();
    return true;
  }
  return IsDialogMessageA(main, &msg);
}

bool MainWindowHoldsKeys() {
  return g_main && !g_main->form.TakesKeyboardInput();
}

}  // namespace bw
