#include "page/compose.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "page/key_script.hpp"
#include "session/module1.hpp"
#include "support/program_folder.hpp"

namespace {

namespace fs = std::filesystem;
using enum page::PageKind;
using session::Value;

// A template carrying every marker.
const std::string kTemplate =
    "<head><title>Welcome!</title>\r\n"
    "<table border=0 class=4player><img src=1to3.gif>\r\n"
    "<a href=\"2to1.htm\"><img border=\"0\" src=\"faces/face1.jpg\"<br>name1</a>\r\n"
    "<img border=\"0\" src=\"faces/face2.jpg\"<br>name2\r\n"
    "<a href=\"2to3.htm\"><img border=\"0\" src=\"faces/face3.jpg\"<br>name3</a>\r\n"
    "<a href=\"2to4.htm\"><img border=\"0\" src=\"faces/face4.jpg\"<br></a><br>name4\r\n";
const std::string kSpacers = "<p>&nbsp;</p>\n\r<p>&nbsp;</p>\n\r";

// kTemplate's page, with the subject's links and key script or without them;
// `bare` for three players and no pictures.
std::string Expected(const std::string& title, const std::string& gif, bool links = false,
                     bool bare = false) {
  const auto a = [&](char p) { return links ? std::string("<a href=\"2to") + p + ".htm\">" : ""; };
  const auto img = [&](char p) {
    return bare ? "" : std::string("<img border=\"0\" src=\"faces/") + p + ".png\"<br>";
  };
  return "\r\n" + (links ? "\r\n" + page::BuildKeyScript() + "\r\n" : "<head>") + "<title>" +
         title + "</title>\r\n" + kSpacers + "<table border=0 class=" + (bare ? "3" : "4") +
         "player><img src=" + gif + ">\r\n" + a('1') + img('1') + "Ann</a>\r\n" + img('2') +
         "You\r\n" + a('3') + img('3') + "Cy</a>\r\n" + a('4') +
         (bare ? "</a>" : img('4') + "</a><br>Dee") + "\r\n";
}

class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {  // after the folder, which resets the session
    Module1::NumPlayers = Value::FromField("4");
    const char* names[] = {"", "Ann", "You", "Cy", "Dee"};
    for (int p = 1; p <= 4; ++p) {
      Module1::PlayerNames[p] = Value::FromField(names[p]);
      Module1::PlayerFaces[p] = Value::FromField(std::to_string(p) + ".png");
    }
    Module1::SpacerCount = Value::FromField("2");
  }

  static std::string Compose(page::PageKind kind, int thrower, int receiver,
                             const std::string& tmpl = kTemplate) {
    return page::ComposePageText(kind, thrower, receiver, tmpl);
  }

  testing_support::TempProgramFolder program_;
};

TEST_F(ComposeTest, EachPageKindForFourAndThreePlayers) {
  EXPECT_EQ(Compose(kComputerThrow, 3, 2), Expected("Cy throws to You", "3to2.gif", true));
  EXPECT_EQ(Compose(kOpening, 2, 0), Expected("Welcome!", "start.gif"));
  EXPECT_EQ(Compose(kSubjectThrow, 2, 4), Expected("Welcome!", "2to4.gif"));
  Module1::ThrowCount = 5;
  EXPECT_EQ(Compose(kComputerThrow, 4, 1), Expected("Dee throws to Ann", "4to1.gif"));
  EXPECT_EQ(Compose(kSubjectThrow, 2, 4), Expected("You throws to Dee", "2to4.gif"));

  Module1::NumPlayers = Value::FromField("3");
  Module1::PlayerNames[4] = Value();
  for (int p = 1; p <= 4; ++p) Module1::PlayerFaces[p] = Value::FromText("");
  EXPECT_EQ(Compose(kComputerThrow, 1, 2), Expected("Ann throws to You", "1to2.gif", true, true));
}

// Line ends, exact and case-sensitive matches, spacers, and text put in by one
// step that a later step changes.
TEST_F(ComposeTest, TemplateText) {
  Module1::NumPlayers = Value::FromField("3");
  Module1::PlayerNames[1] = Value::FromText("name2 of 4player");
  Module1::PlayerNames[2] = Value::FromText("Bo");
  Module1::PlayerFaces[1] = Value::FromText("");
  const std::string tag = "<img border=\"0\" src=\"faces/face1.jpg\"";
  const std::string tables = "<table border=1><table border=2>\r\n<TABLE border=3>";
  const std::pair<std::string, std::string> cases[] = {
      {"", "\r\n"},
      {"a\nb\rc\r\nd\n\re", "\r\na\nb\r\nc\r\nd\n\r\ne\r\n"},
      {tag + "><br>|" + tag + "<br>x", "\r\n" + tag + "><br>|x\r\n"},
      {tables, "\r\n" + kSpacers + "<table border=1>" + kSpacers +
                   "<table border=2>\r\n<TABLE border=3>\r\n"},
      {"<title>Welcome!</title>name1 Name1 <TITLE>Welcome!",
       "\r\n<title>Bo of 3player throws to Cy</title>Bo of 3player Name1 <TITLE>Welcome!\r\n"},
  };
  for (const auto& [tmpl, page] : cases) EXPECT_EQ(Compose(kComputerThrow, 1, 3, tmpl), page);
  Module1::SpacerCount = Value::FromField("-1");
  EXPECT_EQ(Compose(kComputerThrow, 1, 3, tables), "\r\n" + tables + "\r\n");
}

TEST_F(ComposeTest, WritesThePageFromAFreshTemplateEachTime) {
  EXPECT_THROW(page::ComposeGamePage(kOpening, 2, 0), std::runtime_error);  // no template
  program_.Write("html/template.htm", kTemplate);
  program_.Write("html/quindle.htm", std::string(5000, 'x'));  // to be truncated
  const page::GamePage page = page::ComposeGamePage(kComputerThrow, 3, 2);
  EXPECT_EQ(page.file, program_.Path() / "html" / "quindle.htm");
  EXPECT_EQ(page.text, Expected("Cy throws to You", "3to2.gif", true));
  EXPECT_EQ(program_.Read("html/quindle.htm"), page.text);
  program_.Write("html/template.htm", "<title>Welcome!\r\nname4");
  page::ComposeGamePage(kComputerThrow, 4, 1);
  EXPECT_EQ(program_.Read("html/quindle.htm"), "\r\n<title>Dee throws to Ann\r\nDee\r\n");
}

}  // namespace
