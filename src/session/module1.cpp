#include "session/module1.hpp"

namespace Module1 {

std::string Command;

std::string SettingsFile;
session::Value NumPlayers;
std::int16_t TotalThrows = 0;
std::string ScheduleFile;
std::string StartPage;
PerPlayer<session::Value> PlayerNames;
PerPlayer<session::Value> PlayerFaces;
session::Value DelayMin;
session::Value DelayRandom;
session::Value SpacerCount;

std::string SubjectId;
session::Value SubjectInfoFolder;
std::string SessionDate;
std::string SessionTime;

PerPlayer<std::vector<std::int16_t>> ThrowSchedule;
std::vector<ThrowSlot> LineThrows;

std::int16_t BallHolder = 0;
std::int32_t ThrowCount = 0;
PerPlayer<std::int32_t> ThrowsMade{};
std::vector<LogEntry> ThrowLog;
std::uint32_t StartTime = 0;

bool TtlEnabled = false;
PerPlayer<std::int16_t> TtlCodes{};
std::int16_t TtlPort = 0;
std::int16_t TtlValue = 0;
session::Value TtlDuration;
std::string TtlDevice;
std::string TtlOffReason;

browser::Browser* Browser = nullptr;
Class1* BrowserEvents = nullptr;

void ResetSession() {
  Command.clear();
  SettingsFile.clear();
  NumPlayers = {};
  TotalThrows = 0;
  ScheduleFile.clear();
  StartPage.clear();
  PlayerNames = {};
  PlayerFaces = {};
  DelayMin = {};
  DelayRandom = {};
  SpacerCount = {};
  SubjectId.clear();
  SubjectInfoFolder = {};
  SessionDate.clear();
  SessionTime.clear();
  ThrowSchedule = {};
  LineThrows.clear();
  BallHolder = 0;
  ThrowCount = 0;
  ThrowsMade = {};
  ThrowLog.clear();
  StartTime = 0;
  TtlEnabled = false;
  TtlCodes = {};
  TtlPort = 0;
  TtlValue = 0;
  TtlDuration = {};
  TtlDevice.clear();
  TtlOffReason.clear();
  Browser = nullptr;
  BrowserEvents = nullptr;
}

}  // namespace Module1
