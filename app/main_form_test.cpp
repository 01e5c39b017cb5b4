#include "app/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

struct FakeView final : MainView {
  explicit FakeView(Journal& j) : journal(j) {}
  Journal& journal;
  Text box;
  std::map<CheckBox, bool> checks;
  EffectMode effect = EffectMode::NoEffect;
  std::map<Swatch, ColorRef> swatches;
  WindowBox place{0, 0, 5625, 4710};
  bool minimized = false;
  RollLook look{"U", "Roll Up"};

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
};

struct Sounds final : SoundPlayer {
  explicit Sounds(Journal& j) : journal(j) {}
  Journal& journal;
  void PlayWave(const char* name, WaveFlags flags) override {
    journal.push_back(std::string("play ") + name + ":" + std::to_string(flags));
  }
};

struct Boxes final : MessageSink {
  explicit Boxes(Journal& j) : journal(j) {}
  Journal& journal;
  void ShowInformation(const char* text) override { journal.push_back(std::string("box ") + text); }
};

struct Store final : SettingsStore {
  explicit Store(Journal& j) : journal(j) {}
  Journal& journal;
  std::map<std::string, Text> values;
  std::optional<Text> Read(const char* key) override {
    const auto it = values.find(key);
    return it == values.end() ? std::nullopt : std::optional<Text>(it->second);
  }
  void Write(const char* key, TextView value) override {
    values[key] = Text(value);
    journal.push_back(std::string("write ") + key);
  }
};

// A client signed on as "Zorna", in the room "Lobby", with an IM from "Ben" open; the form
// wired to it, its view, sounds, message boxes and settings all writing to one journal.
struct Rig {
  explicit Rig(bool chatOpen = true, bool imOpen = true) {
    const ScriptedAolFrame aol = AddAolFrame(tree);
    AddWelcome(tree, aol.mdi, u"Zorna");
    if (chatOpen) room = AddChatRoom(tree, aol.mdi, u"Lobby");
    if (imOpen) im = AddImWindow(tree, aol.mdi, u"Instant Message To: Ben");
  }
  ~Rig() { SetYieldHook(nullptr); }

