// Whole games on a fake clock: the computer players' turns, the subject's
// throws, the connection screen, the end of the game and the window closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "game/class1.hpp"
#include "game/frm_main.hpp"
#include "platform/program.hpp"
#include "platform/random.hpp"
#include "session/module1.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/recording_browser.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/fttl.hpp"
#include "ttl/port.hpp"

namespace {

using namespace Module1;
using testing_support::RecordingBrowser;

const char* kTemplate =
    "<html><head><title>Welcome!</title></head>\r\n"
    "<body>name1 name2 name3 name4\r\n"
    "<img src=\"anim/4player/1to3.gif\">\r\n"
    "<a href=\"2to1.htm\">1</a><a href=\"2to3.htm\">3</a><a href=\"2to4.htm\">4</a>\r\n"
    "<table border=\"0\"></table></body></html>\r\n";

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("html/template.htm", kTemplate);
    sink.Sink = &browser;
    Module1::BrowserEvents = &sink;
    Module1::Browser = &browser;
    const char* names[] = {"", "Ann", "You", "Bob", "Cy"};
    for (int p = 1; p <= 4; ++p) PlayerNames[p] = session::Value::FromText(names[p]);
    NumPlayers = session::Value::FromField("4");
    DelayMin = session::Value::FromField("1");
    DelayRandom = session::Value::FromField("0");
    SpacerCount = session::Value::FromField("0");
    SubjectId = "S1";
    platform::SeedRandom(42);
  }

  // Sizes the game for `throws` throws and gives each thrower his line.
  void Schedule(int throws, std::initializer_list<std::pair<int, std::vector<int>>> lines) {
    TotalThrows = static_cast<std::int16_t>(throws);
    ThrowLog.assign(static_cast<std::size_t>(throws) + 2, LogEntry{});
    for (auto& row : ThrowSchedule) row.assign(static_cast<std::size_t>(throws) + 1, 0);
    for (const auto& [p, receivers] : lines) {
      for (std::size_t i = 0; i < receivers.size(); ++i) {
        ThrowSchedule[p][i + 1] = static_cast<std::int16_t>(receivers[i]);
      }
    }
  }

  std::string Url(const std::string& page) const {
    return "http://127.0.0.1:5555/0123456789abcdef0123456789abcdef/html/" + page;
  }
  void Navigate(const std::string& page) { sink.Sink_BeforeNavigate2(Url(page)); }

  // Starts the game the way the connection screen does.
  void StartGame() {
    Navigate("connecting.htm");
    loop.Advance(5000);
    ASSERT_EQ(browser.Pages().back(), "connected.htm");
    Navigate("connected.htm");
  }

  std::string Page() const { return folder.Read("html/quindle.htm"); }
  // Whether the log file holds exactly one row, ending in `tail`.
  bool OneRowEndingIn(const std::string& file, const std::string& tail) const {
    const std::string text = folder.Read("log/" + file);
    return text.find("\r\n") == text.size() - 2 && text.ends_with(tail + "\r\n");
  }
  testing_support::TempProgramFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakeLoop loop;
  boost::asio::io_context io;
  frmMain form{io, {}};
  RecordingBrowser browser;
  Class1& sink = form.Events;
};

TEST_F(GameTest, ConnectionScreenLeadsToTheGameStart) {
  Schedule(2, {{1, {3, 3}}, {3, {1, 1}}});
  Navigate("connecting.htm");
  EXPECT_TRUE(form.Timer2.Enabled());
  loop.Advance(4999);
  EXPECT_TRUE(browser.calls.empty());  // the connecting page itself is shown
  loop.Advance(1);
  EXPECT_EQ(browser.Pages(), std::vector<std::string>{"connected.htm"});
  EXPECT_FALSE(form.Timer2.Enabled());

  Navigate("connected.htm");
  ASSERT_EQ(browser.calls.size(), 3u);
  EXPECT_EQ(browser.calls[1].kind, RecordingBrowser::Call::kStop);
  EXPECT_EQ(browser.Pages().back(), "quindle.htm");
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(form.Timer1.Interval(), 8000u);
  EXPECT_EQ(StartTime, loop.Milliseconds());
  EXPECT_NE(Page().find("anim/4player/start.gif"), std::string::npos);
  EXPECT_NE(Page().find("<title>Welcome!"), std::string::npos);

  // The first throw comes 8 s later, from Player 1.
  loop.Advance(7999);
  EXPECT_EQ(ThrowCount, 0);
  loop.Advance(1);
  EXPECT_EQ(ThrowCount, 1);
  EXPECT_NE(Page().find("1to3.gif"), std::string::npos);
}

