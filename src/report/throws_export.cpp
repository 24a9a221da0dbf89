#include "report/throws_export.hpp"

#include "datalog/log_schema.hpp"

namespace report {
namespace {

using datalog::CsvField;

std::string Optional(const std::optional<std::int64_t>& value) {
  return value ? std::to_string(*value) : std::string();
}

bool Digits(std::string_view text, std::size_t at, std::size_t count) {
  for (std::size_t i = at; i < at + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

}  // namespace

std::string IsoStarted(std::string_view date, std::string_view time) {
  if (date.size() != 8 || date[2] != '/' || date[5] != '/' || !Digits(date, 0, 2) ||
      !Digits(date, 3, 2) || !Digits(date, 6, 2) || time.size() != 5 || time[2] != ':' ||
      !Digits(time, 0, 2) || !Digits(time, 3, 2)) {
    return {};
  }
  const int month = std::stoi(std::string(date.substr(0, 2)));
  const int day = std::stoi(std::string(date.substr(3, 2)));
  const int hour = std::stoi(std::string(time.substr(0, 2)));
  const int minute = std::stoi(std::string(time.substr(3, 2)));
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59) return {};
  // Two-digit years are this century's: the logs' dates were all written after 2000.
  return "20" + std::string(date.substr(6, 2)) + "-" + std::string(date.substr(0, 2)) + "-" +
         std::string(date.substr(3, 2)) + "T" + std::string(time);
}

std::string ThrowsCsv(const LogSet& logs) {
  std::string csv = std::string(kThrowsColumns) + "\r\n";
  int number = 0;
  for (const Game& game : logs.games) {
    ++number;
    const std::string lead = std::to_string(number) + "," + CsvField(game.Subject()) + "," +
                             CsvField(game.SettingsFile()) + "," + CsvField(game.Date()) + "," +
                             CsvField(game.Time()) + "," + IsoStarted(game.Date(), game.Time()) +
                             "," + std::to_string(game.players) + ",";
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
