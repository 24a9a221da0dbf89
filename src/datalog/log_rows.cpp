#include "datalog/log_rows.hpp"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "datalog/log_schema.hpp"
#include "platform/file_lock.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace datalog {
namespace {

// ThrowLog entry n, or an empty one where the log was never sized that far.
Module1::LogEntry Entry(int n) {
  if (n < 0 || static_cast<std::size_t>(n) >= Module1::ThrowLog.size()) return {};
  return Module1::ThrowLog[static_cast<std::size_t>(n)];
}

}  // namespace

std::string ProblemMessage(const std::vector<RowOutcome>& outcomes) {
  std::string message;
  for (const RowOutcome& o : outcomes) {
    if (o.appended) continue;
    if (!message.empty()) message += "\n\n";
    message += "This game's row could not be added to " + o.file.string() + ": " + o.reason + ".\n";
    if (o.saved) {
      message += "The row was saved in " + FallbackFile().string() +
                 " instead, as a line beginning with \"" + o.name +
                 ",\". Move it into the log by hand (without that first field).";
    } else {
      message += "Nor could it be saved in " + FallbackFile().string() + " (" + o.fallback_reason +
                 "). Copy this row into " + o.name + " by hand:\n" + o.row;
    }
  }
  return message;
}

std::filesystem::path StudyLogFolder() { return platform::ProgramFolder() / kLogFolder; }

std::vector<RowOutcome> WriteGameRows(const std::filesystem::path& folder) {
  std::error_code ec;
  // An error shows in the appends below.
  std::string ignored;
  if (std::filesystem::create_directories(folder, ec)) {
    platform::SyncFolder(folder.parent_path(), &ignored);
  }

  const Rows rows = BuildRows();
  std::vector<RowOutcome> outcomes;
  for (const auto& [name, row] :
       {std::pair{kThrowLog, &rows.throws}, {kTimeLog, &rows.times}, {kOnsetLog, &rows.onsets}}) {
    RowOutcome o;
    o.name = name;
    o.file = folder / o.name;
    o.row = *row;
    o.appended = AppendRow(o.file, o.row, &o.reason);
    if (!o.appended) {
      o.saved = AppendRow(FallbackFile(), o.name + "," + o.row, &o.fallback_reason);
    }
    outcomes.push_back(std::move(o));
  }
  return outcomes;
}

Rows BuildRows() {
  using namespace Module1;
  const std::string session =
      IdentityText({SubjectId, SettingsFile, SessionDate, SessionTime, NumPlayers.Text(),
                    std::to_string(TotalThrows), ScheduleFile, StartPage, PlayerNames[1].Text(),
                    PlayerNames[2].Text(), PlayerNames[3].Text(), PlayerNames[4].Text()});

  Rows rows{session, session, session};
  for (int n = 1; n <= TotalThrows; ++n) {
    const LogEntry entry = Entry(n);
    rows.throws += "," + std::to_string(entry.Receiver);
    // Modulo 2^32, read as signed: a wrapped clock still gives the true interval.
    rows.times += "," + std::to_string(static_cast<std::int32_t>(entry.Time - StartTime));
    rows.onsets += ",";
    if (entry.Onset)
      rows.onsets += std::to_string(static_cast<std::int32_t>(*entry.Onset - StartTime));
  }
  rows.throws += kRowEnd;
  rows.times += kRowEnd;
  rows.onsets += kRowEnd;
  return rows;
}

std::filesystem::path FallbackFile() { return platform::ProgramFolder() / kFallbackLog; }

}  // namespace datalog
