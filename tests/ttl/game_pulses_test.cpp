// A whole game with TTL output on the recording port: one code per logged
// catch, each followed by 0 after the duration, in the order of log.csv.
#include <gtest/gtest.h>

#include <sstream>

#include "game/class1.hpp"
#include "game/frm_main.hpp"
#include "platform/program.hpp"
#include "platform/random.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/recording_browser.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/fttl.hpp"
#include "ttl/session_port.hpp"
#include "ttl_fixture.hpp"

namespace {

using namespace Module1;

TEST(GamePulses, EveryLoggedCatchIsPulsedWithItsReceiversCode) {
  testing_support::TempProgramFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakeLoop loop;
  frmMain form;
  testing_support::RecordingBrowser browser;
  Class1 sink;
  sink.Sink = &browser;
  BrowserEvents = &sink;
  Browser = &browser;

  folder.Write("html/template.htm", "<html><body>name1 name2 name3 name4</body></html>\r\n");
  folder.Write("ttl.txt", "1,10\r\n2,20\r\n3,30\r\n4,40\r\n888\r\n5\r\n");
  const char* names[] = {"", "Ann", "You", "Bob", "Cy"};
  for (int p = 1; p <= 4; ++p) PlayerNames[p] = session::Value::FromText(names[p]);
  NumPlayers = session::Value::FromField("4");
  DelayMin = session::Value::FromField("1");
  DelayRandom = session::Value::FromField("0.5");
  SpacerCount = session::Value::FromField("0");
  SubjectId = "S1";
  platform::SeedRandom(7);
  const int total = 8;
  TotalThrows = total;
  ThrowLog.assign(total + 2, LogEntry{});
  for (auto& row : ThrowSchedule) row.assign(total + 1, 0);
  const std::vector<std::vector<int>> lines = {{}, {2, 3, 4, 2}, {}, {1, 2, 1, 1}, {2, 1, 3}};
  for (int p = 1; p <= 4; ++p) {
    for (std::size_t i = 0; i < lines[p].size(); ++i) ThrowSchedule[p][i + 1] = lines[p][i];
  }

  TtlEnabled = session::ReadTtlConfiguration(nullptr);
  ASSERT_TRUE(TtlEnabled);
  ttl::PortEnvironment env;
  env.log_clock = [&loop] { return static_cast<double>(loop.Now()); };
  const std::filesystem::path port_log = folder.Path() / "ports.log";
  ttl::OpenPortForSession(port_log.string(), env);

  // The subject throws to 3, 4, 1, ... in turn whenever the ball comes.
  const char* subject_throws[] = {"2to3.htm", "2to4.htm", "2to1.htm"};
  int subject_turns = 0;
  const auto url = [](const std::string& page) { return "http://127.0.0.1:1/x/html/" + page; };
  sink.Sink_BeforeNavigate2(url("connecting.htm"));
  loop.Advance(5000);
  sink.Sink_BeforeNavigate2(url("connected.htm"));
  for (int step = 0; step < 200 && browser.Pages().back() != "thankyou.htm"; ++step) {
    if (BallHolder == 2 && !form.Timer1.Enabled()) {
      loop.Advance(700);
      sink.Sink_BeforeNavigate2(url(subject_throws[subject_turns++ % 3]));
    } else {
      loop.Advance(100);
    }
  }
  ASSERT_EQ(browser.Pages().back(), "thankyou.htm");
  ASSERT_GE(subject_turns, 2) << "the schedule must give the subject the ball";
  loop.Advance(1000);
  sink.Sink_BeforeNavigate2(url("thankyou.htm"));
  EXPECT_THROW(sink.Sink_OnQuit(), platform::ProgramEnd);

  // The receivers are the last TotalThrows fields of the game's log.csv row.
  std::string row = folder.Read("log/log.csv");
  row = row.substr(0, row.find("\r\n"));
  std::vector<int> logged;
  std::stringstream fields(row);
  for (std::string field; std::getline(fields, field, ',');) logged.push_back(std::atoi(field.c_str()));
  ASSERT_GE(logged.size(), static_cast<std::size_t>(total));
  logged.erase(logged.begin(), logged.end() - total);

  const auto writes = ttl_test::ReadPortLog(port_log);
  std::vector<int> pulsed;
  for (std::size_t i = 0; i < writes.size(); i += 2) {
    EXPECT_EQ(writes[i].address, 888u);
    ASSERT_LT(i + 1, writes.size()) << "a code left on the port";
    EXPECT_EQ(writes[i + 1].value, 0u);
    EXPECT_DOUBLE_EQ(writes[i + 1].ms - writes[i].ms, 5.0);
    pulsed.push_back(static_cast<int>(writes[i].value) / 10);
  }
  // The subject's catch after the last logged throw is pulsed, not logged.
  if (pulsed.size() == logged.size() + 1) pulsed.pop_back();
  EXPECT_EQ(pulsed, logged) << row;
  EXPECT_EQ(ttl::LoadedForm(), nullptr) << "closing the window unloads fTTL";
  ttl::SetPort(nullptr);
}

}  // namespace
