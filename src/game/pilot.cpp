#include "game/pilot.hpp"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <random>

#include "browser/launcher.hpp"
#include "datalog/log_rows.hpp"
#include "datalog/log_schema.hpp"
#include "game/terminal.hpp"
#include "platform/clock.hpp"
#include "platform/dialogs.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/pilot_id.hpp"

namespace game {
namespace {

// Puts back what a pilot changed in the process, however it ends. The game's
// log folder goes in with its options; these three stay process-wide because
// they are read deep below the game, in code a session shares: the dialogs by
// the set-up's checks, the time scale by the clock and the scheduler, the
// quiet flag by every terminal line. The pilot sets them here and nowhere else.
struct PilotScope {
  std::unique_ptr<platform::Dialogs> dialogs = platform::MakeTerminalDialogs(std::cin, std::cerr);
  explicit PilotScope(double speed) {
    // No boxes to click away: messages go to the terminal.
    platform::SetDialogs(dialogs.get());
    platform::SetTimeScale(speed);
    SetQuiet(true);
  }
  ~PilotScope() {
    SetQuiet(false);
    platform::SetTimeScale(1);
    platform::SetDialogs(nullptr);
  }
};

std::string Seconds(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", ms / 1000.0);
  return text;
}

// The finished game's line: what the participant got and how long it took.
std::string GameLine(int game, int games, double real_ms) {
  using namespace Module1;
  int to_subject = 0;
  for (int n = 1; n <= TotalThrows; ++n) to_subject += ThrowLog[n].Receiver == 2;
  const double study_ms =
      TotalThrows > 0 ? static_cast<std::int32_t>(ThrowLog[TotalThrows].Time - StartTime) : 0;
  const int percent = TotalThrows > 0 ? (200 * to_subject + TotalThrows) / (2 * TotalThrows) : 0;
  return "game " + std::to_string(game) + "/" + std::to_string(games) + " " + SubjectId + ": " +
         std::to_string(to_subject) + " of " + std::to_string(TotalThrows) +
         " throws to the participant (" + std::to_string(percent) + "%), " + Seconds(study_ms) +
         " of study time in " + Seconds(real_ms);
}

}  // namespace

int HighestPilotNumber(const std::filesystem::path& log_csv) {
  const std::optional<std::string> text = platform::ReadFileBytes(log_csv);
  if (!text) return 0;
  int highest = 0;
  for (const datalog::CsvRecord& record : datalog::ParseCsv(*text)) {
    if (record.fields.empty()) continue;
    if (const std::optional<int> number = session::PilotNumber(record.fields[0])) {
      highest = std::max(highest, *number);
    }
  }
  return highest;
}

int RunPilot(const PilotOptions& pilot, StartOptions base, const RunGame& run_game,
             const WriteReport& write_report, std::ostream& out, std::ostream& err) {
  if (!browser::FindBrowser(base.window.browser)) {
    err << "volleta: a pilot needs a browser to run headless, and "
        << (base.window.browser.empty()
                ? "none was found (tried " + browser::KnownBrowserList() + ")"
                : base.window.browser + " was not found")
        << std::endl;
    return platform::kExitInputRefused;
  }
  const std::string settings = Module1::Command;
  const std::filesystem::path folder = platform::ProgramFolder() / "log" / "pilot";
  const int first = HighestPilotNumber(folder / "log.csv") + 1;
  if (base.port_log.empty()) {
    err << "volleta: TTL output is off in a pilot (--port-log FILE records its pulses)"
        << std::endl;
  }
  base.pilot = true;
  base.log_folder = folder;
  base.delay_window = false;
  std::random_device seeds;

  {
    PilotScope scope(pilot.speed);
    for (int game = 1; game <= pilot.games; ++game) {
      Module1::ResetSession();
      Module1::Command = settings;
      Module1::SubjectId = session::PilotSubjectId(first + game - 1);
      StartOptions options = base;
      options.window.participant = browser::PilotParticipant{pilot.strategy, seeds(), pilot.speed};
      const auto started = std::chrono::steady_clock::now();
      const int status = run_game(options);
      const double real_ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
              .count();
      if (status != platform::kExitOk) return status;
      if (Module1::ThrowCount <= Module1::TotalThrows) {
        err << "volleta: game " << game << "/" << pilot.games << " " << Module1::SubjectId
            << " did not finish (its window closed after " << Module1::ThrowCount
            << " throws); the pilot stops" << std::endl;
        std::error_code ec;
        if (std::filesystem::exists(folder / "log.csv", ec)) {
          write_report(folder, out, err);
        }
        return platform::kExitGameUnfinished;
      }
      err << GameLine(game, pilot.games, real_ms) << std::endl;
    }
  }
  return write_report(folder, out, err);
}

}  // namespace game
