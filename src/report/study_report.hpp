#pragma once
// The study report: one self-contained page (report.html, beside the logs)
// with the figures of each condition and each game, a timeline picture of
// every game and the problems found in the logs.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "report/log_reader.hpp"

namespace report {

// Median and quartiles (interpolated between order statistics, as R's and
// pandas' defaults do), and the range. All 0 when `count` is 0.
struct Spread {
  std::size_t count = 0;
  double median = 0, q1 = 0, q3 = 0, min = 0, max = 0, mean = 0;
};
Spread SpreadOf(std::vector<double> values);

struct GameFigures {
  int throws = 0;
  std::array<int, 5> received{};     // throws each player caught, by player number
  std::vector<double> hold_times;    // ms from the participant's catch to their throw
  std::vector<double> display_lags;  // ms from a throw to its display onset

  // The share of all throws that `player` caught, 0 to 1 (0 without throws).
  double Share(int player) const;
};
GameFigures FiguresOf(const Game& game);

struct ConditionFigures {
  std::string settings_file;
  std::vector<const Game*> games;
  std::size_t participants = 0;        // different subject IDs
  Spread participant_share;            // over the games with throws
  std::array<Spread, 5> player_share;  // each computer player's, over the games they play in
  Spread hold_time;                    // all the participant's throws of the condition
  Spread display_lag;                  // all throws with a reported onset
};
// One entry per settings file, in name order.
std::vector<ConditionFigures> ConditionsOf(const LogSet& logs);

// The page for logs already read.
std::string StudyReportHtml(const LogSet& logs);

// Reads the logs of `log_folder` and writes its report.html. Throws
// LogFolderError naming the file when a log can't be read or the page can't
// be written. The pilot mode calls this for log/pilot.
WrittenFile WriteStudyReport(const std::filesystem::path& log_folder,
                             std::optional<bool> pilot_folder = {});

}  // namespace report