  std::vector<Text> Lines(WindowHandle conversation) const {
    std::vector<Text> lines;
    const Text all = conversation ? tree.TextOf(conversation) : Text();
    for (std::size_t start = 0; start < all.size();) {
      const std::size_t end = std::min(all.find(u"\r\n", start), all.size());
      lines.push_back(all.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  std::vector<Text> ChatLines() const { return Lines(room.conversation); }
  void LoadAndForget() {
    form.Load(1024 * 15, 768 * 15);
    journal.clear();
    if (room.conversation) tree.SetTextOf(room.conversation, u"");
  }

  ScriptedWindowTree tree;
  ScriptedChatRoom room;
  ScriptedImWindow im;
  Journal journal;
  AolMessageContext vars{tree};
  Sounds sounds{journal};
  Store store{journal};
  FakeView view{journal};
  Boxes boxes{journal};
  MainForm form{{tree, vars, sounds, store, view, boxes}};
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
    EXPECT_EQ(rig.journal, (Journal{"play Click:1", "focus", std::string("box ") + c.shown}))
        << c.shown;
    EXPECT_EQ(rig.view.box, c.typed);
    EXPECT_EQ(rig.form.LastSend(), u"Brindlewick by ZornaVelde");
    EXPECT_TRUE(rig.tree.Actions().empty()) << c.shown;
  }
}

TEST(SendOperation, DeliversTheStyledLineAndEmptiesTheBox) {
  const struct {
    const char* label;
    SendTarget target;
    std::function<void(FakeView&)> choose;
    const char16_t* typed;
    const char16_t* arrives;
  } cases[] = {
      {"placeholders", SendTarget::Chat, [](FakeView& v) { v.checks[CheckBox::Bold] = true; },
       u"hi %you%", u"<B>hi Ben</B>"},
      {"filled before transforms", SendTarget::Chat,
       [](FakeView& v) { v.checks[CheckBox::Backwards] = true; }, u"%me%!", u"!anroZ"},
      {"spaces pass", SendTarget::Chat, [](FakeView&) {}, u"   ", u"   "},
      {"alternate swatches in order", SendTarget::Chat,
       [](FakeView& v) {
         v.effect = EffectMode::Alternate;
         v.swatches[Swatch::AltColor1] = 0x0000FF;
         v.swatches[Swatch::AltColor2] = 0xFF0000;
       },
       u"ab", u"<FONT COLOR=#0000FF>a</FONT><FONT COLOR=#FF0000>b</FONT>"},
      {"fade swatches in order", SendTarget::Chat,
       [](FakeView& v) {
         v.effect = EffectMode::ColorFade;
         v.swatches[Swatch::From] = 0x0000FF;
         v.swatches[Swatch::To] = 0xFF0000;
       },
       u"abc",
       u"<FONT COLOR=#FF0000>a</FONT><FONT COLOR=#80007F>b</FONT><FONT COLOR=#0100FE>c</FONT>"},
      {"grow and shrink is for IM only", SendTarget::Chat,
       [](FakeView& v) { v.effect = EffectMode::GrowShrink; }, u"hi", u"hi"},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.LoadAndForget();
    c.choose(rig.view);
    rig.view.box = c.typed;
    rig.form.SendClick(c.target);
    EXPECT_EQ(rig.ChatLines(), std::vector<Text>{c.arrives}) << c.label;
    EXPECT_EQ(rig.view.box, u"") << c.label;
    EXPECT_EQ(rig.form.LastSend(), c.typed) << c.label;
  }

  Rig rig;
  rig.LoadAndForget();
  rig.view.effect = EffectMode::GrowShrink;
  rig.view.box = u"hello";
  rig.form.SendClick(SendTarget::IM);
  ASSERT_EQ(rig.Lines(rig.im.conversation).size(), 1u);
  EXPECT_NE(rig.Lines(rig.im.conversation)[0].find(u"SIZE"), Text::npos);
  EXPECT_TRUE(rig.ChatLines().empty());
  EXPECT_EQ(rig.tree.TextOf(rig.im.input), u"");
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
  EXPECT_EQ(rig.ChatLines(), std::vector<Text>{u"hi Zorna"}) << "one click, one line";

  rig.journal.clear();
  gReentries = 0;
  SetYieldHook([] {
    if (gReentries++ == 0) gRig->form.RequestClose();
  });
  rig.view.box = u"bye %me%";
  rig.form.SendClick(SendTarget::Chat);
  EXPECT_EQ(rig.ChatLines(),
            (std::vector<Text>{u"hi Zorna", u"bye Zorna", UnloadedTitleLine(), UnloadedLine()}));
  const auto emptied = std::find(rig.journal.begin(), rig.journal.end(), "box=");
  const auto destroyed = std::find(rig.journal.begin(), rig.journal.end(), "destroy");
  EXPECT_LT(emptied, destroyed) << "the send finishes before the window goes";
  EXPECT_EQ(std::count(rig.journal.begin(), rig.journal.end(), "destroy"), 1);

  rig.journal.clear();
  rig.form.SendClick(SendTarget::Chat);
  rig.form.RequestClose();
  EXPECT_TRUE(rig.journal.empty()) << "a closed form does nothing";
}

TEST(StartUp, FirstRunCentersRestoresDefaultsAndAnnounces) {
  Rig rig;
  rig.form.Load(1024 * 15, 768 * 15);
  EXPECT_EQ(rig.journal.front(), "play Start:1");
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 4710}));
  EXPECT_EQ(std::string(rig.view.look.Caption), "U");
  EXPECT_EQ(rig.view.swatches[Swatch::AltColor1], 0x00FF00u);
  EXPECT_EQ(rig.view.swatches[Swatch::To], 0xFF0000u);
  EXPECT_EQ(rig.form.Ticker().ShoutList.size(), 8u);
  EXPECT_EQ(rig.form.Ticker().ShoutY, 71);
  EXPECT_EQ(rig.ChatLines(), (std::vector<Text>{LoadedTitleLine(), LoadedLine()}));

  rig.view.box = u"typed";
  rig.form.SendBoxKeyUp(kKeyUpArrow);
  EXPECT_EQ(rig.view.box, u"Brindlewick by ZornaVelde");
}

