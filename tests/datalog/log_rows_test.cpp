#include "datalog/log_rows.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <filesystem>
#include <string>

#include "datalog/log_schema.hpp"
#include "game/frm_main.hpp"
#include "platform/file_lock.hpp"
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
  // Read back as the report reads it, field by field.
  const auto row = datalog::ParseCsv(datalog::BuildRows().throws);
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row[0].fields[datalog::PlayerNameField(3)], "Cy, the \"third\"");
  EXPECT_EQ(row[0].fields[datalog::kStartPageField], "a\rb");
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

  // While another station's append holds the file's lock, no row goes in.
  const fs::path log = program_.Path() / "log" / "log.csv";
  const int other = ::open(log.c_str(), O_WRONLY);
  std::string error;
  ASSERT_TRUE(platform::LockWholeFile(other, {}, &error)) << error;
  EXPECT_FALSE(datalog::AppendRow(log, "x\r\n", &error, std::chrono::milliseconds(20)));
  EXPECT_EQ(error, "another program kept it locked for 0 s");
  ::close(other);
  EXPECT_TRUE(datalog::AppendRow(log, "x\r\n", &error, {})) << error;
  EXPECT_TRUE(program_.Read("log/log.csv").ends_with(no_throws + "x\r\n"));
}

// A log folder on a full, then read-only, small tmpfs; then a log file that is
// a folder, with the fallback a folder too. Each row a log won't take goes to
// the fallback, the other log is still written, the terminal says where each
// row went, and one "Log Problem" box is shown per game.
TEST_F(LogTest, RowsALogWontTakeGoToTheFallbackAndTheTerminalSaysWhere) {
  const fs::path log = program_.Path() / "log";
  fs::create_directories(log);
  if (::mount("tmpfs", log.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "mounting a tmpfs is not permitted here (" << std::strerror(errno)
                 << "); run as root to test a full and a read-only log folder";
  }
  struct Unmount {
    const fs::path& dir;
    bool mounted = true;
    void Now() { mounted = mounted && ::umount2(dir.c_str(), MNT_DETACH) != 0; }
    ~Unmount() { Now(); }
  } unmount{log};
  const int fill = ::open((log / "fill").c_str(), O_WRONLY | O_CREAT, 0600);
  const std::string block(4096, 'x');
  while (::write(fill, block.data(), block.size()) > 0) {
  }
  ::close(fill);

  const std::string throws = Identity() + ",3,2,1\r\n", times = Identity() + ",1000,2500,10000\r\n",
                    onsets = Identity() + ",,,\r\n";
  const auto game = [&](const char* log_reason, const char* time_reason) {
    testing::internal::CaptureStderr();
    form_.WriteData();
    const std::string err = testing::internal::GetCapturedStderr();
    for (const auto& [name, reason] : {std::pair{"log.csv", log_reason},
                                       {"time.csv", time_reason},
                                       {"onset.csv", time_reason}}) {
      const std::string line = reason ? std::string(name) + ": could not be written (" + reason +
                                            "); row saved in log-unsaved.csv"
                                      : std::string(name) + ": row appended";
      EXPECT_NE(err.find("[volleta] " + line + "\n"), std::string::npos) << line << "\n" << err;
    }
    EXPECT_EQ(err.find("This game's row"), std::string::npos) << "the message goes to the box only";
  };
  game("No space left on device", "No space left on device");
  ASSERT_EQ(::mount("tmpfs", log.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
  game("Read-only file system", "Read-only file system");
  std::string fallback = "log.csv," + throws + "time.csv," + times + "onset.csv," + onsets;
  EXPECT_EQ(program_.Read("log-unsaved.csv"), fallback + fallback);
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].title, "Log Problem");
  EXPECT_NE(dialogs_.boxes[1].message.find((log / "time.csv").string() + ": Read-only file system"),
            std::string::npos)
      << dialogs_.boxes[1].message;

  unmount.Now();
  fs::create_directories(log / "log.csv");  // refused even as root
  game("Is a directory", nullptr);
  EXPECT_EQ(program_.Read("log/time.csv"), times);
  fs::remove(program_.Path() / "log-unsaved.csv");
  fs::create_directories(program_.Path() / "log-unsaved.csv");
  testing::internal::CaptureStderr();
  form_.WriteData();
  EXPECT_NE(testing::internal::GetCapturedStderr().find(
                "log.csv: could not be written (Is a directory), nor could log-unsaved.csv (Is a "
                "directory); the row is in the Log Problem message"),
            std::string::npos);
  ASSERT_EQ(dialogs_.boxes.size(), 4u);
  EXPECT_NE(dialogs_.boxes[3].message.find("Copy this row into log.csv by hand:\n" + throws),
            std::string::npos)
      << dialogs_.boxes[3].message;
}

}  // namespace
