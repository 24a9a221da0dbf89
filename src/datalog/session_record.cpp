#include "datalog/session_record.hpp"

#include <system_error>

#include "datalog/log_rows.hpp"
#include "datalog/log_schema.hpp"
#include "platform/file_lock.hpp"

namespace datalog {

std::string SessionHeader() {
  std::string line;
  for (std::string_view column : kSessionColumns) {
    if (!line.empty()) line += ',';
    line += CsvField(column);
  }
  return line + std::string(kRowEnd);
}

std::string SessionRow(const SessionFields& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ',';
    // One line per record whatever a field held.
    std::string field = fields[i];
    for (char& c : field) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    row += CsvField(field);
  }
  return row + std::string(kRowEnd);
}

namespace {

// The outcome of an append to `folder`'s record, the folder made (and its
// entry synced) should this be its first file.
RecordOutcome RecordIn(const std::filesystem::path& folder) {
  std::error_code ec;
  std::string ignored;
  if (std::filesystem::create_directories(folder, ec)) {
    platform::SyncFolder(folder.parent_path(), &ignored);
  }
  RecordOutcome outcome;
  outcome.file = folder / kSessionRecord;
  return outcome;
}

// Keeps a row the record refused in the log's fallback file.
bool SaveRefused(const std::string& row) {
  std::string ignored;
  return AppendRow(FallbackFile(), std::string(kSessionRecord) + "," + row, &ignored);
}

}  // namespace

RecordOutcome AppendSessionRecord(const std::filesystem::path& folder,
                                  const SessionFields& fields) {
  RecordOutcome outcome = RecordIn(folder);
  const std::string row = SessionRow(fields);
  outcome.appended = AppendRow(outcome.file, row, &outcome.reason, kLockWait, SessionHeader());
  if (!outcome.appended) outcome.saved = SaveRefused(row);
  return outcome;
}

RecordOutcome AppendDecidedSessionRecord(const std::filesystem::path& folder,
                                         const SessionDecision& decide, bool* decided) {
  RecordOutcome outcome = RecordIn(folder);
  std::optional<SessionFields> made;
  outcome.appended = AppendDecidedRow(
      outcome.file,
      [&](std::string_view text) -> std::optional<std::string> {
        made = decide(text);
        if (!made) return std::nullopt;
        return SessionRow(*made);
      },
      &outcome.reason, kLockWait, SessionHeader());
  *decided = made.has_value();
  if (!outcome.appended && made && !outcome.reason.empty()) {
    outcome.saved = SaveRefused(SessionRow(*made));
  }
  return outcome;
}

}  // namespace datalog
