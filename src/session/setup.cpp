#include "session/setup.hpp"

#include <iostream>
#include <sstream>

#include "platform/dialogs.hpp"
#include "platform/file_io.hpp"
#include "platform/path_text.hpp"
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

// A ttl.txt that is there but can't be used would once have turned the
// markers off unnoticed, leaving an EEG recording without them: a session
// asks first. A missing ttl.txt is how a study says it uses none.
void ReadTtl(SetUpMode mode) {
  using namespace Module1;
  TtlEnabled = false;
  std::string why;
  if (ReadTtlConfiguration(&why)) {
    TtlEnabled = true;
    TtlState = "on";  // the port opened at start-up names it
    return;
  }
  if (why.empty()) {
    TtlState = "off: no ttl.txt";
    return;
  }
  TtlState = "off: " + why;
  if (mode == SetUpMode::kCheck) return;  // its summary says why
  if (mode == SetUpMode::kSession &&
      !platform::CurrentDialogs().YesNo(
          why + ".\n\nThis file is in " + platform::TextOf(platform::ProgramFolder()) +
              ".  Run this session without TTL markers?\n\nYes: the session runs with TTL "
              "output off; no marker reaches the recording.\nNo: the program ends, so that "
              "you can correct ttl.txt (see readme.htm for help).",
          kTtlProblem)) {
    platform::EndProgram(platform::kExitCancelled);
  }
  std::cerr << "TTL output is off: " << why << "." << std::endl;
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

  ReadTtl(mode);
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
    out << TtlState;
    if (TtlState != "off: no ttl.txt") out << " (a session asks whether to run without markers)";
    out << "\n";
  }
  if (!ttl_device.empty()) out << "TTL device: " << ttl_device << "\n";
  out << "All checks passed.\n";
  return out.str();
}

}  // namespace session
