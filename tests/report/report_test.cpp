// The study report and the tidy export, on hand-made logs with known answers
// (tests/report/logs: every kind of problem, a name with a comma, a quote and
// non-ASCII letters), and through the real executable.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "datalog/log_schema.hpp"
#include "datalog/session_record.hpp"
#include "platform/file_io.hpp"
#include "report/log_reader.hpp"
#include "report/study_report.hpp"
#include "report/svg_timeline.hpp"
#include "report/throws_export.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
using namespace report;
using datalog::CsvRecord;
using datalog::ParseCsv;

const fs::path kFixture = fs::path(VOLLETA_SOURCE_DIR) / "tests" / "report" / "logs";
const std::string kZoe = "Zo\xC3\xAB \"Z\", \xC3\x85s";  // Zoë "Z", Ås

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(LogReaderTest, FixtureJoinsIntoGamesAndListsEveryProblem) {
  const LogSet logs = ReadLogs(kFixture);
  EXPECT_FALSE(logs.pilot_folder);
  ASSERT_EQ(logs.games.size(), 4u);
  const Game& a = logs.games[0];
  EXPECT_EQ(a.Subject(), kZoe);
  EXPECT_EQ(a.PlayerName(1), kZoe);
  EXPECT_EQ(std::vector<int>({a.log_line, a.time_line, a.onset_line}), std::vector<int>({1, 1, 1}));
  EXPECT_EQ(a.throws[3].thrower, 2);
  EXPECT_EQ(a.throws[3].receiver, 1);
  EXPECT_EQ(a.throws[3].time, 12200);
  EXPECT_EQ(a.throws[3].onset, 12216);
  EXPECT_FALSE(a.throws[1].onset.has_value());
  EXPECT_EQ(logs.games[1].time_line, 3);  // resumed after time.csv's broken line 2
  const Game& c = logs.games[2];
  EXPECT_FALSE(c.HasTimes());
  std::vector<int> throwers;
  for (const ThrowRecord& t : c.throws) throwers.push_back(t.thrower);
  EXPECT_EQ(throwers, (std::vector<int>{1, 2, 1, 3}));
  EXPECT_EQ(logs.games[3].Subject(), "S7");

  std::vector<std::string> problems;
  for (const LogProblem& p : logs.problems) problems.push_back(Describe(p));
  EXPECT_EQ(
      problems,
      (std::vector<std::string>{
          "log.csv line 4: a duplicate of line 1: counted once",
          "log.csv line 5: 3 throw fields, fewer than its 6 throws: row skipped",
          "log.csv line 6: 4 throw fields, more than its 3 throws (a name with an unquoted comma, "
          "written by an older version?): row skipped",
          "log.csv line 7: a pilot row (subject \"PILOT-001\") among the real logs: left out",
          "log.csv line 8: throw 2's receiver \"4\" is not a player number (0 to 3): row skipped",
          "log.csv line 9: says 4 throws, its time.csv row (line 4) says 3: the game is reported "
          "without times",
          "log.csv line 10: no matching row in time.csv: the game is reported without times",
          "time.csv line 2: a quoted field is not closed on its line: row skipped",
          "time.csv line 5: no matching row in log.csv: left out",
          "time.csv line 6: a pilot row (subject \"PILOT-001\") among the real logs: left out",
          "time.csv line 7: text after a quoted field's closing quote: row skipped",
          "onset.csv line 2: no matching game in log.csv: left out"}));
}

