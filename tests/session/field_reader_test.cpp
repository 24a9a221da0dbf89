#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.hpp"

namespace {

std::vector<std::string> Fields(const std::string& text) {
  platform::FieldReader reader(text);
  std::vector<std::string> fields;
  while (auto f = reader.Next()) fields.push_back(*f);
  return fields;
}

using V = std::vector<std::string>;

TEST(FieldReader, SeparatesAtCommasAndEveryKindOfLineEnd) {
  EXPECT_EQ(Fields("a,b\r\nc\rd\ne"), (V{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(Fields("a,b\r\n"), (V{"a", "b"}));
}

TEST(FieldReader, EmptyFieldsCount) {
  EXPECT_EQ(Fields("a,,b"), (V{"a", "", "b"}));
  // A blank line is one empty field; a comma before a line end leaves one too.
  EXPECT_EQ(Fields("a\r\n\r\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(Fields("a,\r\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(Fields("a,"), (V{"a", ""}));
}

TEST(FieldReader, BlanksAroundUnquotedFieldsAreDropped) {
  EXPECT_EQ(Fields("  a b  ,\t c\t\r\n"), (V{"a b", "c"}));
}

TEST(FieldReader, QuotedFieldsKeepCommasAndBlanks) {
  EXPECT_EQ(Fields("\"Label, with comma\", 3"), (V{"Label, with comma", "3"}));
  EXPECT_EQ(Fields("\" padded \",x"), (V{" padded ", "x"}));
  // Anything between the closing quote and the separator is dropped.
  EXPECT_EQ(Fields("\"a\"junk,b"), (V{"a", "b"}));
  // An unterminated quote runs to the end of the text.
  EXPECT_EQ(Fields("\"open, field"), (V{"open, field"}));
}

TEST(FieldReader, BytesPassThroughUnchanged) {
  // UTF-8 and ANSI (Latin-1) bytes are not transcoded.
  EXPECT_EQ(Fields("J\xC3\xBCrgen,Ren\xE9"), (V{"J\xC3\xBCrgen", "Ren\xE9"}));
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(platform::SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(platform::SplitLines("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_TRUE(platform::SplitLines("").empty());
}

TEST(Numbers, OnlyPlainDecimalNotationIsANumber) {
  EXPECT_EQ(platform::ParseNumber("3"), 3.0);
  EXPECT_EQ(platform::ParseNumber("-0.5"), -0.5);
  EXPECT_EQ(platform::ParseNumber("+2.5e1"), 25.0);
  EXPECT_EQ(platform::ParseNumber(".5"), 0.5);
  for (const char* text : {"", "abc", "3x", "inf", "nan", "0x10", "-", "."}) {
    EXPECT_FALSE(platform::ParseNumber(text)) << text;
  }
}

TEST(Numbers, SixteenBitFieldsRoundHalfToEvenAndRefuseOverflow) {
  EXPECT_EQ(platform::ToInt16("30"), 30);
  EXPECT_EQ(platform::ToInt16("2.5"), 2);
  EXPECT_EQ(platform::ToInt16("3.5"), 4);
  EXPECT_EQ(platform::ToInt16("many"), 0);
  EXPECT_EQ(platform::ToInt16("-32768"), -32768);
  EXPECT_FALSE(platform::ToInt16("32768"));
}

}  // namespace
