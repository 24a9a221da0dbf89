#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/program.hpp"
#include "session/setup.hpp"
#include "support/program_folder.hpp"
#include "support/scripted_dialogs.hpp"

// A temporary program folder with answered dialogs, and helpers to write the
// experiment's files and run the set-up.
class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    folder.Write("html/start.htm", "<p>start</p>");
    folder.Write("html/template.htm", "<head>");
  }

  // A settings file with one record per line.
  static std::string Settings(const std::string& players, const std::string& throws,
                              const std::string& schedule, const std::string& delays = "0.5,2.5",
                              const std::string& spacers = "0") {
    return "\"Players, 3 or 4\"," + players + "\r\nThrows," + throws + "\r\nSchedule," + schedule +
           "\r\nStart page,start.htm\r\nPlayer 1,Ann,face1.jpg\r\nPlayer 2,You,none\r\n"
           "Player 3,Bob,NONE\r\nPlayer 4,Cy,face4.jpg\r\nDelays," +
           delays + "\r\nSpacers," + spacers + "\r\n";
  }

  void WriteExperiment(const std::string& settings, const std::string& schedule) {
    folder.Write("settings/s.txt", settings);
    folder.Write("schedules/sched.txt", schedule);
  }

  // Runs the set-up; returns the exit status when the program ended.
  std::optional<int> Run(session::SetUpMode mode = session::SetUpMode::kCheck,
                         const std::string& command = "s.txt") {
    Module1::Command = command;
    try {
      session::RunSetUp(mode);
      return std::nullopt;
    } catch (const platform::ProgramEnd& end) {
      return end.Status();
    }
  }

  // The one message box shown, as "Title: message".
  std::string OnlyBox() const {
    if (dialogs.boxes.size() != 1) return "<" + std::to_string(dialogs.boxes.size()) + " boxes>";
    return dialogs.boxes[0].title + ": " + dialogs.boxes[0].message;
  }

  testing_support::TempProgramFolder folder;
  testing_support::ScriptedDialogs dialogs;
};
