#include "report/log_reader.hpp"

#include <algorithm>
#include <charconv>
#include <map>
#include <system_error>
#include <utility>

#include "datalog/session_record.hpp"
#include "platform/file_io.hpp"
#include "session/ball.hpp"
#include "session/pilot_id.hpp"

namespace report {
namespace {

namespace fs = std::filesystem;
using datalog::CsvRecord;
using datalog::kIdentityFields;
using datalog::kPlayersField;
using datalog::kSubjectField;
using datalog::kThrowsField;

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

enum class Kind { kLog, kTime, kOnset };

std::string FileName(Kind kind) {
  switch (kind) {
    case Kind::kLog:
      return std::string(datalog::kThrowLog);
    case Kind::kTime:
      return std::string(datalog::kTimeLog);
    case Kind::kOnset:
      return std::string(datalog::kOnsetLog);
  }
  return "";
}

// A well-formed row of one log.
struct Row {
  int line = 0;
  std::vector<std::string> identity;
  std::vector<std::string> values;  // one per throw
  int players = 0;

  bool SameAs(const Row& other) const {
    return identity == other.identity && values == other.values;
  }
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Checks one record as a row of `kind`; on a fault returns its description.
std::string CheckRow(const CsvRecord& record, Kind kind, Row* row) {
  if (!record.error.empty()) return record.error;
  const std::vector<std::string>& f = record.fields;
  if (f.size() < kIdentityFields) {
    return "only " + std::to_string(f.size()) +
           " fields, fewer than the twelve that open every row";
  }
  const std::string& players = f[kPlayersField];
  if (players != "3" && players != "4") {
    return "the number of players " + Quoted(players) + " is not 3 or 4";
  }
  const auto throws = WholeNumber(f[kThrowsField]);
  if (!throws || *throws < 0) {
    return "the number of throws " + Quoted(f[kThrowsField]) + " is not a whole number";
  }
  const auto fields = static_cast<std::int64_t>(f.size() - kIdentityFields);
  if (fields < *throws) {
    return std::to_string(fields) + " throw fields, fewer than its " + std::to_string(*throws) +
           " throws";
  }
  if (fields > *throws) {
    return std::to_string(fields) + " throw fields, more than its " + std::to_string(*throws) +
           " throws (a name with an unquoted comma, written by an older version?)";
  }
  row->line = record.line;
  row->players = players[0] - '0';
  row->identity.assign(f.begin(), f.begin() + kIdentityFields);
  row->values.assign(f.begin() + kIdentityFields, f.end());
  for (std::size_t n = 0; n < row->values.size(); ++n) {
    const std::string& value = row->values[n];
    const std::string which = "throw " + std::to_string(n + 1) + "'s ";
    if (kind == Kind::kOnset && value.empty()) continue;
    const auto number = WholeNumber(value);
    if (kind == Kind::kLog && (!number || *number < 0 || *number > row->players)) {
      return which + "receiver " + Quoted(value) + " is not a player number (0 to " + players + ")";
    }
    if (!number) {
      return which + (kind == Kind::kTime ? "time " : "onset ") + Quoted(value) +
             " is not a whole number of milliseconds";
    }
  }
  return {};
}

struct FileRows {
  std::vector<Row> rows;
  std::map<std::vector<std::string>, std::vector<std::size_t>> by_identity;
};

FileRows ReadRows(std::string_view text, Kind kind, bool pilot_folder,
                  std::vector<LogProblem>* problems) {
  FileRows result;
  for (const CsvRecord& record : datalog::ParseCsv(text)) {
    Row row;
    const std::string fault = CheckRow(record, kind, &row);
    if (!fault.empty()) {
      problems->push_back({FileName(kind), record.line, fault + ": row skipped"});
      continue;
    }
    if (session::IsPilotSubject(row.identity[kSubjectField]) != pilot_folder) {
      problems->push_back({FileName(kind), row.line,
                           (pilot_folder ? "a real row (subject " : "a pilot row (subject ") +
                               Quoted(row.identity[kSubjectField]) +
                               (pilot_folder ? ") among the pilot logs: left out"
                                             : ") among the real logs: left out")});
      continue;
    }
    result.by_identity[row.identity].push_back(result.rows.size());
    result.rows.push_back(std::move(row));
  }
  return result;
}

// Rows of one game key with the exact repeats of earlier rows taken out; each
// repeat is listed with the row it repeats.
struct Deduped {
  std::vector<std::size_t> kept;
  std::vector<std::pair<std::size_t, std::size_t>> repeats;
};

Deduped Dedupe(const FileRows& file, const std::vector<std::size_t>& indices) {
  Deduped result;
  for (std::size_t index : indices) {
    const auto same = std::find_if(result.kept.begin(), result.kept.end(), [&](std::size_t k) {
      return file.rows[k].SameAs(file.rows[index]);
    });
    if (same == result.kept.end()) {
      result.kept.push_back(index);
    } else {
      result.repeats.emplace_back(index, *same);
    }
  }
  return result;
}

void ReportRepeats(const FileRows& file, Kind kind, const Deduped& deduped,
                   std::vector<LogProblem>* problems) {
  for (const auto& [repeat, original] : deduped.repeats) {
    problems->push_back(
        {FileName(kind), file.rows[repeat].line,
         "a duplicate of line " + std::to_string(file.rows[original].line) + ": counted once"});
  }
}

const std::vector<std::size_t>& RowsOf(const FileRows& file, const std::vector<std::string>& key) {
  static const std::vector<std::size_t> none;
  const auto found = file.by_identity.find(key);
  return found == file.by_identity.end() ? none : found->second;
}

// The rows of one key in two files, paired first with first. Exact repeats
// count once; but when only one file repeats itself and both have as many
// rows for the key, those were separate games that happened to log the same
// (the same receivers, say).
void PairKey(const FileRows& a, Kind a_kind, const FileRows& b, Kind b_kind,
             const std::vector<std::string>& key,
             std::vector<std::pair<std::size_t, std::size_t>>* pairs,
             std::vector<std::size_t>* a_alone, std::vector<std::size_t>* b_alone,
             std::vector<LogProblem>* problems) {
  const auto& a_rows = RowsOf(a, key);
  const auto& b_rows = RowsOf(b, key);
  Deduped a_kept = Dedupe(a, a_rows);
  Deduped b_kept = Dedupe(b, b_rows);
  if (a_kept.kept.size() != b_kept.kept.size() && a_rows.size() == b_rows.size()) {
    a_kept = {a_rows, {}};
    b_kept = {b_rows, {}};
  }
  ReportRepeats(a, a_kind, a_kept, problems);
  ReportRepeats(b, b_kind, b_kept, problems);
  const std::size_t common = std::min(a_kept.kept.size(), b_kept.kept.size());
  for (std::size_t k = 0; k < common; ++k) pairs->emplace_back(a_kept.kept[k], b_kept.kept[k]);
  a_alone->insert(a_alone->end(), a_kept.kept.begin() + common, a_kept.kept.end());
  b_alone->insert(b_alone->end(), b_kept.kept.begin() + common, b_kept.kept.end());
}

Game MakeGame(const Row& log_row) {
  Game game;
  game.identity = log_row.identity;
  game.players = log_row.players;
  game.log_line = log_row.line;
  int last_receiver = 0;
  for (std::size_t n = 0; n < log_row.values.size(); ++n) {
    ThrowRecord record;
    record.number = static_cast<int>(n + 1);
    record.thrower = session::NextThrower(last_receiver);
    record.receiver = static_cast<int>(*WholeNumber(log_row.values[n]));
    last_receiver = record.receiver;
    game.throws.push_back(record);
  }
  return game;
}

std::optional<std::string> ReadLog(const fs::path& file, bool required) {
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    if (!required && !ec) return std::nullopt;
    throw LogFolderError("The log " + file.string() + " can't be read: " +
                         (ec ? ec.message() : std::string("there is no such file")) + ".");
  }
  std::string error;
  auto text = platform::ReadFileBytes(file, &error);
  if (!text) throw LogFolderError("The log " + file.string() + " can't be read: " + error + ".");
  return text;
}

}  // namespace

std::string Describe(const LogProblem& problem) {
  return problem.file + (problem.line > 0 ? " line " + std::to_string(problem.line) : "") + ": " +
         problem.what;
}

WrittenFile WriteBesideLogs(const LogSet& logs, const std::string& name, std::string_view bytes) {
  const fs::path file = logs.folder / name;
  std::string error;
  if (!platform::WriteFileBytes(file, bytes, &error)) {
    throw LogFolderError("The file " + file.string() + " can't be written: " + error + ".");
  }
  return WrittenFile{file, logs.games.size(), logs.problems};
}

LogSet ReadLogs(const fs::path& folder, std::optional<bool> pilot_folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    throw LogFolderError("The log folder " + folder.string() + " can't be read: " +
                         (ec ? ec.message() : std::string("there is no such folder")) + ".");
  }
  const std::string log_text = *ReadLog(folder / datalog::kThrowLog, true);
  const std::optional<std::string> time_text = ReadLog(folder / datalog::kTimeLog, false);
  const std::optional<std::string> onset_text = ReadLog(folder / datalog::kOnsetLog, false);
  LogSet set = JoinLogs(log_text, time_text, onset_text,
                        pilot_folder.value_or(folder.filename() == datalog::kPilotFolder));
  set.folder = folder;
  if (const std::optional<std::string> sessions =
          ReadLog(folder / datalog::kSessionRecord, false)) {
    for (datalog::CsvRecord& record : datalog::ParseCsv(*sessions)) {
      if (record.line == 1) continue;  // the header
      // A row of a file begun before the last columns were added lacks them.
      if (record.fields.size() < datalog::kSessionColumns.size()) {
        record.fields.resize(datalog::kSessionColumns.size());
      }
      set.sessions.push_back(std::move(record.fields));
    }
  }
  return set;
}

