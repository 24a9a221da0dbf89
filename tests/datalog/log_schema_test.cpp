// The logs' format: how a row's fields are read back.
#include "datalog/log_schema.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "datalog/session_record.hpp"
#include "platform/file_io.hpp"

namespace {

using datalog::ParseCsv;

TEST(CsvTest, RecordsKeepQuotedTextAndAFaultCostsOnlyItsLine) {
  const auto records =
      ParseCsv("a,\"b,\"\"c\"\"\r\nd\",\r\n\r\n\"x\ny\",z\n\"open,1\nq,2\n\"e\"f,3\r\n\"end");
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,\"c\"\r\nd", ""}));
  EXPECT_EQ(records[1].line, 4);
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x\ny", "z"}));
  EXPECT_EQ(records[2].line, 6);
  EXPECT_EQ(records[2].error, "a quoted field is not closed on its line");
  EXPECT_EQ(records[3].line, 7);
  EXPECT_EQ(records[3].fields, (std::vector<std::string>{"q", "2"}));
  EXPECT_EQ(records[4].error, "text after a quoted field's closing quote");
  EXPECT_EQ(records[5].line, 9);
  EXPECT_EQ(records[5].error, "a quoted field is never closed");
}

// Every column of the session record is described where researchers read
// about their data: as code or a cell of its own in each readme.
TEST(SessionRecordTest, EveryColumnIsDescribedInBothReadmes) {
  const std::filesystem::path source = VOLLETA_SOURCE_DIR;
  const std::string readme = platform::ReadFileBytes(source / "README.md").value_or("");
  const std::string shipped =
      platform::ReadFileBytes(source / "experiment" / "readme.htm").value_or("");
  ASSERT_NE(readme.find("sessions.csv"), std::string::npos);
  ASSERT_NE(shipped.find("sessions.csv"), std::string::npos);
  for (std::string_view column : datalog::kSessionColumns) {
    const std::string name(column);
    EXPECT_TRUE(readme.find("`" + name + "`") != std::string::npos ||
                readme.find("| " + name + " |") != std::string::npos)
        << "README.md does not describe the column " << name;
    EXPECT_NE(shipped.find(">" + name + "<"), std::string::npos)
        << "readme.htm does not describe the column " << name;
  }
  EXPECT_EQ(datalog::SessionHeader(),
            "version,started,ended,settings file,subject ID,display,browser,screen,frame rate "
            "Hz,ttl,codes sent,ttl fault,lsl,outcome,lag median ms,lag max ms,mode,link\r\n");
}

}  // namespace
