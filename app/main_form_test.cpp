#include "app/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "aol/aol_context.h"
#include "aol/scripted_aol_client.h"
#include "app/announcements.h"
#include "engine/yield.h"

namespace bw {
namespace {

using Journal = std::vector<std::string>;

std::string Narrow(TextView t) {
  return std::string(t.begin(), t.end());
}

// The window's controls, its sounds, message boxes and settings store in one, each call
// that matters written to one journal so tests can check the order across them.
struct FakeWindow final : MainView, SoundPlayer, MessageSink, SettingsStore {
  Journal journal;
  Text box;
  std::map<CheckBox, bool> checks;
  EffectMode effect = EffectMode::NoEffect;
  std::map<Swatch, ColorRef> swatches;
  WindowBox place{0, 0, 5625, 4710};
  bool minimized = false;
  RollLook look{"U", "Roll Up"};
  std::map<std::string, Text> stored;

  void FocusSendBox() override { journal.push_back("focus"); }
  Text SendBoxText() override { return box; }
  void SetSendBoxText(TextView t) override {
    box = Text(t);
    journal.push_back("box=" + Narrow(t));
  }
  bool IsChecked(CheckBox b) override { return checks[b]; }
  EffectMode SelectedEffect() override { return effect; }
  ColorRef SwatchColor(Swatch s) override { return swatches[s]; }
  void SetSwatchColor(Swatch s, ColorRef c) override { swatches[s] = c; }
  WindowBox Placement() override { return place; }
  bool IsMinimized() override { return minimized; }
  void Place(const WindowBox& b) override { place = b; }
  void SetHeight(int h) override { place.Height = h; }
  void ShowRollLook(const RollLook& l) override { look = l; }
  void StartTicker() override { journal.push_back("ticker on"); }
  void StopTicker() override { journal.push_back("ticker off"); }
  void Destroy() override { journal.push_back("destroy"); }
  void PlayWave(const char* name, WaveFlags flags) override {
    journal.push_back(std::string("play ") + name + ":" + std::to_string(flags));
  }
  void ShowInformation(const char* text) override { journal.push_back(std::string("box ") + text); }
  std::optional<Text> Read(const char* key) override {
    const auto it = stored.find(key);
    return it == stored.end() ? std::nullopt : std::optional<Text>(it->second);
  }
  void Write(const char* key, TextView value) override {
    stored[key] = Text(value);
    journal.push_back(std::string("write ") + key);
  }
  std::string Look() const { return std::string(look.Caption) + " " + look.Tooltip; }
};

// A client signed on as "Zorna", in the room "Lobby", with an IM from "Ben" open; the form
// wired to it and to a fake window.
struct Rig {
  explicit Rig(bool chatOpen = true, bool imOpen = true) {
    const ScriptedAolFrame aol = AddAolFrame(tree);
    AddWelcome(tree, aol.mdi, u"Zorna");
    if (chatOpen) room = AddChatRoom(tree, aol.mdi, u"Lobby");
    if (imOpen) im = AddImWindow(tree, aol.mdi, u"Instant Message To: Ben");
  }
  ~Rig() { SetYieldHook(nullptr); }

  // What arrived in the room or the IM window, one line per press, joined by CR LF.
  Text Chat() const { return room.conversation ? tree.TextOf(room.conversation) : Text(); }
  Text Im() const { return tree.TextOf(im.conversation); }
  void LoadAndForget() {
    form.Load(1024 * 15, 768 * 15);
    view.journal.clear();
    if (room.conversation) tree.SetTextOf(room.conversation, u"");
  }

