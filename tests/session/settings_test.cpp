#include <gtest/gtest.h>

#include "platform/user_settings.hpp"
#include "session/module1.hpp"
#include "session_fixture.hpp"

namespace {

const char* kSchedule4 = "1,2343434343434343\r\n3,1414141414141414\r\n4,1313131313131313\r\n";

class SettingsTest : public SessionTest {};

TEST_F(SettingsTest, ReadsTheTenRecords) {
  WriteExperiment(Settings("4", "30", "sched.txt", "0.5,2.5", "2"), kSchedule4);
  ASSERT_EQ(Run(), std::nullopt) << OnlyBox();
  EXPECT_TRUE(Module1::NumPlayers == 4);
  EXPECT_EQ(Module1::TotalThrows, 30);
  EXPECT_EQ(Module1::ScheduleFile, "sched.txt");
  EXPECT_EQ(Module1::StartPage, "start.htm");
  EXPECT_EQ(Module1::PlayerNames[1].Text(), "Ann");
  EXPECT_EQ(Module1::PlayerFaces[1].Text(), "face1.jpg");
  EXPECT_EQ(Module1::PlayerFaces[2].Text(), "");  // "none"
  EXPECT_EQ(Module1::PlayerFaces[3].Text(), "");  // "NONE"
  EXPECT_EQ(Module1::PlayerNames[4].Text(), "Cy");
  EXPECT_EQ(Module1::DelayMin.Number(), 0.5);
  EXPECT_EQ(Module1::DelayRandom.Number(), 2.5);
  EXPECT_EQ(Module1::SpacerCount.Number(), 2);
  // The arrays are sized for the game: throws 0..31 in the log, 0..30 in the schedule.
  EXPECT_EQ(Module1::ThrowLog.size(), 32u);
  EXPECT_EQ(Module1::ThrowSchedule[1].size(), 31u);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SettingsTest, PlayerCountOtherThanThreeOrFourIsRefused) {
  WriteExperiment(Settings("5", "30", "sched.txt"), kSchedule4);
  EXPECT_EQ(Run(), platform::kExitInputRefused);
  EXPECT_EQ(OnlyBox(),
            "Settings Problem: You have requested a 5-player game.  Only 3 and 4-player games are "
            "allowed. See readme.htm for help.  This will end the program.");
}

TEST_F(SettingsTest, PlayerCountComparesAsANumberAndIsWrittenAsItsText) {
  WriteExperiment(Settings("4.0", "30", "sched.txt"), kSchedule4);
  EXPECT_EQ(Run(), std::nullopt) << OnlyBox();
  EXPECT_EQ(Module1::NumPlayers.Text(), "4.0");
}

TEST_F(SettingsTest, ScheduleNameMustEndInTxtInAnyCase) {
  const std::string message =
      "Schedule Problem: As of Version 2, Volleta requires your schedule file to be in a text "
      "(.txt) format--see readme.htm for help with the new format.  This will end the program.";
  folder.Write("schedules/SCHED.TXT", kSchedule4);
  folder.Write("settings/s.txt", Settings("4", "30", "SCHED.TXT"));
  EXPECT_EQ(Run(), std::nullopt) << OnlyBox();
  for (const char* name : {"sched.csv", "txt", ""}) {
    dialogs.boxes.clear();
    folder.Write("settings/s.txt", Settings("4", "30", name));
    EXPECT_EQ(Run(), platform::kExitInputRefused) << name;
    EXPECT_EQ(OnlyBox(), message) << name;
  }
}

TEST_F(SettingsTest, MissingSettingsFileNamesTheFileAndFolder) {
  EXPECT_EQ(Run(session::SetUpMode::kCheck, "absent.txt"), platform::kExitInputRefused);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "Settings Problem");
  const std::string& m = dialogs.boxes[0].message;
  EXPECT_NE(m.find("\"absent.txt\""), std::string::npos) << m;
  EXPECT_NE(m.find((folder.Path() / "settings").string()), std::string::npos) << m;
  EXPECT_NE(m.find("See readme.htm for help.  This will end the program."), std::string::npos);
}

