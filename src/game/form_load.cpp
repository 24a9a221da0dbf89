// Start-up: everything a session needs before the participant sees anything,
// then the browser window on the start page.
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <iostream>

#include "game/frm_main.hpp"
#include "game/run_record.hpp"
#include "game/terminal.hpp"
#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "ttl/session_port.hpp"

void frmMain::Form_Load() {
  // An online game asks nothing either: its subject ID is set beforehand.
  session::RunSetUp(options_.pilot || options_.online ? session::SetUpMode::kPilot
                                                      : session::SetUpMode::kSession);
  if (options_.online) {
    // A participant's own browser, far from any recording: no markers.
    Module1::TtlEnabled = false;
    Module1::TtlState = "off: online";
  } else {
    // Before a pilot turns TTL off: the markers carry ttl.txt's codes when it is valid.
    lsl_out::OpenOutletsForSession(
        io_, {options_.pilot, game::DisplayDescription(options_.window.display)});
  }
  if (options_.pilot && options_.port_log.empty() && Module1::TtlEnabled) {
    Module1::TtlEnabled = false;
    Module1::TtlState = "off: a pilot sends no markers (--port-log FILE records them)";
  }
  // A port that can't be written is refused now, not at the first catch.
  ttl::OpenPortForSession(io_, options_.port_log, options_.ttl_device);

  if (options_.delay_window) WaitBeforeWindow();
  window_ = std::make_unique<browser::Window>(io_, Events, platform::ProgramFolder() / "html",
                                              options_.window, std::cout, std::cerr);
  game::ReportDisplay(options_.window.display);
  Module1::BrowserEvents = &Events;
  Module1::Browser = window_.get();
  Events.Sink = Module1::Browser;
  Events.Show(platform::ProgramFolder() / "html" / platform::PathOf(Module1::StartPage));
  game::RecordStartPageShown();
}

// A second passes, with the loop running, before the window opens.
void frmMain::WaitBeforeWindow() {
  const std::uint32_t t0 = platform::timeGetTime();
  boost::asio::steady_timer wake(io_);
  for (;;) {
    const std::uint32_t elapsed = platform::timeGetTime() - t0;
    if (elapsed > 1000) break;
    wake.expires_after(std::chrono::milliseconds(1001 - elapsed));
    wake.async_wait([](const boost::system::error_code&) {});
    if (io_.stopped()) io_.restart();
    io_.run_one();
  }
  wake.cancel();
  if (io_.stopped()) io_.restart();
}
