#pragma once
// The run's session record (datalog/session_record.hpp) and its summary on the
// terminal: what the run was is collected as it goes and written when it ends.
#include <filesystem>
#include <string>
#include <vector>

#include "browser/browser.hpp"
#include "datalog/log_rows.hpp"
#include "datalog/session_record.hpp"
#include "game/frm_main.hpp"

namespace game {

// A run begins: its start time is taken and whatever an earlier run of the
// process (a pilot's games) left is dropped.
void BeginRunRecord();
// The window was sent to the start page: from now on the run gets a record.
void RecordStartPageShown();
// A page reported the window's browser, screen and frame rate.
void RecordPageFacts(const browser::PageFacts& facts);
// Where the game's rows went.
void RecordGameRows(const std::vector<datalog::RowOutcome>& outcomes);

// How the run ended, as the form saw it.
struct RunEnd {
  bool game_started = false;
  bool game_over = false;
  bool address_only = false;  // no browser was launched: the address was printed
  int status = 0;             // the program's exit status
};

// The record's fields for the run that ended (the session state as it stands).
datalog::SessionFields RunRecordFields(const StartOptions& options, const RunEnd& end);

// At the run's end, when it showed the start page: appends its record to the
// log folder's sessions.csv and prints the run's summary. Call it before the
// TTL port is closed (its count of codes goes with it).
void FinishRunRecord(const StartOptions& options, const RunEnd& end);

}  // namespace game
