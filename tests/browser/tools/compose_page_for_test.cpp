// compose_page_for_test FOLDER PLAYERS: writes FOLDER/html/quindle.htm, the
// page of a computer throw to the subject, from FOLDER/html/template.htm.
#include "page/compose.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  platform::SetProgramFolder(argv[1]);
  Module1::NumPlayers = session::Value::FromField(argv[2]);
  page::ComposeGamePage(page::PageKind::kComputerThrow, 1, 2);  // an error ends it, with its text
}
