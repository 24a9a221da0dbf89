#pragma once
// Where the program's text meets a path. Text is UTF-8 (the command line, the
// dialogs, UTF-8 files); on Windows, text that is not UTF-8 is read in the
// system's ANSI code page, as classic Windows programs wrote their files.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

std::filesystem::path PathOf(std::string_view text);

// A path as UTF-8 text, for messages and output.
std::string TextOf(const std::filesystem::path& path);

}  // namespace platform
