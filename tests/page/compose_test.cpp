#include "page/compose.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/class1.hpp"
#include "page/key_script.hpp"
#include "session/module1.hpp"
#include "support/program_folder.hpp"
#include "support/recording_browser.hpp"

namespace {

namespace fs = std::filesystem;
using page::ComposePageText;
using page::PageKind;
using session::Value;

// A template carrying every marker, with CR LF line ends.
const std::string kTemplate =
    "<html>\r\n"
    "<head>\r\n"
    "<title>Welcome!</title>\r\n"
    "</head>\r\n"
    "<body class=\"4player\">\r\n"
    "<table border=\"0\">\r\n"
    "<tr><td><a href=\"2to1.htm\"><img border=\"0\" src=\"faces/face1.jpg\"<br>name1</a></td>\r\n"
    "<td><img border=\"0\" src=\"faces/face2.jpg\"<br>name2</td>\r\n"
    "<td><a href=\"2to3.htm\"><img border=\"0\" src=\"faces/face3.jpg\"<br>name3</a></td>\r\n"
    "<td><a href=\"2to4.htm\"><img border=\"0\" src=\"faces/face4.jpg\"<br></a><br>name4</td></tr>\r\n"
    "<tr><td colspan=\"4\"><img src=\"1to3.gif\"></td></tr>\r\n"
    "</table>\r\n"
    "<p class=\"4player\">end</p>\r\n"
    "</html>\r\n";

// The same page with the subject's links, pictures and player count left to
// each test: only the parts every kind shares are fixed here.
struct Expected {
  std::string head = "<head>";
  std::string title = "<title>Welcome!</title>";
  std::string players = "4player";
  std::string link1 = "<a href=\"2to1.htm\">";
  std::string link3 = "<a href=\"2to3.htm\">";
  std::string link4 = "<a href=\"2to4.htm\">";
  std::string face1 = "<img border=\"0\" src=\"faces/ann.jpg\"<br>";
  std::string face2 = "<img border=\"0\" src=\"faces/you.png\"<br>";
  std::string face3 = "<img border=\"0\" src=\"faces/cy.jpg\"<br>";
  std::string face4 = "<img border=\"0\" src=\"faces/dee.jpg\"<br></a><br>";
  std::string names[5] = {"", "Ann", "You", "Cy", "Dee"};
  std::string spacers = "<p>&nbsp;</p>\n\r<p>&nbsp;</p>\n\r";
  std::string animation;

  std::string Page() const {
    return "\r\n<html>"
           "\r\n" + head +
           "\r\n" + title +
           "\r\n</head>"
           "\r\n<body class=\"" + players + "\">"
           "\r\n" + spacers + "<table border=\"0\">"
           "\r\n<tr><td>" + link1 + face1 + names[1] + "</a></td>"
           "\r\n<td>" + face2 + names[2] + "</td>"
           "\r\n<td>" + link3 + face3 + names[3] + "</a></td>"
           "\r\n<td>" + link4 + face4 + names[4] + "</td></tr>"
           "\r\n<tr><td colspan=\"4\"><img src=\"" + animation + "\"></td></tr>"
           "\r\n</table>"
           "\r\n<p class=\"" + players + "\">end</p>"
           "\r\n</html>"
           "\r\n";
  }
  void NoLinks() { link1 = link3 = link4 = ""; }
};

class ComposeTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSession();
    Module1::NumPlayers = Value::FromField("4");
    const char* names[] = {"", "Ann", "You", "Cy", "Dee"};
    const char* faces[] = {"", "ann.jpg", "you.png", "cy.jpg", "dee.jpg"};
    for (int p = 1; p <= 4; ++p) {
      Module1::PlayerNames[p] = Value::FromField(names[p]);
      Module1::PlayerFaces[p] = Value::FromField(faces[p]);
    }
    Module1::SpacerCount = Value::FromField("2");
  }
  void TearDown() override { Module1::ResetSession(); }
};

TEST_F(ComposeTextTest, ComputerThrowToSubjectCarriesLinksAndKeyScript) {
  Module1::ThrowCount = 0;  // a computer throw page always gets its title
  Expected e;
  e.head = "\r\n" + page::BuildKeyScript() + "\r\n";
  e.title = "<title>Cy throws to You</title>";
  e.animation = "3to2.gif";
  EXPECT_EQ(ComposePageText(PageKind::kComputerThrow, 3, 2, kTemplate), e.Page());
}

