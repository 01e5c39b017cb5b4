#pragma once
// What frmBrindlewick does, apart from the window system: start-up and shutdown with the
// settings and the announcements, the two send operations, the roll button, the recall of
// the last sent line and the feedback sounds. The Win32 window forwards its events here
// and implements MainView and MessageSink over its controls.
//
// The shell lets pending events run inside long text work, so a click or a close request
// can arrive while a start-up or a send is still under way. Two guards keep that sound:
// a send that starts while another runs is ignored (no line reaches the room twice), and
// a close request that arrives meanwhile is carried out once the running work is done (so
// nothing touches a destroyed window).

#include "aol/window_api.h"
#include "app/placement.h"
#include "app/settings.h"
#include "app/sound.h"
#include "engine/color.h"
#include "engine/message_vars.h"
#include "engine/style_options.h"
#include "engine/text.h"

namespace bw {

enum class CheckBox { Bold, Italic, Underline, Strikeout, Hacker, Elite, Spaced, Backwards };
enum class Swatch { AltColor1, AltColor2, From, To };

// The main window's controls, as the form reads and changes them. Geometry is the outer
// rectangle, in twips.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual void FocusSendBox() = 0;
  virtual Text SendBoxText() = 0;
  virtual void SetSendBoxText(TextView text) = 0;
  virtual bool IsChecked(CheckBox box) = 0;
  virtual EffectMode SelectedEffect() = 0;
  // A swatch's color is its background: there is no other copy of it.
  virtual ColorRef SwatchColor(Swatch swatch) = 0;
  virtual void SetSwatchColor(Swatch swatch, ColorRef color) = 0;
  virtual WindowBox Placement() = 0;
  virtual bool IsMinimized() = 0;
  virtual void Place(const WindowBox& box) = 0;
  virtual void SetHeight(int height) = 0;  // keeps the place and the width
  virtual void ShowRollLook(const RollLook& look) = 0;
  // The shout-out ticker (app/ticker.h) scrolls from the start of its list, ticking by
  // itself, until StopTicker.
  virtual void StartTicker() = 0;
  virtual void StopTicker() = 0;
  // The common color dialog with `current` preselected: the chosen color, or `current`
  // on Cancel or when the dialog cannot open.
  virtual ColorRef ChooseColor(ColorRef current) = 0;
  // picResult shows the fade between the From and To swatches again, at once.
  virtual void RedrawFadePreview() = 0;
  // The window goes away; the form is called no more.
  virtual void Destroy() = 0;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal box with the information icon, one OK button and the program's title.
  // Returns when the user has dismissed it.
  virtual void ShowInformation(const char* text) = 0;
};

struct MainFormParts {
  WindowApi& aol;
  MessageContext& vars;
  SoundPlayer& sounds;
  SettingsStore& settings;
  MainView& view;
  MessageSink& messages;
};

// The keys released in txtSend that the form tells apart.
enum class Key { UpArrow, Other };

class MainForm {
 public:
  explicit MainForm(const MainFormParts& parts) : p_(parts) {}
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Form_Load, before the window is first shown; screen size in twips. Later calls do
  // nothing.
  void Load(int screenWidth, int screenHeight);
  // cmdSendChat_Click (Chat) and cmdSendIM_Click (IM).
  void SendClick(SendTarget target);
  void RollClick();
  // A check box changed or an option selected, by mouse or keyboard.
  void ChoiceClick();
  // A key that produced a character in txtSend (Enter and Backspace included).
  void SendBoxCharacter();
  // A key released in txtSend, whatever the modifiers.
  void SendBoxKeyUp(Key key);
  // A click on a swatch: the click sound, then the color dialog; a chosen color becomes
  // the swatch's, and a fade swatch's preview is redrawn whatever the dialog did.
  void SwatchClick(Swatch swatch);
  // Any close request of the platform: shutdown (Form_Unload) runs and the window is
  // destroyed; it never cancels the close, at most postpones it past running work.
  void RequestClose();

  // Keys typed before the window has appeared, while its start-up lets events run, are
  // meant for its text box: the event loop leaves them queued until this says yes, so
  // none is handed to the splash or lost.
  [[nodiscard]] bool TakesKeyboardInput() const {
    return phase_ != Phase::NotLoaded && phase_ != Phase::Loading;
  }

  [[nodiscard]] const Text& LastSend() const { return lastSend_; }

 private:
  enum class Phase { NotLoaded, Loading, Idle, Sending, Closing, Closed };

  void Send(SendTarget target);
  StyleOptions ReadStyleOptions();
  void EndWork();  // back to Idle, then a close that waited for it
  void Unload();

  MainFormParts p_;
  Phase phase_ = Phase::NotLoaded;
  bool closeWaiting_ = false;
  Text lastSend_;
};

}  // namespace bw
