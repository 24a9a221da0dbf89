#include "datalog/write_data.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/frm_main.hpp"
#include "session/module1.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/fttl.hpp"
#include "ttl/port.hpp"

namespace {

namespace fs = std::filesystem;
using session::Value;

// The parallel port: the one piece of hardware, so the one fake.
class PortWrites final : public ttl::Port {
 public:
  bool Outp(std::uint16_t address, std::uint8_t value, std::string*) override {
    writes.emplace_back(address, value);
    return true;
  }
  std::string Describe() const override { return "test port"; }
  std::vector<std::pair<std::uint16_t, std::uint8_t>> writes;
};

const std::string kIdentity =
    "S17,4pl - ostracize subject.txt,03/14/25,09:26,4,3,sched.txt,start.htm,Ann,You,Cy,Dee";

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove(folder_ / "log");  // each test makes what it needs of it
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
    ThrowLog.assign(TotalThrows + 2, {});
    StartTime = 50000;
    ThrowLog[1] = {3, 51000};
    ThrowLog[2] = {2, 52500};
    ThrowLog[3] = {1, 60000};
    BallHolder = 1;
  }
  void TearDown() override {
    ttl::UnloadForm();
    ttl::SetPort(nullptr);
    Module1::ResetSession();
  }

  std::string Read(const std::string& relative) { return program_.Read(relative); }

  testing_support::TempProgramFolder program_;
  const fs::path folder_ = program_.Path();
  testing_support::FakeLoop loop_{70000};
  testing_support::ScriptedDialogs dialogs_;
  frmMain form_;
};

TEST_F(LogTest, RowsHoldTheSessionThenEachThrow) {
  const datalog::Rows rows = datalog::BuildRows();
  EXPECT_EQ(rows.throws, kIdentity + ",3,2,1\r\n");
  EXPECT_EQ(rows.times, kIdentity + ",1000,2500,10000\r\n");
}

TEST_F(LogTest, ThreePlayerGameLeavesFieldTwelveEmpty) {
  Module1::NumPlayers = Value::FromField("3");
  Module1::PlayerNames[4] = Value();
  EXPECT_EQ(datalog::BuildRows().throws,
            "S17,4pl - ostracize subject.txt,03/14/25,09:26,3,3,sched.txt,start.htm,"
            "Ann,You,Cy,,3,2,1\r\n");
}

TEST_F(LogTest, TimesAreModulo32BitsAndSigned) {
  Module1::StartTime = 0xFFFFFF00u;
  Module1::ThrowLog[1].Time = 0x00000100u;  // the clock wrapped during the game
  Module1::ThrowLog[2].Time = 0;            // never recorded
  Module1::ThrowLog[3].Time = 0x7FFFFF00u;  // more than 2^31 ms after the start
  EXPECT_EQ(datalog::BuildRows().times, kIdentity + ",512,256,-2147483648\r\n");
}

