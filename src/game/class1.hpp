#pragma once
// The browser's event sink: turns navigations into the connection screen,
// the game start and the subject's throws, and the window's closing into the
// end of the program.
#include <string>

#include "browser/browser.hpp"

class frmMain;

class Class1 final : public browser::BrowserEvents {
 public:
  // `form` is the main form whose timers the events drive; it owns this sink.
  explicit Class1(frmMain &form) : form_(form) {}

  // The browser whose events arrive here; every navigation and window call
  // after start-up goes through it.
  browser::Browser *Sink = nullptr;

  void Sink_BeforeNavigate2(const std::string &URL) override;
  void Sink_OnQuit() override;
  void Sink_Presented(std::uint64_t navigation, double time) override;

 private:
  frmMain &form_;
};
