#include <gtest/gtest.h>

#include <string>

#include "practice/options.h"
#include "practice/receive_log.h"

namespace bw {
namespace {

TEST(ParsePracticeOptions, ReadsEveryOptionInBothFormsAndRejectsTheRest) {
  Text error;
  const auto all =
      ParsePracticeOptions({u"--sn", u"Ann Lee", u"--room=Back Porch", u"--partner", u"--no-im",
                            u"--no-chat", u"--no-im", u"--no-welcome", u"--log=Z:\\tmp\\a=b.log",
                            u"--write-delay", u"2500", u"--delay-after=2"},
                           &error);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->screenName, u"Ann Lee");
  EXPECT_EQ(all->room, u"Back Porch");
  EXPECT_EQ(all->partner, u"--no-im") << "a value option takes the next argument whole";
  EXPECT_FALSE(all->chat || all->im || all->welcome);
  EXPECT_EQ(all->logPath, u"Z:\\tmp\\a=b.log") << "only the first = splits";
  EXPECT_EQ(all->writeDelayMs, 2500u);
  EXPECT_EQ(all->delayAfterWrites, 2u);
  const auto plain = ParsePracticeOptions({}, &error);
  EXPECT_TRUE(plain && plain->chat && plain->im && plain->welcome && plain->logPath.empty() &&
              plain->writeDelayMs == 0);
  for (const char16_t* bad :
       {u"--room", u"--bogus", u"stray", u"--no-chat=1", u"--write-delay=-1", u"--write-delay=1s",
        u"--write-delay=86400001", u"--delay-after", u"--delay-after=99999999999"}) {
    error.clear();
    EXPECT_FALSE(ParsePracticeOptions({u"--sn", u"A", bad}, &error))
        << testing::PrintToString(Text(bad));
    EXPECT_FALSE(error.empty());
  }
}

TEST(ReceivedLine, EachByteAsTwoUpperCaseDigits) {
  // Every hex digit in both places, and bytes with the top bit set.
  EXPECT_EQ(ReceivedLine(Channel::Chat,
                         "\x01\x23\x45\x67\x89\xAB\xCD\xEF\xFE\xDC\xBA\x98\x76\x54\x32\x10"),
            "chat 0123456789ABCDEFFEDCBA9876543210\n");
  EXPECT_EQ(ReceivedLine(Channel::Im, std::string("a\0b", 3)), "im 610062\n");
  EXPECT_EQ(ReceivedLine(Channel::Im, ""), "im \n");
}

}  // namespace
}  // namespace bw
