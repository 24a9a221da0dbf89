#pragma once
// Pilot mode (--pilot N): N whole games of one condition, each a fresh
// session played by the automated participant in a headless browser through
// the real window, with study time running `speed` times as fast. The rows go
// to log/pilot/ under subject IDs PILOT-001, PILOT-002, ..., and the pilot
// ends with the report of that folder.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "game/frm_main.hpp"

namespace game {

struct PilotOptions {
  int games = 1;
  double speed = 1;
  std::string strategy = "random";
};

// Runs one session with the given options to its end and returns its exit
// status (main's RunSession).
using RunGame = std::function<int(const StartOptions&)>;

// Writes the report of the log folder given, its path to `out` and the
// problems met to `err`, and returns its exit status (the --report command's).
using WriteReport = std::function<int(const std::filesystem::path&, std::ostream&, std::ostream&)>;

// Plays the pilot of the settings file named in Module1::Command. Progress
// lines and problems go to `err`, the report's path to `out`. Returns 0 when
// every game finished and the report was written; 2 when an input file was
// refused or no browser was found; 3 when a game did not finish (the games
// before it are in the report).
int RunPilot(const PilotOptions& pilot, StartOptions base, const RunGame& run_game,
             const WriteReport& write_report, std::ostream& out, std::ostream& err);

// The highest number N of a subject ID "PILOT-N" in the first fields of the
// log file `log_csv`; 0 when there is none or no file.
int HighestPilotNumber(const std::filesystem::path& log_csv);

}  // namespace game
