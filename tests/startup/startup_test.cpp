// The real executable, started in a throw-away program folder.
#include <gtest/gtest.h>

#include <fstream>

#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

using testing_support::RunVolleta;

class StartupTest : public ::testing::Test {
 protected:
  void Experiment(const std::string& players, const std::string& throws, const std::string& schedule,
                  const std::string& delays = "0.5,2.5") {
    folder.Write("settings/s.txt", "Players," + players + "\r\nThrows," + throws +
                                       "\r\nSchedule,sched.txt\r\nStart,start.htm\r\n"
                                       "P1,Ann,none\nP2,You,none\nP3,Bob,none\nP4,Cy,none\n"
                                       "Delays," + delays + "\nSpacers,0\n");
    folder.Write("schedules/sched.txt", schedule);
  }
  std::vector<std::string> Args(std::vector<std::string> rest) {
    std::vector<std::string> args{"--folder", folder.Path().string()};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  }
  testing_support::TempProgramFolder folder;
};

const char* k4 = "1,2343434343434343\n3,1414141414141414\n4,1313131313131313\n";

TEST_F(StartupTest, CheckPrintsASummaryAndRemembersNothing) {
  Experiment("4", "30", k4);
  folder.Write("ttl.txt", "1,10\n2,20\n3,30\n4,40\n888\n5\n");
  const auto run = RunVolleta(Args({"--check", "s.txt"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Players: 4"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Total throws: 30"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Player 1: 16 throws scheduled (to 2: 1, to 3: 8, to 4: 7)"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("TTL output: on (port 888"), std::string::npos) << run.out;
  EXPECT_FALSE(folder.Exists("config/volleta/volleta.ini"));
}

TEST_F(StartupTest, RefusedFilesShowTheirMessageOnStandardErrorAndExitWithTwo) {
  Experiment("5", "30", k4);
  auto run = RunVolleta(Args({"--check", "s.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Settings Problem: You have requested a 5-player game.  Only 3 and 4-player games are "
            "allowed. See readme.htm for help.  This will end the program.\n");
  EXPECT_EQ(run.out, "");

  Experiment("4", "30", "1,31\n");
  run = RunVolleta(Args({"--check", "s.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Schedule Problem: This session has Player 1 scheduled to throw to Player 1.  That's "
            "crazy bro!  See readme.htm for help.  This will end the program.\n");

  Experiment("4", "30", k4, "soon,1");
  run = RunVolleta(Args({"--check", "s.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("Settings Problem: The minimum delay (record 9", 0), 0u) << run.err;

  run = RunVolleta(Args({"--check", "no such file.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("\"no such file.txt\" could not be read"), std::string::npos) << run.err;
}

TEST_F(StartupTest, SettingsNameIsTheRemainingArgumentsJoinedBySpaces) {
  folder.Write("settings/two words.txt", "Players,7\n");
  const auto run = RunVolleta(Args({"--check", "two", "words.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("You have requested a 7-player game."), std::string::npos) << run.err;
}

TEST_F(StartupTest, TerminalDialogsChooseTheFileAndAskForTheSubject) {
  // The schedule is refused, which happens after the subject has been asked
  // for, so the run ends without opening any window.
  Experiment("4", "30", "1,31\n");
  folder.Write("settings/a.txt", "Players,9\n");
  // "2" picks the second file listed (s.txt); the subject ID follows.
  auto run = RunVolleta(Args({}), "2\nS042\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("That's crazy bro!"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Select Settings File"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("1. a.txt"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Please Enter a Subject ID..."), std::string::npos) << run.err;
  EXPECT_NE(folder.Read("config/volleta/volleta.ini").find("lastsettings=s.txt"), std::string::npos);

  // End of input at the file dialog: cancelled, status 1, no message.
  run = RunVolleta(Args({}), "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.find("Problem"), std::string::npos) << run.err;
}

TEST_F(StartupTest, InvalidTtlFileLeavesTtlOffWithANote) {
  Experiment("4", "30", k4);
  folder.Write("ttl.txt", "1,10\n2,256\n3,30\n4,40\n888\n5\n");
  const auto run = RunVolleta(Args({"--check", "s.txt"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("TTL output: off"), std::string::npos);
  EXPECT_NE(run.err.find("the code for Player 2 is 256"), std::string::npos) << run.err;
}

}  // namespace
