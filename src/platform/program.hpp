#pragma once
// The program folder and the way the program ends.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The folder every experiment file is looked up in: the executable's folder,
// or the one given with --folder.
const std::filesystem::path& ProgramFolder();
void SetProgramFolder(std::filesystem::path folder);

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// Whether `folder` holds a study: a settings and an html folder.
bool HoldsStudy(const std::filesystem::path& folder);

// An installed program (the executable in a bin folder that holds no study,
// its experiment in share/volleta/experiment beside that bin folder) reads
// the experiment from there but cannot write logs there.
bool RunsInstalled();

// The experiment new studies are copied from: the installed one, else the
// executable's own folder.
std::filesystem::path BundledExperimentFolder();

// The program folder when none is given: the executable's own folder; for an
// installed program the current folder when it holds a study, else none.
std::optional<std::filesystem::path> DefaultProgramFolder();

// The command line's arguments as UTF-8. On Windows they are read from the
// system's UTF-16 command line, so that any path can be given, and the console
// and standard streams are set up as on Linux: UTF-8, lines ending in LF.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Thrown to end the program at once with an exit status: no later step and no
// unload handling runs. Only main() catches it. It is deliberately not a
// std::exception, so that no handler that steps over failures can swallow it.
class ProgramEnd {
 public:
  explicit ProgramEnd(int status) : status_(status) {}
  int Status() const { return status_; }

 private:
  int status_;
};

// The program's exit statuses, each named here once (the README lists them).
enum ExitStatus : int {
  kExitOk = 0,
  kExitCancelled = 1,       // the settings dialog was cancelled
  kExitInputRefused = 2,    // a bad option or value; a settings, schedule, TTL or folder problem
  kExitGameUnfinished = 3,  // a pilot's game did not finish
};

[[noreturn]] void EndProgram(int status);

}  // namespace platform
