#pragma once
// Text files as bytes: no transcoding, so ANSI and UTF-8 files pass through
// unchanged. Lines end at CR LF, a lone CR or a lone LF.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Reads a whole file. On failure returns nullopt and, when `error` is given,
// a short reason such as "No such file or directory".
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::string* error = nullptr);

// Writes a whole file in one piece (truncating it). Returns false on failure
// with the reason in `error`.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes,
                    std::string* error = nullptr);

// std::fopen for any path (wide-character on Windows).
std::FILE* OpenCFile(const std::filesystem::path& path, const char* mode);

// Splits text into lines without their ends. Every CR LF, lone CR and lone LF
// ends a line; a final line end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace platform
