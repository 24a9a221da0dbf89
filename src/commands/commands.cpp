#include "commands/commands.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>

#include "platform/dialogs.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"

namespace commands {
namespace {

// The frames the photodiode patch stays white when --photodiode names none.
constexpr int kPhotodiodeFrames = 6;

// What every command but new-study shares: the options checked and completed,
// the settings file's name, and the program folder. Returns an exit status
// when the program must end here.
std::optional<int> Prepare(Options& options, std::ostream& err) {
  std::string device_fault;
  if (!options.start.ttl_device.empty() &&
      !session::ParseTtlDevice(options.start.ttl_device, &device_fault)) {
    err << "volleta: --ttl-device: " << device_fault << std::endl;
    return platform::kExitInputRefused;
  }
  for (const std::string& word : options.settings_words) {
    if (word.rfind("--", 0) == 0 && Module1::Command.empty()) {
      err << "volleta: unknown option " << word << " (see --help)" << std::endl;
      return platform::kExitInputRefused;
    }
    if (!Module1::Command.empty()) Module1::Command += ' ';
    Module1::Command += word;
  }

  options.start.delay_window = !Module1::Command.empty();
  platform::PreferTerminalDialogs(options.start.window.no_browser);
  options.start.window.display.path =
      browser::DisplayPathNamed(options.display).value_or(browser::DisplayPath::kStaged);
  if (options.photodiode && options.start.window.display.photodiode_frames == 0) {
    options.start.window.display.photodiode_frames = kPhotodiodeFrames;
  }
  // Checked here rather than by CLI11, which would read the name in the ANSI
  // code page on Windows.
  std::error_code ec;
  if (!options.folder.empty() &&
      !std::filesystem::is_directory(platform::PathOf(options.folder), ec)) {
    err << "--folder: Directory does not exist: " << options.folder
        << "\nRun with --help for more information.\n";
    return platform::kExitInputRefused;
  }
  // An installed program's own folder can't hold a study: it runs the study in
  // the current folder, and without one there only --report and --export
  // given their log folder can go on.
  const std::optional<std::filesystem::path> program_folder =
      options.folder.empty() ? platform::DefaultProgramFolder()
                             : std::filesystem::absolute(platform::PathOf(options.folder));
  const bool logs_named = (options.report || options.exporter) &&
                          (!options.report || !options.report_folder.empty()) &&
                          (!options.exporter || !options.export_folder.empty());
  if (!program_folder && !logs_named) {
    err << "volleta: " << std::filesystem::current_path(ec).string()
        << " is not a study folder, and the installed program keeps its experiment in "
        << platform::BundledExperimentFolder().string()
        << " and writes nothing there. Make a study folder and run the program in it:\n"
           "  volleta --new-study ~/mystudy\n"
           "  cd ~/mystudy && volleta\n"
           "(or volleta --folder ~/mystudy from anywhere)"
        << std::endl;
    return platform::kExitInputRefused;
  }
  platform::SetProgramFolder(program_folder.value_or(std::filesystem::path()));
  return std::nullopt;
}

}  // namespace

const std::vector<Tool>& Tools() {
  static const std::vector<Tool> kTools{
      {"session", RunSession, true},     {"check", RunCheck, true},
      {"pilot", RunPilot, true},         {"online-game", RunOnlineGame, true},
      {"report", RunReport, true},       {"export", RunExport, true},
      {"new-study", RunNewStudy, false}, {"serve", RunServe, true},
  };
  return kTools;
}

int Run(Options options, Streams streams) {
  const auto& tools = Tools();
  const auto tool = std::find_if(tools.begin(), tools.end(),
                                 [&](const Tool& t) { return t.name == options.command; });
  if (tool == tools.end()) {
    streams.err << "volleta: no command " << options.command << std::endl;
    return platform::kExitInputRefused;
  }
  try {
    if (tool->needs_folder) {
      if (const std::optional<int> end = Prepare(options, streams.err)) return *end;
    }
    return tool->run(options, streams);
  } catch (const platform::ProgramEnd& end) {
    return end.Status();
  }
}

}  // namespace commands
