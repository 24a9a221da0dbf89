#pragma once
// The local web server that shows the experiment's html folder to the browser
// window and turns the window's page requests into the before-navigate event.
//
// It runs on the program's one event loop, so each request is handled to its
// end (including the game's event handler) before the next event.
//  - Pages are served under a random per-run prefix: /<32 hex digits>/html/...
//    and only to the window that asked first (the claim's cookie).
//  - A page the program composed (Provide) is served and swapped in from its
//    bytes, never read back from its file, which another run sharing the
//    folder may overwrite.
//  - A GET whose Sec-Fetch-Dest is "document" (or, without that header, whose
//    Accept lists text/html) raises Sink_BeforeNavigate2 with the full URL.
//    Stop in the handler answers 204 (the shown page stays); Navigate2 in the
//    handler answers 303 to that page.
//  - Navigate2 at any other time reaches the shown pages: a page that shows
//    the same page file and holds a ready socket gets the new file's bytes and
//    swaps them in place (unless the display option says navigate); every
//    other page is sent there over the event stream that a script appended to
//    every HTML response keeps open.
//  - A link a page follows over its socket raises Sink_BeforeNavigate2 as a
//    page request would, and a page's report that it was presented raises
//    Sink_Presented (page_socket.hpp).
#include <boost/asio/io_context.hpp>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "browser/browser.hpp"
#include "browser/page_script.hpp"

namespace browser {

class Server final : public Browser {
 public:
  // Binds 127.0.0.1 on a free port and starts accepting. `html_folder` is the
  // folder served; `events` receives the before-navigate event and must
  // outlive the server. `page_extra` is added to every HTML page after the
  // page script: empty but in a pilot, whose participant script it holds.
  // `public_origin`, when given, is the origin the browser sees through a
  // relay that keeps Host on the loopback: pages and sockets must come from
  // it, every URL sent to a page uses it, and an https one makes the claim's
  // cookie Secure. Throws boost::system::system_error when it cannot bind.
  Server(boost::asio::io_context& io, BrowserEvents& events, std::filesystem::path html_folder,
         DisplayOptions display = {}, std::string page_extra = {}, std::string public_origin = {});
  ~Server() override;
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  void Navigate2(const std::filesystem::path& page) override;
  void Stop() override;
  void Provide(const std::filesystem::path& page, std::string bytes) override;
  // Staged on the pages showing `page` that can be swapped, and on those that
  // become so before `due` (only with --display staged).
  std::uint64_t Stage(const std::filesystem::path& page, std::string bytes, double due) override;
  void StageChoices(const std::filesystem::path& page, Choices choices) override;
  // Tells the shown pages that the program is ending and closes their streams.
  void Quit() override;
  std::uint64_t NavigationNumber() const override;

  std::uint16_t Port() const;
  const std::string& Prefix() const;  // 32 lowercase hex digits
  std::string Origin() const;         // http://127.0.0.1:PORT
  // The full loopback URL of a file under the html folder, or nullopt for a
  // path outside it.
  std::optional<std::string> UrlFor(const std::filesystem::path& page) const;

  // Open page event streams.
  std::size_t OpenStreams() const;
  // Open page sockets.
  std::size_t OpenSockets() const;
  // Whether a page has ever connected its event stream.
  bool EverConnected() const;
  // Called with the number of open page streams whenever it changes.
  void OnStreamsChanged(std::function<void(std::size_t)> callback);
  // Stops delivering events to `events` (after the window was told to quit).
  void DetachEvents();

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

}  // namespace browser
