#include "app/main_form.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "aol/aol_context.h"
#include "aol/bounded_window_api.h"
#include "aol/scripted_aol_client.h"
#include "aol/scripted_call_runner.h"
#include "app/announcements.h"
#include "engine/yield.h"

namespace bw {
namespace {

using Journal = std::vector<std::string>;
using enum Swatch;

// A client signed on as "Zorna", in the room "Lobby", with an IM from "Ben" open, reached
// through the bound; the form on it and on this fake window, which journals the calls that matter. Where the form lets events
// run, midWork runs once (so a faulty form fails, not recurses), else "yield" is journaled.
struct Rig final : MainView, SoundPlayer, MessageSink, SettingsStore {
  explicit Rig(bool chatOpen = true, bool imOpen = true) {
    const WindowHandle mdi = AddAolFrame(tree);
    AddWelcome(tree, mdi, u"Zorna");
    if (chatOpen) room = AddChatRoom(tree, mdi, u"Lobby");
    if (imOpen) im = AddImWindow(tree, mdi, u"Instant Message To: Ben");
    current = this;
    SetYieldHook([] {
      if (auto work = std::exchange(current->midWork, nullptr)) return work(current->form);
      if (current->journal.empty() || current->journal.back() != "yield") current->Note("yield");
    });
  }
  ~Rig() override { SetYieldHook(nullptr); }
  void Load() {  // and forget start-up's traces
    form.Load(1024 * 15, 768 * 15);
    journal.clear();
    tree.ClearMessages();
    tree.SetTextOf(room.conversation, u"");
  }

  const std::string& Note(const std::string& what) { return journal.emplace_back(what); }
  void FocusSendBox() override { Note("focus"); }
  Text SendBoxText() override { return box; }
  void SetSendBoxText(TextView t) override { box = t; }
  bool IsChecked(CheckBox b) override { return b == checked; }
  EffectMode SelectedEffect() override { return effect; }
  ColorRef SwatchColor(Swatch s) override { return swatches[s]; }
  void SetSwatchColor(Swatch s, ColorRef c) override { swatches[s] = c; }
  WindowBox Placement() override { return place; }
  bool IsMinimized() override { return minimized; }
  void Place(const WindowBox& b) override { place = b; }
  void SetHeight(int h) override { place.Height = h; }
  void ShowRollLook(const RollLook& l) override { look = std::string(l.Caption) + " " + l.Tooltip; }
  void StartTicker() override { Note("ticker on"); }
  void StopTicker() override { Note("ticker off"); }
  ColorRef ChooseColor(ColorRef current) override {
    Note("dialog");
    return chosen.value_or(current);
  }
  void RedrawFadePreview() override { Note("preview"); }
  void Destroy() override { Note("destroy"); }
  bool PreviewAvailable() override { return richEdit; }
  void ShowPreview(bool shown) override { Note(shown ? "preview on" : "preview off"); }
  void FillPreview(const PreviewContent& content) override { previews.push_back(content); }
  void SchedulePreviewUpdate() override { Note("schedule"); }
  void StartPreviewRead() override { Note("read"); }
  void PlayWave(const char* name, WaveMode m) override {  // 0 to the end, 1 in the background
    Note(name + (":" + std::to_string(static_cast<int>(m))));
  }
  void ShowInformation(const char* text) override { Note(text); }
  std::optional<Text> Read(const char* key) override { return stored[key]; }
  void Write(const char* key, TextView value) override { stored[Note(key)] = Text(value); }

