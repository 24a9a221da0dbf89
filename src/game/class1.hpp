#pragma once
// The browser's event sink: turns navigations into the connection screen,
// the game start and the subject's throws, and the window's closing into the
// end of the program. One game per run: once the game has started no
// navigation starts it again, and once it is over every navigation leads
// back to the thank-you page.
#include <filesystem>
#include <functional>
#include <string>

#include "browser/browser.hpp"
#include "platform/event_loop.hpp"

// What the sink drives and reads of the main form that owns it.
struct FormLink {
  platform::Timer& Timer1;  // the game timer
  platform::Timer& Timer2;  // the connection timer
  bool& GameStarted;
  const bool& GameOver;
  // The window asked for the thank-you page.
  std::function<void()> ThankYouShown;
  // The game timer was armed: what its tick will show is sent ahead.
  std::function<void()> StageTick;
  // The window's answer to that: see BrowserEvents::Sink_StageTimed.
  std::function<bool(std::uint64_t, double)> StageTimed;
};

class Class1 final : public browser::BrowserEvents {
 public:
  explicit Class1(FormLink form) : form_(std::move(form)) {}

  // The browser whose events arrive here; every navigation and window call
  // after start-up goes through it.
  browser::Browser* Sink = nullptr;

  void Sink_BeforeNavigate2(const std::string& URL) override;
  void Sink_OnQuit() override;
  void Sink_Presented(std::uint64_t navigation, double time) override;
  void Sink_PageFacts(const browser::PageFacts& facts) override;
  bool Sink_StageTimed(std::uint64_t stage, double at) override;

  // Sends the window to a page of the game's own and remembers it as the page
  // the window should show.
  void Show(const std::filesystem::path& page);
  // The page the game last sent the window to.
  std::filesystem::path Shown;

 private:
  // A navigation the game has no use for, once it has started: the window is
  // kept on (or sent back to) the page it should show.
  void KeepShown(const std::string& URL);

  FormLink form_;
};
