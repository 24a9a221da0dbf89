#include "datalog/log_commands.hpp"

#include "datalog/log_reader.hpp"
#include "datalog/study_report.hpp"
#include "datalog/throws_export.hpp"
#include "platform/program.hpp"

namespace datalog {

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

}  // namespace datalog