TEST(StartUp, StoredValuesComeBackRolledUpWithoutARoom) {
  Rig rig(false, false);
  rig.store.values = {{"Left", u"-300"}, {"Top", u"100"},         {"Height", u"0"},
                      {"LastSend", u""}, {"AltColor2", u"12345"}, {"FadeColor1", u"junk"}};
  rig.form.Load(1024 * 15, 768 * 15);
  EXPECT_EQ(rig.view.place, (WindowBox{-300, 100, 5625, 900}));
  EXPECT_EQ(std::string(rig.view.look.Caption) + rig.view.look.Tooltip, "DRoll Down");
  EXPECT_EQ(rig.view.swatches[Swatch::AltColor2], 12345u);
  EXPECT_EQ(rig.view.swatches[Swatch::From], 0x0000FFu);
  EXPECT_TRUE(rig.tree.Actions().empty());

  rig.view.box = u"typed";
  rig.form.SendBoxKeyUp(kKeyUpArrow);
  EXPECT_EQ(rig.view.box, u"") << "Up recalls an empty line too";
  rig.view.box = u"typed";
  rig.form.SendBoxKeyUp(40);
  EXPECT_EQ(rig.view.box, u"typed");
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
    EXPECT_EQ(rig.journal, expected) << "minimized " << minimized;
    EXPECT_EQ(rig.store.values["FadeColor1"], u"77");
    EXPECT_EQ(rig.store.values.contains("Height"), !minimized);
    if (!minimized) {
      EXPECT_EQ(rig.store.values["Height"], u"900");
    }
    EXPECT_EQ(rig.ChatLines(), (std::vector<Text>{UnloadedTitleLine(), UnloadedLine()}));
  }
}

TEST(RollButton, TogglesTheHeightAndTheLook) {
  Rig rig;
  rig.LoadAndForget();
  rig.form.RollClick();
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 900}));
  EXPECT_EQ(std::string(rig.view.look.Caption) + rig.view.look.Tooltip, "DRoll Down");
  rig.form.RollClick();
  EXPECT_EQ(rig.view.place, (WindowBox{4868, 3405, 5625, 4710}));
  EXPECT_EQ(std::string(rig.view.look.Caption) + rig.view.look.Tooltip, "URoll Up");
  EXPECT_EQ(rig.journal, (Journal{"play Roll:1", "focus", "play Roll:1", "focus"}));
}

TEST(Announcements, FadesRunOppositeWaysOverTheirNoBreakSpaces) {
  const Text blueFirst = u"<B><FONT COLOR=#0000FF>";
  const Text redFirst = u"<B><FONT COLOR=#FF0000>";
  EXPECT_EQ(LoadedTitleLine().substr(0, blueFirst.size()), blueFirst);
  EXPECT_EQ(UnloadedTitleLine().substr(0, redFirst.size()), redFirst);
  const Text green = u"<B><FONT COLOR=#339933>";
  for (const auto& [line, spaces] : {std::pair{LoadedLine(), 10}, std::pair{UnloadedLine(), 8}}) {
    EXPECT_EQ(line.substr(0, green.size()), green);
    EXPECT_TRUE(line.ends_with(u"</FONT></B>"));
    EXPECT_EQ(std::count(line.begin(), line.end(), u'\u00A0'), spaces);
  }
}

}  // namespace
}  // namespace bw
