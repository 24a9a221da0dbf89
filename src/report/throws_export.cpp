#include "report/throws_export.hpp"

#include "datalog/log_schema.hpp"

namespace report {
namespace {

using datalog::CsvField;

std::string Optional(const std::optional<std::int64_t>& value) {
  return value ? std::to_string(*value) : std::string();
}

}  // namespace

std::string ThrowsCsv(const LogSet& logs) {
  std::string csv = std::string(kThrowsColumns) + "\r\n";
  int number = 0;
  for (const Game& game : logs.games) {
    ++number;
    const std::string lead = std::to_string(number) + "," + CsvField(game.Subject()) + "," +
                             CsvField(game.SettingsFile()) + "," + CsvField(game.Date()) + "," +
                             CsvField(game.Time()) + "," + std::to_string(game.players) + ",";
    const ThrowRecord* previous = nullptr;
    for (const ThrowRecord& t : game.throws) {
      std::string interval;
      if (previous != nullptr && t.time && previous->time) {
        interval = std::to_string(*t.time - *previous->time);
      }
      csv += lead + std::to_string(t.number) + "," + std::to_string(t.thrower) + "," +
             std::to_string(t.receiver) + "," + Optional(t.time) + "," + interval + "," +
             Optional(t.onset) + "," + (t.thrower == 2 ? "1" : "0") + "," +
             (t.receiver == 2 ? "1" : "0") + "\r\n";
      previous = &t;
    }
  }
  return csv;
}

WrittenFile WriteThrowsExport(const std::filesystem::path& log_folder,
                              std::optional<bool> pilot_folder) {
  const LogSet logs = ReadLogs(log_folder, pilot_folder);
  return WriteBesideLogs(logs, "throws.csv", ThrowsCsv(logs));
}

}  // namespace report
