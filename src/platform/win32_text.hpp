#pragma once
// Windows only: the program's text is UTF-8; the system's is UTF-16.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// The system's text for a Windows error code, without its final full stop.
std::string ErrorText(unsigned long code);
// A command line that the C runtime's parser reads back as `argv`.
std::wstring CommandLineOf(const std::vector<std::string>& argv);

}  // namespace platform
