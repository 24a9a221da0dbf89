#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "session/module1.hpp"
#include "session/schedule.hpp"
#include "session_fixture.hpp"

namespace {

class ScheduleTest : public SessionTest {
 protected:
  // Runs the set-up of a game with this schedule; returns the box shown ("" if none).
  std::string Check(const std::string& schedule, const std::string& players = "3",
                    const std::string& throws = "20") {
    dialogs.boxes.clear();
    Module1::ResetSession();
    WriteExperiment(Settings(players, throws, "sched.txt"), schedule);
    const std::optional<int> status = Run();
    if (!status) return "";
    EXPECT_EQ(*status, platform::kExitInputRefused);
    return OnlyBox();
  }
};

const std::string k3Good = "1,3232323232\r\n3,1212121212\r\n";

TEST_F(ScheduleTest, GoodScheduleFillsEachThrowersRowWithinItsBlocks) {
  EXPECT_EQ(Check("1, 3232 , 323232\r\n3,12121 21212\r\n\r\n\r\n"), "");
  std::multiset<int> first, rest;
  for (int i = 1; i <= 4; ++i) first.insert(Module1::ThrowSchedule[1][i]);
  for (int i = 5; i <= 10; ++i) rest.insert(Module1::ThrowSchedule[1][i]);
  EXPECT_EQ(first, (std::multiset<int>{2, 2, 3, 3}));
  EXPECT_EQ(rest, (std::multiset<int>{2, 2, 2, 3, 3, 3}));
  EXPECT_EQ(Module1::ThrowSchedule[1][11], 0);
  EXPECT_EQ(Module1::ThrowSchedule[2][1], 0);
  EXPECT_EQ(Module1::LineThrows.size(), 1u);
}

TEST_F(ScheduleTest, ChecksAToGGiveTheirMessages) {
  EXPECT_EQ(Check("1,3232323232\r\n3,4\r\n"),
            "Schedule Problem: This session is set as a 3-player game but Player 3 is scheduled to "
            "throw to Player 4.  Are you on crack?  See readme.htm for help.  This will end the "
            "program.");
  EXPECT_EQ(Check("1,31\r\n"),
            "Schedule Problem: This session has Player 1 scheduled to throw to Player 1.  That's "
            "crazy bro!  See readme.htm for help.  This will end the program.");
  EXPECT_EQ(Check("1,3232x\r\n", "4"),
            "Schedule Problem: This session is set as a 4-player game.  Yet you have Player 1 "
            "scheduled to throw to Player 0. Whatever you're smokin' -- give me some!  See "
            "readme.htm for help.  This will end the program.");
  EXPECT_EQ(Check("1,323232323\r\n3,1212121212\r\n"),
            "Schedule Problem: Player 1 has only 9 throws scheduled.  With 20 total throws "
            "planned, Player 1 should have at least 11 scheduled.  You're SO close!! See "
            "readme.htm for help. This will end the program.");
  EXPECT_EQ(Check("3,1212121212\r\n"),
            "Schedule Problem: Player 1 has no throws scheduled--see readme.htm for help.  This "
            "will end the program.");
  EXPECT_EQ(Check("1,3232323232\r\n"),
            "Schedule Problem: Player 3 has no throws scheduled--see readme.htm for help.  This "
            "will end the program.");
  EXPECT_EQ(
      Check(k3Good, "4"),
      "Schedule Problem: Player 4 has no throws scheduled and the settings file has indicated "
      "a four-player game--see readme.htm for help.  This will end the program.");
}

TEST_F(ScheduleTest, CheckAComesBeforeCAndDUsesHalfTheTotal) {
  // A 9 (check C) after a 4 (check A) in one block: whichever comes first in
  // the shuffled order is reported, but never C for the 4.
  const std::string message = Check("1,49\r\n3,1\r\n", "3", "2");
  EXPECT_TRUE(message.find("Are you on crack?") != std::string::npos ||
              message.find("to throw to Player 9.") != std::string::npos)
      << message;
  // 31 throws: 15 fails and names 16, 16 passes.
  EXPECT_NE(Check("1,232323232323232\r\n3,1212121212121212\r\n", "3", "31")
                .find("has only 15 throws scheduled.  With 31 total throws planned, Player 1 "
                      "should have at least 16 scheduled."),
            std::string::npos);
  EXPECT_EQ(Check("1,2323232323232323\r\n3,1212121212121212\r\n", "3", "31"), "");
}

TEST_F(ScheduleTest, EmptyBlockMakesEveryThrowOfTheLineAThrowToNobody) {
  EXPECT_EQ(Check("1,3,,2\r\n3,1\r\n", "3", "2"),
            "Schedule Problem: This session is set as a 3-player game.  Yet you have Player 1 "
            "scheduled to throw to Player 0. Whatever you're smokin' -- give me some!  See "
            "readme.htm for help.  This will end the program.");
  // An empty field at the end of a line changes nothing.
  EXPECT_EQ(Check("1,32,\r\n3,12\r\n", "3", "4"), "");
}

TEST_F(ScheduleTest, FaultsOfOurOwnNameTheFileTheLineAndTheFault) {
  struct Case {
    std::string schedule, throws, expected;
  };
  const Case cases[] = {
      {"1,3232323232\r\n\r\n3,1212121212\r\n", "20",
       "Line 2 of the schedule file \"sched.txt\" is blank."},
      {"1,3232323232\r\nP3,1212121212\r\n", "20",
       "Line 2 of the schedule file \"sched.txt\" begins with \"P3\", which is not a player 1 to "
       "4."},
      {"0,3232323232\r\n", "20",
       "Line 1 of the schedule file \"sched.txt\" begins with \"0\", which is not a player 1 to "
       "4."},
      {"1,32323\r\n", "4",
       "Line 1 of the schedule file \"sched.txt\" schedules 5 throws for Player 1, more than the 4 "
       "throws of the whole game."},
  };
  for (const Case& c : cases) {
    const std::string box = Check(c.schedule, "3", c.throws);
    EXPECT_EQ(box.rfind("Schedule Problem: " + c.expected, 0), 0u) << box;
    EXPECT_NE(box.find("See readme.htm for help.  This will end the program."), std::string::npos)
        << box;
  }
}

TEST_F(ScheduleTest, UnreadableScheduleFileIsRefused) {
  folder.Write("settings/s.txt", Settings("3", "20", "missing.txt"));
  ASSERT_EQ(Run(), platform::kExitInputRefused);
  const std::string box = OnlyBox();
  EXPECT_EQ(box.rfind("Schedule Problem: The schedule file \"missing.txt\" could not be read", 0),
            0u)
      << box;
  EXPECT_NE(box.find((folder.Path() / "schedules").string()), std::string::npos) << box;
}

// --- Randomisation -------------------------------------------------------

void LoadLine(const std::string& digits_by_block) {
  Module1::LineThrows.assign(1, Module1::ThrowSlot{});
  std::int16_t block = 1;
  for (char c : digits_by_block) {
    if (c == ',') {
      ++block;
      continue;
    }
    Module1::LineThrows.push_back({block, 0, static_cast<std::int16_t>(c - '0')});
  }
}

std::string Shuffled() {
  std::string out;
  for (std::size_t i = 1; i < Module1::LineThrows.size(); ++i) {
    out += static_cast<char>('0' + Module1::LineThrows[Module1::LineThrows[i].Source].Target);
  }
  return out;
}

TEST(RandomiseLine, ThreeThrowBlockTakesEachOfItsSixOrdersAboutEquallyOften) {
  std::map<std::string, int> counts;
  const int draws = 6000;
  for (int n = 0; n < draws; ++n) {
    LoadLine("123");
    session::RandomiseLine();
    ++counts[Shuffled()];
  }
  ASSERT_EQ(counts.size(), 6u);
  for (const auto& [order, count] : counts) {
    EXPECT_GT(count, 850) << order;  // expected 1000 each; 5 sigma is about 200
    EXPECT_LT(count, 1150) << order;
  }
}

TEST(RandomiseLine, SingleThrowsAndBlocksPastTheLineLength) {
  LoadLine("3");
  session::RandomiseLine();
  EXPECT_EQ(Module1::LineThrows[1].Source, 1);

  LoadLine("3,,2");  // block 3 on a line of 2 throws
  session::RandomiseLine();
  EXPECT_EQ(Module1::LineThrows[1].Source, 0);
  EXPECT_EQ(Module1::LineThrows[2].Source, 0);
}

}  // namespace
