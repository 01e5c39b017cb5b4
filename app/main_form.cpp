#include "app/main_form.h"

#include <utility>

#include "aol/locator.h"
#include "aol/senders.h"
#include "app/announcements.h"
#include "engine/compose.h"

namespace bw {

namespace {

// What the user is told when the client failed a send's exchange. A call given up on may
// still be delivered once the client wakes, the press that sends the line included, so
// the line only "may" not have gone.
constexpr const char* kNotAnsweringText =
    "AOL is busy or not responding, so your line may not have been sent. "
    "Try again in a moment.";
constexpr const char* kRefusedText =
    "AOL is running with higher rights (as administrator), so it refused the line. "
    "Start Brindlewick the same way.";

}  // namespace

void MainForm::Load(int screenWidth, int screenHeight) {
  if (phase_ != Phase::NotLoaded) return;
  phase_ = Phase::Loading;
  p_.sounds.PlayWave("Start", WaveMode::InBackground);

  const Settings stored = ReadSettings(p_.settings, screenWidth, screenHeight);
  lastSend_ = stored.LastSend;
  p_.view.SetSwatchColor(Swatch::AltColor1, stored.AltColor1);
  p_.view.SetSwatchColor(Swatch::AltColor2, stored.AltColor2);
  p_.view.SetSwatchColor(Swatch::From, stored.FadeColor1);
  p_.view.SetSwatchColor(Swatch::To, stored.FadeColor2);

  const WindowBox box =
      StartPlacement(stored.Left, stored.Top, stored.Height, screenWidth, screenHeight);
  p_.view.Place(box);
  p_.view.ShowRollLook(RollLookFor(box.Height));
  SetPreview(stored.Preview);

  // Before the announcements below, which let events run, so that the ticker scrolls
  // while they are delivered.
  p_.view.StartTicker();

  {
    const Exchange announcement(p_.aol);
    SendChat(p_.aol, LoadedTitleLine());
    SendChat(p_.aol, LoadedLine());
  }
  EndWork();
}

void MainForm::SendClick(SendTarget target) {
  if (phase_ != Phase::Idle) return;
  phase_ = Phase::Sending;
  {
    const Exchange send(p_.aol);  // a client that stops answering costs one bounded wait
    Send(target);
  }
  EndWork();
}

void MainForm::Send(SendTarget target) {
  const bool chat = target == SendTarget::Chat;
  p_.sounds.PlayWave("Click", WaveMode::InBackground);
  p_.view.FocusSendBox();
  const WindowHandle found = chat ? FindChatRoom(p_.aol) : FindIM(p_.aol);
  // A window whose title could not be read is not missing: the client failed to answer.
  if (ToldOfFailure()) return;
  if (found == 0) {
    p_.messages.ShowInformation(chat ? "You aren't in chat."
                                     : "You don't have any IM windows open.");
    return;
  }
  const Text typed = p_.view.SendBoxText();
  if (typed.empty()) {
    p_.messages.ShowInformation("There is no text to send.");
    return;
  }
  lastSend_ = typed;
  const Text filled = ReplaceVars(typed, p_.vars);
  if (ToldOfFailure()) return;
  const Text markup = ComposeMessage(filled, ReadStyleOptions(), target);
  if (chat) {
    SendChat(p_.aol, markup);
  } else {
    SendIM(p_.aol, markup);
  }
  // The line stays in the box for another try.
  if (ToldOfFailure()) return;
  p_.view.SetSendBoxText(u"");
}

bool MainForm::ToldOfFailure() {
  switch (p_.aol.ExchangeStatus()) {
    case CallStatus::kAnswered:
      return false;
    case CallStatus::kNotAnswered:
      p_.messages.ShowInformation(kNotAnsweringText);
      return true;
    case CallStatus::kRefused:
      p_.messages.ShowInformation(kRefusedText);
      return true;
  }
  return false;
}

StyleOptions MainForm::ReadStyleOptions() {
  MainView& v = p_.view;
  StyleOptions o;
  o.Bold = v.IsChecked(CheckBox::Bold);
  o.Italic = v.IsChecked(CheckBox::Italic);
  o.Underline = v.IsChecked(CheckBox::Underline);
  o.Strikeout = v.IsChecked(CheckBox::Strikeout);
  o.Hacker = v.IsChecked(CheckBox::Hacker);
  o.Elite = v.IsChecked(CheckBox::Elite);
  o.Spaced = v.IsChecked(CheckBox::Spaced);
  o.Backwards = v.IsChecked(CheckBox::Backwards);
  o.Effect = v.SelectedEffect();
  o.AltColor1 = v.SwatchColor(Swatch::AltColor1);
  o.AltColor2 = v.SwatchColor(Swatch::AltColor2);
  o.FadeColor1 = v.SwatchColor(Swatch::From);
  o.FadeColor2 = v.SwatchColor(Swatch::To);
  return o;
}

void MainForm::RollClick() {
  p_.sounds.PlayWave("Roll", WaveMode::InBackground);
  p_.view.FocusSendBox();
  const int height = RolledHeightAfterClick(p_.view.Placement().Height);
  p_.view.SetHeight(height);
  p_.view.ShowRollLook(RollLookFor(height));
}

void MainForm::ChoiceClick() {
  p_.sounds.PlayWave("Click", WaveMode::InBackground);
}

void MainForm::SendBoxCharacter() {
  p_.sounds.PlayWave("Key", WaveMode::InBackground);
}

void MainForm::SendBoxKeyUp(Key key) {
  if (key == Key::UpArrow) p_.view.SetSendBoxText(lastSend_);
}

void MainForm::SwatchClick(Swatch swatch) {
  p_.sounds.PlayWave("Click", WaveMode::InBackground);
  p_.view.SetSwatchColor(swatch, p_.view.ChooseColor(p_.view.SwatchColor(swatch)));
  if (swatch == Swatch::From || swatch == Swatch::To) p_.view.RedrawFadePreview();
}

void MainForm::RequestClose() {
  switch (phase_) {
    case Phase::NotLoaded:  // nothing was read, so there is nothing to keep
      phase_ = Phase::Closed;
      p_.view.Destroy();
      break;
    case Phase::Loading:
    case Phase::Sending:
      closeWaiting_ = true;
      break;
    case Phase::Idle:
      Unload();
      break;
    case Phase::Closing:
    case Phase::Closed:
      break;
  }
}

void MainForm::EndWork() {
  phase_ = Phase::Idle;
  if (closeWaiting_) {
    closeWaiting_ = false;
    Unload();
    return;
  }
  if (std::exchange(previewWaiting_, false)) p_.view.SchedulePreviewUpdate();
}

void MainForm::TogglePreview() {
  if (phase_ == Phase::Closing || phase_ == Phase::Closed) return;
  SetPreview(!previewOn_);
}

void MainForm::SetPreview(bool on) {
  if (on && !p_.view.PreviewAvailable()) return;
  if (previewOn_ == on) return;
  previewOn_ = on;
  p_.view.ShowPreview(on);
  if (on) p_.view.SchedulePreviewUpdate();
}

void MainForm::PreviewInputChanged() {
  if (previewOn_) p_.view.SchedulePreviewUpdate();
}

void MainForm::UpdatePreview() {
  if (!previewOn_) return;
  if (phase_ != Phase::Idle) {
    previewWaiting_ = true;  // composed once the running work is done
    return;
  }
  p_.view.FillPreview(ComposePreview(p_.view.SendBoxText(), ReadStyleOptions(),
                                     previewValues_.Values(), previewRandom_));
}

void MainForm::PreviewClock(std::uint64_t nowMs) {
  if (!previewOn_ || !previewValues_.WantsRead(nowMs, phase_ == Phase::Idle)) return;
  previewValues_.ReadStarted(nowMs);
  p_.view.StartPreviewRead();
}

void MainForm::PreviewValuesRead(const PlaceholderValues& values, bool answered) {
  if (previewValues_.ReadEnded(values, answered)) PreviewInputChanged();
}

void MainForm::Unload() {
  phase_ = Phase::Closing;
  p_.sounds.PlayWave("End", WaveMode::ToEnd);
  // Off before anything below can let events run.
  p_.view.StopTicker();

  Settings keep;
  const WindowBox box = p_.view.Placement();
  keep.Left = box.Left;
  keep.Top = box.Top;
  keep.Height = box.Height;
  keep.LastSend = lastSend_;
  keep.AltColor1 = p_.view.SwatchColor(Swatch::AltColor1);
  keep.AltColor2 = p_.view.SwatchColor(Swatch::AltColor2);
  keep.FadeColor1 = p_.view.SwatchColor(Swatch::From);
  keep.FadeColor2 = p_.view.SwatchColor(Swatch::To);
  keep.Preview = previewOn_;
  WriteSettings(p_.settings, keep, !p_.view.IsMinimized());

  {
    const Exchange announcement(p_.aol);
    SendChat(p_.aol, UnloadedTitleLine());
    SendChat(p_.aol, UnloadedLine());
  }
  phase_ = Phase::Closed;
  p_.view.Destroy();
}

}  // namespace bw
