#pragma once
// The experimenter's view: one short line per game event on standard error.
// Nothing of it reaches the pages or the logs.
#include <string>

#include "browser/page_script.hpp"
#include "datalog/log_rows.hpp"

namespace game {

// How the window shows the throws, in words.
std::string DisplayDescription(const browser::DisplayOptions& display);
void ReportDisplay(const browser::DisplayOptions& display);
void ReportConnecting();
void ReportGameStart();
// A throw just shown; `counted` is false for the extra throw after the last
// logged one.
void ReportThrow(int thrower, int receiver, bool counted);
void ReportGameOver();
// Where one of the game's log rows went.
void ReportLogRow(const datalog::RowOutcome& outcome);
void ReportWindowClosed();
// A line of the run's summary, at its end.
void ReportSummary(const std::string& line);
// A failure the game steps over (a page that could not be written, say);
// reported even when quiet.
void ReportProblem(const std::string& what);

// Quiet: the event lines above are not written (a pilot's games).
void SetQuiet(bool quiet);

}  // namespace game