TEST_F(GameTest, TwoThrowGamePlaysThreeThrowsLogsTwoThenEnds) {
  Schedule(2, {{1, {3, 4}}, {3, {1}}, {4, {1}}});
  StartGame();
  loop.Advance(8000);  // 1 -> 3, logged as throw 1
  EXPECT_NE(Page().find("<title>Ann throws to Bob"), std::string::npos);
  EXPECT_NE(Page().find("1to3.gif"), std::string::npos);
  loop.Advance(1000);  // 3 -> 1, throw 2
  EXPECT_NE(Page().find("3to1.gif"), std::string::npos);
  loop.Advance(1000);  // 1 -> 4, shown but not logged
  EXPECT_NE(Page().find("1to4.gif"), std::string::npos);
  EXPECT_EQ(ThrowLog[3].Receiver, 0);
  EXPECT_FALSE(folder.Exists("log/log.csv"));

  bool logged_before_thanks = false;
  browser.on_navigate = [&](const std::filesystem::path& page) {
    if (page.filename() == "thankyou.htm") {
      logged_before_thanks = folder.Exists("log/log.csv") && !form.Timer1.Enabled();
    }
  };
  loop.Advance(1000);
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
  EXPECT_TRUE(logged_before_thanks);
  EXPECT_FALSE(form.Timer1.Enabled());

  // Nothing more happens, whatever time passes.
  loop.Advance(60000);
  EXPECT_TRUE(OneRowEndingIn("log.csv", ",3,1"));
  EXPECT_TRUE(OneRowEndingIn("time.csv", ",8000,9000"));
}

TEST_F(GameTest, ThrowToTheSubjectWaitsForTheSubjectsThrow) {
  Schedule(30, {{1, {2, 3}}, {3, {1}}});
  DelayMin = session::Value::FromField("2");
  DelayRandom = session::Value::FromField("3");
  StartGame();
  loop.Advance(8000);  // Player 1 throws to the subject
  EXPECT_FALSE(form.Timer1.Enabled());
  const std::uint32_t delay = form.Timer1.Interval();
  EXPECT_GE(delay, 2000u);
  EXPECT_LT(delay, 5000u);
  EXPECT_NE(Page().find("<a href=\"2to3.htm\">"), std::string::npos);
  EXPECT_NE(Page().find("<script"), std::string::npos);
  loop.Advance(60000);
  EXPECT_EQ(ThrowCount, 1);  // nobody throws until the subject does

  Navigate("2to3.htm");
  EXPECT_EQ(Page().find("<script"), std::string::npos);
  // Player 3 throws one drawn delay after the subject's throw.
  loop.Advance(delay - 1);
  EXPECT_EQ(ThrowCount, 2);
  loop.Advance(1);
  EXPECT_EQ(ThrowCount, 3);
  EXPECT_EQ(BallHolder, 1);
}

