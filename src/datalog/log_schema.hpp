#pragma once
// The logs' format, for the game that writes them and the report that reads
// them back. A log folder holds three CSV files with one row per game, each
// row opening with the same twelve identity fields, then one field per throw:
//   log.csv    the receiver of each throw (0: nothing scheduled, no one)
//   time.csv   each throw's milliseconds since the game start
//   onset.csv  when each throw's picture was presented, the same way; empty
//              where the window reported nothing
// Text fields are quoted only where they must be (RFC 4180); rows end in CR LF.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace datalog {

// The log folder below the program folder, and the one pilots write below it.
inline constexpr std::string_view kLogFolder = "log";
inline constexpr std::string_view kPilotFolder = "pilot";

inline constexpr std::string_view kThrowLog = "log.csv";
inline constexpr std::string_view kTimeLog = "time.csv";
inline constexpr std::string_view kOnsetLog = "onset.csv";
// In the program folder: rows a log would not take, each behind the name of
// its log as an extra first field.
inline constexpr std::string_view kFallbackLog = "log-unsaved.csv";

// The identity fields that open every row, by position.
enum IdentityField : std::size_t {
  kSubjectField,
  kSettingsFileField,
  kDateField,
  kTimeField,
  kPlayersField,  // "3" or "4"
  kThrowsField,   // how many throw fields follow
  kScheduleFileField,
  kStartPageField,
  kPlayer1NameField,  // then Players 2, 3 and 4
  kIdentityFields = kPlayer1NameField + 4,
};

constexpr std::size_t PlayerNameField(int player) {
  return kPlayer1NameField + static_cast<std::size_t>(player - 1);
}

inline constexpr std::string_view kRowEnd = "\r\n";

// A text field as written into a row: unchanged, unless it holds a comma, a
// double quote, CR or LF; then it is quoted, with its quotes doubled.
std::string CsvField(std::string_view text);

// The identity fields of a row, each as CsvField writes it, joined by commas.
std::string IdentityText(const std::array<std::string, kIdentityFields>& fields);

// One record of a CSV text (RFC 4180; CR LF, lone LF or lone CR end a record
// outside quotes). `line` is the line the record starts on, counting from 1.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
  std::string error;  // non-empty: the record is malformed and its fields incomplete
};

// Splits `text` into records. Blank lines are skipped. A malformed record
// (a quote never closed, text after a closing quote) spoils only the line it
// starts on: reading resumes on the next line.
std::vector<CsvRecord> ParseCsv(std::string_view text);

}  // namespace datalog
