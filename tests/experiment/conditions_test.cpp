// The four shipped conditions: each settings file passes --check in the real
// program, and whole games played with the real game code on a fake clock keep
// each condition's pattern whatever the randomisation and whatever the
// subject does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "game/class1.hpp"
#include "game/frm_main.hpp"
#include "platform/random.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/recording_browser.hpp"
#include "support/run_program.hpp"
#include "support/scripted_dialogs.hpp"
#include "shipped_files.hpp"

namespace {

namespace fs = std::filesystem;
using experiment_test::FilesIn;
using experiment_test::ProgramFolder;

const std::vector<std::string> kConditions{
    "3pl - include subject.txt", "3pl - ostracize subject.txt", "4pl - include subject.txt",
    "4pl - ostracize subject.txt"};

TEST(ShippedSettings, AreTheFourConditionsEachWithItsSchedule) {
  EXPECT_EQ(FilesIn("settings"), kConditions);
  EXPECT_EQ(FilesIn("schedules"), kConditions);
}

TEST(ShippedSettings, EveryFilePassesTheProgramsCheck) {
  for (const std::string& name : kConditions) {
    SCOPED_TRACE(name);
    const testing_support::ProgramRun run =
        testing_support::RunVolleta({"--folder", ProgramFolder().string(), "--check", name});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("All checks passed."), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Players: " + name.substr(0, 1) + "\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Total throws: 30\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Delays: 0.5 s plus up to 2.5 s\n"), std::string::npos) << run.out;
    // Every picture the settings file names is shipped.
    const std::regex picture(R"(, picture (\S+)\n)");
    int pictures = 0;
    for (std::sregex_iterator m(run.out.begin(), run.out.end(), picture), end; m != end; ++m) {
      ++pictures;
      EXPECT_TRUE(fs::is_regular_file(ProgramFolder() / "html" / "faces" / (*m)[1].str()))
          << (*m)[1].str();
    }
    EXPECT_EQ(pictures, name[0] - '0') << "every player has a picture";
  }
}

// A copy of the shipped experiment as the program folder, a real game form and
// event sink, a recording window and a fake clock.
class ShippedGame : public ::testing::Test {
 protected:
  // `seed` moves the fake clock first: the schedule's randomisation is
  // seeded from the time of day, so each seed gives another order.
  void Load(const std::string& settings, unsigned seed) {
    loop.Advance(static_cast<std::uint64_t>(seed) * 7919);
    subject.seed(seed);
    for (const char* sub : {"settings", "schedules", "html"}) {
      fs::copy(ProgramFolder() / sub, folder.Path() / sub, fs::copy_options::recursive);
    }
    Module1::Command = settings;
    session::RunSetUp(session::SetUpMode::kCheck);
    sink.Sink = &browser;
    Module1::BrowserEvents = &sink;
    Module1::Browser = &browser;
  }

  // Plays one game to the thank-you page; the subject throws to a random
  // other player whenever the ball is his. Returns the receivers of the
  // logged throws 1 to 30.
  std::vector<int> Play() {
    sink.Sink_BeforeNavigate2("http://127.0.0.1:1/x/html/connecting.htm");
    loop.Advance(5000);
    sink.Sink_BeforeNavigate2("http://127.0.0.1:1/x/html/connected.htm");
    const int players = Module1::NumPlayers == 3 ? 3 : 4;
    for (int steps = 0; steps < 1000 && browser.Pages().back() != "thankyou.htm"; ++steps) {
      if (Module1::BallHolder == 2 && !form.Timer1.Enabled()) {
        const std::vector<int> others = players == 4 ? std::vector<int>{1, 3, 4}
                                                     : std::vector<int>{1, 3};
        const int to = others[subject() % others.size()];
        sink.Sink_BeforeNavigate2("http://127.0.0.1:1/x/html/2to" + std::to_string(to) + ".htm");
        continue;
      }
      const auto due = loop.NextDue();
      if (!due) break;
      loop.Advance(*due);
    }
    EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
    std::vector<int> receivers;
    for (int n = 1; n <= Module1::TotalThrows; ++n) receivers.push_back(Module1::ThrowLog[n].Receiver);
    return receivers;
  }

  testing_support::TempProgramFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakeLoop loop;
  frmMain form;
  testing_support::RecordingBrowser browser;
  Class1 sink;
  std::mt19937 subject;
};

// Per computer player, the receivers of his throws in order (the thrower of
// throw n is the receiver of throw n - 1; Player 1 opens).
std::map<int, std::vector<int>> ByThrower(const std::vector<int>& receivers) {
  std::map<int, std::vector<int>> by;
  int thrower = 1;
  for (int r : receivers) {
    if (thrower != 2) by[thrower].push_back(r);
    thrower = r;
  }
  return by;
}

void ExpectOstracism(const std::vector<int>& receivers) {
  std::vector<int> to_subject;
  for (std::size_t n = 0; n < receivers.size(); ++n) {
    EXPECT_GE(receivers[n], 1) << "throw " << n + 1 << " had nobody scheduled";
    if (receivers[n] == 2) to_subject.push_back(static_cast<int>(n) + 1);
  }
  ASSERT_EQ(to_subject.size(), 2u);
  EXPECT_LE(to_subject.back(), 4) << "the subject gets the ball within the first four throws";
}

// Each computer player throws to the subject once in every `block` of his
// throws, so at every point of the game his share is fair within one throw.
void ExpectInclusion(const std::vector<int>& receivers, int block) {
  for (int r : receivers) EXPECT_GE(r, 1);
  for (const auto& [thrower, to] : ByThrower(receivers)) {
    int to_subject = 0;
    for (std::size_t m = 0; m < to.size(); ++m) {
      to_subject += to[m] == 2;
      const int made = static_cast<int>(m) + 1;
      EXPECT_GE(to_subject, made / block) << "Player " << thrower << " after " << made;
      EXPECT_LE(to_subject, (made + block - 1) / block) << "Player " << thrower << " after " << made;
    }
  }
}

class ShippedCondition : public ShippedGame, public ::testing::WithParamInterface<unsigned> {};

TEST_P(ShippedCondition, FourPlayerOstracism) {
  Load("4pl - ostracize subject.txt", GetParam());
  ExpectOstracism(Play());
}
TEST_P(ShippedCondition, ThreePlayerOstracism) {
  Load("3pl - ostracize subject.txt", GetParam());
  ExpectOstracism(Play());
}
TEST_P(ShippedCondition, FourPlayerInclusion) {
  Load("4pl - include subject.txt", GetParam());
  const std::vector<int> receivers = Play();
  ExpectInclusion(receivers, 3);
  EXPECT_GE(std::count(receivers.begin(), receivers.end(), 2), 5);
}
TEST_P(ShippedCondition, ThreePlayerInclusion) {
  Load("3pl - include subject.txt", GetParam());
  const std::vector<int> receivers = Play();
  ExpectInclusion(receivers, 2);
  EXPECT_GE(std::count(receivers.begin(), receivers.end(), 2), 7);
}

// Different randomisations of the schedule and different subjects.
INSTANTIATE_TEST_SUITE_P(Games, ShippedCondition, ::testing::Range(1u, 13u));

}  // namespace