TEST_F(SettingsTest, MissingStartPageOrTemplateIsRefusedBeforeAnythingIsShown) {
  WriteExperiment(Settings("4", "30", "sched.txt"), kSchedule4);
  std::filesystem::remove(folder.Path() / "html" / "template.htm");
  EXPECT_EQ(Run(), platform::kExitInputRefused);
  EXPECT_EQ(OnlyBox().rfind("Page Problem: The game template template.htm could not be read", 0),
            0u)
      << OnlyBox();
  std::filesystem::remove(folder.Path() / "html" / "start.htm");
  dialogs.boxes.clear();
  EXPECT_EQ(Run(), platform::kExitInputRefused);
  EXPECT_EQ(OnlyBox().rfind("Page Problem: The start page \"start.htm\" (record 4 of the settings "
                            "file \"s.txt\") is not in the html folder",
                            0),
            0u)
      << OnlyBox();
}

TEST_F(SettingsTest, UnusableValuesAreRefusedNamingRecordValueAndRange) {
  struct Case {
    std::string throws, delays, spacers, expected;
  };
  const std::string throws = "The number of throws (record 2 of the settings file \"s.txt\") is ";
  const std::string whole = ".  It must be a whole number from 1 to 32767.";
  const std::string delay = "delay (record 9 of the settings file \"s.txt\") is ";
  const Case cases[] = {
      {"30", "soon,2.5", "0", "The minimum " + delay + "\"soon\"."},
      {"30", "-1,2.5", "0", "The minimum " + delay + "\"-1\"."},
      {"30", "0.5,", "0", "The random extra " + delay + "\"\"."},
      {"30", "0.5,2.5", "2.5",
       "The number of blank paragraphs (record 10 of the settings file \"s.txt\") is \"2.5\"."},
      {"30", "0.5,2.5", "many",
       "The number of blank paragraphs (record 10 of the settings file \"s.txt\") is \"many\"."},
      {"32768", "0.5,2.5", "0", throws + "\"32768\"" + whole},
      {"100000", "0.5,2.5", "0", throws + "\"100000\"" + whole},
      {"0", "0.5,2.5", "0", throws + "\"0\"" + whole},
      {"none", "0.5,2.5", "0", throws + "\"none\"" + whole},
      {"30.5", "0.5,2.5", "0", throws + "\"30.5\"" + whole},
  };
  for (const Case& c : cases) {
    dialogs.boxes.clear();
    WriteExperiment(Settings("4", c.throws, "sched.txt", c.delays, c.spacers), kSchedule4);
    EXPECT_EQ(Run(), platform::kExitInputRefused) << c.expected;
    ASSERT_EQ(dialogs.boxes.size(), 1u) << c.expected;
    EXPECT_EQ(dialogs.boxes[0].title, "Settings Problem");
    EXPECT_EQ(dialogs.boxes[0].message.rfind(c.expected, 0), 0u) << dialogs.boxes[0].message;
    EXPECT_NE(dialogs.boxes[0].message.find("readme.htm"), std::string::npos);
  }
}

TEST_F(SettingsTest, FilesThatAreNotPlainTextAreRefusedAsSuch) {
  const std::string text = Settings("4", "30", "sched.txt");
  std::string utf16 = "\xFF\xFE";
  for (char c : text) utf16 += std::string{c, '\0'};
  const std::string not_plain = "Settings Problem: The settings file \"s.txt\" is not plain text: ";
  const std::pair<std::string, std::string> cases[] = {
      {utf16, not_plain + "it is saved as UTF-16 (\"Unicode\")."},
      {utf16.substr(2),
       not_plain + "byte 2 (on line 1) is a NUL byte, as in a file saved as UTF-16."},
      {"Players,4" + std::string(1, '\0') + "\r\n",
       not_plain + "byte 10 (on line 1) is a NUL byte"},
  };
  for (const auto& [bytes, expected] : cases) {
    dialogs.boxes.clear();
    WriteExperiment(bytes, kSchedule4);
    EXPECT_EQ(Run(), platform::kExitInputRefused);
    EXPECT_EQ(OnlyBox().rfind(expected, 0), 0u) << OnlyBox();
  }
  // A UTF-8 byte-order mark is plain text, in a schedule file as well.
  dialogs.boxes.clear();
  WriteExperiment("\xEF\xBB\xBF" + text, "\xEF\xBB\xBF" + std::string(kSchedule4));
  EXPECT_EQ(Run(), std::nullopt) << OnlyBox();
}

