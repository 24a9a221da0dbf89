#pragma once
// serve's rows in the session record (log/sessions.csv): the session record
// is what every serve sharing the study folder reads, under its lock, before
// it starts a game, so that an ID gets one game however many serve processes
// take its link.
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datalog/session_record.hpp"

namespace online {

inline constexpr std::string_view kOnlineMode = "online";
inline constexpr std::string_view kStartedOutcome = "started";
inline constexpr std::string_view kCrashedOutcome = "crashed";

// What the session record says of an ID and of the conditions.
struct RecordView {
  bool id_started = false;   // a "started" row, or any online row, for the ID
  std::string last_outcome;  // the outcome of the ID's last online row
  std::map<std::string, int, std::less<>> started_by_condition;  // "started" rows online
};
RecordView ReadRecordText(std::string_view text, std::string_view id);

// The condition a new game gets: balanced, the one with the fewest games
// started (ties broken by `draw`, in [0, 1)); else the one `draw` picks.
std::string AssignCondition(const std::vector<std::string>& conditions,
                            const std::map<std::string, int, std::less<>>& started, bool balanced,
                            double draw);

// A row of serve's: the fields every row has, the rest empty.
datalog::SessionFields ServeRow(std::string_view id, std::string_view condition,
                                std::string_view link, std::string_view outcome,
                                std::string_view started);

// Local time as the session record writes it.
std::string RecordTime();

struct ClaimRequest {
  std::string id;
  std::string pinned;  // a condition the link named, else empty
  std::vector<std::string> conditions;
  bool balanced = true;
  bool allow_repeat = false;
  std::string link;
  double draw = 0;
};

struct Claim {
  bool granted = false;  // a "started" row was appended: the game may start
  std::string condition;
  bool recorded = false;  // its row (started or refused) reached the record
  std::string reason;     // why not
};

// Under the record's lock: appends "started" for a new ID, else "refused:
// already started".
Claim ClaimGame(const std::filesystem::path& log_folder, const ClaimRequest& request);

// Appends a refusal's row (not the ID's game's: no lock-held decision needed).
bool RecordRefusal(const std::filesystem::path& log_folder, std::string_view id,
                   std::string_view link, std::string_view outcome);

// After a game's process ended: the outcome its own row gave, or, when its
// last row is still "started", `missing` appended in its name and returned.
std::string CloseGame(const std::filesystem::path& log_folder, std::string_view id,
                      std::string_view condition, std::string_view link, std::string_view started,
                      std::string_view missing);

}  // namespace online
