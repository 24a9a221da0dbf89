// Any log.csv, time.csv and onset.csv (the input split at its first two NUL
// bytes; a file the input doesn't reach is missing): reading, joining, the
// report page and the export never fail, and every game they keep holds only
// player numbers of its own game. The logs are read from memory, as ReadLogs
// joins them after reading the files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datalog/log_schema.hpp"
#include "report/log_reader.hpp"
#include "report/study_report.hpp"
#include "report/throws_export.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<std::string_view> rest(std::in_place, reinterpret_cast<const char*>(data), size);
  std::optional<std::string_view> parts[3];
  for (int k = 0; k < 3 && rest; ++k) {
    const std::size_t end = k == 2 ? std::string_view::npos : rest->find('\0');
    parts[k] = rest->substr(0, end);
    if (end == std::string_view::npos) {
      rest.reset();
    } else {
      rest = rest->substr(end + 1);
    }
  }
  const report::LogSet logs = report::JoinLogs(*parts[0], parts[1], parts[2], size % 2 == 1);
  for (const report::Game& game : logs.games) {
    for (const report::ThrowRecord& t : game.throws) {
      if (t.thrower < 1 || t.thrower > game.players || t.receiver < 0 ||
          t.receiver > game.players) {
        __builtin_trap();
      }
    }
  }
  const std::string html = report::StudyReportHtml(logs);
  const std::string csv = report::ThrowsCsv(logs);
  if (html.find("<script") != std::string::npos) __builtin_trap();
  if (datalog::ParseCsv(csv).size() != 1 + [&] {
        std::size_t n = 0;
        for (const report::Game& game : logs.games) n += game.throws.size();
        return n;
      }()) {
    __builtin_trap();
  }
  return 0;
}
