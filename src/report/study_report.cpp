#include "report/study_report.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <numeric>
#include <set>

#include "datalog/log_schema.hpp"
#include "datalog/session_record.hpp"
#include "platform/clock.hpp"
#include "report/svg_timeline.hpp"

namespace report {
namespace {

constexpr int kComputerPlayers[] = {1, 3, 4};

std::string Fixed(double value, int decimals) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string Percent(double share) { return Fixed(share * 100, 1) + " %"; }
std::string Ms(double ms) { return Fixed(std::round(ms), 0); }

std::string Cell(const std::string& html, const char* cls = nullptr) {
  return cls ? std::string("<td class=\"") + cls + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

const char* kDash = "<span class=\"none\">–</span>";

// "1234 ms (IQR 900–1500, n 20)"
std::string TimeSpread(const Spread& s) {
  if (s.count == 0) return kDash;
  return Ms(s.median) + " ms <span class=\"small\">(IQR " + Ms(s.q1) + "–" + Ms(s.q3) + ", range " +
         Ms(s.min) + "–" + Ms(s.max) + ", n " + std::to_string(s.count) + ")</span>";
}

std::string MedianMs(const std::vector<double>& values) {
  if (values.empty()) return kDash;
  const Spread s = SpreadOf(values);
  return Ms(s.median) + " ms <span class=\"small\">(n " + std::to_string(s.count) + ")</span>";
}

std::string Now() {
  const std::time_t now = std::time(nullptr);
  const std::tm local = platform::LocalTime(now);
  char buffer[64];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M", &local);
  return buffer;
}

const char* kStyle = R"(
  body { font-family: "DejaVu Sans", "Segoe UI", system-ui, Arial, sans-serif; color: #2e3440;
    margin: 0 auto; padding: 20px 28px 48px; max-width: 1400px; font-size: 14px; line-height: 1.45; }
  h1 { font-size: 26px; margin: 0 0 4px; }
  h2 { margin-top: 32px; padding-top: 10px; border-top: 1px solid #dde3ea; font-size: 20px; }
  h3 { margin: 22px 0 6px; font-size: 16px; }
  .meta { color: #5b6675; }
  table { border-collapse: collapse; margin: 8px 0; }
  th, td { border: 1px solid #d5dce5; padding: 4px 8px; text-align: left; vertical-align: middle; }
  th { background: #f3f5f8; font-weight: 600; }
  td.num { text-align: right; white-space: nowrap; }
  .small { color: #6b7684; font-size: 12px; }
  .none { color: #9aa4b0; }
  tr.odd td { background: #fff6e0; }
  .problems li { margin: 2px 0; }
  code { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 13px; }
  svg.timeline { display: block; }
  svg.timeline text { font: 8px "DejaVu Sans", Arial, sans-serif; fill: #6b7684; }
  svg.timeline rect.lane { fill: #eef1f5; }
  svg.timeline rect.hold { fill: #5e81ac; }
  svg.timeline rect.hold.you { fill: #d08770; }
  .key { display: inline-block; width: 12px; height: 8px; vertical-align: middle; }
)";

std::string GameRow(const Game& game, const std::vector<const LogProblem*>& notes) {
  const GameFigures f = FiguresOf(game);
  std::string row = notes.empty() ? "<tr>" : "<tr class=\"odd\">";
  row += Cell(HtmlEscape(game.Subject())) + Cell(HtmlEscape(game.Date())) +
         Cell(HtmlEscape(game.Time())) + Cell(std::to_string(f.throws), "num");
  row += Cell(f.throws == 0 ? kDash
                            : std::to_string(f.received[2]) + " <span class=\"small\">(" +
                                  Percent(f.Share(2)) + ")</span>",
              "num");
  for (int p : kComputerPlayers) {
    row += Cell(p > game.players || f.throws == 0 ? kDash : Percent(f.Share(p)), "num");
  }
  row += Cell(game.HasTimes() ? MedianMs(f.hold_times) : "<span class=\"none\">no times</span>",
              "num");
  row += Cell(game.HasOnsets() ? MedianMs(f.display_lags) : kDash, "num");
  double span = 0;
  const std::vector<BallHold> holds = BallHolds(game, &span);
  std::string label = "Who had the ball in the game of " + game.Subject() + ", " + game.Date() +
                      " " + game.Time() + (game.HasTimes() ? "" : " (throw by throw: no times)");
  row += Cell(TimelineSvg(game.players, holds, span, label));
  std::string lines = "log.csv " + std::to_string(game.log_line);
  if (game.HasTimes()) lines += ", time.csv " + std::to_string(game.time_line);
  if (game.HasOnsets()) lines += ", onset.csv " + std::to_string(game.onset_line);
  for (const LogProblem* note : notes) lines += "<br>" + HtmlEscape(Describe(*note));
  row += Cell("<span class=\"small\">" + lines + "</span>");
  return row + "</tr>\n";
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
  Spread s;
  s.count = values.size();
  if (values.empty()) return s;
  std::sort(values.begin(), values.end());
  const auto quantile = [&](double q) {
    const double h = (static_cast<double>(values.size()) - 1) * q;
    const auto lo = static_cast<std::size_t>(std::floor(h));
    const std::size_t hi = std::min(lo + 1, values.size() - 1);
    return values[lo] + (h - static_cast<double>(lo)) * (values[hi] - values[lo]);
  };
  s.median = quantile(0.5);
  s.q1 = quantile(0.25);
  s.q3 = quantile(0.75);
  s.min = values.front();
  s.max = values.back();
  s.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  return s;
}

double GameFigures::Share(int player) const {
  if (throws == 0 || player < 0 || player > 4) return 0;
  return static_cast<double>(received[static_cast<std::size_t>(player)]) / throws;
}

GameFigures FiguresOf(const Game& game) {
  GameFigures f;
  f.throws = static_cast<int>(game.throws.size());
  for (std::size_t k = 0; k < game.throws.size(); ++k) {
    const ThrowRecord& t = game.throws[k];
    f.received[static_cast<std::size_t>(t.receiver)] += 1;
    // The participant's throw: held since the throw before brought the ball.
    if (t.thrower == 2 && k > 0 && t.time && game.throws[k - 1].time) {
      f.hold_times.push_back(static_cast<double>(*t.time - *game.throws[k - 1].time));
    }
    if (t.time && t.onset) f.display_lags.push_back(static_cast<double>(*t.onset - *t.time));
  }
  return f;
}

std::vector<ConditionFigures> ConditionsOf(const LogSet& logs) {
  std::map<std::string, ConditionFigures> by_name;
  for (const Game& game : logs.games) by_name[game.SettingsFile()].games.push_back(&game);
  std::vector<ConditionFigures> conditions;
  for (auto& [name, c] : by_name) {
    c.settings_file = name;
    std::set<std::string> subjects;
    std::vector<double> participant;
    std::array<std::vector<double>, 5> players;
    std::vector<double> holds, lags;
    for (const Game* game : c.games) {
      subjects.insert(game->Subject());
      const GameFigures f = FiguresOf(*game);
      if (f.throws > 0) {
        participant.push_back(f.Share(2));
        for (int p : kComputerPlayers) {
          if (p <= game->players) players[static_cast<std::size_t>(p)].push_back(f.Share(p));
        }
      }
      holds.insert(holds.end(), f.hold_times.begin(), f.hold_times.end());
      lags.insert(lags.end(), f.display_lags.begin(), f.display_lags.end());
    }
    c.participants = subjects.size();
    c.participant_share = SpreadOf(participant);
    for (int p : kComputerPlayers) {
      c.player_share[static_cast<std::size_t>(p)] = SpreadOf(players[static_cast<std::size_t>(p)]);
    }
    c.hold_time = SpreadOf(holds);
    c.display_lag = SpreadOf(lags);
    conditions.push_back(std::move(c));
  }
  return conditions;
}

std::string StudyReportHtml(const LogSet& logs) {
  const std::string title = logs.pilot_folder ? "Pilot report" : "Study report";
  const std::vector<ConditionFigures> conditions = ConditionsOf(logs);
  std::set<std::string> subjects;
  for (const Game& game : logs.games) subjects.insert(game.Subject());

  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
      ": " + HtmlEscape(logs.folder.string()) + "</title>\n<style>" + kStyle +
      "</style>\n</head>\n<body>\n";
  html += "<h1>" + title + "</h1>\n<p class=\"meta\">The logs in <code>" +
          HtmlEscape(logs.folder.string()) + "</code>, read " + Now() + ": log.csv, " +
          (logs.has_time_file ? "time.csv" : "<strong>no time.csv</strong>") + ", " +
          (logs.has_onset_file ? "onset.csv" : "no onset.csv (no display lag)") + ".</p>\n";
  html += "<p>" + std::to_string(logs.games.size()) + " games of " +
          std::to_string(subjects.size()) + " participants in " +
          std::to_string(conditions.size()) + " conditions. <a href=\"#problems\">" +
          std::to_string(logs.problems.size()) + " problems</a> found in the logs.</p>\n";

  html +=
      "<h2 id=\"conditions\">Conditions</h2>\n<table class=\"conditions\">\n<tr><th>Settings "
      "file</th>"
      "<th>Games</th><th>Participants</th><th>Throws to the participant<br><span class=\"small\">"
      "share of all throws: mean (range)</span></th><th>Player 1</th><th>Player 3</th><th>Player "
      "4</th>"
      "<th>Participant's hold time<br><span class=\"small\">catch to throw: median</span></th>"
      "<th>Display lag<br><span class=\"small\">onset − throw: median</span></th></tr>\n";
  for (const ConditionFigures& c : conditions) {
    html += "<tr>" + Cell(HtmlEscape(c.settings_file)) +
            Cell(std::to_string(c.games.size()), "num") +
            Cell(std::to_string(c.participants), "num");
    const Spread& share = c.participant_share;
    html += Cell(share.count == 0 ? kDash
                                  : Percent(share.mean) + " <span class=\"small\">(" +
                                        Percent(share.min) + "–" + Percent(share.max) + ")</span>",
                 "num");
    for (int p : kComputerPlayers) {
      const Spread& s = c.player_share[static_cast<std::size_t>(p)];
      html += Cell(s.count == 0 ? kDash : Percent(s.mean), "num");
    }
    html +=
        Cell(TimeSpread(c.hold_time), "num") + Cell(TimeSpread(c.display_lag), "num") + "</tr>\n";
  }
  html +=
      "</table>\n<p class=\"small\">Player columns: the mean share of all throws each computer "
      "player "
      "caught. Hold time: from the throw that brought the ball to the participant to the "
      "participant's "
      "own throw. Display lag: from the logged throw to the moment its page was shown.</p>\n";

  std::map<std::pair<std::string, int>, std::vector<const LogProblem*>> notes;
  for (const LogProblem& p : logs.problems) notes[{p.file, p.line}].push_back(&p);
  html +=
      "<h2 id=\"games\">Games</h2>\n<p class=\"small\">Who had the ball: one lane per player, "
      "<span class=\"key\" style=\"background:#d08770\"></span> the participant (P2), "
      "<span class=\"key\" style=\"background:#5e81ac\"></span> the computer players; from the "
      "game "
      "start to just after the last logged throw. A game without times is drawn throw by throw. "
      "Rows with a note are highlighted.</p>\n";
  for (const ConditionFigures& c : conditions) {
    html +=
        "<h3>" + HtmlEscape(c.settings_file) +
        "</h3>\n<table class=\"games\">\n<tr><th>Subject</th>"
        "<th>Date</th><th>Time</th><th>Throws</th><th>To the participant</th><th>P1</th><th>P3</th>"
        "<th>P4</th><th>Hold time</th><th>Display lag</th><th>Who had the ball</th><th>Log "
        "lines</th>"
        "</tr>\n";
    for (const Game* game : c.games) {
      std::vector<const LogProblem*> game_notes =
          notes[{std::string(datalog::kThrowLog), game->log_line}];
      if (game->HasTimes()) {
        const auto& more = notes[{std::string(datalog::kTimeLog), game->time_line}];
        game_notes.insert(game_notes.end(), more.begin(), more.end());
      }
      html += GameRow(*game, game_notes);
    }
    html += "</table>\n";
  }

  html += "<h2 id=\"sessions\">Sessions</h2>\n";
  if (logs.sessions.empty()) {
    html +=
        "<p>No session record (" + std::string(datalog::kSessionRecord) + ") in this folder.</p>\n";
  } else {
    html += "<p class=\"small\">Every run that showed the start page, from " +
            std::string(datalog::kSessionRecord) +
            ", whatever its end.</p>\n<table class=\"sessions\">\n<tr>";
    for (std::string_view column : datalog::kSessionColumns) {
      html += "<th>" + HtmlEscape(std::string(column)) + "</th>";
    }
    html += "</tr>\n";
    for (const std::vector<std::string>& row : logs.sessions) {
      html += "<tr>";
      for (const std::string& field : row) html += Cell(HtmlEscape(field));
      html += "</tr>\n";
    }
    html += "</table>\n";
  }

  html += "<h2 id=\"problems\">Problems found</h2>\n";
  if (logs.problems.empty()) {
    html += "<p>None.</p>\n";
  } else {
    html += "<ul class=\"problems\">\n";
    for (const LogProblem& p : logs.problems) html += "<li>" + HtmlEscape(Describe(p)) + "</li>\n";
    html += "</ul>\n";
  }
  return html + "</body>\n</html>\n";
}

WrittenFile WriteStudyReport(const std::filesystem::path& log_folder,
                             std::optional<bool> pilot_folder) {
  const LogSet logs = ReadLogs(log_folder, pilot_folder);
  return WriteBesideLogs(logs, "report.html", StudyReportHtml(logs));
}

}  // namespace report
