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
#include "browser/pilot_participant.hpp"
#include "browser/server.hpp"

namespace browser {

struct WindowOptions {
  bool no_browser = false;  // --no-browser: launch nothing, print the start page's address
  std::string browser;      // --browser PATH: the browser to launch instead of the first found
  bool headless = false;    // --headless: launch the browser headless
  bool fullscreen = false;  // --fullscreen or volleta.ini: full screen without a title bar
  // A pilot: the browser is launched headless with the automated participant
  // in its pages, and a window that can't be launched ends the game instead
  // of waiting for someone to open its address.
  std::optional<PilotParticipant> participant;
  DisplayOptions display;  // --display, --photodiode
  // An online game's: the origin the participant's browser sees (Server).
  std::string public_origin;
  // How long the pages may all be gone before the window counts as closed
  // when no browser was launched.
  std::chrono::milliseconds gone_grace{5000};
};

class Window final : public Browser {
 public:
  // Starts the server for `html_folder` with `events` as its sink; the first
  // Navigate2 opens the browser on that page. Messages for the experimenter go
  // to `err`, the start page's address (when no browser is launched) to `out`.
  // SIGINT and SIGTERM close the window and raise events.Sink_OnQuit().
  Window(boost::asio::io_context& io, BrowserEvents& events, std::filesystem::path html_folder,
         const WindowOptions& options, std::ostream& out, std::ostream& err);
  ~Window() override;

  // The first navigation opens the window on that page (or prints its
  // address); later ones go through the server.
  void Navigate2(const std::filesystem::path& page) override;
  void Stop() override;
  std::uint64_t NavigationNumber() const override;
  void Provide(const std::filesystem::path& page, std::string bytes) override;
  std::uint64_t Stage(const std::filesystem::path& page, std::string bytes, double due) override;
  void StageChoices(const std::filesystem::path& page, Choices choices) override;
  // Closes the window; no event is raised after this.
  void Quit() override;

  // Whether a browser was launched and is running.
  bool Launched() const { return launcher_ && launcher_->Running(); }
  // Whether the start page's address was printed for someone to open, no
  // browser having been launched.
  bool AddressOnly() const { return address_only_; }
  // From now on the pages may all be gone for `grace` (WindowOptions).
  void SetGoneGrace(std::chrono::milliseconds grace);

 private:
  void Open(const std::string& url);
  void ShowAddress(const std::string& url);
  void OnBrowserExit(int exit_code);
  void RaiseQuit();
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
  bool shown_ = false;  // a page has connected
};

}  // namespace browser