  static inline Rig* current = nullptr;
  ScriptedWindowTree tree;
  ScriptedDocument room;
  ScriptedDocument im;
  ScriptedCallRunner runner;
  BoundedWindowApi client{tree, runner};  // as the program reaches the client
  AolMessageContext vars{client};
  MainForm form{{client, vars, *this, *this, *this, *this}};
  void (*midWork)(MainForm&) = nullptr;
  Journal journal;
  Text box;
  CheckBox checked = CheckBox::Backwards;  // the one check box ticked
  EffectMode effect = EffectMode::NoEffect;
  std::map<Swatch, ColorRef> swatches;
  WindowBox place;
  bool minimized = false;
  std::string look;
  std::map<std::string, std::optional<Text>> stored;
  std::optional<ColorRef> chosen;  // nullopt: the dialog is cancelled
  bool richEdit = true;
  std::vector<PreviewContent> previews;
};

// Backwards is checked throughout; the swatches hold green, black, red, blue.
TEST(SendOperation, RefusesOrFillsPlaceholdersBeforeStylingDeliversAndEmptiesTheBox) {
  using enum SendTarget;
  using enum EffectMode;
  void (*const send)(MainForm&) = [](MainForm& form) { form.SendClick(Chat); };
  void (*const close)(MainForm&) = [](MainForm& form) { form.RequestClose(); };
  const Text closing = u"\r\n" + UnloadedTitleLine() + u"\r\n" + UnloadedLine();
  const struct {
    SendTarget target;
    EffectMode effect;
    const char16_t* typed;
    Text arrives;
    void (*midWork)(MainForm&) = nullptr;
    const char* refusal = nullptr;
    bool chatOpen = true, imOpen = true;
  } cases[] = {
      {Chat, NoEffect, u"", u"", nullptr, "You aren't in chat.", false},  // even if empty
      {IM, NoEffect, u"hi", u"", nullptr, "You don't have any IM windows open.", true, false},
      {Chat, NoEffect, u"", u"", nullptr, "There is no text to send."},
      {Chat, NoEffect, u"%me%!", u"!anroZ", send},             // a click during a send is ignored
      {Chat, NoEffect, u"%me%!", u"!anroZ" + closing, close},  // a close waits for it
      {Chat, GrowShrink, u"   ", u"   "},  // spaces pass; GrowShrink is for IM only
      {Chat, Alternate, u"ba", u"<FONT COLOR=#000000>a</FONT><FONT COLOR=#00FF00>b</FONT>"},
      {Chat, ColorFade, u"cba",
       u"<FONT COLOR=#FF0000>a</FONT><FONT COLOR=#80007F>b</FONT><FONT COLOR=#0100FE>c</FONT>"},
      {IM, GrowShrink, u"%you% ih",
       u"<FONT SIZE=4>h<FONT SIZE=3>i <FONT SIZE=1>n<FONT SIZE=2>e<FONT SIZE=3>B"},
  };
  for (const auto& c : cases) {
    Rig rig(c.chatOpen, c.imOpen);
    rig.Load();
    rig.effect = c.effect;
    rig.box = c.typed;
    rig.midWork = c.midWork;
    rig.form.SendClick(c.target);
    EXPECT_EQ(rig.tree.TextOf(c.target == Chat ? rig.room.conversation : rig.im.conversation),
              c.arrives);
    EXPECT_EQ(rig.box, c.refusal ? c.typed : u"");
    EXPECT_EQ(rig.form.LastSend(), c.refusal ? kDefaultLastSend : c.typed);
    EXPECT_EQ(rig.tree.Actions().empty(), c.refusal != nullptr);
    if (c.refusal) {
      EXPECT_EQ(rig.journal, (Journal{"Click:1", "focus", c.refusal}));
    }
  }
}

// What the form adds to a failed exchange (the bound's test fails every call in turn): the
// user is told why, the line stays in the box, and nothing more reaches the client. A
// failed search is not "no window"; a failure after the press still keeps the line.
TEST(SendOperation, AClientThatRefusesOrStopsAnsweringIsToldOfAndKeepsTheLine) {
  const Text typed = u"%me% in %room% to %you%";
  const char* const refused =
      "AOL is running with higher rights (as administrator), so it refused the line. Start "
      "Brindlewick the same way.";
  const char* const busy =
      "AOL is busy or not responding, so your line may not have been sent. Try again in a "
      "moment.";
  for (const SendTarget target : {SendTarget::Chat, SendTarget::IM}) {
    Rig clean;
    clean.Load();
    clean.box = typed;
    clean.form.SendClick(target);
    const auto calls = clean.tree.Messages();
    for (const std::size_t k : {std::size_t{0}, calls.size() / 2, calls.size() - 1}) {
      for (const bool refuse : {true, false}) {
        Rig rig;
        rig.Load();
        rig.box = typed;
        refuse ? rig.tree.RefuseCallsFrom(k) : rig.runner.StopAnsweringFrom(k);
        rig.form.SendClick(target);
        std::erase(rig.journal, "yield");  // the placeholders let events run
        EXPECT_EQ(rig.journal, (Journal{"Click:1", "focus", refuse ? refused : busy})) << k;
        EXPECT_EQ(rig.box, typed) << k;
        EXPECT_EQ(rig.tree.Messages(), decltype(calls)(calls.begin(), calls.begin() + k)) << k;
      }
    }
  }
}

// Start-up and shutdown tell nothing of a client that fails them and wait for it once each.
TEST(MainWindow, AnnouncesSilentlyToAClientThatRefusesOrStopsAnswering) {
  for (const bool refuses : {true, false}) {
    Rig rig;
    if (refuses) {
      rig.tree.RefuseCallsFrom(0);
    } else {
      rig.runner.SetAnswerMsForAll(ScriptedCallRunner::kNever);
    }
    rig.form.Load(1024 * 15, 768 * 15);
    EXPECT_EQ(rig.journal, (Journal{"Start:1", "ticker on", "yield"})) << refuses;
    rig.journal.clear();
    rig.form.RequestClose();
    EXPECT_EQ(rig.journal.back(), "destroy") << refuses;
    EXPECT_EQ(rig.journal.size(), 13u) << "the settings, the sound, no message; " << refuses;
    EXPECT_EQ(rig.runner.Waits().size(), 2u) << refuses;
    EXPECT_TRUE(rig.tree.Messages().empty()) << refuses;
  }
}

TEST(SendOperation, EachCheckBoxTurnsOnItsOwnOption) {
  using enum CheckBox;
  const std::pair<CheckBox, const char16_t*> boxes[] = {
      {Bold, u"<B>bo</B>"},      {Italic, u"<I>bo</I>"}, {Underline, u"<U>bo</U>"},
      {Strikeout, u"<S>bo</S>"}, {Hacker, u"Bo"},        {Elite, u"b\u00f8"},
      {Spaced, u"b o"}};  // Backwards: every send above
  for (const auto& [box, arrives] : boxes) {
    Rig rig;
    rig.checked = box;
    rig.Load();
    rig.box = u"bo";
    rig.form.SendClick(SendTarget::Chat);
    EXPECT_EQ(rig.tree.TextOf(rig.room.conversation), arrives) << "box #" << static_cast<int>(box);
  }
}

TEST(MainWindow, StartsFromTheSettingsOrTheirDefaultsRollsAndKeepsTheSettingsOnClose) {
  const struct {
    std::map<std::string, std::optional<Text>> stored;
    WindowBox place;
    const char* look;
    ColorRef alt2;
    const char16_t* lastSend;
    bool minimized;
    const char16_t* keptTop;
    const char* rolled;  // the look and the height after a click on the roll button
  } cases[] = {
      // clang-format off
      {{}, {4868, 3405, 5625, 4710}, "U Roll Up", 0, kDefaultLastSend, false, u"3405",
       "D Roll Down 900"},
      {{{"Left", u"-300"}, {"Top", u"12px"}, {"Height", u"0"}, {"LastSend", u""},
        {"AltColor1", u"-1"}, {"AltColor2", u"16777215"}, {"FadeColor1", u"16777216"},
        {"FadeColor2", u"99999999999"}},
       {-300, 3405, 5625, 900}, "D Roll Down", 0xFFFFFF, u"", true, u"12px", "U Roll Up 4710"},
      // clang-format on
  };
  const auto words = [](const Rig& rig) {  // the room's text without fade and wave tags
    const Text chat = rig.tree.TextOf(rig.room.conversation);
    return std::regex_replace(std::string(chat.begin(), chat.end()),
                              std::regex("</FONT>( ?)<FONT COLOR=#[0-9A-F]{6}>|</?SU[PB]>"), "$1");
  };
  const std::string title = "<//~~~[ Brindlewick by ZornaVelde ]~~~//></FONT></B>\r\n";
  const std::string loaded = "<B><FONT COLOR=#0000FF>" + title + "<B><FONT COLOR=#339933>" +
                             std::string(10, '\xA0') + "<//~~~[ NOW LOADED ]~~~//></FONT></B>";
  const std::string unloaded = "\r\n<B><FONT COLOR=#FF0000>" + title + "<B><FONT COLOR=#339933>" +
                               std::string(8, '\xA0') + "<//~~~[ NOW UNLOADED ]~~~//></FONT></B>";
  for (const auto& c : cases) {
    Rig rig;
    rig.stored = c.stored;
    rig.form.Load(1024 * 15, 768 * 15);
    EXPECT_EQ(rig.journal, (Journal{"Start:1", "ticker on", "yield"}));
    EXPECT_EQ(rig.place, c.place);
    EXPECT_EQ(rig.look, c.look);
    EXPECT_EQ(rig.swatches,
              (std::map<Swatch, ColorRef>{
                  {AltColor1, 0x00FF00}, {AltColor2, c.alt2}, {From, 0x0000FF}, {To, 0xFF0000}}));
    EXPECT_EQ(words(rig), loaded);
    rig.box = u"typed";
    rig.form.SendBoxKeyUp(Key::Other);  // no recall
    EXPECT_EQ(rig.box, u"typed");
    rig.form.SendBoxKeyUp(Key::UpArrow);
    EXPECT_EQ(rig.box, c.lastSend) << "replaces what was typed, also with an empty line";
    rig.form.RollClick();
    EXPECT_EQ(rig.look + " " + std::to_string(rig.place.Height), c.rolled);

    rig.journal.clear();
    rig.box = u"typed, never sent";
    rig.minimized = c.minimized;
    rig.swatches[From] = 77;
    rig.form.RequestClose();
    Journal expected{"End:0",      "ticker off", "Left",       "Top",     "Height",
                     "LastSend",   "AltColor1",  "AltColor2",  "FadeColor1", "FadeColor2",
                     "Preview",    "yield",      "destroy"};
    if (c.minimized) expected.erase(expected.begin() + 2, expected.begin() + 5);
    EXPECT_EQ(rig.journal, expected);
    EXPECT_EQ(rig.stored["Top"], c.keptTop);
    EXPECT_EQ(rig.stored["LastSend"], Text(c.lastSend));
    EXPECT_EQ(rig.stored["FadeColor1"], u"77");
    EXPECT_EQ(words(rig), loaded + unloaded);
  }
  Rig closing;  // a close request during start-up waits for it
  closing.midWork = [](MainForm& form) { form.RequestClose(); };
  closing.form.Load(1024 * 15, 768 * 15);
  EXPECT_EQ(words(closing), loaded + unloaded);
}

// Every sound of the window's own events by name and mode; the roll also focuses the box. None
// reaches the client, and a second load does nothing at all.
TEST(MainWindow, EachEventPlaysItsSoundAndRollFocusesTheTextBox) {
  const struct {
    const char* event;
    void (*act)(MainForm&);
    Journal journal;
  } events[] = {
      {"choice", [](MainForm& form) { form.ChoiceClick(); }, {"Click:1"}},
      {"character", [](MainForm& form) { form.SendBoxCharacter(); }, {"Key:1"}},
      {"roll", [](MainForm& form) { form.RollClick(); }, {"Roll:1", "focus"}},
      {"recall", [](MainForm& form) { form.SendBoxKeyUp(Key::UpArrow); }, {}},
      {"load again", [](MainForm& form) { form.Load(1024 * 15, 768 * 15); }, {}},
  };
  for (const auto& e : events) {
    Rig rig;
    rig.Load();
    e.act(rig.form);
    EXPECT_EQ(rig.journal, e.journal) << e.event;
    EXPECT_TRUE(rig.tree.Actions().empty()) << e.event;
  }
}

TEST(MainWindow, LeavesKeysQueuedForItsTextBoxUntilStartUpIsDone) {
  Rig rig;
  static bool takenMidStartUp;
  takenMidStartUp = true;
  rig.midWork = [](MainForm& form) { takenMidStartUp = form.TakesKeyboardInput(); };
  EXPECT_FALSE(rig.form.TakesKeyboardInput());
  rig.form.Load(1024 * 15, 768 * 15);
  EXPECT_FALSE(takenMidStartUp) << "while the announcements let events run";
  EXPECT_TRUE(rig.form.TakesKeyboardInput());
}

TEST(SwatchClick, ChoosesTheSwatchColorAndRedrawsThePreviewOnlyForTheFade) {
  for (const Swatch swatch : {AltColor1, AltColor2, From, To}) {
    for (const std::optional<ColorRef> chosen : {std::optional<ColorRef>(0x123456), {}}) {
      Rig rig;
      rig.Load();
      const ColorRef before = rig.swatches[swatch];
      rig.chosen = chosen;
      rig.form.SwatchClick(swatch);
      const bool fade = swatch == From || swatch == To;
      EXPECT_EQ(rig.journal,
                fade ? (Journal{"Click:1", "dialog", "preview"}) : (Journal{"Click:1", "dialog"}));
      EXPECT_EQ(rig.swatches[swatch], chosen.value_or(before)) << "Cancel keeps the color";
    }
  }
}

TEST(Preview, TurnsOnAndOffIsKeptBetweenRunsAndNeedsItsLibrary) {
  const struct {
    std::optional<Text> stored;
    bool richEdit;
    bool onAfterLoad, onAfterToggle;
    const char16_t* kept;
  } cases[] = {
      {std::nullopt, true, false, true, u"1"},  // a first run, or an older version's settings
      {u"1", true, true, false, u"0"},
      {u"1", false, false, false, u"0"},  // no rich edit control: F2 and the menu do nothing
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.stored["Preview"] = c.stored;
    rig.richEdit = c.richEdit;
    rig.Load();
    EXPECT_EQ(rig.form.PreviewOn(), c.onAfterLoad);
    rig.form.TogglePreview();
    EXPECT_EQ(rig.form.PreviewOn(), c.onAfterToggle);
    if (c.richEdit) {
      EXPECT_EQ(rig.journal, c.onAfterToggle ? (Journal{"preview on", "schedule"})
                                             : (Journal{"preview off"}));
    }
    rig.form.RequestClose();
    EXPECT_EQ(rig.stored["Preview"], Text(c.kept));
  }
}

// The preview composes only between other work, from the values it read, and never calls the
// client itself: its reads go through the view, off the user-interface thread.
TEST(Preview, FollowsTheLineBetweenSendsWithTheValuesItReadLast) {
  Rig rig;
  rig.Load();
  rig.form.TogglePreview();
  rig.box = u"hi %me%";
  rig.form.UpdatePreview();
  ASSERT_EQ(rig.previews.size(), 1u);
  EXPECT_EQ(VisibleText(rig.previews.back().runs), u" ih") << "nothing read yet";
  rig.journal.clear();
  rig.form.PreviewClock(5000);
  rig.form.PreviewClock(5500);
  rig.form.PreviewValuesRead({u"Zorna", u"Ben", u"Lobby"}, true);
  rig.form.PreviewValuesRead({u"", u"", u""}, false);  // a client that stopped answering
  rig.form.UpdatePreview();
  EXPECT_EQ(rig.journal, (Journal{"read", "schedule"}));
  EXPECT_EQ(VisibleText(rig.previews.back().runs), u"Zorna: anroZ ih");

  rig.journal.clear();
  rig.midWork = [](MainForm& form) {
    form.UpdatePreview();
    form.PreviewClock(9000);
  };
  rig.form.SendClick(SendTarget::Chat);
  EXPECT_EQ(rig.previews.size(), 2u) << "nothing composed or read while the send ran";
  EXPECT_EQ(rig.journal, (Journal{"Click:1", "focus", "schedule"})) << "but once it is done";
  rig.tree.ClearMessages();
  rig.form.UpdatePreview();
  rig.form.PreviewClock(20000);
  EXPECT_TRUE(rig.tree.Messages().empty());
}

TEST(Preview, SendsTheSameBytesAsWithoutIt) {
  const auto sent = [](bool preview) {
    SetClockForTesting([] { return std::uint64_t{0x123456789}; });
    ResetRandomForTesting();
    Rig rig;
    rig.checked = CheckBox::Elite;
    rig.effect = EffectMode::Random;
    rig.Load();
    for (const char16_t* line : {u"Hey all", u"Seen Ann?"}) {
      if (preview) rig.form.TogglePreview();
      rig.box = line;
      rig.form.UpdatePreview();
      rig.form.SendClick(SendTarget::Chat);
      rig.form.UpdatePreview();
    }
    SetClockForTesting(nullptr);
    return rig.tree.TextOf(rig.room.conversation);
  };
  const Text without = sent(false);
  EXPECT_EQ(sent(true), without);
  EXPECT_NE(without.find(u"<FONT COLOR=#"), Text::npos);
}

}  // namespace
}  // namespace bw
