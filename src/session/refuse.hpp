#pragma once
// Refusing a faulty input file: a message box, then the end of the program.
#include <string>
#include <string_view>

namespace session {

inline constexpr const char* kSettingsProblem = "Settings Problem";
inline constexpr const char* kScheduleProblem = "Schedule Problem";
inline constexpr const char* kTtlProblem = "TTL Problem";
inline constexpr const char* kEndsProgram = "This will end the program.";

// Shows `message` titled `title`, then ends the program with status 2 once
// the box is dismissed.
[[noreturn]] void Refuse(const std::string& title, const std::string& message);

// The text of an experimenter's file, without a UTF-8 byte-order mark. A file
// that is not plain text (UTF-16 or UTF-32, or holding a NUL byte) is refused
// with `title`; `file` names it in the message, as in "The settings file
// \"s.txt\"".
std::string PlainText(const std::string& title, const std::string& file, std::string bytes);

}  // namespace session
