#pragma once
// The tidy export: throws.csv beside the logs, one row per logged throw, for
// R, pandas or a spreadsheet.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "report/log_reader.hpp"

namespace report {

// The header line's columns, in order.
inline constexpr const char* kThrowsColumns =
    "game,subject,settings_file,date,time,started,players,throw,thrower,receiver,since_start_ms,"
    "interval_ms,onset_ms,participant_threw,participant_caught";

// The logs' "mm/dd/yy" and "hh:mm" as one ISO 8601 local date and time,
// "2026-12-07T12:40", which R and pandas read unambiguously; empty when either
// is not in that form.
std::string IsoStarted(std::string_view date, std::string_view time);

// The whole file: a header line, then one row per throw (RFC 4180, CR LF, text
// fields quoted where they must be, bytes of names unchanged). Empty fields
// where the logs have nothing: times of a game without its time.csv row, the
// first throw's interval, onsets not reported.
std::string ThrowsCsv(const LogSet& logs);

// Reads the logs of `log_folder` and writes its throws.csv. Throws
// LogFolderError naming the file when a log can't be read or the export
// can't be written.
WrittenFile WriteThrowsExport(const std::filesystem::path& log_folder,
                              std::optional<bool> pilot_folder = {});

}  // namespace report