TEST_F(ComposeTextTest, ComputerThrowToAnotherPlayerHasNoLinksNorScript) {
  Module1::ThrowCount = 5;
  for (int receiver : {1, 3, 4}) {
    const int thrower = receiver == 1 ? 4 : 1;
    Expected e;
    e.NoLinks();
    e.title = "<title>" + e.names[thrower] + " throws to " + e.names[receiver] + "</title>";
    e.animation = std::to_string(thrower) + "to" + std::to_string(receiver) + ".gif";
    EXPECT_EQ(ComposePageText(PageKind::kComputerThrow, thrower, receiver, kTemplate), e.Page())
        << "receiver " << receiver;
  }
}

TEST_F(ComposeTextTest, OpeningPageKeepsWelcomeTitle) {
  Expected e;
  e.NoLinks();
  e.animation = "start.gif";
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, kTemplate), e.Page());

  // Were it made later in a game, the title would name nobody as receiver.
  Module1::ThrowCount = 1;
  e.title = "<title>You throws to </title>";
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, kTemplate), e.Page());
}

TEST_F(ComposeTextTest, SubjectThrowPageTitleOnlyOnceThrowsWereMade) {
  Expected e;
  e.NoLinks();
  e.animation = "2to4.gif";
  Module1::ThrowCount = 0;
  EXPECT_EQ(ComposePageText(PageKind::kSubjectThrow, 2, 4, kTemplate), e.Page());

  Module1::ThrowCount = 7;
  e.title = "<title>You throws to Dee</title>";
  EXPECT_EQ(ComposePageText(PageKind::kSubjectThrow, 2, 4, kTemplate), e.Page());
  EXPECT_EQ(e.Page().find("<script"), std::string::npos);
}

TEST_F(ComposeTextTest, ThreePlayersWithoutPictures) {
  Module1::NumPlayers = Value::FromField("3");
  Module1::PlayerNames[4] = Value();
  for (int p = 1; p <= 4; ++p) Module1::PlayerFaces[p] = Value::FromText("");
  Module1::ThrowCount = 2;

  Expected e;
  e.head = "\r\n" + page::BuildKeyScript() + "\r\n";
  e.title = "<title>Ann throws to You</title>";
  e.players = "3player";
  e.face1 = e.face2 = e.face3 = "";
  e.face4 = "</a>";  // player 4's link keeps its closing tag
  e.names[4] = "";
  e.animation = "1to2.gif";
  const std::string page = ComposePageText(PageKind::kComputerThrow, 1, 2, kTemplate);
  EXPECT_EQ(page, e.Page());
  EXPECT_NE(page.find("case '2'"), std::string::npos);
  EXPECT_EQ(page.find("case '3'"), std::string::npos);
}

TEST_F(ComposeTextTest, OnlyTheExactPictureFragmentIsDeleted) {
  Module1::PlayerFaces[1] = Value::FromText("");
  const std::string tmpl =
      "<img border=\"0\" src=\"faces/face1.jpg\"><br>\r\n"
      "<img border=\"0\" src=\"faces/face1.jpg\"<br>x";
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, tmpl),
            "\r\n<img border=\"0\" src=\"faces/face1.jpg\"><br>\r\nx\r\n");
}

TEST_F(ComposeTextTest, LinesEndAtCrLfOrLoneCrOnly) {
  const std::string tmpl = "a\nb\rc\r\nd\n\re";
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, tmpl), "\r\na\nb\r\nc\r\nd\n\r\ne\r\n");
  // A final line end does not start another line; an empty line before it does.
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, "x\r\n"), "\r\nx\r\n");
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, "x\r\n\r\n"), "\r\nx\r\n\r\n");
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, "x\r"), "\r\nx\r\n");
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, "x\n"), "\r\nx\n\r\n");
}

TEST_F(ComposeTextTest, EmptyTemplateGivesOneLineEnd) {
  EXPECT_EQ(ComposePageText(PageKind::kComputerThrow, 1, 2, ""), "\r\n");
}