TEST_F(SettingsTest, ThreePlayerGameHasNoPlayerFourAndNoneMeansEmpty) {
  WriteExperiment(
      "Players,3\r\nThrows,20\r\nSchedule,sched.txt\r\nStart,start.htm\r\n"
      "P1,\" None \",none\r\nP2,Nonesuch,x.jpg\r\nP3,Bob,b.jpg\r\nP4,Dan,d.jpg\r\n"
      "Delays,1,2\r\nSpacers,0\r\n",
      "1,3232323232\r\n3,1212121212\r\n");
  ASSERT_EQ(Run(), std::nullopt) << OnlyBox();
  EXPECT_EQ(Module1::PlayerNames[1].Text(), "");
  EXPECT_EQ(Module1::PlayerFaces[1].Text(), "");
  EXPECT_EQ(Module1::PlayerNames[2].Text(), "Nonesuch");
  EXPECT_EQ(Module1::PlayerNames[4].Text(), "");
  EXPECT_EQ(Module1::PlayerFaces[4].Text(), "");
}

TEST_F(SettingsTest, UnquotedLabelWithACommaShiftsTheRecords) {
  WriteExperiment("Players, three or four,4\r\n", "");
  EXPECT_EQ(Run(), platform::kExitInputRefused);
  EXPECT_EQ(OnlyBox(),
            "Settings Problem: You have requested a three or four-player game.  Only 3 and "
            "4-player games are allowed. See readme.htm for help.  This will end the program.");
}

TEST_F(SettingsTest, ChoosingAndRememberingTheFile) {
  WriteExperiment(Settings("4", "30", "sched.txt"), kSchedule4);
  // No argument: the dialog proposes the remembered name; a cancel ends quietly.
  EXPECT_EQ(Run(session::SetUpMode::kSession, ""), platform::kExitCancelled);
  ASSERT_EQ(dialogs.opened.size(), 1u);
  EXPECT_EQ(dialogs.opened[0].title, "Select Settings File");
  EXPECT_EQ(dialogs.opened[0].message,
            (folder.Path() / "settings" / "4pl - ostracize subject.txt").string());
  EXPECT_TRUE(dialogs.boxes.empty());
  // A chosen name is remembered even when it doesn't exist.
  dialogs.file_choice = "later.txt";
  EXPECT_EQ(Run(session::SetUpMode::kSession, ""), platform::kExitInputRefused);
  EXPECT_EQ(platform::GetSetting("settings", "lastsettings", ""), "later.txt");
  // The file picked is the file read: one of another folder is refused, not
  // swapped for the same-named file of this study, and not remembered.
  folder.Write("other study/settings/s.txt", Settings("3", "30", "sched.txt"));
  dialogs.file_choice = (folder.Path() / "other study" / "settings" / "s.txt").string();
  EXPECT_EQ(Run(session::SetUpMode::kSession, ""), platform::kExitInputRefused);
  EXPECT_EQ(dialogs.boxes.back().title, "Settings Problem");
  EXPECT_EQ(dialogs.boxes.back().message,
            "The settings file \"s.txt\" was picked in " +
                (folder.Path() / "other study" / "settings").string() +
                ", outside this study's settings folder.  The study's conditions live in its "
                "settings folder " +
                (folder.Path() / "settings").string() +
                ": pick a file there, or copy this one there first.  See readme.htm for help.  "
                "This will end the program.");
  EXPECT_EQ(platform::GetSetting("settings", "lastsettings", ""), "later.txt");
  // A path into the study's own settings folder is its file.
  dialogs.file_choice = (folder.Path() / "settings" / "s.txt").string();
  ASSERT_EQ(Run(session::SetUpMode::kSession, ""), std::nullopt);
  EXPECT_EQ(Module1::NumPlayers, 4);
  EXPECT_EQ(platform::GetSetting("settings", "lastsettings", ""), "s.txt");
  // An argument: no dialog, and it becomes the remembered name.
  ASSERT_EQ(Run(session::SetUpMode::kSession, "s.txt"), std::nullopt);
  EXPECT_EQ(dialogs.opened.size(), 4u);
  EXPECT_EQ(platform::GetSetting("settings", "lastsettings", ""), "s.txt");
  // --check takes the argument, else the remembered name, and remembers nothing.
  folder.Write("settings/other.txt", Settings("4", "30", "sched.txt"));
  ASSERT_EQ(Run(session::SetUpMode::kCheck, ""), std::nullopt);
  EXPECT_EQ(Module1::SettingsFile, "s.txt");
  ASSERT_EQ(Run(session::SetUpMode::kCheck, "other.txt"), std::nullopt);
  EXPECT_EQ(platform::GetSetting("settings", "lastsettings", ""), "s.txt");
  EXPECT_EQ(dialogs.opened.size(), 4u);
}

