// Any log.csv, time.csv and onset.csv (the input split at its first two NUL
// bytes): reading, joining, the report page and the export never fail, and
// every game they keep holds only player numbers of its own game.
#include <cstdint>
#include <string>
#include <string_view>

#include "datalog/log_reader.hpp"
#include "datalog/study_report.hpp"
#include "datalog/throws_export.hpp"
#include "fuzz_support.hpp"
#include "platform/program.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshSession();
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"log/log.csv", "log/time.csv", "log/onset.csv"}) {
    const std::size_t end =
        std::string(name) == "log/onset.csv" ? std::string_view::npos : rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    fuzz::WriteInput(name, reinterpret_cast<const std::uint8_t*>(part.data()), part.size());
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  const datalog::LogSet logs = datalog::ReadLogs(platform::ProgramFolder() / "log");
  for (const datalog::Game& game : logs.games) {
    for (const datalog::ThrowRecord& t : game.throws) {
      if (t.thrower < 1 || t.thrower > game.players || t.receiver < 0 ||
          t.receiver > game.players) {
        __builtin_trap();
      }
    }
  }
  const std::string html = datalog::StudyReportHtml(logs);
  const std::string csv = datalog::ThrowsCsv(logs);
  if (html.find("<script") != std::string::npos) __builtin_trap();
  if (datalog::ParseCsv(csv).size() != 1 + [&] {
        std::size_t n = 0;
        for (const datalog::Game& game : logs.games) n += game.throws.size();
        return n;
      }()) {
    __builtin_trap();
  }
  return 0;
}
