// --check: the settings file, its schedule, ttl.txt and the log folder, in a summary.
#include <iostream>

#include "commands/commands.hpp"
#include "game/terminal.hpp"
#include "lsl/outlets.hpp"
#include "platform/program.hpp"
#include "report/log_commands.hpp"
#include "session/setup.hpp"
#include "session/study_options.hpp"
#include "ttl/session_port.hpp"

namespace commands {
namespace {

// How the session's window will look.
std::string WindowDescription(bool fullscreen_option) {
  if (fullscreen_option) return "full screen without a title bar (--fullscreen)";
  if (session::StudyOptionsOrRefuse().fullscreen) {
    return "full screen without a title bar (fullscreen = yes in volleta.ini)";
  }
  return "maximised with a title bar (Firefox: full screen)";
}

}  // namespace

int RunCheck(const Options& options, Streams streams) {
  const std::string window = WindowDescription(options.start.window.fullscreen);
  session::RunSetUp(session::SetUpMode::kCheck);
  const std::string device =
      ttl::CheckPortForSession(options.start.port_log, options.start.ttl_device);
  std::string summary = session::CheckSummary(device);
  const std::size_t verdict = summary.rfind("All checks passed.");
  summary.insert(verdict == std::string::npos ? summary.size() : verdict,
                 "Display: " + game::DisplayDescription(options.start.window.display) + "\n" +
                     "Window: " + window + "\n" + lsl_out::CheckOutletsForSession({false, ""}));
  streams.out << summary << report::CheckLogFolder(platform::ProgramFolder() / "log") << std::flush;
  return platform::kExitOk;
}

}  // namespace commands
