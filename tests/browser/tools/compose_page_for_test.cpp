// Writes a game page with the program's own composition, for the browser
// tests: a computer throw from Player 1 to Player 2 (the page that carries the
// subject's links and the key script).
//   compose_page_for_test FOLDER PLAYERS
// FOLDER is a program folder whose html/template.htm exists; PLAYERS is 3 or
// 4. Prints the path the browser was sent to.
#include <exception>
#include <iostream>
#include <string>

#include "game/class1.hpp"
#include "page/compose.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "support/recording_browser.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: compose_page_for_test FOLDER PLAYERS" << std::endl;
    return 2;
  }
  platform::SetProgramFolder(argv[1]);
  Module1::ResetSession();
  Module1::NumPlayers = session::Value::FromField(argv[2]);
  const char* names[] = {"", "Ann", "You", "Cy", "Dee"};
  for (int p = 1; p <= (Module1::NumPlayers == 3 ? 3 : 4); ++p) {
    Module1::PlayerNames[p] = session::Value::FromText(names[p]);
  }
  Module1::ThrowCount = 1;

  testing_support::RecordingBrowser browser;
  Class1 events;
  events.Sink = &browser;
  Module1::BrowserEvents = &events;
  try {
    page::ComposeGamePage(page::PageKind::kComputerThrow, 1, 2);
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