LogSet JoinLogs(std::string_view log_text, std::optional<std::string_view> time_text,
                std::optional<std::string_view> onset_text, bool pilot_folder) {
  LogSet set;
  set.pilot_folder = pilot_folder;
  set.has_time_file = time_text.has_value();
  set.has_onset_file = onset_text.has_value();

  std::vector<LogProblem>& problems = set.problems;
  const FileRows log = ReadRows(log_text, Kind::kLog, set.pilot_folder, &problems);
  const FileRows time = ReadRows(time_text.value_or(""), Kind::kTime, set.pilot_folder, &problems);
  const FileRows onset =
      ReadRows(onset_text.value_or(""), Kind::kOnset, set.pilot_folder, &problems);
  if (!set.has_time_file) {
    problems.push_back({FileName(Kind::kTime), 0, "missing: every game is reported without times"});
  }

  // log.csv with time.csv, key by key in log.csv's order, then the keys only
  // time.csv has.
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  std::vector<std::size_t> log_alone, time_alone;
  std::map<std::vector<std::string>, bool> done;
  for (const Row& row : log.rows) {
    if (done[row.identity]) continue;
    done[row.identity] = true;
    PairKey(log, Kind::kLog, time, Kind::kTime, row.identity, &pairs, &log_alone, &time_alone,
            &problems);
  }
  for (const Row& row : time.rows) {
    if (done[row.identity]) continue;
    done[row.identity] = true;
    PairKey(log, Kind::kLog, time, Kind::kTime, row.identity, &pairs, &log_alone, &time_alone,
            &problems);
  }

  std::vector<std::optional<std::size_t>> partner(log.rows.size());
  for (const auto& [l, t] : pairs) partner[l] = t;
  std::sort(log_alone.begin(), log_alone.end());
  std::sort(time_alone.begin(), time_alone.end());
  // Rows alike but for their throw counts: the two logs disagree on one game.
  std::vector<bool> time_explained(time.rows.size(), false);
  for (std::size_t l : log_alone) {
    std::vector<std::string> key = log.rows[l].identity;
    key[kThrowsField].clear();
    const auto match = std::find_if(time_alone.begin(), time_alone.end(), [&](std::size_t t) {
      std::vector<std::string> other = time.rows[t].identity;
      other[kThrowsField].clear();
      return !time_explained[t] && other == key;
    });
    if (match != time_alone.end()) {
      time_explained[*match] = true;
      problems.push_back(
          {FileName(Kind::kLog), log.rows[l].line,
           "says " + log.rows[l].identity[kThrowsField] + " throws, its time.csv row (line " +
               std::to_string(time.rows[*match].line) + ") says " +
               time.rows[*match].identity[kThrowsField] + ": the game is reported without times"});
    } else if (set.has_time_file) {
      problems.push_back({FileName(Kind::kLog), log.rows[l].line,
                          "no matching row in time.csv: the game is reported without times"});
    }
  }
  for (std::size_t t : time_alone) {
    if (!time_explained[t]) {
      problems.push_back(
          {FileName(Kind::kTime), time.rows[t].line, "no matching row in log.csv: left out"});
    }
  }

  for (std::size_t l = 0; l < log.rows.size(); ++l) {
    const bool paired = partner[l].has_value();
    const bool alone = std::binary_search(log_alone.begin(), log_alone.end(), l);
    if (!paired && !alone) continue;  // a repeat
    Game game = MakeGame(log.rows[l]);
    if (paired) {
      const Row& time_row = time.rows[*partner[l]];
      game.time_line = time_row.line;
      for (std::size_t n = 0; n < game.throws.size(); ++n) {
        game.throws[n].time = *WholeNumber(time_row.values[n]);
      }
    }
    set.games.push_back(std::move(game));
  }

  // onset.csv rows go to the games of their key, first with first.
  std::map<std::vector<std::string>, std::vector<Game*>> games_by_key;
  for (Game& game : set.games) games_by_key[game.identity].push_back(&game);
  for (const auto& [key, indices] : onset.by_identity) {
    const Deduped kept = Dedupe(onset, indices);
    ReportRepeats(onset, Kind::kOnset, kept, &problems);
    const auto found = games_by_key.find(key);
    const std::size_t games = found == games_by_key.end() ? 0 : found->second.size();
    for (std::size_t k = 0; k < kept.kept.size(); ++k) {
      const Row& row = onset.rows[kept.kept[k]];
      if (k >= games) {
        problems.push_back(
            {FileName(Kind::kOnset), row.line, "no matching game in log.csv: left out"});
        continue;
      }
      Game& game = *found->second[k];
      game.onset_line = row.line;
      for (std::size_t n = 0; n < game.throws.size(); ++n) {
        if (!row.values[n].empty()) game.throws[n].onset = *WholeNumber(row.values[n]);
      }
    }
  }

  const auto file_rank = [](const std::string& file) {
    return file == datalog::kThrowLog ? 0 : file == datalog::kTimeLog ? 1 : 2;
  };
  std::stable_sort(problems.begin(), problems.end(), [&](const LogProblem& a, const LogProblem& b) {
    return std::pair(file_rank(a.file), a.line) < std::pair(file_rank(b.file), b.line);
  });
  return set;
}

}  // namespace report
