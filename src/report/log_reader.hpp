#pragma once
// Reading the logs back: log.csv, time.csv and (when present) onset.csv of a
// log folder, joined into one record per game. Rows written by older versions
// or edited by hand may be broken; every fault becomes a LogProblem naming the
// file and line, and the row is skipped. Nothing here writes to the folder.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "datalog/log_schema.hpp"

namespace report {

struct LogProblem {
  std::string file;  // "log.csv", "time.csv" or "onset.csv"
  int line = 0;      // 0: the file as a whole
  std::string what;
};

struct ThrowRecord {
  int number = 0;                     // 1, 2, ...
  int thrower = 0;                    // derived: Player 1, then each previous receiver
  int receiver = 0;                   // 0: thrown to nobody (nothing scheduled)
  std::optional<std::int64_t> time;   // ms since the game start
  std::optional<std::int64_t> onset;  // ms since the game start, when reported
};

struct Game {
  std::vector<std::string> identity;  // the twelve leading fields, unquoted
  int players = 0;
  int log_line = 0;  // the row's line in each file; 0: no row there
  int time_line = 0;
  int onset_line = 0;
  std::vector<ThrowRecord> throws;

  const std::string& Subject() const { return identity[datalog::kSubjectField]; }
  const std::string& SettingsFile() const { return identity[datalog::kSettingsFileField]; }
  const std::string& Date() const { return identity[datalog::kDateField]; }
  const std::string& Time() const { return identity[datalog::kTimeField]; }
  const std::string& PlayerName(int player) const {
    return identity[datalog::PlayerNameField(player)];
  }
  bool HasTimes() const { return time_line != 0; }
  bool HasOnsets() const { return onset_line != 0; }
};

struct LogSet {
  std::filesystem::path folder;
  bool pilot_folder = false;  // log/pilot: pilot rows belong, real ones don't
  bool has_time_file = false;
  bool has_onset_file = false;
  std::vector<Game> games;  // in log.csv order
  std::vector<LogProblem> problems;
  // sessions.csv's rows below its header, as written; none without the file.
  std::vector<std::vector<std::string>> sessions;
};

// The log folder or one of its logs could not be read.
class LogFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "log.csv line 4: ..." (or "time.csv: ..." for the file as a whole).
std::string Describe(const LogProblem& problem);

// A file written beside the logs: where it went, how many games it holds and
// the problems met in the logs.
struct WrittenFile {
  std::filesystem::path file;
  std::size_t games = 0;
  std::vector<LogProblem> problems;
};

// Writes `bytes`, made from `logs`, to `name` in their folder; throws
// LogFolderError naming the file when it can't be written.
WrittenFile WriteBesideLogs(const LogSet& logs, const std::string& name, std::string_view bytes);

// Reads and joins the logs of `folder`. A folder named "pilot" holds pilot
// logs unless `pilot_folder` says otherwise. Throws LogFolderError, naming the
// file, when the folder or one of its logs can't be read or log.csv is
// missing; a missing time.csv (a problem) or onset.csv (normal) is no error.
LogSet ReadLogs(const std::filesystem::path& folder, std::optional<bool> pilot_folder = {});

// Joins logs already in memory: the bytes of log.csv, and of time.csv and
// onset.csv where the folder has them. ReadLogs reads the files and joins them
// here; the result's `folder` is left empty.
LogSet JoinLogs(std::string_view log, std::optional<std::string_view> time,
                std::optional<std::string_view> onset, bool pilot_folder);

}  // namespace report
