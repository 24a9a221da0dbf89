#pragma once
// Running another program without a shell, so no argument is ever interpreted.
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ProcessResult {
  int exit_status = -1;  // the exit code, or -1 when it did not exit normally
  std::string output;    // what it wrote to standard output
};

// Runs argv[0] (searched on PATH) with the given arguments, waits for it and
// collects its standard output. Returns nullopt when it could not be started.
std::optional<ProcessResult> RunAndCapture(const std::vector<std::string>& argv);

// Whether an executable of that name is found on PATH (or is a path to one).
std::optional<std::string> FindOnPath(const std::string& name);

}  // namespace platform