  ScriptedWindowTree tree;
  ScriptedChatRoom room;
  ScriptedImWindow im;
  AolMessageContext vars{tree};
  FakeWindow view;
  MainForm form{{tree, vars, view, view, view, view}};
};

TEST(SendOperation, RefusalsShowTheirBoxAndChangeNothing) {
  const struct {
    SendTarget target;
    bool chatOpen, imOpen;
    const char16_t* typed;
    const char* shown;
  } cases[] = {
      {SendTarget::Chat, false, true, u"", "You aren't in chat."},  // room checked first
      {SendTarget::Chat, false, true, u"hi", "You aren't in chat."},
      {SendTarget::IM, true, false, u"", "You don't have any IM windows open."},
      {SendTarget::Chat, true, true, u"", "There is no text to send."},
      {SendTarget::IM, true, true, u"", "There is no text to send."},
  };
  for (const auto& c : cases) {
    Rig rig(c.chatOpen, c.imOpen);
    rig.LoadAndForget();
    rig.tree.ClearMessages();
    rig.view.box = c.typed;
    rig.form.SendClick(c.target);
    EXPECT_EQ(rig.view.journal, (Journal{"play Click:1", "focus", std::string("box ") + c.shown}))
        << c.shown;
    EXPECT_EQ(rig.view.box, c.typed);
    EXPECT_EQ(rig.form.LastSend(), u"Brindlewick by ZornaVelde");
    EXPECT_TRUE(rig.tree.Actions().empty()) << c.shown;
  }
}

TEST(SendOperation, DeliversTheStyledLineAndEmptiesTheBox) {
  constexpr auto kNone = static_cast<CheckBox>(-1);
  const struct {
    SendTarget target;
    CheckBox check;
    EffectMode effect;
    const char16_t* typed;
    const char16_t* arrives;
  } cases[] = {
      // clang-format off
      {SendTarget::Chat, CheckBox::Bold, EffectMode::NoEffect, u"hi %you%", u"<B>hi Ben</B>"},
      // placeholders are filled in before the transforms
      {SendTarget::Chat, CheckBox::Backwards, EffectMode::NoEffect, u"%me%!", u"!anroZ"},
      {SendTarget::Chat, kNone, EffectMode::NoEffect, u"   ", u"   "},  // spaces pass
      // the swatches reach the effects in their order (first red, second blue)
      {SendTarget::Chat, kNone, EffectMode::Alternate, u"ab",
       u"<FONT COLOR=#0000FF>a</FONT><FONT COLOR=#FF0000>b</FONT>"},
      {SendTarget::Chat, kNone, EffectMode::ColorFade, u"abc",
       u"<FONT COLOR=#FF0000>a</FONT><FONT COLOR=#80007F>b</FONT><FONT COLOR=#0100FE>c</FONT>"},
      {SendTarget::Chat, kNone, EffectMode::GrowShrink, u"hi", u"hi"},  // IM only
      {SendTarget::IM, kNone, EffectMode::GrowShrink, u"hi %you%",
       u"<FONT SIZE=4>h<FONT SIZE=3>i <FONT SIZE=1>B<FONT SIZE=2>e<FONT SIZE=3>n"},
      // clang-format on
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.LoadAndForget();
    rig.view.checks[c.check] = true;
    rig.view.effect = c.effect;
    rig.view.swatches = {{Swatch::AltColor1, 0x0000FF},
                         {Swatch::AltColor2, 0xFF0000},
                         {Swatch::From, 0x0000FF},
                         {Swatch::To, 0xFF0000}};
    rig.view.box = c.typed;
    rig.form.SendClick(c.target);
    const bool chat = c.target == SendTarget::Chat;
    EXPECT_EQ(chat ? rig.Chat() : rig.Im(), c.arrives) << Narrow(c.typed);
    EXPECT_EQ(chat ? rig.Im() : rig.Chat(), u"");
    EXPECT_EQ(rig.view.box, u"");
    EXPECT_EQ(rig.form.LastSend(), c.typed);
  }
}

Rig* gRig = nullptr;
int gReentries = 0;  // each hook re-enters once, so an unguarded form fails instead of recursing

TEST(SendOperation, WorkArrivingMidSendWaitsOrIsIgnored) {
  Rig rig;
  gRig = &rig;
  rig.LoadAndForget();
  SetYieldHook([] {
    if (gReentries++ == 0) gRig->form.SendClick(SendTarget::Chat);
  });
  rig.view.box = u"hi %me%";
  rig.form.SendClick(SendTarget::Chat);
  EXPECT_EQ(rig.Chat(), u"hi Zorna") << "one click, one line";

  rig.view.journal.clear();
  gReentries = 0;
  SetYieldHook([] {
    if (gReentries++ == 0) gRig->form.RequestClose();
  });
  rig.view.box = u"bye %me%";
  rig.form.SendClick(SendTarget::Chat);
  EXPECT_EQ(rig.Chat(),
            u"hi Zorna\r\nbye Zorna\r\n" + UnloadedTitleLine() + u"\r\n" + UnloadedLine());
  const auto emptied = std::find(rig.view.journal.begin(), rig.view.journal.end(), "box=");
  const auto destroyed = std::find(rig.view.journal.begin(), rig.view.journal.end(), "destroy");
  EXPECT_LT(emptied, destroyed) << "the send finishes before the window goes";
  EXPECT_EQ(std::count(rig.view.journal.begin(), rig.view.journal.end(), "destroy"), 1);

  rig.view.journal.clear();
  rig.form.SendClick(SendTarget::Chat);
  rig.form.RequestClose();
  EXPECT_TRUE(rig.view.journal.empty()) << "a closed form does nothing";
}

using Swatches = std::map<Swatch, ColorRef>;

TEST(StartUp, FirstRunCentersRestoresDefaultsAndAnnounces) {
  Rig rig;
  rig.form.Load(1024 * 15, 768 * 15);
  EXPECT_EQ(rig.view.journal.front(), "play Start:1");
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 4710}));
  EXPECT_EQ(rig.view.Look(), "U Roll Up");
  EXPECT_EQ(rig.view.swatches, (Swatches{{Swatch::AltColor1, 0x00FF00},
                                         {Swatch::AltColor2, 0},
                                         {Swatch::From, 0x0000FF},
                                         {Swatch::To, 0xFF0000}}));
  EXPECT_EQ(rig.form.Ticker().ShoutList.size(), 8u);
  EXPECT_EQ(rig.form.Ticker().ShoutY, 71);
  EXPECT_EQ(rig.Chat(), LoadedTitleLine() + u"\r\n" + LoadedLine());

  rig.view.box = u"typed";
  rig.form.SendBoxKeyUp(kKeyUpArrow);
  EXPECT_EQ(rig.view.box, u"Brindlewick by ZornaVelde");
}

