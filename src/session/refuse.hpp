#pragma once
// Refusing a faulty input file: a message box, then the end of the program.
#include <string>

namespace session {

inline constexpr const char* kSettingsProblem = "Settings Problem";
inline constexpr const char* kScheduleProblem = "Schedule Problem";
inline constexpr const char* kEndsProgram = "This will end the program.";

// Shows `message` titled `title`, then ends the program with status 2 once
// the box is dismissed.
[[noreturn]] void Refuse(const std::string& title, const std::string& message);

}  // namespace session
