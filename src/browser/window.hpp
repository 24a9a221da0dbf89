#pragma once
// The browser window of a run: the local server plus, unless told otherwise,
// a launched app window showing it.
#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "browser/browser.hpp"
#include "browser/launcher.hpp"
#include "browser/server.hpp"

namespace browser {

struct WindowOptions {
  bool no_browser = false;  // --no-browser: launch nothing, print the start page's address
  std::string browser;      // --browser PATH: the browser to launch instead of the first found
  bool headless = false;    // --headless: launch the browser headless
};

class Window final : public Browser {
 public:
  // How long the pages may all be gone before the window counts as closed
  // when no browser was launched.
  static constexpr std::chrono::milliseconds kGoneGrace{5000};

  Window(boost::asio::io_context& io, BrowserEvents& events, std::filesystem::path html_folder,
         const WindowOptions& options, std::ostream& out, std::ostream& err);
  ~Window() override;

  // The first navigation opens the window on that page (or prints its
  // address); later ones go through the server.
  void Navigate2(const std::filesystem::path& page) override;
  void Stop() override;
  // Closes the window; no event is raised after this.
  void Quit() override;

  Server& GetServer() { return server_; }
  // Whether a browser was launched and is running.
  bool Launched() const { return launcher_ && launcher_->Running(); }

 private:
  void Open(const std::string& url);
  void ShowAddress(const std::string& url);
  void OnBrowserExit(int status);
  void OnStreams(std::size_t open);
  void WaitForSignal();

  boost::asio::io_context& io_;
  BrowserEvents& events_;
  WindowOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  Server server_;
  std::unique_ptr<Launcher> launcher_;
  boost::asio::signal_set signals_;
  boost::asio::steady_timer gone_timer_;
  std::string start_url_;
  bool opened_ = false;
  bool address_only_ = false;  // the pages' connections stand for the window
  bool quitting_ = false;
};

// Start-up's opening of the window: when the program was started with a
// settings name (Module1::Command), first lets a second pass on the loop;
// then starts the server for the program folder's html folder with `events`
// as its sink and returns the window. Its first Navigate2 (the start page)
// opens the browser on that page. SIGINT and SIGTERM close the window and
// raise events.Sink_OnQuit(). Call it before the loop runs.
Browser* OpenWindow(boost::asio::io_context& io, BrowserEvents& events,
                    const WindowOptions& options);
// The window OpenWindow made, if any.
Window* CurrentWindow();
// Closes the window OpenWindow made (ends a launched browser, removes its
// profile). Call it before the io_context goes.
void CloseWindow();

}  // namespace browser
