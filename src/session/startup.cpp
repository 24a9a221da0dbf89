// Start-up: everything a session needs before the participant sees anything,
// then the browser window on the start page.
#include "game/class1.hpp"
#include "game/frm_main.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/setup.hpp"
#include "ttl/session_port.hpp"

void frmMain::Form_Load() {
  session::RunSetUp(session::SetUpMode::kSession);
  // A port that can't be written is refused now, not at the first catch.
  ttl::OpenPortForSession(*Io, Options.port_log, Options.ttl_device);

  static Class1 events;
  Module1::BrowserEvents = &events;
  Module1::Browser = browser::OpenWindow(*Io, events, Options.window);
  events.Sink = Module1::Browser;
  events.Sink->Navigate2(platform::ProgramFolder() / "html" / Module1::StartPage);
}
