#include "report/log_commands.hpp"

#include "datalog/log_schema.hpp"
#include "platform/program.hpp"
#include "report/log_reader.hpp"
#include "report/study_report.hpp"
#include "report/throws_export.hpp"

namespace report {

int RunLogCommand(LogCommand command, const std::filesystem::path& folder, std::ostream& out,
                  std::ostream& err) {
  WrittenFile written;
  try {
    written = command == LogCommand::kReport ? WriteStudyReport(folder) : WriteThrowsExport(folder);
  } catch (const LogFolderError& e) {
    err << "volleta: " << e.what() << std::endl;
    return platform::kExitInputRefused;
  }
  for (const LogProblem& problem : written.problems)
    err << "volleta: " << Describe(problem) << '\n';
  err << "volleta: " << written.games << (written.games == 1 ? " game" : " games") << ", "
      << written.problems.size() << (written.problems.size() == 1 ? " problem" : " problems")
      << " in the logs" << std::endl;
  out << written.file.string() << std::endl;
  return platform::kExitOk;
}

std::string CheckLogFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::exists(folder / datalog::kThrowLog, ec) &&
      !std::filesystem::exists(folder / datalog::kTimeLog, ec)) {
    return "Logs: no rows yet in " + folder.string() + "\n";
  }
  std::string out;
  try {
    const LogSet logs = ReadLogs(folder);
    out = "Logs: " + std::to_string(logs.games.size()) +
          (logs.games.size() == 1 ? " game in " : " games in ") + folder.string() + "\n";
    bool unpaired = false;
    for (const LogProblem& problem : logs.problems) {
      out += "Warning: " + Describe(problem) + "\n";
      unpaired = unpaired || problem.what.find("no matching row") != std::string::npos;
    }
    if (unpaired) {
      out +=
          "Warning: a row in one log without its partner in the other is what a crash between "
          "the two appends leaves; see \"After a crash\" in readme.htm.\n";
    }
  } catch (const LogFolderError& e) {
    out = std::string("Warning: ") + e.what() + "\n";
  }
  return out;
}

}  // namespace report
