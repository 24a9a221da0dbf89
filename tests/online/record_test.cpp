#include "online/record.hpp"

#include <gtest/gtest.h>

#include <string>

#include "datalog/log_schema.hpp"
#include "support/program_folder.hpp"

namespace {

using online::ClaimRequest;

// The rows of a session record, header first.
std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& record : datalog::ParseCsv(text)) rows.push_back(record.fields);
  return rows;
}

ClaimRequest Request(std::string id) {
  ClaimRequest r;
  r.id = std::move(id);
  r.conditions = {"a.txt", "b.txt"};
  r.link = "STUDY_ID=s1";
  return r;
}

TEST(Record, OneGamePerIdAcrossTheRecordAndBalancedConditions) {
  testing_support::TempProgramFolder folder;
  const auto log = folder.Path() / "log";
  // A record begun by an older version: no mode or link column; its lab row
  // for P2 counts only as far as it says the game started.
  folder.Write("log/sessions.csv",
               "version,started,ended,settings file,subject ID,display,browser,screen,frame rate "
               "Hz,ttl,codes sent,ttl fault,lsl,outcome,lag median ms,lag max ms\r\n"
               "0.1.0,t,t,a.txt,P2,staged,,,,,0,,,completed,1,2\r\n");
  const online::Claim first = online::ClaimGame(log, Request("P1"));
  EXPECT_TRUE(first.granted);
  EXPECT_TRUE(first.recorded);
  EXPECT_TRUE(online::ClaimGame(log, Request("P2")).granted);
  // Two serve processes sharing the folder read the same record.
  const online::Claim second = online::ClaimGame(log, Request("P1"));
  EXPECT_FALSE(second.granted);
  EXPECT_TRUE(second.recorded);
  ClaimRequest repeat = Request("P1");
  repeat.allow_repeat = true;
  repeat.pinned = "b.txt";
  EXPECT_EQ(online::ClaimGame(log, repeat).condition, "b.txt");

  const auto rows = Rows(folder.Read("log/sessions.csv"));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[2][datalog::kOutcomeColumn], "started");
  EXPECT_EQ(rows[2][datalog::kModeColumn], "online");
  EXPECT_EQ(rows[2][datalog::kLinkColumn], "STUDY_ID=s1");
  EXPECT_EQ(rows[4][datalog::kSubjectColumn], "P1");
  EXPECT_EQ(rows[4][datalog::kOutcomeColumn], "refused: already started");
  // P1 and P2 went to different conditions; the pinned game made b.txt the busier.
  EXPECT_NE(rows[2][datalog::kSettingsFileColumn], rows[3][datalog::kSettingsFileColumn]);
  EXPECT_EQ(online::ReadRecordText(folder.Read("log/sessions.csv"), "").started_by_condition,
            (std::map<std::string, int, std::less<>>{{"a.txt", 1}, {"b.txt", 2}}));
}

TEST(Record, RefusalsLeaveAnIdFreeAndAGameWithoutARowIsClosed) {
  testing_support::TempProgramFolder folder;
  const auto log = folder.Path() / "log";
  ASSERT_TRUE(online::RecordRefusal(log, "P3", "", "refused: full"));
  EXPECT_TRUE(online::ClaimGame(log, Request("P3")).granted);
  // The game's own row ends it; without one serve writes the outcome it knows.
  EXPECT_EQ(online::CloseGame(log, "P3", "a.txt", "", "t0", "crashed"), "crashed");
  EXPECT_EQ(online::CloseGame(log, "P3", "a.txt", "", "t0", "crashed"), "crashed");
  EXPECT_TRUE(online::ClaimGame(log, Request("P4")).granted);
  datalog::SessionFields own = online::ServeRow("P4", "b.txt", "", "abandoned at throw 7", "");
  ASSERT_TRUE(datalog::AppendSessionRecord(log, own).appended);
  EXPECT_EQ(online::CloseGame(log, "P4", "b.txt", "", "t0", "crashed"), "abandoned at throw 7");
  EXPECT_EQ(Rows(folder.Read("log/sessions.csv")).size(), 6u);
}

TEST(Record, AssignmentPicksAmongTheFewestStarted) {
  const std::vector<std::string> conditions = {"a", "b", "c"};
  const std::map<std::string, int, std::less<>> started = {{"a", 2}, {"b", 1}};
  EXPECT_EQ(online::AssignCondition(conditions, started, true, 0.0), "c");
  EXPECT_EQ(online::AssignCondition(conditions, {{"a", 1}, {"b", 1}, {"c", 1}}, true, 0.99), "c");
  EXPECT_EQ(online::AssignCondition(conditions, started, false, 0.0), "a");
  EXPECT_EQ(online::AssignCondition(conditions, started, false, 0.5), "b");
}

}  // namespace
