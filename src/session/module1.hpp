#pragma once
// The session state: the one shared record of a run. Every subsystem reads and
// writes these variables directly, on the program's one thread; nothing is
// locked. Per-player arrays are indexed 0 to 4 by player number (0 is never a
// player; Player 2 is always the subject).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/value.hpp"

namespace browser {
class Browser;
}
class Class1;

namespace Module1 {

struct ThrowSlot {
  std::int16_t Block = 0;   // 1-based number of the block (comma-separated group) of the line
  std::int16_t Source = 0;  // the entry whose target this position takes, once randomised
  std::int16_t Target = 0;  // the receiving player: one digit of the line
};

struct LogEntry {
  std::int16_t Receiver = 0;           // player who received the ball
  std::uint32_t Time = 0;              // timeGetTime reading at the throw
  std::uint64_t Shown = 0;             // the window's number for the navigation that showed it
  std::optional<std::uint32_t> Onset;  // timeGetTime reading when its picture was presented
};

template <typename T>
using PerPlayer = std::array<T, 5>;

// The command-line argument: the remaining arguments joined by single spaces
// (empty when there were none).
extern std::string Command;

// Settings.
extern std::string SettingsFile;
extern session::Value NumPlayers;
extern std::int16_t TotalThrows;
extern std::string ScheduleFile;
extern std::string StartPage;
extern PerPlayer<session::Value> PlayerNames;
extern PerPlayer<session::Value> PlayerFaces;
extern session::Value DelayMin;
extern session::Value DelayRandom;
extern session::Value SpacerCount;

// Subject.
extern std::string SubjectId;
extern session::Value SubjectInfoFolder;
extern std::string SessionDate;
extern std::string SessionTime;

// Schedule: ThrowSchedule[p][n] is the player to whom Player p makes his n-th
// throw (n from 1; 0 means none), sized 0..4 by 0..TotalThrows.
extern PerPlayer<std::vector<std::int16_t>> ThrowSchedule;
extern std::vector<ThrowSlot> LineThrows;

// Game progress.
extern std::int16_t BallHolder;
extern std::int32_t ThrowCount;
extern PerPlayer<std::int32_t> ThrowsMade;
extern std::vector<LogEntry> ThrowLog;  // entries 0..TotalThrows + 1
extern std::uint32_t StartTime;

// TTL configuration.
extern bool TtlEnabled;
extern PerPlayer<std::int16_t> TtlCodes;
extern std::int16_t TtlPort;
extern std::int16_t TtlValue;
extern session::Value TtlDuration;
// The output device named in ttl.txt, as written ("/dev/ttyACM0@9600"); empty:
// the parallel port at TtlPort.
extern std::string TtlDevice;
// Why TTL output is off although ttl.txt exists (its fault); empty otherwise.
extern std::string TtlOffReason;

// The browser window and its event sink; owned elsewhere, set by start-up.
extern browser::Browser* Browser;
extern Class1* BrowserEvents;

// Back to the state of a freshly started process (for tests and for --check).
void ResetSession();

}  // namespace Module1
