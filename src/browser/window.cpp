#include "browser/window.hpp"

#include <boost/asio/post.hpp>
#include <iostream>

#include "platform/display.hpp"
#include "platform/event_loop.hpp"

namespace browser {

Window::Window(boost::asio::io_context& io, BrowserEvents& events,
               std::filesystem::path html_folder, const WindowOptions& options, std::ostream& out,
               std::ostream& err)
    : io_(io),
      events_(events),
      options_(options),
      out_(out),
      err_(err),
      server_(io, events, std::move(html_folder), options.display,
              options.participant ? PilotScript(*options.participant) : std::string(),
              options.public_origin),
      signals_(io, SIGINT, SIGTERM),
      gone_timer_(io) {
  server_.OnStreamsChanged([this](std::size_t open) { OnStreams(open); });
  WaitForSignal();
}

Window::~Window() {
  boost::system::error_code ignored;
  signals_.cancel(ignored);
  gone_timer_.cancel();
  quitting_ = true;
  launcher_.reset();
}

void Window::Navigate2(const std::filesystem::path& page) {
  const bool first = !opened_;
  opened_ = true;
  // The server first, so that the page learns it is already up to date.
  server_.Navigate2(page);
  if (!first) return;
  if (const std::optional<std::string> url = server_.UrlFor(page)) Open(*url);
}

void Window::Stop() { server_.Stop(); }

std::uint64_t Window::NavigationNumber() const { return server_.NavigationNumber(); }

void Window::Provide(const std::filesystem::path& page, std::string bytes) {
  server_.Provide(page, std::move(bytes));
}

std::uint64_t Window::Stage(const std::filesystem::path& page, std::string bytes, double due) {
  return server_.Stage(page, std::move(bytes), due);
}

void Window::StageChoices(const std::filesystem::path& page, Choices choices) {
  server_.StageChoices(page, std::move(choices));
}

void Window::Quit() {
  if (quitting_) return;
  quitting_ = true;
  gone_timer_.cancel();
  server_.DetachEvents();
  server_.Quit();
  if (launcher_) launcher_->Terminate();
}

void Window::Open(const std::string& url) {
  start_url_ = url;
  if (options_.no_browser) {
    ShowAddress(url);
    return;
  }
  if (options_.participant) options_.headless = true;
  if (!options_.headless && !platform::HasDisplay()) {
    err_ << "volleta: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so no browser is "
            "started; open the address printed on standard output."
         << std::endl;
    ShowAddress(url);
    return;
  }
  const std::optional<std::string> program = FindBrowser(options_.browser);
  if (!program) {
    if (options_.browser.empty()) {
      err_ << "volleta: no browser found (tried " << KnownBrowserList()
           << "); open the address printed on standard output." << std::endl;
    } else {
      err_ << "volleta: the browser " << options_.browser
           << " was not found; open the address printed on standard output." << std::endl;
    }
    ShowAddress(url);
    return;
  }
  launcher_ = std::make_unique<Launcher>(io_, [this](int code) { OnBrowserExit(code); });
  std::string error;
  if (!launcher_->Start(*program, url, options_.headless, options_.fullscreen, &error)) {
    err_ << "volleta: " << error << "; open the address printed on standard output." << std::endl;
    launcher_.reset();
    ShowAddress(url);
  }
}

void Window::ShowAddress(const std::string& url) {
  if (options_.participant) {
    // Nobody is there to open it: the pilot game ends here.
    err_ << "volleta: the pilot's browser could not show the game" << std::endl;
    boost::asio::post(io_, [this] {
      if (!quitting_) RaiseQuit();
    });
    return;
  }
  address_only_ = true;
  out_ << url << '\n' << std::flush;
  // Behind a relay the participant may never arrive: the wait starts now.
  if (!options_.public_origin.empty()) OnStreams(server_.OpenStreams());
}

void Window::OnBrowserExit(int exit_code) {
  if (quitting_) return;
  const bool failed = exit_code != 0;
  if (failed && !server_.EverConnected()) {
    // It never showed a page: let the experimenter open one instead of
    // ending the session before it began.
    err_ << "volleta: the browser ended before showing the start page; open the address printed "
            "on standard output."
         << std::endl;
    ShowAddress(start_url_);
    return;
  }
  RaiseQuit();
}

void Window::RaiseQuit() {
  quitting_ = true;
  platform::RunHandler([this] { events_.Sink_OnQuit(); });
}

void Window::OnStreams(std::size_t open) {
  if (open > 0 && !shown_ && !options_.participant) {
    shown_ = true;
    err_ << "[volleta] the window shows the experiment" << std::endl;
  }
  if (!address_only_ || quitting_) return;
  if (open > 0) {
    gone_timer_.cancel();
    return;
  }
  gone_timer_.expires_after(options_.gone_grace);
  gone_timer_.async_wait([this](const boost::system::error_code& ec) {
    if (ec || quitting_ || server_.OpenStreams() > 0) return;
    RaiseQuit();
  });
}

void Window::SetGoneGrace(std::chrono::milliseconds grace) {
  options_.gone_grace = grace;
  // A wait already running is measured anew.
  if (address_only_ && !quitting_ && server_.OpenStreams() == 0) OnStreams(0);
}

void Window::WaitForSignal() {
  signals_.async_wait([this](const boost::system::error_code& ec, int) {
    if (ec) return;
    const bool raise = !quitting_;
    Quit();
    if (raise) platform::RunHandler([this] { events_.Sink_OnQuit(); });
  });
}

}  // namespace browser