// Each page sent ahead is the page its tick then shows, byte for byte; each
// subject's throw held ready is the page the handler shows; staging writes no
// file, and the game, its logs and the random sequence are as without it. An
// answer from the window moves the tick onto its frame, within reach only.
TEST_F(GameTest, StagedPagesAreTheTicksOwnAndChangeNothing) {
  Schedule(4, {{1, {3, 2, 4}}, {3, {1}}, {4, {1}}});
  DelayRandom = session::Value::FromField("2");
  StartGame();
  ASSERT_EQ(browser.stages.size(), 1u);
  EXPECT_EQ(browser.stages[0].due, loop.Now() + 8000.0);
  // Late answers and frames out of reach leave the tick at its due time.
  EXPECT_FALSE(sink.Sink_StageTimed(1, loop.Now() + 8000.0 + 41));
  EXPECT_FALSE(sink.Sink_StageTimed(2, loop.Now() + 8000.0 + 5));
  EXPECT_TRUE(sink.Sink_StageTimed(1, loop.Now() + 8000.0 + 5));
  loop.Advance(8004);
  EXPECT_EQ(ThrowCount, 0);
  const std::string before_tick = Page();
  loop.Advance(1);
  ASSERT_EQ(ThrowCount, 1);
  EXPECT_NE(Page(), before_tick);
  EXPECT_EQ(Page(), browser.stages[0].bytes);
  EXPECT_FALSE(sink.Sink_StageTimed(1, loop.Now() + 100));  // its tick has fired

  for (std::size_t n = 1; n < 3; ++n) {  // 3 -> 1, 1 -> 2
    ASSERT_EQ(browser.stages.size(), n + 1);
    loop.Advance(form.Timer1.Interval());
    EXPECT_EQ(Page(), browser.stages[n].bytes);
  }
  // The subject holds the ball: the throws the handler takes are held ready.
  EXPECT_EQ(browser.stages.size(), 3u);
  ASSERT_EQ(browser.choices.size(), 3u);
  const auto held = browser.choices;
  Navigate("2to4.htm");
  EXPECT_EQ(held[2].first, "2to4.htm");
  EXPECT_EQ(Page(), held[2].second);
  while (!form.GameOver) loop.Advance(100);
  EXPECT_TRUE(OneRowEndingIn("log.csv", ",3,1,2,4"));

  // One random number per computer throw, as without staging.
  const int draws = ThrowsMade[1] + ThrowsMade[3] + ThrowsMade[4];
  const float next = platform::Rnd();
  platform::SeedRandom(42);
  for (int i = 0; i < draws; ++i) platform::Rnd();
  EXPECT_EQ(next, platform::Rnd());
}

TEST_F(GameTest, ThrowNavigationRules) {
  Schedule(4, {});
  // Keywords are case-sensitive and never count at the URL's first character.
  Navigate("Connecting.htm");
  Navigate("2TO1.HTM");
  sink.Sink_BeforeNavigate2("connecting.htm");
  sink.Sink_BeforeNavigate2("2to1.htm");
  EXPECT_TRUE(browser.calls.empty());
  EXPECT_FALSE(form.Timer2.Enabled());

  // "2to" with no player of the game restarts the timer and stops the page only.
  Navigate("2to2.htm");
  EXPECT_TRUE(form.Timer1.Enabled());
  ASSERT_EQ(browser.calls.size(), 1u);
  EXPECT_EQ(browser.calls[0].kind, RecordingBrowser::Call::kStop);
  EXPECT_EQ(ThrowCount, 0);

  // A throw is taken while ThrowCount <= TotalThrows, whatever the player count.
  ThrowCount = 4;
  Navigate("2to4.htm");
  EXPECT_EQ(ThrowLog[5].Receiver, 4);
  EXPECT_EQ(ThrowCount, 5);
  browser.calls.clear();
  form.Timer1.SetEnabled(false);
  Navigate("2to1.htm");
  EXPECT_TRUE(browser.calls.empty());  // not stopped: the page is simply shown
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(ThrowCount, 5);
  EXPECT_EQ(BallHolder, 4);
}

TEST_F(GameTest, ExtraLastThrowToTheSubjectStillEndsTheGame) {
  // Throws 1 and 2 are logged; the extra third goes to the subject.
  Schedule(2, {{1, {3, 2}}, {3, {1}}});
  StartGame();
  loop.Advance(8000 + 1000 + 1000);
  EXPECT_EQ(ThrowCount, 3);
  EXPECT_NE(Page().find("1to2.gif"), std::string::npos);
  EXPECT_TRUE(form.Timer1.Enabled());

  // The subject's answer in that last interval is not a throw.
  const std::size_t before = browser.calls.size();
  Navigate("2to1.htm");
  EXPECT_EQ(browser.calls.size(), before);
  EXPECT_EQ(ThrowLog[3].Receiver, 0);

  loop.Advance(1000);
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
  EXPECT_TRUE(OneRowEndingIn("log.csv", ",3,1"));
}

