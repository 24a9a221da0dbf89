#pragma once
// Dialogs answered by the test: the file chooser, input box and Yes/No box
// return what the test queued, every box shown is recorded.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.hpp"

namespace testing_support {

class ScriptedDialogs final : public platform::Dialogs {
 public:
  struct Box {
    std::string title;
    std::string message;
  };

  ScriptedDialogs() { platform::SetDialogs(this); }
  ~ScriptedDialogs() override { platform::SetDialogs(nullptr); }

  std::optional<std::string> OpenFile(const std::string& title, const std::filesystem::path& folder,
                                      const std::string& remembered) override {
    opened.push_back({title, (folder / remembered).string()});
    return file_choice;
  }
  void MsgBox(const std::string& message, const std::string& title) override {
    boxes.push_back({title, message});
  }
  std::string InputBox(const std::string& prompt, const std::string& title) override {
    asked.push_back({title, prompt});
    return subject_answer;
  }
  bool YesNo(const std::string& question, const std::string& title) override {
    questions.push_back({title, question});
    return yes_answer;
  }

  std::optional<std::string> file_choice;  // nullopt: the chooser is cancelled
  std::string subject_answer;
  bool yes_answer = false;
  std::vector<Box> opened;  // title, proposed file
  std::vector<Box> boxes;
  std::vector<Box> asked;
  std::vector<Box> questions;  // Yes/No boxes
};

}  // namespace testing_support
