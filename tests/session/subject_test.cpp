#include <gtest/gtest.h>

#include <regex>

#include "platform/user_settings.hpp"

#include "session/module1.hpp"
#include "session_fixture.hpp"

namespace {

class SubjectTest : public SessionTest {
 protected:
  void SetUp() override {
    WriteExperiment(Settings("3", "20", "sched.txt"), "1,3232323232\r\n3,1212121212\r\n");
    data_ = folder.Path() / "sibling";
    folder.Write("sibling/currentsubjectinfo.txt", "PREFIX1234S017,other\r\n");
  }
  std::filesystem::path data_;
};

TEST_F(SubjectTest, SiblingFilesGiveTheIdentifierOnlyWithAnArgument) {
  for (const std::string& folder_text : {data_.string(), data_.string() + "/"}) {
    Module1::ResetSession();
    folder.Write("stimdeck.txt", folder_text + "\r\n");
    ASSERT_EQ(Run(session::SetUpMode::kSession, "s.txt"), std::nullopt);
    EXPECT_EQ(Module1::SubjectId, "S017") << folder_text;
    EXPECT_EQ(Module1::SubjectInfoFolder.Text(), data_.string() + "/");
  }
  EXPECT_TRUE(std::regex_match(Module1::SessionDate, std::regex(R"(\d\d/\d\d/\d\d)")));
  EXPECT_TRUE(std::regex_match(Module1::SessionTime, std::regex(R"(\d\d:\d\d)")));
  EXPECT_TRUE(dialogs.asked.empty());

  // Without an argument the files are never read and the ID is asked for.
  platform::SaveSetting("settings", "lastsettings", "s.txt");
  Module1::ResetSession();
  dialogs.file_choice = "s.txt";
  dialogs.subject_answer = " typed id ";
  ASSERT_EQ(Run(session::SetUpMode::kSession, ""), std::nullopt);
  EXPECT_EQ(Module1::SubjectId, " typed id ");
  EXPECT_TRUE(Module1::SubjectInfoFolder.IsEmpty());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Subject ID");
  EXPECT_EQ(dialogs.asked[0].message, "Please Enter a Subject ID...");
}

TEST_F(SubjectTest, ShortOrMissingSubjectFieldsFallBackToAsking) {
  folder.Write("stimdeck.txt", data_.string());
  // Shorter than the prefix: kept whole.
  folder.Write("sibling/currentsubjectinfo.txt", "ABC\r\n");
  ASSERT_EQ(Run(session::SetUpMode::kSession, "s.txt"), std::nullopt);
  EXPECT_EQ(Module1::SubjectId, "ABC");

  // Exactly the prefix: nothing left, so the experimenter is asked.
  Module1::ResetSession();
  folder.Write("sibling/currentsubjectinfo.txt", "0123456789\r\n");
  dialogs.subject_answer = "S9";
  ASSERT_EQ(Run(session::SetUpMode::kSession, "s.txt"), std::nullopt);
  EXPECT_EQ(Module1::SubjectId, "S9");

  // No subject file at all: asked as well, and an empty answer stands.
  Module1::ResetSession();
  std::filesystem::remove(data_ / "currentsubjectinfo.txt");
  dialogs.subject_answer = "";
  ASSERT_EQ(Run(session::SetUpMode::kSession, "s.txt"), std::nullopt);
  EXPECT_EQ(Module1::SubjectId, "");
  EXPECT_EQ(dialogs.asked.size(), 2u);
}

}  // namespace
