#pragma once
// Runs the real volleta executable as a child process with the given
// arguments and standard input, and collects its output and exit status.
#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProgramRun RunVolleta(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace testing_support