TEST(LogReaderTest, PilotFolderTakesPilotRowsRepeatedGamesAndFlagsRealOnes) {
  testing_support::TempProgramFolder folder;
  const std::string id = ",x.txt,01/02/25,10:00,3,2,s.txt,start.htm,A,You,C,";
  // Two games in one minute that threw alike but at other times: not a duplicate.
  folder.Write("log/pilot/log.csv",
               "PILOT-001" + id + ",2,1\r\nPILOT-001" + id + ",2,1\r\nS1" + id + ",3,1\r\n");
  folder.Write("log/pilot/time.csv",
               "PILOT-001" + id + ",8000,9000\r\nPILOT-001" + id + ",8000,9100\r\n");
  const LogSet logs = ReadLogs(folder.Path() / "log" / "pilot");
  EXPECT_TRUE(logs.pilot_folder);
  ASSERT_EQ(logs.games.size(), 2u);
  EXPECT_EQ(logs.games[1].time_line, 2);
  EXPECT_EQ(logs.games[1].throws[1].time, 9100);
  ASSERT_EQ(logs.problems.size(), 1u);
  EXPECT_EQ(Describe(logs.problems[0]),
            "log.csv line 3: a real row (subject \"S1\") among the pilot logs: left out");
  EXPECT_NE(StudyReportHtml(logs).find("<h1>Pilot report</h1>"), std::string::npos);
}

TEST(LogReaderTest, SessionRecordBegunWithSixteenColumnsTakesAndReadsFullRows) {
  testing_support::TempProgramFolder folder;
  folder.Write("log/log.csv", "");
  const std::string old_header =
      "version,started,ended,settings file,subject ID,display,browser,screen,frame rate Hz,ttl,"
      "codes sent,ttl fault,lsl,outcome,lag median ms,lag max ms\r\n";
  folder.Write("log/sessions.csv",
               old_header + "1.0,a,b,s.txt,S0,staged,,,,off,0,,off,completed,,\r\n");
  datalog::SessionFields fields;
  fields[datalog::kSubjectColumn] = "S1";
  fields[datalog::kModeColumn] = "online";
  fields[datalog::kLinkColumn] = "a=1&b=2";
  ASSERT_TRUE(datalog::AppendSessionRecord(folder.Path() / "log", fields).appended);
  EXPECT_EQ(folder.Read("log/sessions.csv").rfind(old_header, 0), 0u);
  const LogSet logs = ReadLogs(folder.Path() / "log");
  ASSERT_EQ(logs.sessions.size(), 2u);
  for (const auto& row : logs.sessions) ASSERT_EQ(row.size(), datalog::kSessionColumns.size());
  EXPECT_EQ(logs.sessions[0][datalog::kOutcomeColumn], "completed");
  EXPECT_EQ(logs.sessions[0][datalog::kModeColumn], "");
  EXPECT_EQ(logs.sessions[1][datalog::kSubjectColumn], "S1");
  EXPECT_EQ(logs.sessions[1][datalog::kLinkColumn], "a=1&b=2");
}

TEST(ReportTest, FiguresOfEachConditionAndGame) {
  const LogSet logs = ReadLogs(kFixture);
  const auto conditions = ConditionsOf(logs);
  ASSERT_EQ(conditions.size(), 2u);
  const ConditionFigures& ost = conditions[0];
  EXPECT_EQ(ost.settings_file, "3pl - ostracize subject.txt");
  EXPECT_EQ(ost.games.size(), 2u);
  EXPECT_DOUBLE_EQ(ost.participant_share.mean, 0.125);  // 1 of 4, 0 of 2
  EXPECT_EQ(ost.player_share[4].count, 0u);
  EXPECT_EQ(ost.hold_time.count, 0u);  // no times

  const ConditionFigures& inc = conditions[1];
  EXPECT_EQ(inc.participants, 2u);
  EXPECT_NEAR(inc.participant_share.mean, 1.0 / 3, 1e-12);
  EXPECT_NEAR(inc.participant_share.min, 1.0 / 6, 1e-12);
  EXPECT_DOUBLE_EQ(inc.participant_share.max, 0.5);
  EXPECT_DOUBLE_EQ(inc.player_share[1].mean, 0.25);
  EXPECT_EQ(inc.hold_time.count, 3u);  // 1500, 1200, 2000
  EXPECT_DOUBLE_EQ(inc.hold_time.median, 1500);
  EXPECT_DOUBLE_EQ(inc.hold_time.q1, 1350);
  EXPECT_EQ(inc.display_lag.count, 5u);  // 16, 20, 16, 10, 30
  EXPECT_DOUBLE_EQ(inc.display_lag.median, 16);
  EXPECT_DOUBLE_EQ(inc.display_lag.max, 30);

  const std::string html = StudyReportHtml(logs);
  EXPECT_EQ(Count(html, "<svg "), 4u);
  EXPECT_EQ(Count(html, "Zo\xC3\xAB &quot;Z&quot;, \xC3\x85s"), 2u);  // subject cell, SVG title
  EXPECT_EQ(Count(html, "\"Z\""), 0u);
  EXPECT_EQ(Count(html, "<tr class=\"odd\">"), 2u);  // games C and D carry notes
  for (const LogProblem& p : logs.problems) {
    EXPECT_NE(html.find("<li>" + HtmlEscape(Describe(p)) + "</li>"), std::string::npos) << p.what;
  }
  EXPECT_EQ(Count(html, "<script"), 0u);
  EXPECT_EQ(Count(html, "http"), 4u);  // the SVG namespace only
}

