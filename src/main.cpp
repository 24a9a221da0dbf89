// volleta: runs one session of the ball-tossing experiment.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"

int main(int argc, char** argv) {
  CLI::App app{
      "Volleta: the ball-tossing game for studies of social inclusion and exclusion.\n"
      "SETTINGS is the settings file's name in the settings folder; without it the\n"
      "settings file is chosen in a dialog."};
  std::string folder;
  bool check = false;
  app.add_option("--folder", folder, "Program folder holding settings, schedules, html and log")
      ->check(CLI::ExistingDirectory);
  app.add_flag("--check", check,
               "Check the settings file (the argument, else the remembered one), its schedule and "
               "ttl.txt, print a summary and exit");
  app.set_version_flag("--version", std::string("volleta ") + VOLLETA_VERSION);
  // Options come first; everything after them is the settings file's name.
  app.prefix_command();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }

  std::vector<std::string> rest = app.remaining();
  for (const std::string& word : rest) {
    if (word.rfind("--", 0) == 0 && Module1::Command.empty()) {
      std::cerr << "volleta: unknown option " << word << " (see --help)" << std::endl;
      return 2;
    }
    if (!Module1::Command.empty()) Module1::Command += ' ';
    Module1::Command += word;
  }

  platform::SetProgramFolder(folder.empty() ? platform::ExecutableFolder()
                                            : std::filesystem::absolute(folder));
  try {
    if (check) {
      session::RunSetUp(session::SetUpMode::kCheck);
      std::cout << session::CheckSummary() << std::flush;
      return platform::kExitOk;
    }
    session::RunSetUp(session::SetUpMode::kSession);
    std::cerr << "volleta: the session is set up; the game window is not available in this build."
              << std::endl;
    return platform::kExitOk;
  } catch (const platform::ProgramEnd& end) {
    return end.Status();
  }
}
