// --report [LOGDIR]: report.html for a log folder.
#include "commands/commands.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "report/log_commands.hpp"

namespace commands {

std::filesystem::path LogFolder(const std::string& given) {
  return given.empty() ? platform::ProgramFolder() / "log" : platform::PathOf(given);
}

int RunReport(const Options& options, Streams streams) {
  const int status = report::RunLogCommand(
      report::LogCommand::kReport, LogFolder(options.report_folder), streams.out, streams.err);
  // With --export too, the export follows a report that was written.
  if (!options.exporter || status != platform::kExitOk) return status;
  return RunExport(options, streams);
}

}  // namespace commands
