#pragma once
// The game's rows in the throw log (log/log.csv), the timing log
// (log/time.csv) and the display onset log (log/onset.csv), built from the
// session state and appended to the files. Their format: log_schema.hpp.
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace datalog {

struct Rows {
  std::string throws;  // for log.csv: the receiver of each throw
  std::string times;   // for time.csv: each throw's milliseconds since the game start
  std::string onsets;  // for onset.csv: when each throw was presented, the same way;
                       // empty where the window reported nothing
};

// The rows, each ending in CR LF, from the session state as it stands.
Rows BuildRows();

// Decides, from the whole text of a file read under its lock, the row to
// append to it (nullopt: none).
using RowDecision = std::function<std::optional<std::string>(std::string_view text)>;

// How long an append waits for another station's append to the same file.
inline constexpr std::chrono::milliseconds kLockWait{10000};

// Appends `row` to `file` (created when missing, its folder then synced) with
// one write under an exclusive lock on the file, then flushes it to disk. A
// short write is cut back off so no half row stays behind. Returns false with
// the reason in `error`, also when the file stays locked beyond `lock_wait`.
// A `header` goes in front of the row when the file is empty.
bool AppendRow(const std::filesystem::path& file, std::string_view row, std::string* error,
               std::chrono::milliseconds lock_wait = kLockWait, std::string_view header = {});
// As AppendRow, but the row is the one `decide` makes of the file's text
// read under the same lock, so that processes sharing the file decide in
// turn. Returns false with an empty `error` when `decide` made none.
bool AppendDecidedRow(const std::filesystem::path& file, const RowDecision& decide,
                      std::string* error, std::chrono::milliseconds lock_wait = kLockWait,
                      std::string_view header = {});

// Where one of the game's rows went.
struct RowOutcome {
  std::string name;  // "log.csv", "time.csv" or "onset.csv"
  std::filesystem::path file;
  std::string row;
  bool appended = false;
  std::string reason;  // why it could not be appended
  bool saved = false;  // in the fallback file instead
  std::string fallback_reason;
};

// The study's log folder: the program folder's log/.
std::filesystem::path StudyLogFolder();

// Appends the game's rows (BuildRows) to log.csv, time.csv and onset.csv of
// `folder` (the study's log/, a pilot's log/pilot/), creating it when missing.
// A row a log file would not take goes to the fallback file. Returns where
// each row went, in that order.
std::vector<RowOutcome> WriteGameRows(const std::filesystem::path& folder);

// The "Log Problem" message for the rows that were not appended (where each
// went, or the row itself to copy by hand); empty when both were.
std::string ProblemMessage(const std::vector<RowOutcome>& outcomes);

// Where rows go that the log files would not take: the program folder's
// log-unsaved.csv. Each row there starts with the name of the log it belongs
// to ("log.csv", "time.csv" or "onset.csv") as an extra first field.
std::filesystem::path FallbackFile();

}  // namespace datalog
