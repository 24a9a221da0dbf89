// The Lab Streaming Layer outputs of the real executable, recorded by a peer
// built from liblsl's own inlet API while a pilot game runs in headless
// Chromium. All LSL traffic stays on this machine (tests/lsl/lsl_api.cfg).
#include <gtest/gtest.h>
#include <lsl_cpp.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "datalog/log_reader.hpp"
#include "lsl/lsl_file.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
const fs::path kShipped = fs::path(VOLLETA_PROGRAM_EXE).parent_path();
const std::string kSettings = "4pl - include subject.txt";

// Before liblsl reads its configuration, and for every program started here.
const bool kOnThisMachineOnly = setenv("LSLAPICFG", VOLLETA_LSLAPICFG, 1) == 0;

// Records one stream, found by name, until told to stop.
class Recorder {
 public:
  explicit Recorder(std::string name)
      : thread_([this, name] {
          try {
            Run(name);
          } catch (const std::exception& e) {
            failure = e.what();
          }
        }) {}
  ~Recorder() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::vector<int> values;
  std::vector<double> stamps;  // with the inlet's time correction
  std::string xml;
  std::string failure;

 private:
  void Run(const std::string& name) {
    std::vector<lsl::stream_info> found;
    while (found.empty() && !stop_) found = lsl::resolve_stream("name", name, 1, 0.5);
    if (found.empty()) return;
    lsl::stream_inlet inlet(found[0]);
    inlet.open_stream(30);
    xml = inlet.info(30).as_xml();
    // While the program runs: it ends with the game.
    const double correction = inlet.time_correction(30);
    for (;;) {
      std::int32_t value = 0;
      const double stamp = inlet.pull_sample(&value, 1, 0.5);
      if (stamp != 0) {
        values.push_back(value);
        stamps.push_back(stamp + correction);
      } else if (stop_) {
        break;
      }
    }
  }
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// How far apart `b - a` strays for all pairs, in ms: the two clocks' origins differ.
double Spread(const std::vector<double>& a_ms, const std::vector<double>& b_ms) {
  std::vector<double> d;
  for (std::size_t k = 0; k < a_ms.size(); ++k) d.push_back(b_ms[k] - a_ms[k]);
  const auto [low, high] = std::minmax_element(d.begin(), d.end());
  return *high - *low;
}

class Lsl : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kOnThisMachineOnly);
    for (const char* sub : {"settings", "schedules", "html"}) {
      fs::copy(kShipped / sub, folder.Path() / sub, fs::copy_options::recursive);
    }
    folder.Write("ttl.txt", "1,11\n2,22\n3,33\n4,44\n888\n5\n");
  }
  testing_support::TempProgramFolder folder;
  // Unique to this run, so that no other test's streams are picked up.
  const std::string name = "VolletaTest" + std::to_string(::getpid());
};

TEST_F(Lsl, ARecorderGetsEveryCatchAndOnsetOfAWholeGame) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  folder.Write("lsl.txt", name + "\n");
  const fs::path port_log = folder.Path() / "port.log";
  Recorder markers(name + "-pilot"), onsets(name + "-pilot-onsets");
  testing_support::RunningVolleta run({"--folder", folder.Path().string(), "--pilot", "1",
                                       "--speed", "4", "--port-log", port_log.string(), kSettings},
                                      "");
  ASSERT_EQ(run.Wait(), 0) << run.Err();
  markers.Stop();
  onsets.Stop();
  EXPECT_EQ(markers.failure + onsets.failure, "");
  const std::string& err = run.Err();
  EXPECT_LT(err.find("a recorder is receiving \"" + name + "-pilot-onsets\""),
            err.find("game started")) << err;

  // Every code the port was given, in order, each stamped as it was written.
  std::vector<int> codes;
  std::vector<double> written_ms, marked_ms;
  std::istringstream port(folder.Read("port.log"));
  double at = 0;
  int address = 0, value = 0;
  while (port >> at >> address >> value) {
    if (value == 0) continue;
    codes.push_back(value);
    written_ms.push_back(at);
  }
  ASSERT_EQ(codes.size(), 30u) << folder.Read("port.log");
  EXPECT_EQ(markers.values, codes);
  for (const double t : markers.stamps) marked_ms.push_back(t * 1000);
  ASSERT_EQ(marked_ms.size(), written_ms.size());
  EXPECT_LE(Spread(written_ms, marked_ms), 1.0);

  // One onset sample per onset in onset.csv, with its receiver's code, on its onset.
  const auto receivers = datalog::ParseCsv(folder.Read("log/pilot/log.csv"));
  const auto onset_rows = datalog::ParseCsv(folder.Read("log/pilot/onset.csv"));
  ASSERT_TRUE(receivers.size() == 1 && onset_rows.size() == 1);
  std::vector<int> shown;
  std::vector<double> onset_ms, stamped_ms;
  for (std::size_t n = 1; n <= 30; ++n) {
    const std::string& onset = onset_rows[0].fields[datalog::kIdentityFields + n - 1];
    if (onset.empty()) continue;
    shown.push_back(std::stoi(receivers[0].fields[datalog::kIdentityFields + n - 1]) * 11);
    onset_ms.push_back(std::stod(onset));
  }
  EXPECT_GE(shown.size(), 25u) << "onsets missing from onset.csv";
  EXPECT_EQ(onsets.values, shown);
  for (const double t : onsets.stamps) stamped_ms.push_back(t * 1000);
  ASSERT_EQ(stamped_ms.size(), onset_ms.size());
  // onset.csv holds whole milliseconds.
  EXPECT_LT(Spread(onset_ms, stamped_ms), 1.0 + 0.01);

  // The description explains the stream.
  lsl::stream_info info = lsl::stream_info::from_xml(markers.xml);
  EXPECT_EQ(info.type(), "Markers");
  EXPECT_EQ(info.channel_format(), lsl::cf_int32);
  EXPECT_EQ(info.desc().child_value("values"), std::string("ttl-codes"));
  EXPECT_EQ(info.desc().child_value("settings"), kSettings);
  EXPECT_EQ(info.desc().child_value("pilot"), std::string("true"));
  const lsl::xml_element code = info.desc().child("codes").child("code").next_sibling();
  EXPECT_EQ(code.child_value("value"), std::string("22"));
  EXPECT_EQ(code.child_value("meaning"), std::string("Player 2 (the participant) caught the ball"));
  EXPECT_NE(onsets.xml.find("<label>ThrowOnset</label>"), std::string::npos) << onsets.xml;
}

