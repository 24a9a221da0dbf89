#include "page/key_script.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "session/module1.hpp"

namespace {

std::string Script(const char* players) {
  Module1::NumPlayers = session::Value::FromField(players);
  return page::BuildKeyScript();
}

// The lines that follow each CR LF, their padding checked and cut off: 47 wide
// where they set the location, 49 elsewhere.
std::vector<std::string> Lines(const std::string& script) {
  std::vector<std::string> lines;
  for (std::size_t at = script.find("\r\n"); at != std::string::npos;) {
    const std::size_t next = script.find("\r\n", at + 2);
    std::string line = script.substr(at + 2, next - (at + 2));
    EXPECT_EQ(line.size(), line.find("window.location") != std::string::npos ? 47u : 49u) << line;
    lines.push_back(line.erase(line.find_last_not_of(' ') + 1));
    at = next;
  }
  return lines;
}

TEST(KeyScript, LengthsLinesAndKeysOfBothTexts) {
  for (const auto& [players, size, count, key_two] :
       {std::tuple{"4", 1320u, 26u, "2to4.htm"}, {"3", 1169u, 23u, "2to3.htm"}}) {
    const std::string script = Script(players);
    const std::vector<std::string> lines = Lines(script);
    EXPECT_EQ(script.size(), size);
    ASSERT_EQ(lines.size(), count);
    EXPECT_EQ(lines[7], "    else");  // so that every current browser reads e.which
    EXPECT_EQ(lines[8], "        myChar = String.fromCharCode(e.which);");
    EXPECT_EQ(lines[15], "           window.location=\"" + std::string(key_two) + "\";");
  }
  EXPECT_EQ(Lines(Script("4"))[18], "           window.location=\"2to3.htm\";");  // key 3
}

}  // namespace
