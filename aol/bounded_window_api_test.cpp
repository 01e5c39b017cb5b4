#include "aol/bounded_window_api.h"

#include <gtest/gtest.h>

#include <string>

#include "aol/aol_context.h"
#include "aol/locator.h"
#include "aol/scripted_aol_client.h"
#include "aol/scripted_call_runner.h"
#include "aol/senders.h"
#include "engine/message_vars.h"

namespace bw {
namespace {

// A client signed on as "Zorna" in the room "Lobby", with an IM open.
ScriptedDocument AddClient(ScriptedWindowTree& tree) {
  const WindowHandle mdi = AddAolFrame(tree);
  AddWelcome(tree, mdi, u"Zorna");
  AddImWindow(tree, mdi, u"Instant Message To: Ben");
  return AddChatRoom(tree, mdi, u"Lobby");
}

// That client reached through the bound.
struct Client {
  ScriptedWindowTree tree;
  ScriptedDocument room = AddClient(tree);
  ScriptedCallRunner runner;
  BoundedWindowApi api{tree, runner};
};

TEST(BoundedWindowApi, AnAnsweringClientGetsTheSameMessagesInTheSameOrder) {
  ScriptedWindowTree direct;
  AddClient(direct);
  Client bounded;
  for (WindowApi* api : {static_cast<WindowApi*>(&direct), static_cast<WindowApi*>(&bounded.api)}) {
    const Exchange send(*api);
    AolMessageContext vars(*api);
    SendChat(*api, ReplaceVars(u"%me% in %room% to %you%", vars));
    SendIM(*api, u"hi");
  }
  EXPECT_EQ(bounded.tree.Messages(), direct.Messages());
  EXPECT_EQ(bounded.tree.TextOf(bounded.room.conversation), u"Zorna in Lobby to Ben");
}

TEST(BoundedWindowApi, AHungClientCostsOneWaitPerExchangeWhateverItReads) {
  Client client;
  client.runner.SetAnswerMsForAll(ScriptedCallRunner::kNever);
  {
    const Exchange send(client.api);
    AolMessageContext vars(client.api);
    EXPECT_EQ(ReplaceVars(u"[%me%|%you%|%room%]", vars), u"[||]") << "every window reads as gone";
    SendIM(client.api, u"hi");
    SendChat(client.api, u"hi");
  }
  EXPECT_EQ(client.runner.Waits(), std::vector<long>{kExchangeWaitMs});
  EXPECT_TRUE(client.tree.Messages().empty());

  client.runner.SetAnswerMsForAll(std::nullopt);  // it answers again: the next send goes
  SendChat(client.api, u"again");
  EXPECT_EQ(client.api.ExchangeStatus(), CallStatus::kAnswered);
  EXPECT_EQ(client.tree.TextOf(client.room.conversation), u"again");
}

TEST(BoundedWindowApi, TheBoundIsForTheWholeExchangeAndLongTextsEarnTime) {
  const struct {
    long writeMs, pressMs;  // how long the input box and the send control take
    std::size_t length;
    std::vector<long> waits;  // what each call was given
    bool delivered;
  } cases[] = {
      {1'000, 1'000, 10, {5'001, 4'001, 3'001}, true},
      {3'000, 1'500, 10, {5'001, 2'001, 501}, false},      // the button-up finds nothing left
      {14'000, 0, 100'000, {15'000, 1'000, 1'000}, true},  // 10 s more for a long text
      {16'000, 0, 100'000, {15'000}, false},
  };
  for (const auto& c : cases) {
    Client client;
    client.runner.SetAnswerMs(client.room.input, c.writeMs);
    client.runner.SetAnswerMs(client.room.send, c.pressMs);
    {
      const Exchange send(client.api);
      SendChat(client.api, Text(c.length, u'y'));
    }
    EXPECT_EQ(client.runner.Waits(), c.waits) << c.writeMs << " ms for " << c.length;
    EXPECT_EQ(client.tree.TextOf(client.room.conversation).size() == c.length, c.delivered)
        << c.writeMs << " ms for " << c.length;
  }
}

// Every operation that messages the client, failed at each of its message calls in turn,
// by a refusal and by a client that stops answering: the calls before the failure are
// exactly those of a clean run, none follows it (not even asked of the runner), the
// operation reads nothing or finds nothing, and the exchange tells what failed.
TEST(BoundedWindowApi, AFailedCallEndsTheExchangeWhereverItComes) {
  const struct {
    const char* name;
    Text (*run)(WindowApi&);  // what the operation gives: "" for nothing read or found
  } operations[] = {
      {"SendChat", [](WindowApi& api) { return SendChat(api, u"hi"), Text(); }},
      {"SendIM", [](WindowApi& api) { return SendIM(api, u"hi"), Text(); }},
      {"GetUserSN", GetUserSN},
      {"GetIMPartner", GetIMPartner},
      {"GetRoomName", GetRoomName},
      {"FindIM", [](WindowApi& api) { return FindIM(api) != 0 ? Text(u"found") : Text(); }},
  };
  const struct {
    CallStatus status;
    const char* name;
    void (*failFrom)(Client&, std::size_t);
  } failures[] = {
      {CallStatus::kRefused, "refused", [](Client& c, std::size_t k) { c.tree.RefuseCallsFrom(k); }},
      {CallStatus::kNotAnswered, "not answered",
       [](Client& c, std::size_t k) { c.runner.StopAnsweringFrom(k); }},
  };
  using Messages = std::vector<ScriptedWindowTree::Message>;
  for (const auto& op : operations) {
    Client clean;
    {
      const Exchange exchange(clean.api);
      op.run(clean.api);
    }
    const Messages calls = clean.tree.Messages();
    ASSERT_FALSE(calls.empty()) << op.name;
    for (const auto& failure : failures) {
      for (std::size_t k = 0; k < calls.size(); ++k) {
        Client client;
        failure.failFrom(client, k);
        Text result;
        {
          const Exchange exchange(client.api);
          result = op.run(client.api);
        }
        SCOPED_TRACE(std::string(op.name) + ", " + failure.name + " at call " + std::to_string(k));
        EXPECT_EQ(result, u"");
        EXPECT_EQ(client.api.ExchangeStatus(), failure.status);
        EXPECT_EQ(client.runner.Waits().size(), k + 1);
        EXPECT_EQ(client.tree.Messages(), Messages(calls.begin(), calls.begin() + k));
        client.runner.WakeUp();  // a call given up on lands late; still nothing follows it
        const std::size_t landed = failure.status == CallStatus::kNotAnswered ? k + 1 : k;
        EXPECT_EQ(client.tree.Messages(), Messages(calls.begin(), calls.begin() + landed));
      }
    }
  }
}

}  // namespace
}  // namespace bw