TEST_F(LogTest, TextFieldsWithSeparatorsAreQuoted) {
  EXPECT_EQ(datalog::CsvField("plain name"), "plain name");
  EXPECT_EQ(datalog::CsvField(""), "");
  EXPECT_EQ(datalog::CsvField("Smith, J"), "\"Smith, J\"");
  EXPECT_EQ(datalog::CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(datalog::CsvField("a\rb"), "\"a\rb\"");
  EXPECT_EQ(datalog::CsvField("a\nb"), "\"a\nb\"");

  Module1::PlayerNames[3] = Value::FromText("Cy, the \"third\"");
  Module1::SubjectId = "S,1";
  EXPECT_EQ(datalog::BuildRows().throws,
            "\"S,1\",4pl - ostracize subject.txt,03/14/25,09:26,4,3,sched.txt,start.htm,"
            "Ann,You,\"Cy, the \"\"third\"\"\",Dee,3,2,1\r\n");
}

TEST_F(LogTest, TwoGamesAppendTwoRowsAndKeepEarlierOnes) {
  program_.Write("log/log.csv", "earlier,row\r\n");
  form_.WriteData();
  Module1::SubjectId = "S18";
  Module1::ThrowLog[1].Receiver = 4;
  form_.WriteData();

  const std::string second = "S18" + kIdentity.substr(3);
  EXPECT_EQ(Read("log/log.csv"),
            "earlier,row\r\n" + kIdentity + ",3,2,1\r\n" + second + ",4,2,1\r\n");
  EXPECT_EQ(Read("log/time.csv"),
            kIdentity + ",1000,2500,10000\r\n" + second + ",1000,2500,10000\r\n");
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_FALSE(fs::exists(datalog::FallbackFile()));
}

TEST_F(LogTest, MissingLogFolderIsCreated) {
  ASSERT_FALSE(fs::exists(folder_ / "log"));
  form_.WriteData();
  EXPECT_EQ(Read("log/log.csv"), kIdentity + ",3,2,1\r\n");
  EXPECT_EQ(Read("log/time.csv"), kIdentity + ",1000,2500,10000\r\n");
}

TEST_F(LogTest, LastThrowNotYetRecordedGoesToBallHolderWithPulse) {
  PortWrites port;
  ttl::SetPort(&port);
  ttl::LoadForm();
  using namespace Module1;
  TtlEnabled = true;
  TtlCodes = {0, 11, 22, 33, 44};
  TtlPort = 888;
  TtlDuration = Value::FromField("10");
  ThrowLog[3] = {0, 0};
  BallHolder = 4;

  form_.WriteData();
  EXPECT_EQ(ThrowLog[3].Receiver, 4);
  EXPECT_EQ(ThrowLog[3].Time, 70000u);  // the clock when the rows were written
  EXPECT_EQ(TtlValue, 44);
  EXPECT_EQ(Read("log/log.csv"), kIdentity + ",3,2,4\r\n");
  EXPECT_EQ(Read("log/time.csv"), kIdentity + ",1000,2500,20000\r\n");
  loop_.Advance(10);
  EXPECT_EQ(port.writes,
            (std::vector<std::pair<std::uint16_t, std::uint8_t>>{{888, 44}, {888, 0}}));
}

TEST_F(LogTest, RecordedLastThrowIsLeftAlone) {
  PortWrites port;
  ttl::SetPort(&port);
  ttl::LoadForm();
  Module1::TtlEnabled = true;
  form_.WriteData();
  EXPECT_EQ(Module1::ThrowLog[3].Receiver, 1);
  EXPECT_EQ(Module1::ThrowLog[3].Time, 60000u);
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(LogTest, NoThrowsGiveTheSessionFieldsOnly) {
  using namespace Module1;
  TotalThrows = 0;
  ThrowLog.assign(2, {});
  BallHolder = 0;
  form_.WriteData();
  EXPECT_EQ(ThrowLog[0].Time, 70000u);  // the guard works on entry 0
  const std::string identity = "S17,4pl - ostracize subject.txt,03/14/25,09:26,4,0,sched.txt,"
                               "start.htm,Ann,You,Cy,Dee\r\n";
  EXPECT_EQ(Read("log/log.csv"), identity);
  EXPECT_EQ(Read("log/time.csv"), identity);
}

TEST_F(LogTest, UnwritableThrowLogStillWritesTimingLogAndFallback) {
  fs::create_directories(folder_ / "log" / "log.csv");  // refused even as root
  form_.WriteData();

  EXPECT_EQ(Read("log/time.csv"), kIdentity + ",1000,2500,10000\r\n");
  EXPECT_EQ(Read("log-unsaved.csv"), "log.csv," + kIdentity + ",3,2,1\r\n");
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].title, "Log Problem");
  const std::string& message = dialogs_.boxes[0].message;
  EXPECT_NE(message.find((folder_ / "log" / "log.csv").string()), std::string::npos) << message;
  EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
  EXPECT_NE(message.find((folder_ / "log-unsaved.csv").string()), std::string::npos) << message;
  EXPECT_EQ(message.find("time.csv"), std::string::npos) << message;

  // The next game's failure adds to the fallback file.
  form_.WriteData();
  EXPECT_EQ(Read("log-unsaved.csv"),
            "log.csv," + kIdentity + ",3,2,1\r\nlog.csv," + kIdentity + ",3,2,1\r\n");
}

TEST_F(LogTest, RowIsInTheMessageWhenNothingTakesIt) {
  fs::create_directories(folder_ / "log" / "log.csv");
  fs::create_directories(folder_ / "log" / "time.csv");
  fs::create_directories(folder_ / "log-unsaved.csv");
  form_.WriteData();
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  const std::string& message = dialogs_.boxes[0].message;
  EXPECT_NE(message.find(kIdentity + ",3,2,1"), std::string::npos) << message;
  EXPECT_NE(message.find(kIdentity + ",1000,2500,10000"), std::string::npos) << message;
}

}  // namespace
