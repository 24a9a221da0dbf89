#include "session/refuse.hpp"

#include <algorithm>

#include "platform/dialogs.hpp"
#include "platform/program.hpp"

namespace session {

void Refuse(const std::string& title, const std::string& message) {
  platform::CurrentDialogs().MsgBox(message, title);
  platform::EndProgram(platform::kExitInputRefused);
}

std::string PlainText(const std::string& title, const std::string& file, std::string bytes) {
  const std::string help = "  Save it as plain text (ANSI or UTF-8).  See readme.htm for help.  " +
                           std::string(kEndsProgram);
  const auto starts = [&bytes](std::string_view mark) { return bytes.starts_with(mark); };
  using namespace std::string_view_literals;
  if (starts("\xFF\xFE\0\0"sv) || starts("\0\0\xFE\xFF"sv)) {
    Refuse(title, file + " is not plain text: it is saved as UTF-32." + help);
  }
  if (starts("\xFF\xFE"sv) || starts("\xFE\xFF"sv)) {
    Refuse(title, file + " is not plain text: it is saved as UTF-16 (\"Unicode\")." + help);
  }
  if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) {
    const auto line =
        1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
    Refuse(title, file + " is not plain text: byte " + std::to_string(nul + 1) + " (on line " +
                      std::to_string(line) + ") is a NUL byte, as in a file saved as UTF-16." +
                      help);
  }
  if (starts("\xEF\xBB\xBF"sv)) bytes.erase(0, 3);
  return bytes;
}

}  // namespace session
