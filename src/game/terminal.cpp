#include "game/terminal.hpp"

#include <iostream>
#include <string>

#include "session/module1.hpp"

namespace game {
namespace {
int g_subject_received = 0;
bool g_quiet = false;

void Write(const std::string& text) { std::cerr << "[volleta] " << text << std::endl; }
void Line(const std::string& text) {
  if (!g_quiet) Write(text);
}
}  // namespace

void ReportConnecting() { Line("connection screen shown"); }

void ReportGameStart() {
  g_subject_received = 0;
  Line("game started: first throw in 8 s");
}

void ReportThrow(int thrower, int receiver, bool counted) {
  if (receiver == 2) ++g_subject_received;
  const std::string who =
      "Player " + std::to_string(thrower) + " to Player " + std::to_string(receiver);
  const std::string tally =
      "subject has received " + std::to_string(g_subject_received) + " so far";
  if (counted) {
    Line("throw " + std::to_string(Module1::ThrowCount + 1) + " of " +
         std::to_string(Module1::TotalThrows) + ": " + who + " (" + tally + ")");
  } else {
    Line("extra throw after the last one (not logged): " + who + " (" + tally + ")");
  }
}

void ReportGameOver() { Line("game over"); }

std::string DisplayDescription(const browser::DisplayOptions& display) {
  std::string text;
  switch (display.path) {
    case browser::DisplayPath::kStaged:
      text = "each throw sent ahead and shown on the frame it is logged on";
      break;
    case browser::DisplayPath::kSwap:
      text = "each throw swapped into the shown page";
      break;
    case browser::DisplayPath::kNavigate:
      text = "each throw loaded as a new page";
      break;
  }
  text += " (--display " + std::string(browser::DisplayPathName(display.path)) + ")";
  if (display.photodiode_frames > 0) {
    text += "; photodiode patch in the bottom left corner, white for " +
            std::to_string(display.photodiode_frames) + " frames from each throw";
  }
  return text;
}

void ReportDisplay(const browser::DisplayOptions& display) {
  Line("display: " + DisplayDescription(display));
}

void ReportLogRow(const datalog::RowOutcome& o) {
  if (o.appended) {
    Line(o.name + ": row appended");
  } else if (o.saved) {
    Line(o.name + ": could not be written (" + o.reason + "); row saved in " +
         datalog::FallbackFile().filename().string());
  } else {
    Line(o.name + ": could not be written (" + o.reason + "), nor could " +
         datalog::FallbackFile().filename().string() + " (" + o.fallback_reason +
         "); the row is in the Log Problem message");
  }
}

void ReportWindowClosed() { Line("browser window closed: the program ends"); }

void ReportSummary(const std::string& line) { Line(line); }

void ReportProblem(const std::string& what) { Write("problem: " + what); }

void SetQuiet(bool quiet) { g_quiet = quiet; }

}  // namespace game