TEST_F(ComposeTextTest, SpacersGoBeforeEveryTable) {
  const std::string tmpl = "<table border=1><table border=2>\r\n<TABLE border=3>";
  Module1::SpacerCount = Value::FromField("2");
  const std::string two = "<p>&nbsp;</p>\n\r<p>&nbsp;</p>\n\r";
  EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, tmpl),
            "\r\n" + two + "<table border=1>" + two + "<table border=2>\r\n<TABLE border=3>\r\n");
  for (const char* none : {"0", "-1", ""}) {
    Module1::SpacerCount = Value::FromField(none);
    EXPECT_EQ(ComposePageText(PageKind::kOpening, 2, 0, tmpl), "\r\n" + tmpl + "\r\n") << none;
  }
}

TEST_F(ComposeTextTest, LaterStepsChangeTextOfEarlierOnes) {
  Module1::NumPlayers = Value::FromField("3");
  Module1::PlayerNames[1] = Value::FromText("name2 of 4player");
  Module1::PlayerNames[2] = Value::FromText("Bo");
  Module1::ThrowCount = 1;
  // Searches are case-sensitive: "Name1" and "<TITLE>Welcome!" stay.
  const std::string tmpl = "<title>Welcome!</title>name1 Name1 <TITLE>Welcome!";
  EXPECT_EQ(ComposePageText(PageKind::kComputerThrow, 1, 3, tmpl),
            "\r\n<title>Bo of 3player throws to Cy</title>Bo of 3player Name1 "
            "<TITLE>Welcome!\r\n");
}

// ComposeGamePage against a real program folder on disk.
class ComposeFileTest : public ComposeTextTest {
 protected:
  void SetUp() override {
    ComposeTextTest::SetUp();  // after the folder, which resets the session
    events_.Sink = &browser_;
    Module1::BrowserEvents = &events_;
  }
  void WriteTemplate(const std::string& bytes) { program_.Write("html/template.htm", bytes); }
  std::string ReadPage() { return program_.Read("html/quindle.htm"); }

  testing_support::TempProgramFolder program_;
  const fs::path folder_ = program_.Path();
  testing_support::RecordingBrowser browser_;
  Class1 events_;
};

TEST_F(ComposeFileTest, WritesThePageThenNavigatesToIt) {
  WriteTemplate(kTemplate);
  program_.Write("html/quindle.htm", std::string(5000, 'x'));  // to be truncated
  std::vector<std::string> seen;  // the page file as the window finds it
  browser_.on_navigate = [&](const fs::path&) { seen.push_back(ReadPage()); };
  page::ComposeGamePage(PageKind::kComputerThrow, 3, 2);
  EXPECT_EQ(seen, std::vector<std::string>{
                      ComposePageText(PageKind::kComputerThrow, 3, 2, kTemplate)});
  ASSERT_EQ(browser_.calls.size(), 1u);
  EXPECT_EQ(browser_.calls[0].kind, testing_support::RecordingBrowser::Call::kNavigate);
  EXPECT_EQ(browser_.calls[0].page, folder_ / "html" / "quindle.htm");

  // The template is read afresh for every page.
  WriteTemplate("<title>Welcome!\r\nname4");
  page::ComposeGamePage(PageKind::kComputerThrow, 4, 1);
  EXPECT_EQ(seen.back(), "\r\n<title>Dee throws to Ann\r\nDee\r\n");
  EXPECT_EQ(browser_.Pages(), (std::vector<std::string>{"quindle.htm", "quindle.htm"}));
}

TEST_F(ComposeFileTest, MissingTemplateIsReportedAndNothingShown) {
  try {
    page::ComposeGamePage(PageKind::kOpening, 2, 0);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find((folder_ / "html" / "template.htm").string()), std::string::npos) << what;
    EXPECT_NE(what.find("No such file or directory"), std::string::npos) << what;
  }
  EXPECT_TRUE(browser_.calls.empty());
  EXPECT_FALSE(fs::exists(folder_ / "html" / "quindle.htm"));
}

TEST_F(ComposeFileTest, UnwritablePageIsReportedAndNothingShown) {
  WriteTemplate(kTemplate);
  fs::create_directory(folder_ / "html" / "quindle.htm");  // not writable, even as root
  try {
    page::ComposeGamePage(PageKind::kOpening, 2, 0);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find((folder_ / "html" / "quindle.htm").string()), std::string::npos) << what;
    EXPECT_NE(what.find("could not be written"), std::string::npos) << what;
  }
  EXPECT_TRUE(browser_.calls.empty());
}

}  // namespace
