// The logs' format: how a row's fields are read back.
#include "datalog/log_schema.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
