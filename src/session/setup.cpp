#include "session/setup.hpp"

#include <iostream>
#include <sstream>

#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "platform/random.hpp"
#include "session/module1.hpp"
#include "session/refuse.hpp"
#include "session/schedule.hpp"
#include "session/settings_file.hpp"
#include "session/subject.hpp"
#include "session/ttl_config.hpp"

namespace session {
namespace {

// The pages the program itself needs: without them the participant would see
// a "not found" page, or a game that stops at its first screen.
void CheckPages() {
  using Module1::StartPage;
  const std::filesystem::path html = platform::ProgramFolder() / "html";
  const std::string help = ".  See readme.htm for help.  " + std::string(kEndsProgram);
  std::error_code ec;
  if (StartPage.empty() || !std::filesystem::is_regular_file(html / StartPage, ec)) {
    Refuse("Page Problem", "The start page \"" + StartPage +
                               "\" (record 4 of the settings file \"" + Module1::SettingsFile +
                               "\") is not in the html folder " + html.string() + help);
  }
  std::string reason;
  if (!platform::ReadFileBytes(html / "template.htm", &reason)) {
    Refuse("Page Problem",
           "The game template template.htm could not be read from the html folder " +
               html.string() + " (" + reason + ")" + help);
  }
}

}  // namespace

void RunSetUp(SetUpMode mode) {
  using namespace Module1;
  BallHolder = 0;
  ThrowCount = 0;
  platform::Randomize();

  if (mode != SetUpMode::kSession) {
    ChooseSettingsFileQuietly();
  } else {
    ChooseSettingsFile();
  }
  ReadSettingsFile();
  ApplyThreePlayerOverride();

  const int size = TotalThrows < 0 ? 0 : TotalThrows;
  ThrowLog.assign(static_cast<std::size_t>(size) + 2, LogEntry{});
  for (auto& row : ThrowSchedule) row.assign(static_cast<std::size_t>(size) + 1, 0);

  if (mode == SetUpMode::kSession) ReadSiblingIdentifier();
  NormalisePlayerFields();
  if (mode == SetUpMode::kSession) AskSubjectId();
  StampSession();

  LoadSchedule();
  CheckPages();

  TtlEnabled = false;
  std::string why;
  TtlOffReason.clear();
  if (ReadTtlConfiguration(&why)) {
    TtlEnabled = true;
  } else if (!why.empty()) {
    std::cerr << "TTL output is off: " << why << "." << std::endl;
    TtlOffReason = why;
  }
}

std::string CheckSummary(const std::string& ttl_device) {
  using namespace Module1;
  std::ostringstream out;
  out << "Settings file: " << SettingsFile << "\n";
  out << "Players: " << NumPlayers.Text() << "\n";
  for (int p = 1; p <= 4; ++p) {
    if (p == 4 && NumPlayers == 3) break;
    out << "  Player " << p << (p == 2 ? " (subject)" : "") << ": \"" << PlayerNames[p].Text()
        << "\"";
    if (!PlayerFaces[p].Text().empty()) out << ", picture " << PlayerFaces[p].Text();
    out << "\n";
  }
  out << "Total throws: " << TotalThrows << "\n";
  out << "Schedule file: " << ScheduleFile << "\n";
  for (int p : {1, 3, 4}) {
    if (p == 4 && NumPlayers == 3) break;
    int scheduled = 0;
    PerPlayer<int> to{};
    for (int n = 1; n <= TotalThrows; ++n) {
      const int t = ThrowSchedule[p][n];
      if (t >= 1 && t <= 4) {
        ++scheduled;
        ++to[t];
      }
    }
    out << "  Player " << p << ": " << scheduled << " throws scheduled (";
    bool first = true;
    for (int t = 1; t <= 4; ++t) {
      if (t == p || (t == 4 && NumPlayers == 3)) continue;
      out << (first ? "" : ", ") << "to " << t << ": " << to[t];
      first = false;
    }
    out << ")\n";
  }
  out << "Delays: " << DelayMin.Text() << " s plus up to " << DelayRandom.Text() << " s\n";
  out << "TTL output: ";
  if (TtlEnabled) {
    out << "on (port " << TtlPort << ", codes " << TtlCodes[1] << " " << TtlCodes[2] << " "
        << TtlCodes[3] << " " << TtlCodes[4] << ", " << TtlDuration.Text() << " ms)\n";
  } else {
    out << "off\n";
  }
  if (!ttl_device.empty()) out << "TTL device: " << ttl_device << "\n";
  out << "All checks passed.\n";
  return out.str();
}

}  // namespace session
