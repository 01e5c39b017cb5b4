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
#include "app/preview.h"
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

  // The preview: whether it can be shown at all (the rich edit library loaded), its window
  // shown with the main window or hidden, and what it shows.
  virtual bool PreviewAvailable() = 0;
  virtual void ShowPreview(bool shown) = 0;
  virtual void FillPreview(const PreviewContent& content) = 0;
  // Calls UpdatePreview a moment later, once for a burst of requests.
  virtual void SchedulePreviewUpdate() = 0;
  // Starts reading the placeholder values without waiting for the client; the values
  // arrive later through PreviewValuesRead.
  virtual void StartPreviewRead() = 0;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal box with the information icon, one OK button and the program's title.
  // Returns when the user has dismissed it.
  virtual void ShowInformation(const char* text) = 0;
};

// vars reads the client through aol, so that a send's exchange holds its reads too.
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
  // cmdSendChat_Click (Chat) and cmdSendIM_Click (IM). A client that refuses a call or
  // stops answering, in the search as in the delivery, ends the send there: the user is
  // told why and the line stays in the text box.
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

  // The preview (app/preview.h). F2 and the window menu's "Preview" turn it on and off; it
  // is kept between runs. It follows every change of the line or the choices, composing
  // only while no other work runs, and reads the placeholder values at most once a second.
  void TogglePreview();
  // The text box, a check box, an option or a color changed.
  void PreviewInputChanged();
  // The moment SchedulePreviewUpdate asked for.
  void UpdatePreview();
  // A clock in milliseconds, at least once a second while the preview is on.
  void PreviewClock(std::uint64_t nowMs);
  // A read that StartPreviewRead began has ended; `answered` is false when the client did
  // not answer all of it.
  void PreviewValuesRead(const PlaceholderValues& values, bool answered);
  [[nodiscard]] bool PreviewOn() const { return previewOn_; }

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
  // Whether the send's exchange with the client has failed; if so, the user has been told
  // why.
  bool ToldOfFailure();
  StyleOptions ReadStyleOptions();
  void EndWork();  // back to Idle, then a close that waited for it
  void Unload();
  void SetPreview(bool on);

  MainFormParts p_;
  Phase phase_ = Phase::NotLoaded;
  bool closeWaiting_ = false;
  Text lastSend_;
  bool previewOn_ = false;
  bool previewWaiting_ = false;  // an update asked for while other work ran
  PreviewValues previewValues_;
  RandomGenerator previewRandom_;  // never the shared one: sends draw as without a preview
};

}  // namespace bw
