// The LSL outputs of the real executable, recorded by a peer of liblsl's own
// inlets while a pilot game runs in headless Chromium. LSL traffic stays on
// this machine (tests/lsl/lsl_api.cfg).
#include <gtest/gtest.h>
#include <lsl_cpp.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <thread>

#include "datalog/log_schema.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
const fs::path kShipped = fs::path(VOLLETA_PROGRAM_EXE).parent_path();
const std::string kSettings = "4pl - include subject.txt";
// Before liblsl reads its configuration, and for every program started here.
const bool kOnThisMachineOnly = setenv("LSLAPICFG", VOLLETA_LSLAPICFG, 1) == 0;

// Records one stream, found by name, from before the program starts until Stop.
struct Recorder {
  explicit Recorder(const std::string& name)
      : thread([this, name] {
          try {
            std::vector<lsl::stream_info> found;
            while (found.empty() && !stop) found = lsl::resolve_stream("name", name, 1, 0.5);
            if (found.empty()) return;
            lsl::stream_inlet inlet(found[0]);
            inlet.open_stream(30);
            xml = inlet.info(30).as_xml();
            const double correction = inlet.time_correction(30);  // while the program runs
            for (std::int32_t value = 0;;) {
              const double stamp = inlet.pull_sample(&value, 1, 0.5);
              if (stamp == 0 && stop) break;
              if (stamp != 0) samples.push_back({value, (stamp + correction) * 1000});
            }
          } catch (const std::exception& e) {
            xml = e.what();
          }
        }) {}
  void Stop() { stop = true, thread.join(); }
  std::atomic<bool> stop{false};
  std::vector<std::pair<int, double>> samples;  // value, stamp in ms
  std::string xml;
  std::thread thread;
};

// Each `b - a` within `limit` ms of their median: the two clocks' origins differ.
// `late` of them may be up to 50 ms off, where the two stamps are read apart
// and a busy machine can preempt the program between the readings.
void ExpectTogether(const std::vector<std::pair<int, double>>& a,
                    const std::vector<std::pair<int, double>>& b, double limit,
                    std::size_t late = 0) {
  const auto values = [](const auto& samples) {
    std::vector<int> v;
    for (const auto& sample : samples) v.push_back(sample.first);
    return v;
  };
  ASSERT_EQ(values(a), values(b));  // the same values in the same order
  std::vector<double> d;
  for (std::size_t k = 0; k < a.size(); ++k) d.push_back(b[k].second - a[k].second);
  ASSERT_FALSE(d.empty());
  std::vector<double> sorted = d;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2];
  std::size_t apart = 0;
  for (const double x : d) {
    EXPECT_LE(std::abs(x - median), 50.0);
    if (std::abs(x - median) > limit / 2) ++apart;
  }
  EXPECT_LE(apart, late) << "stamps more than " << limit / 2 << " ms from the median difference";
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
  std::vector<std::string> Args(std::vector<std::string> rest) {
    rest.insert(rest.begin(), {"--folder", folder.Path().string(), "--port-log",
                               (folder.Path() / "port.log").string()});
    rest.push_back(kSettings);
    return rest;
  }
  testing_support::TempProgramFolder folder;
  const std::string name = "VolletaTest" + std::to_string(::getpid());  // this run's own
};

