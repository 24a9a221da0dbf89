// The experiment the build puts beside the executable: the four conditions pass --check and keep their
// pattern in whole games on the real game code, the template carries the markers the program
// substitutes, and the animations are once-played GIFs of the template's picture size.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <span>

#include "game/class1.hpp"
#include "game/frm_main.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "support/recording_browser.hpp"
#include "support/run_program.hpp"
#include "support/scripted_dialogs.hpp"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
const fs::path kShipped = fs::path(VOLLETA_PROGRAM_EXE).parent_path();
const std::vector<std::string> kConditions{"3pl - include subject.txt", "3pl - ostracize subject.txt",
                                           "4pl - include subject.txt", "4pl - ostracize subject.txt"};

TEST(ShippedSettings, TheFourConditionsPassTheProgramsCheck) {
  for (const std::string& name : kConditions) {
    const auto run = testing_support::RunVolleta({"--folder", kShipped.string(), "--check", name});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    for (const std::string& line : {"Players: " + name.substr(0, 1), "Total throws: 30"s,
                                    "Delays: 0.5 s plus up to 2.5 s"s, "All checks passed."s}) {
      EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << name << ": " << line << "\n" << run.out;
    }
    int pictures = 0;
    const std::regex picture(R"(, picture (\S+)\n)");
    for (std::sregex_iterator m(run.out.begin(), run.out.end(), picture), end; m != end; ++m, ++pictures) {
      EXPECT_TRUE(fs::is_regular_file(kShipped / "html" / "faces" / (*m)[1].str())) << (*m)[1];
    }
    EXPECT_EQ(pictures, name[0] - '0') << name << ": every player has a shipped picture";
  }
}

// A whole game on a copy of the shipped folder: real game form, recording window, fake clock. The seed
// moves the clock (the schedule's randomisation is seeded from the time of day) and picks the subject's
// throws. Returns the receivers of throws 1 to 30.
std::vector<int> PlayGame(const std::string& settings, unsigned seed) {
  testing_support::TempProgramFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakeLoop loop;
  boost::asio::io_context io;
  frmMain form{io, {}};
  testing_support::RecordingBrowser browser;
  Class1& sink = form.Events;
  std::mt19937 subject(seed);
  loop.Advance(seed * 7919ull);
  for (const char* sub : {"settings", "schedules", "html"}) {
    fs::copy(kShipped / sub, folder.Path() / sub, fs::copy_options::recursive);
  }
  Module1::Command = settings;
  session::RunSetUp(session::SetUpMode::kCheck);
  sink.Sink = Module1::Browser = &browser;
  Module1::BrowserEvents = &sink;

  const std::string html = "http://127.0.0.1:1/x/html/";
  sink.Sink_BeforeNavigate2(html + "connecting.htm");
  loop.Advance(5000);
  sink.Sink_BeforeNavigate2(html + "connected.htm");
  const std::vector<int> others = Module1::NumPlayers == 3 ? std::vector{1, 3} : std::vector{1, 3, 4};
  for (int steps = 0; steps < 1000 && browser.Pages().back() != "thankyou.htm"; ++steps) {
    if (Module1::BallHolder == 2 && !form.Timer1.Enabled()) {
      const int to = others[subject() % others.size()];
      sink.Sink_BeforeNavigate2(html + "2to" + std::to_string(to) + ".htm");
    } else if (const auto due = loop.NextDue()) {
      loop.Advance(*due);
    } else {
      break;
    }
  }
  EXPECT_EQ(browser.Pages().back(), "thankyou.htm");
  std::vector<int> receivers;
  for (int n = 1; n <= Module1::TotalThrows; ++n) receivers.push_back(Module1::ThrowLog[n].Receiver);
  return receivers;
}

class ShippedCondition : public ::testing::TestWithParam<std::tuple<std::string, unsigned>> {};

