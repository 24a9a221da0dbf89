// Writes a game page of FOLDER's experiment with the program's own set-up (as --check) and
// composition.
//   compose_experiment_page FOLDER SETTINGS opening|subject|computer THROWER RECEIVER THROWCOUNT
#include <string>

#include "page/compose.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"

int main(int argc, char** argv) {
  if (argc != 7) return 2;
  const std::string kind = argv[3];
  platform::SetProgramFolder(argv[1]);
  Module1::ResetSession();
  Module1::Command = argv[2];
  session::RunSetUp(session::SetUpMode::kCheck);  // a refused file ends the tool with its message
  Module1::ThrowCount = std::stoi(argv[6]);
  const auto page = page::ComposeGamePage(kind == "opening"   ? page::PageKind::kOpening
                                          : kind == "subject" ? page::PageKind::kSubjectThrow
                                                              : page::PageKind::kComputerThrow,
                                          std::stoi(argv[4]), std::stoi(argv[5]));
  return page.write_error.empty() ? 0 : 1;
}