TEST_F(Lsl, ARecorderGetsEveryCatchAndOnsetOfAWholeGame) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  folder.Write("lsl.txt", name + "\n");
  Recorder markers(name + "-pilot"), onsets(name + "-pilot-onsets");
  constexpr double kSpeed = 4;
  testing_support::RunningVolleta run(Args({"--pilot", "1", "--speed", "4"}), "");
  ASSERT_EQ(run.Wait(), 0) << run.Err();
  markers.Stop();
  onsets.Stop();
  EXPECT_LT(run.Err().find("a recorder is receiving \"" + name + "-pilot-onsets\""),
            run.Err().find("game started"))
      << run.Err();

  // Every code the port was given, in order, each stamped as it was written.
  std::vector<std::pair<int, double>> written;
  std::istringstream port(folder.Read("port.log"));
  double at = 0;
  for (int address = 0, value = 0; port >> at >> address >> value;) {
    if (value != 0) written.push_back({value, at});
  }
  ASSERT_GE(written.size(), 30u);  // the 30 logged catches, and a participant's throw after them
  ExpectTogether(written, markers.samples, 1.0, written.size() / 10);

  // One onset sample per onset in onset.csv (whole ms), with its receiver's code.
  // onset.csv is on the study clock, which a pilot runs kSpeed times faster
  // than the real seconds the LSL stamps keep.
  const auto receivers = datalog::ParseCsv(folder.Read("log/pilot/log.csv")).at(0).fields;
  const auto onset_row = datalog::ParseCsv(folder.Read("log/pilot/onset.csv")).at(0).fields;
  std::vector<std::pair<int, double>> shown;
  for (std::size_t f = datalog::kIdentityFields; f < onset_row.size(); ++f) {
    if (!onset_row[f].empty())
      shown.push_back({std::stoi(receivers[f]) * 11, std::stod(onset_row[f]) / kSpeed});
  }
  EXPECT_GE(shown.size(), 25u) << "onsets missing from onset.csv";
  ExpectTogether(shown, onsets.samples, 1.01);

  lsl::stream_info info = lsl::stream_info::from_xml(markers.xml);
  EXPECT_EQ(info.type() + info.desc().child_value("values") + info.desc().child_value("pilot"),
            "Markersttl-codestrue")
      << markers.xml;
  EXPECT_EQ(info.desc().child_value("settings"), kSettings);
  const lsl::xml_element code = info.desc().child("codes").child("code").next_sibling();
  EXPECT_EQ(code.child_value("value") + std::string(": ") + code.child_value("meaning"),
            "22: Player 2 (the participant) caught the ball");
  EXPECT_NE(onsets.xml.find("<label>ThrowOnset</label>"), std::string::npos) << onsets.xml;
}

TEST_F(Lsl, AGameWithNobodyRecordingLosesNothing) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  folder.Write("lsl.txt", name + "\n");
  const auto run = testing_support::RunVolleta(Args({"--pilot", "1", "--speed", "50"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("publishing \"" + name + "-pilot\" and \"" + name + "-pilot-onsets\""),
            std::string::npos)
      << run.err;
  for (const char* log : {"log.csv", "time.csv"}) {
    const auto rows = datalog::ParseCsv(folder.Read(std::string("log/pilot/") + log));
    ASSERT_EQ(rows.size(), 1u) << log;
    EXPECT_EQ(rows[0].fields.size(), datalog::kIdentityFields + 30) << log;
    EXPECT_FALSE(rows[0].fields.back().empty()) << log;
  }
}

TEST_F(Lsl, CheckNamesTheStreamsAndAFaultyFileIsRefusedBeforeAnythingIsShown) {
  folder.Write("lsl.txt", "\n");
  auto run = testing_support::RunVolleta(Args({"--check"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("LSL output: on, streams \"Volleta\" and \"Volleta-onsets\" (source ID "
                         "volleta-"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("values TTL codes): outlets created\n"), std::string::npos) << run.out;

  const std::string path = (folder.Path() / "lsl.txt").string();
  for (const auto& [text, fault] : std::vector<std::pair<std::string, std::string>>{
           {"EEG\nlab-1\nmore\n", "\", line 3: only the stream name (line 1) and the source ID"},
           {"EEG-onsets\n", "\", line 1: the stream name ends in \"-onsets\""},
           {"EEG\nid\x01\n", "\", line 2: the source ID holds a control character"}}) {
    folder.Write("lsl.txt", text);
    for (const std::string mode : {"--check", "--pilot=1"}) {
      run = testing_support::RunVolleta(Args({mode}));
      EXPECT_EQ(run.status, 2) << mode << ": " << run.err;
      EXPECT_NE(run.err.find("LSL Problem: The LSL file \"" + path + fault), std::string::npos)
          << mode << ": " << run.err;
      EXPECT_EQ(run.err.find("connection screen"), std::string::npos) << run.err;
    }
  }
}

}  // namespace
