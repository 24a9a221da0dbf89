#include "datalog/log_rows.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/frm_main.hpp"
#include "session/module1.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/fttl.hpp"
#include "ttl/recording_port.hpp"

namespace {

namespace fs = std::filesystem;
using session::Value;

// The twelve session fields of the fixture's rows.
std::string Identity(const char* throws = "3") {
  return std::string("S17,4pl - ostracize subject.txt,03/14/25,09:26,4,") + throws +
         ",sched.txt,start.htm,Ann,You,Cy,Dee";
}

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {  // after the folder, which resets the session
    using namespace Module1;
    SubjectId = "S17";
    SettingsFile = "4pl - ostracize subject.txt";
    SessionDate = "03/14/25";
    SessionTime = "09:26";
    NumPlayers = Value::FromField("4");
    TotalThrows = 3;
    ScheduleFile = "sched.txt";
    StartPage = "start.htm";
    const char* names[] = {"", "Ann", "You", "Cy", "Dee"};
    for (int p = 1; p <= 4; ++p) PlayerNames[p] = Value::FromField(names[p]);
    StartTime = 50000;
    ThrowLog = {{}, {3, 51000, 0, {}}, {2, 52500, 0, {}}, {1, 60000, 0, {}}, {}};
    fs::remove(program_.Path() / "log");
  }

  testing_support::TempProgramFolder program_;
  testing_support::FakeLoop loop_{70000};
  testing_support::ScriptedDialogs dialogs_;
  boost::asio::io_context io_;
  frmMain form_{io_, {}};
};

TEST_F(LogTest, RowsQuoteTextLeaveNoFourthPlayerEmptyAndWrapTimes) {
  using namespace Module1;
  SubjectId = "S,1";
  ScheduleFile = "c\nd";
  StartPage = "a\rb";
  NumPlayers = Value::FromField("3");
  PlayerNames[3] = Value::FromText("Cy, the \"third\"");
  PlayerNames[4] = Value();
  StartTime = 0xFFFFFF00u;
  ThrowLog[1].Time = 0x00000100u;  // the clock wrapped during the game
  ThrowLog[2].Time = 0;            // never recorded
  ThrowLog[3].Time = 0x7FFFFF00u;  // more than 2^31 ms after the start
  ThrowLog[1].Onset = 0x00000110u;
  const std::string identity =
      "\"S,1\",4pl - ostracize subject.txt,03/14/25,09:26,3,3,\"c\nd\",\"a\rb\",Ann,You,"
      "\"Cy, the \"\"third\"\"\",";
  EXPECT_EQ(datalog::BuildRows().throws, identity + ",3,2,1\r\n");
  EXPECT_EQ(datalog::BuildRows().times, identity + ",512,256,-2147483648\r\n");
  EXPECT_EQ(datalog::BuildRows().onsets, identity + ",528,,\r\n");
}

TEST_F(LogTest, GamesAppendRowsToLogsMadeWhenMissing) {
  auto port = ttl::RecordingPort::Open(program_.Path() / "port.log", nullptr,
                                       [&] { return static_cast<double>(loop_.Now()); });
  ttl::SetPort(std::move(port));
  ttl::LoadForm();
  using namespace Module1;
  TtlEnabled = true;
  TtlCodes[4] = 44;
  TtlPort = 888;
  ThrowLog[3] = {};  // the last throw, not yet recorded, goes to the ball holder
  BallHolder = 4;
  // The window's reports of when throws were presented: the first counts;
  // one for a navigation that showed no logged throw is ignored.
  ThrowLog[1].Shown = 7;
  ThrowLog[2].Shown = 8;
  form_.Events.Sink_Presented(7, 51016.9);
  form_.Events.Sink_Presented(7, 51100);
  form_.Events.Sink_Presented(9, 52000);
  form_.WriteData();
  TtlEnabled = false;
  TotalThrows = 0;
  form_.WriteData();
  const std::string no_throws = Identity("0") + "\r\n";
  EXPECT_EQ(program_.Read("log/log.csv"), Identity() + ",3,2,4\r\n" + no_throws);
  EXPECT_EQ(program_.Read("log/time.csv"), Identity() + ",1000,2500,20000\r\n" + no_throws);
  EXPECT_EQ(program_.Read("log/onset.csv"), Identity() + ",1016,,\r\n" + no_throws);
  EXPECT_EQ(program_.Read("port.log"), "70000.000 888 44\n");
  EXPECT_TRUE(dialogs_.boxes.empty());
  ttl::UnloadForm();
  ttl::SetPort(nullptr);
}

TEST_F(LogTest, UnwritableLogStillWritesTheOtherAndTheFallback) {
  fs::create_directories(program_.Path() / "log" / "log.csv");  // refused even as root
  form_.WriteData();
  form_.WriteData();
  const std::string times = Identity() + ",1000,2500,10000\r\n";
  const std::string fallback = "log.csv," + Identity() + ",3,2,1\r\n";
  EXPECT_EQ(program_.Read("log/time.csv"), times + times);
  const std::string onsets = Identity() + ",,,\r\n";
  EXPECT_EQ(program_.Read("log/onset.csv"), onsets + onsets);
  EXPECT_EQ(program_.Read("log-unsaved.csv"), fallback + fallback);
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[0].title, "Log Problem");
  const std::string& message = dialogs_.boxes[0].message;
  const fs::path log = program_.Path() / "log" / "log.csv";
  EXPECT_NE(message.find(log.string() + ": Is a directory"), std::string::npos) << message;
  EXPECT_NE(message.find(datalog::FallbackFile().string()), std::string::npos) << message;
}

}  // namespace
