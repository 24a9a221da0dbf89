#pragma once
// --new-study: a study folder of the experimenter's own, copied from the
// bundled experiment, so that an installed program has somewhere to write
// its logs and the lab somewhere to edit its conditions.
#include <filesystem>
#include <ostream>
#include <string>

namespace platform {

// Copies the bundled experiment into `folder`, which must be new or empty:
// everything but the executable and what a run writes there (logs, the game
// page). Writes the folder's path to `out`, and to `err` what it holds and how
// to run it with `command` (the program as it was started). Returns 0, or 2
// after a message naming the folder and the fault; a copy that fails midway
// removes what it had copied.
int RunNewStudy(const std::filesystem::path& folder, const std::string& command, std::ostream& out,
                std::ostream& err);

}  // namespace platform
