#include "online/record.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <optional>

#include "datalog/log_schema.hpp"
#include "platform/clock.hpp"

namespace online {

RecordView ReadRecordText(std::string_view text, std::string_view id) {
  RecordView view;
  const std::vector<datalog::CsvRecord> records = datalog::ParseCsv(text);
  if (records.empty()) return view;
  // Columns by name; a record begun by an older version names fewer, and the
  // rows appended to it since have them where this version puts them.
  const auto column = [&](std::string_view name) -> std::optional<std::size_t> {
    const auto& header = records.front().fields;
    const auto at = std::find(header.begin(), header.end(), name);
    if (at != header.end()) return static_cast<std::size_t>(at - header.begin());
    const auto& ours = datalog::kSessionColumns;
    const auto known = std::find(ours.begin(), ours.end(), name);
    if (known == ours.end()) return std::nullopt;
    return static_cast<std::size_t>(known - ours.begin());
  };
  const auto subject = column("subject ID"), outcome = column("outcome"), mode = column("mode"),
             settings = column("settings file");
  if (!subject || !outcome) return view;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const auto& f = records[r].fields;
    const auto field = [&](std::optional<std::size_t> c) -> std::string_view {
      return c && *c < f.size() ? std::string_view(f[*c]) : std::string_view();
    };
    const bool online = field(mode) == kOnlineMode;
    const bool started = field(outcome) == kStartedOutcome;
    if (online && started) ++view.started_by_condition[std::string(field(settings))];
    if (field(subject) != id) continue;
    // A refusal (full, a bad link) leaves the ID free to come back.
    if (started || (online && !field(outcome).starts_with("refused:"))) view.id_started = true;
    if (online) view.last_outcome = field(outcome);
  }
  return view;
}

std::string AssignCondition(const std::vector<std::string>& conditions,
                            const std::map<std::string, int, std::less<>>& started, bool balanced,
                            double draw) {
  if (conditions.empty()) return {};
  std::vector<std::string> pool = conditions;
  if (balanced) {
    const auto count = [&](const std::string& c) {
      const auto at = started.find(c);
      return at == started.end() ? 0 : at->second;
    };
    int fewest = count(pool.front());
    for (const std::string& c : pool) fewest = std::min(fewest, count(c));
    std::erase_if(pool, [&](const std::string& c) { return count(c) != fewest; });
  }
  const auto pick = static_cast<std::size_t>(draw * static_cast<double>(pool.size()));
  return pool[std::min(pick, pool.size() - 1)];
}

std::string RecordTime() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  const std::tm local = platform::LocalTime(t);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

datalog::SessionFields ServeRow(std::string_view id, std::string_view condition,
                                std::string_view link, std::string_view outcome,
                                std::string_view started) {
  using namespace datalog;
  SessionFields f;
  f[kVersionColumn] = VOLLETA_VERSION;
  f[kStartedColumn] = started.empty() ? RecordTime() : std::string(started);
  f[kEndedColumn] = RecordTime();
  f[kSettingsFileColumn] = condition;
  f[kSubjectColumn] = id;
  f[kOutcomeColumn] = outcome;
  f[kModeColumn] = kOnlineMode;
  f[kLinkColumn] = link;
  return f;
}

Claim ClaimGame(const std::filesystem::path& log_folder, const ClaimRequest& request) {
  Claim claim;
  bool decided = false;
  const datalog::RecordOutcome outcome = datalog::AppendDecidedSessionRecord(
      log_folder,
      [&](std::string_view text) -> std::optional<datalog::SessionFields> {
        const RecordView view = ReadRecordText(text, request.id);
        claim.granted = request.allow_repeat || !view.id_started;
        if (!claim.granted) {
          return ServeRow(request.id, "", request.link, "refused: already started", "");
        }
        claim.condition = !request.pinned.empty()
                              ? request.pinned
                              : AssignCondition(request.conditions, view.started_by_condition,
                                                request.balanced, request.draw);
        return ServeRow(request.id, claim.condition, request.link, kStartedOutcome, "");
      },
      &decided);
  claim.recorded = outcome.appended;
  claim.reason = outcome.reason;
  // A game whose start could not be recorded could be started again elsewhere.
  if (!claim.recorded) claim.granted = false;
  return claim;
}

bool RecordRefusal(const std::filesystem::path& log_folder, std::string_view id,
                   std::string_view link, std::string_view outcome) {
  return datalog::AppendSessionRecord(log_folder, ServeRow(id, "", link, outcome, "")).appended;
}

std::string CloseGame(const std::filesystem::path& log_folder, std::string_view id,
                      std::string_view condition, std::string_view link, std::string_view started,
                      std::string_view missing) {
  std::string result;
  bool decided = false;
  datalog::AppendDecidedSessionRecord(
      log_folder,
      [&](std::string_view text) -> std::optional<datalog::SessionFields> {
        result = ReadRecordText(text, id).last_outcome;
        if (!result.empty() && result != kStartedOutcome) return std::nullopt;
        result = missing;
        return ServeRow(id, condition, link, missing, started);
      },
      &decided);
  return result;
}

}  // namespace online
