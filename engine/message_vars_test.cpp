#include "engine/message_vars.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

struct FixedContext : MessageContext {
  FixedContext(TextView a, TextView b, TextView c) : me(a), you(b), room(c) {}
  Text UserScreenName() override { return calls += "me ", me; }
  Text ImPartner() override { return calls += "you ", you; }
  Text RoomName() override { return calls += "room ", room; }
  Text me, you, room;
  std::string calls;
};

// One placeholder after another, so a name may bring in a placeholder that is still to come.
TEST(ReplaceVars, FillsEachPlaceholderInAnyCaseCallingEveryReaderOnce) {
  const struct {
    TextView me, you, room, in, out;
  } cases[] = {{u"Ann", u"Ben", u"Lobby", u"hi %YOU%, %Me% in %room%", u"hi Ben, Ann in Lobby"},
               {u"Ann", u"", u"Lobby", u"hi %you%!", u"hi !"},
               {u"%room%", u"%me%", u"Lobby", u"%me% %you%", u"Lobby %me%"}};
  for (const auto& c : cases) {
    FixedContext context(c.me, c.you, c.room);
    EXPECT_EQ(ReplaceVars(c.in, context), c.out);
    EXPECT_EQ(context.calls, "me you room ") << "on " << c.out.size() << "-unit result";
  }
}

}  // namespace
}  // namespace bw
