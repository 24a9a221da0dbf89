#pragma once
// The game's rows in the throw log (log/log.csv), the timing log
// (log/time.csv) and the display onset log (log/onset.csv), built from the
// session state and appended to the files.
#include <filesystem>
#include <string>
#include <string_view>

namespace datalog {

// A text field as written into a row: unchanged, unless it holds a comma, a
// double quote, CR or LF; then it is quoted, with its quotes doubled.
std::string CsvField(std::string_view text);

struct Rows {
  std::string throws;  // for log.csv: the receiver of each throw
  std::string times;   // for time.csv: each throw's milliseconds since the game start
  std::string onsets;  // for onset.csv: when each throw was presented, the same way;
                       // empty where the window reported nothing
};

// The rows, each ending in CR LF, from the session state as it stands.
Rows BuildRows();

// Appends `row` to `file` (created when missing) with one write, then flushes
// it to disk. A short write is cut back off so no half row stays behind.
// Returns false with the reason in `error`.
bool AppendRow(const std::filesystem::path& file, std::string_view row, std::string* error);

// The folder the game's rows go to: the program folder's log/, unless
// SetLogFolder chose another (a pilot's log/pilot/). An empty path restores log/.
std::filesystem::path LogFolder();
void SetLogFolder(std::filesystem::path folder);

// Appends the game's rows (BuildRows) to log.csv, time.csv and onset.csv of
// LogFolder(), creating the log folder when missing. A row a log file would not take goes
// to the fallback file, and a "Log Problem" box says where it is.
void WriteGameRows();

// Where rows go that the log files would not take: the program folder's
// log-unsaved.csv. Each row there starts with the name of the log it belongs
// to ("log.csv", "time.csv" or "onset.csv") as an extra first field.
std::filesystem::path FallbackFile();

}  // namespace datalog
