#pragma once
// A pilot's subject IDs, PILOT-001, PILOT-002, ...: made by the pilot and
// recognised by whatever reads its logs.
#include <optional>
#include <string>
#include <string_view>

namespace session {

// "PILOT-001" for 1: three digits at least.
std::string PilotSubjectId(int number);

// Whether a subject ID is a pilot's: it begins "PILOT-".
bool IsPilotSubject(std::string_view subject);

// N of a pilot's ID "PILOT-N" (one to six digits); none for any other ID.
std::optional<int> PilotNumber(std::string_view subject);

}  // namespace session
