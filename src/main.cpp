// volleta: runs one session of the ball-tossing experiment.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <boost/asio/io_context.hpp>

#include "browser/launcher.hpp"
#include "browser/pilot_participant.hpp"
#include "datalog/log_commands.hpp"
#include "game/frm_main.hpp"
#include "game/pilot.hpp"
#include "game/terminal.hpp"
#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "platform/dialogs.hpp"
#include "platform/event_loop.hpp"
#include "platform/new_study.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "session/ttl_config.hpp"
#include "ttl/fttl.hpp"
#include "ttl/session_port.hpp"

namespace {

// The frames the photodiode patch stays white when --photodiode names none.
constexpr int kPhotodiodeFrames = 6;

// Runs one session: start-up, then the event loop until the program ends.
int RunSession(const StartOptions& options) {
  const platform::FineTimers fine_timers;
  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);
  // A failing event must not take the session down with it: it is reported
  // and the loop goes on with the next event.
  platform::SetFailureReport(game::ReportProblem);
  int status = platform::kExitOk;
  {
    frmMain form(io, options);
    try {
      form.Form_Load();
      io.run();
    } catch (const platform::ProgramEnd& end) {
      status = end.Status();
    }
  }
  ttl::UnloadForm();
  platform::SetFailureReport(nullptr);
  ttl::ClosePortForSession();
  lsl_out::CloseOutletsForSession();
  platform::SetScheduler(nullptr);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments = platform::CommandLineArguments(argc, argv);
  std::vector<char*> utf8_argv;
  for (std::string& a : arguments) utf8_argv.push_back(a.data());
  CLI::App app{
      "Volleta: the ball-tossing game for studies of social inclusion and exclusion.\n"
      "SETTINGS is the settings file's name in the settings folder; without it the\n"
      "settings file is chosen in a dialog."};
  std::string folder;
  bool check = false;
  StartOptions options;
  CLI::Option* folder_option =
      app.add_option("--folder", folder, "Program folder holding settings, schedules, html and log");
  CLI::Option* check_option =
      app.add_flag("--check", check,
                   "Check the settings file (the argument, else the remembered one), its schedule "
                   "and ttl.txt, print a summary and exit");
  std::string new_study;
  CLI::Option* new_study_option =
      app.add_option("--new-study", new_study,
                     "Copy the bundled experiment into DIR (new or empty), a study folder to run "
                     "and edit, and exit")
          ->type_name("DIR")
          ->excludes(folder_option)
          ->excludes(check_option);
  CLI::Option* no_browser =
      app.add_flag("--no-browser", options.window.no_browser,
                   "Launch no browser: print the start page's address for a browser you open");
  app.add_option("--browser", options.window.browser,
                 "The browser to launch (default: the first of " + browser::KnownBrowserList() +
                     ")");
  app.add_flag("--headless", options.window.headless, "Launch the browser headless (tests, pilots)");
  std::string display = "swap";
  app.add_option("--display", display,
                 "How each throw reaches the window: swap (into the shown page, the default) or "
                 "navigate (a new page)")
      ->check(CLI::IsMember({"swap", "navigate"}));
  bool photodiode = false;
  app.add_flag("--photodiode", photodiode,
               "Draw a photodiode patch in the bottom left corner: black, white for 6 frames "
               "from each throw's first frame");
  app.add_option("--photodiode-frames", options.window.display.photodiode_frames,
                 "The frames the photodiode patch stays white (implies --photodiode)")
      ->check(CLI::Range(1, 600));
  app.add_option("--port-log", options.port_log,
                 "Dry run of the TTL output: append every port write to FILE instead of "
                 "touching the hardware");
  std::string report_folder, export_folder;
  CLI::Option* report =
      app.add_option("--report", report_folder,
                     "Write report.html for the logs in LOGDIR (default: the program folder's log) "
                     "and exit")
          ->expected(0, 1)
          ->type_name("[LOGDIR]")
          ->excludes(new_study_option);
  CLI::Option* exporter =
      app.add_option("--export", export_folder,
                     "Write throws.csv, one row per logged throw, for the logs in LOGDIR (default: "
                     "the program folder's log) and exit")
          ->expected(0, 1)
          ->type_name("[LOGDIR]")
          ->excludes(new_study_option);
  app.add_option("--ttl-device", options.ttl_device,
                 "The TTL output device for this run instead of ttl.txt's: /dev/ttyACM0, "
                 "/dev/ttyUSB0@9600, /dev/parport1, ...");
  game::PilotOptions pilot;
  CLI::Option* pilot_option =
      app.add_option("--pilot", pilot.games,
                     "Play N whole games of SETTINGS with an automated participant in a headless "
                     "browser, write them to log/pilot and end with their report")
          ->check(CLI::Range(1, 9999))
          ->type_name("N")
          ->excludes(no_browser)
          ->excludes(report)
          ->excludes(exporter)
          ->excludes(new_study_option);
  app.add_option("--speed", pilot.speed,
                 "With --pilot: every delay and timer divided by X (times logged in study "
                 "milliseconds); default 1")
      ->check(CLI::Range(0.1, 1000.0))
      ->type_name("X")
      ->needs(pilot_option);
  app.add_option("--strategy", pilot.strategy,
                 "With --pilot: whom the participant throws to: random (default), left (Player 1), "
                 "right (Player 3) or round (each in turn)")
      ->check(CLI::IsMember(browser::PilotStrategies()))
      ->type_name("S")
      ->needs(pilot_option);
  app.set_version_flag("--version", std::string("volleta ") + VOLLETA_VERSION);
  // Options come first; everything after them is the settings file's name.
  app.prefix_command();

