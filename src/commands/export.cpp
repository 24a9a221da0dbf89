// --export [LOGDIR]: throws.csv, one row per logged throw, for a log folder.
#include "commands/commands.hpp"
#include "report/log_commands.hpp"

namespace commands {

int RunExport(const Options& options, Streams streams) {
  return report::RunLogCommand(report::LogCommand::kExport, LogFolder(options.export_folder),
                               streams.out, streams.err);
}

}  // namespace commands