TEST_F(Lsl, AGameWithNobodyRecordingLosesNothing) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  folder.Write("ttl.txt", "");  // no valid ttl.txt: the markers are player numbers
  folder.Write("lsl.txt", name + "\n");
  const auto run = testing_support::RunVolleta(
      {"--folder", folder.Path().string(), "--pilot", "1", "--speed", "50", kSettings});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("publishing \"" + name + "-pilot\" and \"" + name + "-pilot-onsets\""),
            std::string::npos) << run.err;
  for (const char* log : {"log.csv", "time.csv", "onset.csv"}) {
    const auto rows = datalog::ParseCsv(folder.Read(std::string("log/pilot/") + log));
    ASSERT_EQ(rows.size(), 1u) << log;
    EXPECT_EQ(rows[0].fields.size(), datalog::kIdentityFields + 30) << log;
    // The last picture's onset may come too late for the log, with or without LSL.
    if (std::string(log) != "onset.csv") EXPECT_FALSE(rows[0].fields.back().empty()) << log;
  }
}

TEST_F(Lsl, CheckNamesTheStreamsAndAFaultyFileIsRefusedBeforeAnythingIsShown) {
  folder.Write("lsl.txt", "\n");
  const std::string port_log = (folder.Path() / "port.log").string();
  auto run = testing_support::RunVolleta(
      {"--folder", folder.Path().string(), "--port-log", port_log, "--check", kSettings});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("LSL output: on, streams \"Volleta\" and \"Volleta-onsets\" (source ID "
                         "volleta-"),
            std::string::npos) << run.out;
  EXPECT_NE(run.out.find("values TTL codes): outlets created\n"), std::string::npos) << run.out;

  const std::string path = (folder.Path() / "lsl.txt").string();
  for (const auto& [text, fault] : std::vector<std::pair<std::string, std::string>>{
           {"EEG\nlab-1\nmore\n", "\", line 3: only the stream name (line 1) and the source ID"},
           {"EEG-onsets\n", "\", line 1: the stream name ends in \"-onsets\""},
           {"EEG\nid\x01\n", "\", line 2: the source ID holds a control character"}}) {
    folder.Write("lsl.txt", text);
    for (const std::string mode : {"--check", "--pilot=1"}) {
      run = testing_support::RunVolleta(
          {"--folder", folder.Path().string(), "--port-log", port_log, mode, kSettings});
      EXPECT_EQ(run.status, 2) << mode << ": " << run.err;
      EXPECT_NE(run.err.find("LSL Problem: The LSL file \"" + path + fault), std::string::npos)
          << mode << ": " << run.err;
      EXPECT_EQ(run.err.find("connection screen"), std::string::npos) << run.err;
    }
  }
}

TEST(LslFile, DefaultsToVolletaAndASourceIdOfTheFolderOnThisMachine) {
  const auto a = lsl_out::ParseLslFile(" \r\n", "/study/a", "pc1", nullptr);
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(a->name, "Volleta");
  EXPECT_EQ(a->source_id, lsl_out::DefaultSourceId("/study/a", "pc1"));
  EXPECT_NE(a->source_id, lsl_out::DefaultSourceId("/study/b", "pc1"));
  EXPECT_NE(a->source_id, lsl_out::DefaultSourceId("/study/a", "pc2"));
  const auto b = lsl_out::ParseLslFile("EEG lab\nrig-7\n\n", "/study/a", "pc1", nullptr);
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->name, "EEG lab");
  EXPECT_EQ(b->source_id, "rig-7");
}

}  // namespace
