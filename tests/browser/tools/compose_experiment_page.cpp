// Writes one game page of a program folder's own experiment with the
// program's real set-up and composition, for the page and screenshot tests.
//   compose_experiment_page FOLDER SETTINGS KIND THROWER RECEIVER THROWCOUNT
// SETTINGS names a file in FOLDER/settings (read with its schedule, as
// --check does); KIND is opening, subject or computer. Prints the path the
// browser was sent to.
#include <exception>
#include <iostream>
#include <string>

#include "game/class1.hpp"
#include "page/compose.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "support/recording_browser.hpp"

int main(int argc, char** argv) {
  if (argc != 7) {
    std::cerr << "usage: compose_experiment_page FOLDER SETTINGS KIND THROWER RECEIVER THROWCOUNT"
              << std::endl;
    return 2;
  }
  const std::string kind_name = argv[3];
  page::PageKind kind;
  if (kind_name == "opening") {
    kind = page::PageKind::kOpening;
  } else if (kind_name == "subject") {
    kind = page::PageKind::kSubjectThrow;
  } else if (kind_name == "computer") {
    kind = page::PageKind::kComputerThrow;
  } else {
    std::cerr << "KIND must be opening, subject or computer" << std::endl;
    return 2;
  }

  platform::SetProgramFolder(argv[1]);
  Module1::ResetSession();
  Module1::Command = argv[2];
  testing_support::RecordingBrowser browser;
  Class1 events;
  events.Sink = &browser;
  Module1::BrowserEvents = &events;
  try {
    session::RunSetUp(session::SetUpMode::kCheck);
    Module1::ThrowCount = std::stoi(argv[6]);
    page::ComposeGamePage(kind, std::stoi(argv[4]), std::stoi(argv[5]));
  } catch (const platform::ProgramEnd& end) {
    return end.Status();
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    return 1;
  }
  if (browser.calls.size() != 1) {
    std::cerr << "expected one navigation, got " << browser.calls.size() << std::endl;
    return 1;
  }
  std::cout << browser.calls[0].page.string() << std::endl;
  return 0;
}
