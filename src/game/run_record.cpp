#include "game/run_record.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <system_error>

#include "browser/launcher.hpp"
#include "game/terminal.hpp"
#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "ttl/port.hpp"
#include "ttl/session_port.hpp"

namespace game {
namespace {

struct RunState {
  std::chrono::system_clock::time_point started;
  bool start_page_shown = false;
  browser::PageFacts facts;
  std::optional<std::vector<datalog::RowOutcome>> rows;
};
RunState g_run;

// Local date and time, ISO 8601 to the second: 2026-12-07T12:40:05.
std::string LocalIso(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  const std::tm local = platform::LocalTime(t);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

// Milliseconds, a half kept as ".5" (a median of an even count), else whole.
std::string Ms(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, ms == static_cast<long long>(ms) ? "%.0f" : "%.1f", ms);
  return text;
}

// Median and maximum of onset - time over the logged throws with an onset.
std::pair<std::string, std::string> Lag() {
  using namespace Module1;
  std::vector<std::int32_t> lags;
  for (int n = 1; n <= TotalThrows && static_cast<std::size_t>(n) < ThrowLog.size(); ++n) {
    const LogEntry& entry = ThrowLog[static_cast<std::size_t>(n)];
    if (entry.Onset) lags.push_back(static_cast<std::int32_t>(*entry.Onset - entry.Time));
  }
  if (lags.empty()) return {};
  std::sort(lags.begin(), lags.end());
  const std::size_t mid = lags.size() / 2;
  const double median =
      lags.size() % 2 ? lags[mid] : (static_cast<double>(lags[mid - 1]) + lags[mid]) / 2;
  return {Ms(median), Ms(lags.back())};
}

std::string Outcome(const StartOptions& options, const RunEnd& end) {
  if (end.game_over) return "completed";
  if (options.pilot) return "unfinished";
  if (options.online) return "abandoned at throw " + std::to_string(Module1::ThrowCount);
  if (end.game_started) return "window closed at throw " + std::to_string(Module1::ThrowCount);
  return "window closed before the game";
}

// "Firefox 128.0.3" -> "Firefox 128": a stranger's browser is recorded no
// closer than its major version.
std::string MajorVersionOnly(const std::string& browser) {
  const std::size_t space = browser.rfind(' ');
  if (space == std::string::npos || space + 1 >= browser.size() || browser[space + 1] < '0' ||
      browser[space + 1] > '9') {
    return browser;
  }
  return browser.substr(0, browser.find('.', space));
}

std::string BrowserText(const StartOptions& options, const RunEnd& end) {
  if (options.online) return MajorVersionOnly(g_run.facts.browser);
  const std::string& seen = g_run.facts.browser;
  if (end.address_only) {
    const std::string none =
        options.window.no_browser ? "none (--no-browser)" : "none (address printed)";
    return seen.empty() ? none : none + ": " + seen;
  }
  if (!seen.empty()) return seen;
  // No page reported it: the program launched, by name.
  const std::optional<std::string> program = browser::FindBrowser(options.window.browser);
  return program ? std::filesystem::path(*program).filename().string() : "";
}

std::filesystem::path LogFolder(const StartOptions& options) {
  return options.log_folder.empty() ? datalog::StudyLogFolder() : options.log_folder;
}

std::string RowsLine(const StartOptions& options) {
  if (!g_run.rows) return "rows: none (the game did not finish)";
  std::string appended, elsewhere;
  for (const datalog::RowOutcome& o : *g_run.rows) {
    if (o.appended) {
      appended += (appended.empty() ? "" : ", ") + o.name;
    } else {
      elsewhere += "; " + o.name +
                   (o.saved ? " saved in " + datalog::FallbackFile().string()
                            : " lost (it is in the Log Problem message)");
    }
  }
  if (appended.empty()) return "rows:" + elsewhere.substr(1);
  return "rows: " + appended + " appended in " + LogFolder(options).string() + elsewhere;
}

std::string MarkersLine(const datalog::SessionFields& f) {
  using namespace datalog;
  std::string line = "markers: ";
  if (Module1::TtlEnabled) {
    line += f[kCodesSentColumn] + " TTL codes sent to " + f[kTtlColumn];
    if (!f[kTtlFaultColumn].empty()) line += " until it failed: " + f[kTtlFaultColumn];
  } else {
    line += "no TTL codes (TTL " + f[kTtlColumn] + ")";
  }
  if (f[kLslColumn] == "off") return line + "; no LSL streams (no lsl.txt)";
  return line + "; LSL " + f[kLslColumn];
}

}  // namespace

void BeginRunRecord() {
  g_run = RunState();
  g_run.started = std::chrono::system_clock::now();
}

void RecordStartPageShown() { g_run.start_page_shown = true; }

void RecordPageFacts(const browser::PageFacts& facts) {
  // Each report carries some of them.
  for (auto [field, now] : {std::pair{&browser::PageFacts::browser, &facts.browser},
                            {&browser::PageFacts::screen, &facts.screen},
                            {&browser::PageFacts::frame_rate, &facts.frame_rate}}) {
    if (!now->empty()) g_run.facts.*field = *now;
  }
}

void RecordGameRows(const std::vector<datalog::RowOutcome>& outcomes) { g_run.rows = outcomes; }

datalog::SessionFields RunRecordFields(const StartOptions& options, const RunEnd& end) {
  using namespace datalog;
  SessionFields f;
  f[kVersionColumn] = VOLLETA_VERSION;
  f[kStartedColumn] = LocalIso(g_run.started);
  f[kEndedColumn] = LocalIso(std::chrono::system_clock::now());
  f[kSettingsFileColumn] = Module1::SettingsFile;
  f[kSubjectColumn] = Module1::SubjectId;
  f[kDisplayColumn] = std::string(browser::DisplayPathName(options.window.display.path));
  f[kBrowserColumn] = BrowserText(options, end);
  f[kScreenColumn] = g_run.facts.screen;
  f[kFrameRateColumn] = g_run.facts.frame_rate;
  f[kTtlColumn] = Module1::TtlState;
  f[kCodesSentColumn] = std::to_string(Module1::TtlEnabled ? ttl::CodesSent() : 0);
  f[kTtlFaultColumn] = Module1::TtlEnabled ? ttl::WriteFault() : "";
  f[kLslColumn] = lsl_out::OutletsDescription();
  f[kOutcomeColumn] = Outcome(options, end);
  std::tie(f[kLagMedianColumn], f[kLagMaxColumn]) = Lag();
  f[kModeColumn] = options.online ? "online" : options.pilot ? "pilot" : "lab";
  if (options.online) f[kLinkColumn] = options.online->link;
  return f;
}

void FinishRunRecord(const StartOptions& options, const RunEnd& end) {
  if (!g_run.start_page_shown) return;
  const datalog::SessionFields fields = RunRecordFields(options, end);
  const datalog::RecordOutcome record = datalog::AppendSessionRecord(LogFolder(options), fields);

  ReportSummary("run summary: " + fields[datalog::kOutcomeColumn]);
  ReportSummary("  " + RowsLine(options));
  ReportSummary("  " + MarkersLine(fields));
  if (record.appended) {
    ReportSummary("  session record: " + record.file.string());
  } else {
    // Reported even in a pilot: a record that went missing must not pass unseen.
    ReportProblem("the session record could not be added to " + record.file.string() + " (" +
                  record.reason + ")" +
                  (record.saved
                       ? "; it was saved in " + datalog::FallbackFile().string()
                       : "; nor could it be saved in " + datalog::FallbackFile().string()));
  }
  g_run.start_page_shown = false;
}

}  // namespace game
