#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/numbers.hpp"

namespace {

using V = std::vector<std::string>;

V Fields(const std::string& text) {
  platform::FieldReader reader(text);
  V fields;
  while (auto f = reader.Next()) fields.push_back(*f);
  return fields;
}

TEST(FieldReader, SeparatorsBlanksQuotesAndEmptyFields) {
  EXPECT_EQ(Fields("a,b\r\nc\rd\ne\r\n"), (V{"a", "b", "c", "d", "e"}));
  // A blank line, or a comma before a line end or the end, leaves an empty field.
  EXPECT_EQ(Fields("a,,b\r\n\r\nc,\r\nd,"), (V{"a", "", "b", "", "c", "", "d", ""}));
  EXPECT_EQ(Fields("  a b  ,\t c\t\r\n"), (V{"a b", "c"}));
  EXPECT_EQ(Fields("\"Label, with comma\", 3,\" pad \"junk,x"),
            (V{"Label, with comma", "3", " pad ", "x"}));
  EXPECT_EQ(Fields("\"open, field"), (V{"open, field"}));
  // UTF-8 and ANSI bytes pass through untouched.
  EXPECT_EQ(Fields("J\xC3\xBCrgen,Ren\xE9"), (V{"J\xC3\xBCrgen", "Ren\xE9"}));
  EXPECT_EQ(platform::SplitLines("a\r\nb\rc\nd\r\n\r\n"), (V{"a", "b", "c", "d", ""}));
}

TEST(FieldReader, NumbersArePlainDecimalAndSixteenBitFieldsRoundHalfToEven) {
  EXPECT_EQ(platform::ParseNumber("-0.5"), -0.5);
  EXPECT_EQ(platform::ParseNumber("+2.5e1"), 25.0);
  EXPECT_EQ(platform::ParseNumber(".5"), 0.5);
  for (const char* text : {"", "abc", "3x", "inf", "nan", "0x10", "-", "."}) {
    EXPECT_FALSE(platform::ParseNumber(text)) << text;
  }
  EXPECT_EQ(platform::ToInt16("2.5"), 2);
  EXPECT_EQ(platform::ToInt16("3.5"), 4);
  EXPECT_EQ(platform::ToInt16("many"), 0);
  EXPECT_EQ(platform::ToInt16("-32768"), -32768);
  EXPECT_FALSE(platform::ToInt16("32768"));
}

}  // namespace