// A missing ttl.txt is a study without markers; a faulty one would lose every
// marker of the session unseen, so a session asks before anything is shown.
TEST_F(SettingsTest, AFaultyTtlFileAsksWhetherToRunWithoutMarkers) {
  WriteExperiment(Settings("4", "30", "sched.txt"), kSchedule4);
  ASSERT_EQ(Run(session::SetUpMode::kSession), std::nullopt);
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(Module1::TtlState, "off: no ttl.txt");

  folder.Write("ttl.txt", "1,10\n2,20\n3,30\n4,40\n0\n5\n");
  const std::string fault =
      "ttl.txt field 9 (the port address) is 0, out of range: it must be 1 to 9999";
  // No: the program ends as a cancelled dialog ends it.
  EXPECT_EQ(Run(session::SetUpMode::kSession), platform::kExitCancelled);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].title, "TTL Problem");
  EXPECT_EQ(
      dialogs.questions[0].message.rfind(fault + ".\n\nThis file is in " + folder.Path().string() +
                                             ".  Run this session without TTL markers?",
                                         0),
      0u)
      << dialogs.questions[0].message;
  // Yes: TTL output off, and the run says why.
  dialogs.yes_answer = true;
  ASSERT_EQ(Run(session::SetUpMode::kSession), std::nullopt);
  EXPECT_FALSE(Module1::TtlEnabled);
  EXPECT_EQ(Module1::TtlState, "off: " + fault);

  // Every fault names the field by its number and meaning.
  for (const auto& [text, why] : std::vector<std::pair<std::string, std::string>>{
           {"1,10\n2,256\n3,30\n4,40\n888\n5\n",
            "ttl.txt field 4 (the code for Player 2) is 256, out of range: codes must be 1 to 255"},
           {"1,10\n2,20\n3,30\n4,40\n888\n10000\n",
            "ttl.txt field 10 (the pulse duration) is 10000 ms, out of range: it must be above 0 "
            "and below 10000"},
           {"1,10\n2,x\n", "ttl.txt field 4 (the code for Player 2) is \"x\", not a number"},
           {"1,10\n2,20\n40000,30\n", "ttl.txt field 5 is 40000, out of range"},
           {"1,10\n2,20\n", "ttl.txt ends before field 5 of 10"}}) {
    folder.Write("ttl.txt", text);
    ASSERT_EQ(Run(session::SetUpMode::kCheck), std::nullopt);
    EXPECT_EQ(Module1::TtlState, "off: " + why);
  }
}

}  // namespace
