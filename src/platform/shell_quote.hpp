#pragma once
// Paths and programs as the system's shell reads them on a command line.
#include <string>

namespace platform {

// `text` as one word of a command line typed into the system's shell: as it
// is when it needs no quoting, else quoted.
std::string ShellQuoted(const std::string& text);

}  // namespace platform