// Ostracism: the subject gets the ball twice within the first four throws, then never again. Inclusion:
// each computer player throws to him once in every (players - 1) of his throws: a fair share throughout.
TEST_P(ShippedCondition, KeepsItsPatternWhateverTheOrderAndTheSubject) {
  const auto& [settings, seed] = GetParam();
  const bool inclusion = settings.find("include") != std::string::npos;
  const int block = settings[0] - '0' - 1;
  const std::vector<int> receivers = PlayGame(settings, seed);
  ASSERT_EQ(receivers.size(), 30u);
  std::vector<int> to_subject;
  std::map<int, std::pair<int, int>> made_and_shared;  // per computer player
  for (int n = 1, thrower = 1; n <= 30; thrower = receivers[n++ - 1]) {
    const int to = receivers[n - 1];
    EXPECT_GE(to, 1) << "throw " << n << " had nobody scheduled";
    if (to == 2) to_subject.push_back(n);
    if (thrower == 2 || !inclusion) continue;
    auto& [made, shared] = made_and_shared[thrower];
    shared += to == 2;
    ++made;
    EXPECT_GE(shared, made / block) << "Player " << thrower << " after " << made;
    EXPECT_LE(shared, (made + block - 1) / block) << "Player " << thrower << " after " << made;
  }
  if (inclusion) {
    EXPECT_GE(to_subject.size(), block == 3 ? 5u : 7u);
  } else {
    ASSERT_EQ(to_subject.size(), 2u);
    EXPECT_LE(to_subject.back(), 4);
  }
}

INSTANTIATE_TEST_SUITE_P(Games, ShippedCondition,
                         ::testing::Combine(::testing::ValuesIn(kConditions), ::testing::Range(1u, 13u)));

const std::string kTemplate = [] {
  std::ifstream in(kShipped / "html" / "template.htm", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}();

// The markers the program finds by their exact text (names, links and player count: see the page tests).
TEST(Template, CarriesEachExactMarkerOnce) {
  std::vector<std::string> once{"<title>Welcome!", "<head>", "<table border", "1to3.gif",
                                "anim/4player/1to3.gif"};
  for (const std::string p : {"1", "2", "3", "4"}) {
    once.push_back("<img border=\"0\" src=\"faces/face" + p + ".jpg\"<br>" + (p == "4" ? "</a><br>" : ""));
  }
  for (const std::string& marker : once) {
    const auto at = kTemplate.find(marker);
    EXPECT_TRUE(at != std::string::npos && at == kTemplate.rfind(marker)) << marker;
  }
}

TEST(Animations, EveryPairOfBothCountsIsAGifOfTheTemplatesSizePlayedOnceInAboutASecond) {
  std::smatch size;
  const std::regex img(R"re(<img[^>]*src="anim/4player/1to3\.gif"[^>]*width="(\d+)" height="(\d+)")re");
  ASSERT_TRUE(std::regex_search(kTemplate, size, img)) << "the template gives the animation its size";
  const int width = std::stoi(size[1]), height = std::stoi(size[2]);
  for (const char players : {'3', '4'}) {
    const fs::path folder = kShipped / "html" / "anim" / (players + "player"s);
    std::vector<std::string> names{"start.gif"};
    for (char from = '1'; from <= players; ++from) {
      for (char to = '1'; to <= players; ++to) {
        if (from != to) names.push_back(std::string{from, 't', 'o', to} + ".gif");
      }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), std::ssize(names)) << folder;
    for (const std::string& name : names) {
      int error = 0;
      const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
          DGifOpenFileName((folder / name).c_str(), &error),
          [](GifFileType* g) { DGifCloseFile(g, nullptr); });
      ASSERT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK) << folder / name;
      EXPECT_TRUE(gif->SWidth == width && gif->SHeight == height) << name;
      EXPECT_GT(gif->ImageCount, 1) << name;
      int delay_cs = 0;
      for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& frame = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &gcb), GIF_OK) << name << " frame " << i;
        if (i + 1 < gif->ImageCount) delay_cs += gcb.DelayTime;
        for (const ExtensionBlock& e : std::span(frame.ExtensionBlocks, frame.ExtensionBlockCount)) {
          EXPECT_NE(e.Function, APPLICATION_EXT_FUNC_CODE) << name << ": a loop would repeat the throw";
        }
      }
      EXPECT_TRUE(delay_cs >= 80 && delay_cs <= 160) << name << " moves for " << delay_cs << " cs";
    }
  }
}

}  // namespace
