#include "engine/message_vars.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/test_support.h"

namespace bw {
namespace {

// Fixed readers that note the order they are called in.
struct FixedContext : MessageContext {
  FixedContext(Text me, Text you, Text room) : values{me, you, room} {}
  Text UserScreenName() override { return calls += "me ", values[0]; }
  Text ImPartner() override { return calls += "you ", values[1]; }
  Text RoomName() override { return calls += "room ", values[2]; }
  Text values[3];
  std::string calls;
};

TEST(ReplaceVars, FillsEachPlaceholderInAnyCaseCallingEveryReaderOnce) {
  const struct {
    FixedContext context;
    TextView in, out;
    int yields;
  } cases[] = {{{u"Ann", u"Ben", u"Town Square"},
                u"hi %you%, this is %me% in %room%",
                u"hi Ben, this is Ann in Town Square",
                3},
               {{u"Ann", u"Ben", u"Lobby"}, u"%ME% and %Me%", u"Ann and Ann", 2},
               {{u"Ann", u"Ben", u"Lobby"}, u"%me%%me% %me", u"AnnAnn %me", 2},
               {{u"Ann", u"", u"Lobby"}, u"hi %you%!", u"hi !", 1},
               {{u"%room%", u"%me%", u"Lobby"}, u"%me% %you%", u"Lobby %me%", 3},
               {{u"Ann", u"Ben", u"Lobby"}, u"", u"", 0}};
  for (auto c : cases) {
    testing::YieldCounter yields;
    EXPECT_EQ(ReplaceVars(c.in, c.context), c.out);
    EXPECT_EQ(c.context.calls, "me you room ");
    EXPECT_EQ(yields.count, c.yields);
  }
}

}  // namespace
}  // namespace bw