  try {
    app.parse(static_cast<int>(utf8_argv.size()), utf8_argv.data());
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  if (new_study_option->count() > 0) {
    if (!app.remaining().empty()) {
      std::cerr << "volleta: --new-study takes its folder alone (quote a name with spaces)"
                << std::endl;
      return platform::kExitInputRefused;
    }
    return platform::RunNewStudy(new_study, argv[0], std::cout, std::cerr);
  }

  std::string device_fault;
  if (!options.ttl_device.empty() && !session::ParseTtlDevice(options.ttl_device, &device_fault)) {
    std::cerr << "volleta: --ttl-device: " << device_fault << std::endl;
    return 2;
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

  options.delay_window = !Module1::Command.empty();
  platform::PreferTerminalDialogs(options.window.no_browser);
  options.window.display.swap = display == "swap";
  if (photodiode && options.window.display.photodiode_frames == 0) {
    options.window.display.photodiode_frames = kPhotodiodeFrames;
  }
  // Checked here rather than by CLI11, which would read the name in the ANSI
  // code page on Windows.
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::is_directory(platform::PathOf(folder), ec)) {
    std::cerr << "--folder: Directory does not exist: " << folder
              << "\nRun with --help for more information.\n";
    return static_cast<int>(CLI::ExitCodes::ValidationError);
  }
  // An installed program's own folder can't hold a study: it runs the study in
  // the current folder, and without one there only --report and --export
  // given their log folder can go on.
  const std::optional<std::filesystem::path> program_folder =
      folder.empty() ? platform::DefaultProgramFolder() : std::filesystem::absolute(platform::PathOf(folder));
  const bool logs_named = (report->count() > 0 || exporter->count() > 0) &&
                          (report->count() == 0 || !report_folder.empty()) &&
                          (exporter->count() == 0 || !export_folder.empty());
  if (!program_folder && !logs_named) {
    std::error_code ec;
    std::cerr << "volleta: " << std::filesystem::current_path(ec).string()
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
  const auto log_folder = [](const std::string& given) {
    return given.empty() ? platform::ProgramFolder() / "log" : platform::PathOf(given);
  };
  if (report->count() > 0 || exporter->count() > 0) {
    int status = platform::kExitOk;
    if (report->count() > 0) {
      status = datalog::RunLogCommand(datalog::LogCommand::kReport, log_folder(report_folder),
                                      std::cout, std::cerr);
    }
    if (exporter->count() > 0 && status == platform::kExitOk) {
      status = datalog::RunLogCommand(datalog::LogCommand::kExport, log_folder(export_folder),
                                      std::cout, std::cerr);
    }
    return status;
  }
  try {
    if (pilot_option->count() > 0) {
      if (check || Module1::Command.empty()) {
        std::cerr << "volleta: --pilot needs the settings file's name (and no --check)" << std::endl;
        return platform::kExitInputRefused;
      }
      // The automated participant acts on each page as it loads, so a pilot shows
      // every throw as a new page.
      options.window.display.swap = false;
      return game::RunPilot(pilot, options, RunSession, std::cout, std::cerr);
    }
    if (check) {
      session::RunSetUp(session::SetUpMode::kCheck);
      const std::string device = ttl::CheckPortForSession(options.port_log, options.ttl_device);
      std::string summary = session::CheckSummary(device);
      const std::size_t verdict = summary.rfind("All checks passed.");
      summary.insert(verdict == std::string::npos ? summary.size() : verdict,
                     "Display: " + game::DisplayDescription(options.window.display) + "\n" +
                         lsl_out::CheckOutletsForSession({false, ""}));
      std::cout << summary << datalog::CheckLogFolder(platform::ProgramFolder() / "log")
                << std::flush;
      return platform::kExitOk;
    }
    return RunSession(options);
  } catch (const platform::ProgramEnd& end) {
    return end.Status();
  }
}
