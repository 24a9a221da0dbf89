#pragma once
// The session record, log/sessions.csv (log/pilot/sessions.csv for pilots):
// one row for every run that showed the start page, however it ended, saying
// how it ran. Its first line names the columns; rows end in CR LF, text fields
// as in the logs (CsvField).
#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace datalog {

inline constexpr std::string_view kSessionRecord = "sessions.csv";

// The last two came later: a file begun before them has 16 columns, and rows
// appended to it carry them anyway (readers pad a shorter row).
inline constexpr std::array<std::string_view, 18> kSessionColumns = {
    "version", "started", "ended",         "settings file", "subject ID", "display",
    "browser", "screen",  "frame rate Hz", "ttl",           "codes sent", "ttl fault",
    "lsl",     "outcome", "lag median ms", "lag max ms",    "mode",       "link"};

enum SessionColumn : std::size_t {
  kVersionColumn,
  kStartedColumn,
  kEndedColumn,
  kSettingsFileColumn,
  kSubjectColumn,
  kDisplayColumn,
  kBrowserColumn,
  kScreenColumn,
  kFrameRateColumn,
  kTtlColumn,
  kCodesSentColumn,
  kTtlFaultColumn,
  kLslColumn,
  kOutcomeColumn,
  kLagMedianColumn,
  kLagMaxColumn,
  kModeColumn,  // lab, pilot or online
  kLinkColumn,  // an online game's link parameters, as a query string
};

using SessionFields = std::array<std::string, kSessionColumns.size()>;

// The header line and a record's row, each ending in CR LF.
std::string SessionHeader();
std::string SessionRow(const SessionFields& fields);

// Where a session record went.
struct RecordOutcome {
  std::filesystem::path file;
  bool appended = false;
  std::string reason;  // why it could not be appended
  bool saved = false;  // in log-unsaved.csv instead, behind "sessions.csv,"
};

// Appends the row to `folder`/sessions.csv (the header first in a new file),
// creating the folder when missing; a row the file would not take goes to the
// fallback file as the logs' rows do.
RecordOutcome AppendSessionRecord(const std::filesystem::path& folder, const SessionFields& fields);

// As AppendSessionRecord, but the record is the one `decide` makes of the
// rows already in the file (header included), read under its lock: processes
// sharing the folder decide in turn. `decided` says whether it made one;
// nothing is appended, nor saved elsewhere, when it did not.
using SessionDecision = std::function<std::optional<SessionFields>(std::string_view text)>;
RecordOutcome AppendDecidedSessionRecord(const std::filesystem::path& folder,
                                         const SessionDecision& decide, bool* decided);

}  // namespace datalog