TEST(StartUp, StoredValuesComeBackUnusableOnesFallBack) {
  Rig rig(false, false);
  rig.view.stored = {
      {"Left", u"-300"},           {"Top", u"12px"},           {"Height", u"0"},
      {"LastSend", u""},           {"AltColor1", u"-1"},       {"AltColor2", u"12345"},
      {"FadeColor1", u"16777216"}, {"FadeColor2", u"16777215"}};
  rig.form.Load(1024 * 15, 768 * 15);
  EXPECT_EQ(rig.view.place, (WindowBox{-300, 3405, 5625, 900}));
  EXPECT_EQ(rig.view.Look(), "D Roll Down");
  EXPECT_EQ(rig.view.swatches, (Swatches{{Swatch::AltColor1, 0x00FF00},
                                         {Swatch::AltColor2, 12345},
                                         {Swatch::From, 0x0000FF},
                                         {Swatch::To, 0xFFFFFF}}));
  EXPECT_TRUE(rig.tree.Actions().empty()) << "no room: nothing sent";

  rig.view.box = u"typed";
  rig.form.SendBoxKeyUp(40);
  EXPECT_EQ(rig.view.box, u"typed") << "only Up recalls";
  rig.form.SendBoxKeyUp(kKeyUpArrow);
  EXPECT_EQ(rig.view.box, u"") << "an empty stored line is recalled as it is";
}

TEST(Shutdown, EndSoundTickerSettingsThenAnnouncements) {
  for (const bool minimized : {false, true}) {
    Rig rig;
    rig.LoadAndForget();
    rig.view.place = {150, 300, 5625, 900};
    rig.view.minimized = minimized;
    rig.view.swatches[Swatch::From] = 77;
    rig.form.RequestClose();
    Journal expected{"play End:0", "ticker off"};
    if (!minimized) expected.insert(expected.end(), {"write Left", "write Top", "write Height"});
    expected.insert(expected.end(), {"write LastSend", "write AltColor1", "write AltColor2",
                                     "write FadeColor1", "write FadeColor2", "destroy"});
    EXPECT_EQ(rig.view.journal, expected) << "minimized " << minimized;
    EXPECT_EQ(rig.view.stored["FadeColor1"], u"77");
    EXPECT_EQ(rig.view.stored.contains("Left"), !minimized);
    EXPECT_EQ(rig.view.stored["Height"], minimized ? u"" : u"900");
    EXPECT_EQ(rig.Chat(), UnloadedTitleLine() + u"\r\n" + UnloadedLine());
  }
}

TEST(RollButton, TogglesTheHeightAndTheLook) {
  Rig rig;
  rig.LoadAndForget();
  rig.form.RollClick();
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 900}));
  EXPECT_EQ(rig.view.Look(), "D Roll Down");
  rig.form.RollClick();
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 4710}));
  EXPECT_EQ(rig.view.Look(), "U Roll Up");
  EXPECT_EQ(rig.view.journal, (Journal{"play Roll:1", "focus", "play Roll:1", "focus"}));
}

TEST(Announcements, FadesRunOppositeWaysOverTheirNoBreakSpaces) {
  EXPECT_TRUE(LoadedTitleLine().starts_with(u"<B><FONT COLOR=#0000FF>")) << "blue first";
  EXPECT_TRUE(UnloadedTitleLine().starts_with(u"<B><FONT COLOR=#FF0000>")) << "red first";
  for (const auto& [line, spaces] : {std::pair{LoadedLine(), 10}, std::pair{UnloadedLine(), 8}}) {
    EXPECT_TRUE(line.starts_with(u"<B><FONT COLOR=#339933>") && line.ends_with(u"</FONT></B>"));
    EXPECT_EQ(std::count(line.begin(), line.end(), u'\u00A0'), spaces);
  }
}

}  // namespace
}  // namespace bw
