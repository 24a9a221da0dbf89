#pragma once
// The session set-up that start-up runs before anything is shown: the
// settings, the subject, the schedule and the TTL configuration.

#include <string>

namespace session {

enum class SetUpMode {
  kSession,  // a real session: dialogs, remembered choice, subject ID
  kCheck,    // --check: no dialog, nothing remembered, no subject asked
  kPilot,    // a pilot game: as kCheck, the subject ID set beforehand
};

// Steps 1 to 15 of start-up, in order: counters reset, generator seeded,
// settings chosen and read, subject identified and stamped, arrays sized,
// schedule loaded and checked, TTL configuration read (TtlEnabled set when it
// is valid). A refused file or a cancelled dialog ends the program
// (platform::ProgramEnd).
void RunSetUp(SetUpMode mode);

// The summary --check prints once everything has passed; `ttl_device` is
// what opening the TTL port found (empty with TTL output off).
std::string CheckSummary(const std::string& ttl_device = "");

}  // namespace session
