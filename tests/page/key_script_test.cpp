#include "page/key_script.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/module1.hpp"

namespace {

class KeyScriptTest : public ::testing::Test {
 protected:
  void SetUp() override { Module1::ResetSession(); }
  void TearDown() override { Module1::ResetSession(); }

  static std::string Script(const std::string& players) {
    Module1::NumPlayers = session::Value::FromField(players);
    return page::BuildKeyScript();
  }

  // The lines of a script that begins with CR LF and separates its lines by CR LF.
  static std::vector<std::string> Lines(const std::string& script) {
    std::vector<std::string> lines;
    EXPECT_EQ(script.substr(0, 2), "\r\n");
    std::size_t at = 0;
    while (at != std::string::npos) {
      const std::size_t next = script.find("\r\n", at + 2);
      lines.push_back(script.substr(at + 2, next == std::string::npos ? next : next - at - 2));
      at = next;
    }
    return lines;
  }

  static std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
  }
};

TEST_F(KeyScriptTest, FourPlayerTextHasItsLinesAndLength) {
  const std::string script = Script("4");
  EXPECT_EQ(script.size(), 1320u);
  const std::vector<std::string> lines = Lines(script);
  ASSERT_EQ(lines.size(), 26u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool location = lines[i].find("window.location") != std::string::npos;
    EXPECT_EQ(lines[i].size(), location ? 47u : 49u) << "line " << i + 1;
    EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
  }
  EXPECT_EQ(lines[0], Padded("<script language=\"JavaScript\"><!--", 49));
  EXPECT_EQ(lines[7], Padded("    else", 49));
  EXPECT_EQ(lines[8], Padded("        myChar = String.fromCharCode(e.which);", 49));
  EXPECT_EQ(lines[9], std::string(49, ' '));
  // Key 2 is Player 4 and key 3 Player 3 in a 4-player game.
  EXPECT_EQ(lines[11], Padded("        case '1':", 49));
  EXPECT_EQ(lines[12], Padded("           window.location=\"2to1.htm\";", 47));
  EXPECT_EQ(lines[14], Padded("        case '2':", 49));
  EXPECT_EQ(lines[15], Padded("           window.location=\"2to4.htm\";", 47));
  EXPECT_EQ(lines[17], Padded("        case '3':", 49));
  EXPECT_EQ(lines[18], Padded("           window.location=\"2to3.htm\";", 47));
  EXPECT_EQ(lines[24], Padded("document.onkeypress = getChar;", 49));
  // Ends with the last line's trailing spaces and no line break.
  EXPECT_EQ(script.substr(script.size() - 51), "\r\n//--></script>" + std::string(35, ' '));
}

TEST_F(KeyScriptTest, ThreePlayerTextLeavesOutKeyThree) {
  const std::string script = Script("3");
  EXPECT_EQ(script.size(), 1169u);
  const std::vector<std::string> lines = Lines(script);
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(script.find("case '3'"), std::string::npos);
  EXPECT_EQ(script.find("2to4.htm"), std::string::npos);
  EXPECT_EQ(lines[15], Padded("           window.location=\"2to3.htm\";", 47));
  EXPECT_EQ(lines[17], Padded("        default:", 49));

  // Apart from key 3 and key 2's target, the two texts are the same lines.
  std::vector<std::string> four = Lines(Script("4"));
  four.erase(four.begin() + 17, four.begin() + 20);
  four[15] = lines[15];
  EXPECT_EQ(four, lines);
}

TEST_F(KeyScriptTest, OtherPlayerCountsGiveNoScript) {
  EXPECT_EQ(Script(""), "");
  EXPECT_EQ(Script("5"), "");
  EXPECT_EQ(Script("four"), "");
  EXPECT_EQ(Script("0"), "");
  // A number compares as a number, however the file wrote it.
  EXPECT_EQ(Script("4.0").size(), 1320u);
  EXPECT_EQ(Script("3e0").size(), 1169u);
}

}  // namespace
