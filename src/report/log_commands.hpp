#pragma once
// The --report and --export commands: no questions, no window; the file
// written goes to standard output, the problems met to standard error.
#include <filesystem>
#include <ostream>
#include <string>

namespace report {

enum class LogCommand { kReport, kExport };

// Writes report.html or throws.csv for the logs in `folder`. Returns the exit
// status: 0, or 2 after a message naming the file when a log can't be read or
// the file can't be written.
int RunLogCommand(LogCommand command, const std::filesystem::path& folder, std::ostream& out,
                  std::ostream& err);

// The logs' part of --check: how many games `folder` holds, then a line
// "Warning: ..." for each problem in its logs. A row in one log without its
// partner in the other is what a crash between the two appends leaves.
std::string CheckLogFolder(const std::filesystem::path& folder);

}  // namespace report