TEST(ReportTest, TimelinesDrawWhoHadTheBallAndEscapeNames) {
  const LogSet logs = ReadLogs(kFixture);
  double span = 0;
  const auto holds = BallHolds(logs.games[2], &span);  // no times: throw by throw, a gap for nobody
  EXPECT_DOUBLE_EQ(span, 5);
  ASSERT_EQ(holds.size(), 4u);
  EXPECT_EQ(holds[3].player, 3);
  EXPECT_DOUBLE_EQ(holds[3].from, 3);
  EXPECT_DOUBLE_EQ(holds[3].to, 4);
  const auto timed = BallHolds(logs.games[0], &span);
  EXPECT_DOUBLE_EQ(timed[0].to, 8000);
  EXPECT_DOUBLE_EQ(timed.back().from, 14500);
  EXPECT_DOUBLE_EQ(timed.back().to, span);

  const std::string svg =
      TimelineSvg(3, {{2, 0, 50}, {1, 50, 100}, {3, 90, 200}, {4, 0, 10}, {1, 60, 60}}, 100,
                  "<Lee & \"Jo\">", 118);
  EXPECT_EQ(Count(svg, "class=\"lane\""), 3u);
  EXPECT_NE(svg.find("<title>&lt;Lee &amp; &quot;Jo&quot;&gt;</title>"), std::string::npos);
  EXPECT_NE(svg.find("class=\"hold you\" x=\"18.0\" y=\"10\" width=\"50.0\""), std::string::npos);
  EXPECT_NE(svg.find("class=\"hold\" x=\"108.0\" y=\"20\" width=\"10.0\""),
            std::string::npos);  // clipped
  EXPECT_NE(svg.find("class=\"hold\" x=\"78.0\" y=\"0\" width=\"1.0\""),
            std::string::npos);               // a moment
  EXPECT_EQ(Count(svg, "class=\"hold"), 4u);  // not Player 4's in a 3-player game

  EXPECT_EQ(HtmlEscape("<a href='x'>&</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&lt;/a&gt;");
  EXPECT_EQ(HtmlEscape("Jos\xC3\xA9 Jos\xE9 \xED\xA0\x80"),
            "Jos\xC3\xA9 Jos&#233; &#237;&#160;&#128;");
}

TEST(ExportTest, OneRowPerThrowQuotedAndBlankWhereTheLogsHaveNothing) {
  const std::string csv = ThrowsCsv(ReadLogs(kFixture));
  const auto records = ParseCsv(csv);
  ASSERT_EQ(records.size(), 1u + 6 + 6 + 4 + 2);
  EXPECT_EQ(records[0].fields.size(), 15u);
  EXPECT_TRUE(std::all_of(records.begin(), records.end(), [](const CsvRecord& r) {
    return r.error.empty() && r.fields.size() == 15;
  }));
  EXPECT_EQ(records[1].fields[1], kZoe);
  const auto lines = platform::SplitLines(csv);
  EXPECT_EQ(lines[0], kThrowsColumns);
  const std::string a =
      "1,\"Zo\xC3\xAB \"\"Z\"\", \xC3\x85s\",4pl - include "
      "subject.txt,03/14/25,09:26,2025-03-14T09:26,4,";
  EXPECT_EQ(lines[1], a + "1,1,2,8000,,8016,0,1");
  EXPECT_EQ(lines[2], a + "2,2,3,9500,1500,,1,0");
  EXPECT_EQ(lines[16],
            "3,S3,3pl - ostracize subject.txt,03/15/25,11:00,2025-03-15T11:00,3,4,3,0,,,,0,0");
  // A date or time not in the logs' own form is no date: left empty rather than guessed.
  EXPECT_EQ(IsoStarted("12/07/26", "23:59"), "2026-12-07T23:59");
  EXPECT_EQ(IsoStarted("13/07/26", "12:40"), "");
  EXPECT_EQ(IsoStarted("2026-12-07", "12:40"), "");
  EXPECT_EQ(IsoStarted("12/07/26", "12.40"), "");
  EXPECT_EQ(Count(csv, "\r\n"), records.size());
}

TEST(CommandTest, ReportAndExportWriteBesideTheLogsAndLeaveThemAsTheyWere) {
  testing_support::TempProgramFolder folder;
  std::vector<std::string> logs;
  for (const char* name : {"log.csv", "time.csv", "onset.csv"}) {
    logs.push_back(*platform::ReadFileBytes(kFixture / name));
    folder.Write(std::string("log/") + name, logs.back());
  }
  const std::string dir = folder.Path().string();
  const auto report = testing_support::RunVolleta({"--folder", dir, "--report"});
  EXPECT_EQ(report.status, 0) << report.err;
  EXPECT_EQ(report.out, (folder.Path() / "log" / "report.html").string() + "\n");
  EXPECT_NE(report.err.find("volleta: time.csv line 7: text after"), std::string::npos)
      << report.err;
  EXPECT_NE(report.err.find("volleta: 4 games, 12 problems in the logs"), std::string::npos);
  const std::string page = folder.Read("log/report.html");
  EXPECT_NE(page.find("<h1>Study report</h1>"), std::string::npos);
  EXPECT_EQ(Count(page, "<svg "), 4u);

  const auto exported = testing_support::RunVolleta({"--export", dir + "/log"});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, dir + "/log/throws.csv\n");
  EXPECT_EQ(folder.Read("log/throws.csv"), ThrowsCsv(ReadLogs(folder.Path() / "log")));
  int n = 0;
  for (const char* name : {"log.csv", "time.csv", "onset.csv"}) {
    EXPECT_EQ(folder.Read(std::string("log/") + name), logs[n++]) << name;
  }

  const auto missing = testing_support::RunVolleta({"--report", dir + "/nowhere"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("The log folder " + dir + "/nowhere can't be read"),
            std::string::npos);
  folder.Write("empty/time.csv", "");
  const auto no_log = testing_support::RunVolleta({"--export", dir + "/empty"});
  EXPECT_EQ(no_log.status, 2);
  EXPECT_NE(
      no_log.err.find("The log " + dir + "/empty/log.csv can't be read: there is no such file"),
      std::string::npos);
  fs::create_directories(folder.Path() / "odd" / "log.csv");
  const auto directory = testing_support::RunVolleta({"--report", dir + "/odd"});
  EXPECT_EQ(directory.status, 2);
  EXPECT_NE(directory.err.find("/odd/log.csv can't be read: Is a directory"), std::string::npos);
  EXPECT_FALSE(folder.Exists("odd/report.html"));
}

}  // namespace
