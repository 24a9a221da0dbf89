// --pilot on the real executable: five games of each shipped condition at high speed in headless
// Chromium, every logged row checked against what its schedule promises, the time scaling and the
// participant's strategy, with the real logs left as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "browser/pilot_participant.hpp"
#include "datalog/log_schema.hpp"
#include "datalog/session_record.hpp"
#include "game/frm_main.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
const fs::path kShipped = fs::path(VOLLETA_PROGRAM_EXE).parent_path();
constexpr int kGames = 5;
constexpr int kDelayMinMs = 500, kDelayExtraMs = 2500;  // the shipped settings' 0.5,2.5

// An earlier pilot's game and a real game, as log rows (same twelve fields in both logs).
const std::string kIdentity =
    ",4pl - ostracize subject.txt,01/02/26,10:00,4,2,x.txt,start.htm,A,B,C,D";
const std::string kEarlierPilot = "PILOT-007" + kIdentity;
const std::string kReal = "S01" + kIdentity;

// One frame of a 60 Hz screen, in real milliseconds.
constexpr double kFrameMs = 1000.0 / 60;

class Pilot : public ::testing::TestWithParam<std::tuple<std::string, std::string, int>> {};

TEST_P(Pilot, PlaysWholeGamesThatKeepTheSchedulesPromisesInStudyTime) {
  const auto& [settings, strategy, speed] = GetParam();
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  testing_support::TempProgramFolder folder;
  for (const char* sub : {"settings", "schedules", "html"}) {
    fs::copy(kShipped / sub, folder.Path() / sub, fs::copy_options::recursive);
  }
  folder.Write("log/log.csv", kReal + ",2,1\r\n");
  folder.Write("log/time.csv", kReal + ",9000,9999\r\n");
  folder.Write("log/pilot/log.csv", kEarlierPilot + ",2,1\r\n");
  folder.Write("log/pilot/time.csv", kEarlierPilot + ",9000,9999\r\n");

  const auto run = testing_support::RunVolleta(
      {"--folder", folder.Path().string(), "--pilot", std::to_string(kGames), "--speed",
       std::to_string(speed), "--strategy", strategy, settings});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, (folder.Path() / "log" / "pilot" / "report.html").string() + "\n");
  EXPECT_NE(folder.Read("log/pilot/report.html").find("Pilot report"), std::string::npos);
  EXPECT_EQ(folder.Read("log/log.csv"), kReal + ",2,1\r\n");
  EXPECT_EQ(folder.Read("log/time.csv"), kReal + ",9000,9999\r\n");
  EXPECT_FALSE(fs::exists(folder.Path() / "config" / "volleta"))
      << "a pilot remembers no settings file";
  // Five browsers, each with a profile of its own, gone with it (its helpers too, which
  // would otherwise write into it after it was removed).
  EXPECT_TRUE(std::ranges::none_of(run.temp_left, [](const std::string& name) {
    return name.starts_with("volleta-");
  })) << testing::PrintToString(run.temp_left);

  const auto throws = datalog::ParseCsv(folder.Read("log/pilot/log.csv"));
  const auto times = datalog::ParseCsv(folder.Read("log/pilot/time.csv"));
  const auto onsets = datalog::ParseCsv(folder.Read("log/pilot/onset.csv"));
  ASSERT_TRUE(throws.size() == kGames + 1u && times.size() == kGames + 1u &&
              onsets.size() == kGames + 0u);  // no onsets in the earlier pilot's rows
  const bool inclusion = settings.find("include") != std::string::npos;
  const int players = settings[0] - '0', block = players - 1;
  std::vector<int> tick_intervals;
  for (int g = 1; g <= kGames; ++g) {
    const std::vector<std::string>& row = throws[g].fields;
    const std::vector<std::string>& time_row = times[g].fields;
    const std::vector<std::string>& onset_row = onsets[g - 1].fields;
    ASSERT_EQ(onset_row.size(), 42u) << onsets[g - 1].line;
    const std::string id = "PILOT-0" + std::to_string(7 + g + 100).substr(1);  // PILOT-008 on
    ASSERT_EQ(row.size(), 42u) << throws[g].line;
    ASSERT_TRUE(std::equal(row.begin(), row.begin() + 12, time_row.begin(), time_row.begin() + 12));
    EXPECT_EQ(row[0], id);
    EXPECT_EQ(onset_row[0], id);
    EXPECT_EQ(row[1], settings);
    EXPECT_TRUE(std::regex_search(run.err, std::regex("game " + std::to_string(g) + "/5 " + id +
                                                      ": \\d+ of 30 throws to the participant")))
        << run.err;

    std::vector<int> to_subject, subject_chose;
    std::map<int, std::pair<int, int>> made_and_shared;  // per computer player
    for (int n = 1, thrower = 1; n <= 30; ++n) {
      const int to = std::stoi(row[11 + n]);
      const int at = std::stoi(time_row[11 + n]);
      const int before = n == 1 ? 0 : std::stoi(time_row[10 + n]);
      EXPECT_GE(to, 1) << id << ": throw " << n << " had nobody scheduled";
      if (to == 2) to_subject.push_back(n);
      EXPECT_GE(at, n == 1 ? 7000 : before) << id << ": throw " << n << " (8 s before the first)";
      // No picture is presented before its throw was due: a computer player's delay, or the
      // participant's response time, after the previous throw's stamp (a frame's prediction
      // error allowed). The throw's own stamp is no bound: a staged picture goes on its frame
      // even when a busy machine runs the tick that stamps it late, and a subject's picture is
      // shown on the click, before the program hears of it.
      if (!onset_row[11 + n].empty() && n > 1) {
        EXPECT_GE(
            std::stoi(onset_row[11 + n]),
            before + std::min<int>(kDelayMinMs, browser::kPilotResponseMinMs) - kFrameMs * speed)
            << id << ": onset of " << n;
      }
      if (thrower == 2) {
        subject_chose.push_back(to);
        EXPECT_GE(at - before, static_cast<int>(browser::kPilotResponseMinMs) - 50)
            << id << " " << n;
      } else if (n > 1 && (n < 3 || std::stoi(row[9 + n]) != 2)) {
        // From one game-timer tick to the next: never shorter than the delay drawn, but for a
        // staged tick moved onto a frame up to kStageEarlyMs before its due time.
        tick_intervals.push_back(at - before);
        EXPECT_GE(at - before, kDelayMinMs - 1 - kStageEarlyMs * speed) << id << ": throw " << n;
      }
      if (inclusion && thrower != 2) {
        auto& [made, shared] = made_and_shared[thrower];
        shared += to == 2;
        ++made;
        EXPECT_GE(shared, made / block) << id << ": Player " << thrower << " after " << made;
        EXPECT_LE(shared, (made + block - 1) / block) << id << ": Player " << thrower;
      }
      thrower = to;
    }
    if (inclusion) {
      EXPECT_GE(to_subject.size(), block == 2 ? 7u : 5u) << id;
    } else {
      ASSERT_EQ(to_subject.size(), 2u) << id;
      EXPECT_LE(to_subject.back(), 4) << id;
    }
    // Whom the participant chose; at random, any player shown (no Player 4 with 3 players).
    const std::vector<int> in_turn = players == 4 ? std::vector{1, 3, 4} : std::vector{1, 3};
    for (std::size_t k = 0; k < subject_chose.size(); ++k) {
      const std::map<std::string, int> due{
          {"left", 1}, {"right", 3}, {"round", in_turn[k % block]}};
      const int chose = subject_chose[k];
      EXPECT_TRUE(due.contains(strategy) ? chose == due.at(strategy)
                                         : std::ranges::count(in_turn, chose) == 1)
          << id << ": " << strategy << " chose " << chose;
    }
  }
  // Each game's session record: what the headless window was, and its display lag.
  const auto records = datalog::ParseCsv(folder.Read("log/pilot/sessions.csv"));
  ASSERT_EQ(records.size(), kGames + 1u);
  EXPECT_TRUE(std::ranges::equal(records[0].fields, datalog::kSessionColumns));
  for (int g = 1; g <= kGames; ++g) {
    const std::vector<std::string>& r = records[g].fields;
    ASSERT_EQ(r.size(), datalog::kSessionColumns.size()) << records[g].line;
    EXPECT_EQ(r[datalog::kSubjectColumn], throws[g].fields[0]);
    EXPECT_EQ(r[datalog::kOutcomeColumn], "completed");
    EXPECT_EQ(r[datalog::kTtlColumn], "off: no ttl.txt");
    EXPECT_EQ(r[datalog::kDisplayColumn], "staged");
    EXPECT_TRUE(
        std::regex_match(r[datalog::kBrowserColumn], std::regex(R"(Chromium \d+(\.\d+){3})")))
        << r[datalog::kBrowserColumn];
    EXPECT_TRUE(std::regex_match(r[datalog::kScreenColumn], std::regex(R"([1-9]\d*x[1-9]\d*)")))
        << r[datalog::kScreenColumn];
    // Measured once a page has run 30 frames: a game played at high speed may end before.
    const std::string& hz = r[datalog::kFrameRateColumn];
    EXPECT_TRUE(hz.empty() || std::regex_match(hz, std::regex(R"(\d+\.\d)"))) << hz;
    EXPECT_EQ(r[datalog::kLagMaxColumn].empty(), r[datalog::kLagMedianColumn].empty());
    if (!r[datalog::kLagMaxColumn].empty()) {
      EXPECT_GE(std::stod(r[datalog::kLagMaxColumn]), std::stod(r[datalog::kLagMedianColumn]));
    }
  }
  EXPECT_NE(folder.Read("log/pilot/report.html").find("<h2 id=\"sessions\">"), std::string::npos);

  // A loaded machine only ever makes a tick late, never early, and a staged tick moves onto the
  // frame that shows it: up to kStageReachMs of real time past its due time, which is that times
  // the speed in study time (more than a second at 50). The median stands for a delay drawn from
  // the settings' range, allowing that and two frames, even if up to half the ticks came late.
  ASSERT_GE(tick_intervals.size(), 20u);
  std::nth_element(tick_intervals.begin(), tick_intervals.begin() + tick_intervals.size() / 2,
                   tick_intervals.end());
  EXPECT_LE(tick_intervals[tick_intervals.size() / 2],
            kDelayMinMs + kDelayExtraMs + (kStageReachMs + 2 * kFrameMs) * speed);
}

INSTANTIATE_TEST_SUITE_P(ShippedConditions, Pilot,
                         ::testing::Values(std::tuple{"4pl - ostracize subject.txt", "left", 20},
                                           std::tuple{"3pl - ostracize subject.txt", "right", 50},
                                           std::tuple{"4pl - include subject.txt", "round", 50},
                                           std::tuple{"3pl - include subject.txt", "random", 50}));

TEST(PilotRefuses, WhatItCannotPlay) {
  testing_support::TempProgramFolder folder;
  auto run = testing_support::RunVolleta({"--folder", folder.Path().string(), "--pilot", "1"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--pilot needs the settings file's name"), std::string::npos) << run.err;
  run = testing_support::RunVolleta({"--folder", folder.Path().string(), "--pilot", "1",
                                     "--browser", "no-such-browser", "x.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("no-such-browser was not found"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder.Path() / "log" / "pilot"));
}

}  // namespace
