#pragma once
// The browser's event sink: turns navigations into the connection screen,
// the game start and the subject's throws, and the window's closing into the
// end of the program. One game per run: once the game has started no
// navigation starts it again, and once it is over every navigation leads
// back to the thank-you page.
#include <filesystem>
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

  // Sends the window to a page of the game's own and remembers it as the page
  // the window should show.
  void Show(const std::filesystem::path &page);
  // The page the game last sent the window to.
  std::filesystem::path Shown;

 private:
  // A navigation the game has no use for, once it has started: the window is
  // kept on (or sent back to) the page it should show.
  void KeepShown(const std::string &URL);

  frmMain &form_;
};
