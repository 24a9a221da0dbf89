// The session: start-up, then the event loop until the program ends.
#include <boost/asio/io_context.hpp>

#include "commands/commands.hpp"
#include "game/run_record.hpp"
#include "game/terminal.hpp"
#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "platform/event_loop.hpp"
#include "platform/program.hpp"
#include "session/study_options.hpp"
#include "ttl/fttl.hpp"
#include "ttl/session_port.hpp"

namespace commands {

int PlayGame(const StartOptions& options) {
  const platform::FineTimers fine_timers;
  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);
  // A failing event must not take the session down with it: it is reported
  // and the loop goes on with the next event.
  platform::SetFailureReport(game::ReportProblem);
  int status = platform::kExitOk;
  game::BeginRunRecord();
  {
    frmMain form(io, options);
    try {
      form.Form_Load();
      io.run();
    } catch (const platform::ProgramEnd& end) {
      status = end.Status();
    }
    game::FinishRunRecord(options, {form.GameStarted, form.GameOver, form.AddressOnly(), status});
  }
  ttl::UnloadForm();
  platform::SetFailureReport(nullptr);
  ttl::ClosePortForSession();
  lsl_out::CloseOutletsForSession();
  platform::SetScheduler(nullptr);
  return status;
}

int RunSession(const Options& options, Streams) {
  StartOptions start = options.start;
  if (session::StudyOptionsOrRefuse().fullscreen) start.window.fullscreen = true;
  return PlayGame(start);
}

}  // namespace commands