TEST_F(GameTest, DelaysStayWithinTheirBoundsAndZeroTicksAtOnce) {
  Schedule(500, {{1, std::vector<int>(500, 3)}, {3, std::vector<int>(500, 1)}});
  DelayMin = session::Value::FromField("2");
  DelayRandom = session::Value::FromField("3");
  std::set<std::uint32_t> delays;
  for (int n = 0; n < 500; ++n) {
    form.Timer1_Timer();
    delays.insert(form.Timer1.Interval());
  }
  EXPECT_GE(*delays.begin(), 2000u);
  EXPECT_LT(*delays.begin(), 2050u);
  EXPECT_LE(*delays.rbegin(), 4999u);
  EXPECT_GT(*delays.rbegin(), 4950u);

  // A delay of 0 ms ticks on the next turn of the loop, not never: the extra
  // last throw and the end of the game follow at once.
  DelayMin = DelayRandom = session::Value::FromField("0");
  form.Timer1.SetInterval(0);
  form.Timer1.SetEnabled(true);
  loop.Advance(0);
  loop.Advance(0);
  EXPECT_EQ(ThrowCount, 501);
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
}

TEST_F(GameTest, ThrowerWithNothingLeftScheduledThrowsToNobody) {
  // Nothing scheduled at all: Player 1 makes every throw, to nobody, one more
  // time than his schedule row has room for.
  Schedule(3, {});
  StartGame();
  loop.Advance(8000 + 3 * 1000);
  EXPECT_EQ(ThrowCount, 4);
  EXPECT_EQ(ThrowsMade[1], 4);
  loop.Advance(1000);
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
  EXPECT_TRUE(OneRowEndingIn("log.csv", ",0,0,0"));
}

TEST_F(GameTest, ATickThatFailsIsReportedAndTheGameGoesOn) {
  struct FailingOncePort final : ttl::Port {
    bool failed = false;
    bool Outp(std::uint16_t, std::uint8_t, std::string*) override {
      if (!std::exchange(failed, true)) throw std::runtime_error("the port went away");
      return true;
    }
    std::string Describe() const override { return "failing once"; }
  };
  std::vector<std::string> reported;
  struct Restore {
    ~Restore() {
      ttl::UnloadForm();
      ttl::SetPort(nullptr);
      platform::SetFailureReport(nullptr);
    }
  } restore;
  ttl::SetPort(std::make_unique<FailingOncePort>());
  ttl::LoadForm();
  platform::SetFailureReport([&](const std::string& what) { reported.push_back(what); });
  TtlEnabled = true;
  TtlCodes = {0, 1, 2, 3, 4};
  TtlDuration = session::Value::FromField("5");
  Schedule(2, {{1, {3, 4}}, {3, {1}}, {4, {1}}});
  StartGame();
  loop.Advance(8000);
  EXPECT_EQ(reported, std::vector<std::string>{"the port went away"});
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(loop.NextDue(), 8000u);  // its interval, untouched by the failed tick
  EXPECT_FALSE(form.Timer2.Enabled());
  loop.Advance(60000);
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
  EXPECT_TRUE(folder.Exists("log/log.csv") && folder.Exists("log/time.csv"));
}

TEST_F(GameTest, ClosingTheWindowEndsTheProgramWithoutLogs) {
  Schedule(4, {{1, {3, 3}}, {3, {1, 1}}});
  StartGame();
  loop.Advance(9000);
  try {
    sink.Sink_OnQuit();
    FAIL() << "the program did not end";
  } catch (const platform::ProgramEnd& end) {
    EXPECT_EQ(end.Status(), 0);
  }
  EXPECT_FALSE(folder.Exists("log/log.csv"));
}

}  // namespace
