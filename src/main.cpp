// volleta: runs one session of the ball-tossing experiment, or one of the
// program's other commands (see src/commands).
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "commands/commands.hpp"
#include "platform/program.hpp"

int main(int argc, char** argv) {
  std::vector<std::string> arguments = platform::CommandLineArguments(argc, argv);
  std::vector<char*> utf8_argv;
  for (std::string& a : arguments) utf8_argv.push_back(a.data());
  CLI::App app{
      "Volleta: the ball-tossing game for studies of social inclusion and exclusion.\n"
      "SETTINGS is the settings file's name in the settings folder; without it the\n"
      "settings file is chosen in a dialog."};
  commands::Options options;
  commands::DefineOptions(app, options);
  try {
    app.parse(static_cast<int>(utf8_argv.size()), utf8_argv.data());
  } catch (const CLI::ParseError& e) {
    // CLI11's message, then: --help and --version end well, a bad option or value does not.
    return app.exit(e) == 0 ? platform::kExitOk : platform::kExitInputRefused;
  }
  commands::ReadParsed(app, options, argv[0]);
  return commands::Run(std::move(options), {std::cout, std::cerr});
}
