// volleta serve: the study folder's conditions checked, then hosted online.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "commands/commands.hpp"
#include "online/serve.hpp"
#include "platform/dialogs.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"

namespace commands {
namespace {

// Every settings file in the study's settings folder, by name.
std::vector<std::string> AllConditions() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry :
       std::filesystem::directory_iterator(platform::ProgramFolder() / "settings", ec)) {
    const std::string name = platform::TextOf(entry.path().filename());
    if (entry.is_regular_file(ec) && !name.starts_with(".")) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

int RunServe(const Options& options, Streams streams) {
  online::ServeOptions serve = options.serve;
  serve.folder = platform::ProgramFolder();
  serve.balanced = options.assign == "balanced";
  std::error_code ec;
  serve.executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) serve.executable = std::filesystem::absolute(options.program);
  if (serve.conditions.empty()) serve.conditions = AllConditions();
  if (serve.conditions.empty()) {
    streams.err << "volleta serve: no settings file in " << (serve.folder / "settings").string()
                << std::endl;
    return platform::kExitInputRefused;
  }
  for (const std::string* url : {&serve.public_url, &serve.return_url}) {
    if (!url->empty() && online::OriginOf(*url).empty()) {
      streams.err << "volleta serve: not an http or https address: " << *url << std::endl;
      return platform::kExitInputRefused;
    }
  }
  // Nothing may be asked once participants come: a fault is told and ends serve.
  platform::PreferTerminalDialogs(true);
  for (const std::string& condition : serve.conditions) {
    Module1::Command = condition;
    session::RunSetUp(session::SetUpMode::kCheck);
    streams.out << "Checked: " << Module1::SettingsFile << " (" << Module1::TotalThrows
                << " throws)" << std::endl;
  }
  Module1::Command.clear();
  return online::Serve(serve, streams.out, streams.err);
}

}  // namespace commands
