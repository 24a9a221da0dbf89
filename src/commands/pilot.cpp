// --pilot N: whole games played by the automated participant.
#include <iostream>

#include "commands/commands.hpp"
#include "platform/program.hpp"
#include "report/log_commands.hpp"
#include "session/module1.hpp"

namespace commands {

int RunPilot(const Options& options, Streams streams) {
  if (options.check || Module1::Command.empty()) {
    streams.err << "volleta: --pilot needs the settings file's name (and no --check)" << std::endl;
    return platform::kExitInputRefused;
  }
  const game::WriteReport write_report = [](const std::filesystem::path& folder, std::ostream& out,
                                            std::ostream& err) {
    return report::RunLogCommand(report::LogCommand::kReport, folder, out, err);
  };
  return game::RunPilot(options.pilot, options.start, PlayGame, write_report, streams.out,
                        streams.err);
}

}  // namespace commands
