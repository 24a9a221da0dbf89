#pragma once
// One browser connection to the server: reads requests, routes each, and
// answers it, until the connection becomes a page's event stream or ends.
//
// Routes, under the run's prefix:
//   /<prefix>/events       the page's event stream (event_stream.hpp)
//   /<prefix>/socket       the page's WebSocket (page_socket.hpp): only from a
//                          page of this server (its Origin)
//   /<prefix>/html/<path>  a file of the html folder; a page request first
//                          raises the before-navigate event
// All three only for the run's window (run_claim.hpp).
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "browser/browser.hpp"
#include "browser/event_stream.hpp"
#include "browser/navigation_state.hpp"
#include "browser/page_socket.hpp"
#include "browser/run_claim.hpp"
#include "browser/site.hpp"

namespace browser {

// What a page reports of its window: name=value pairs, values percent-encoded;
// each value is kept to one line of at most 100 bytes, since it goes into the
// session record. Unknown names and undecodable values are ignored.
PageFacts ParsePageFacts(std::string_view query);

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(boost::asio::ip::tcp::socket socket, std::shared_ptr<const Site> site,
              std::shared_ptr<RunClaim> claim, std::shared_ptr<NavigationState> navigation,
              std::shared_ptr<EventStreams> streams, std::shared_ptr<PageSockets> sockets);

  void Start() { Read(); }
  void Close();

 private:
  using Request = boost::beast::http::request<boost::beast::http::string_body>;
  using Response = boost::beast::http::response<boost::beast::http::string_body>;

  void Read();
  void OnRead(boost::beast::error_code ec);

  // Refuses what is not for the server, then picks the route by path.
  void Route(const Request& req);
  // The URL the page asked for, as the browser sees it (the public origin's).
  std::string FullUrl(const Request& req) const;
  // Whether the request comes from the run's window: it carries the claim's
  // cookie, or it is the page request that claims the run.
  bool FromTheWindow(const Request& req, bool document);
  // A file of the html folder; `escaped` is the path below ".../html/".
  void ServeHtml(const Request& req, std::string_view escaped);
  // Raises the before-navigate event for a page request. True when that
  // answered the request (or the handler shut the server down).
  bool RaiseNavigation(const Request& req);
  void ServeFile(const Request& req, const std::filesystem::path& file, const std::string& key,
                 bool document);
  // Hands the connection over to a new event stream.
  void StartEventStream(const Request& req, std::string_view query);
  // Hands the connection over to a page socket, when the upgrade request
  // comes from a page of this server.
  void StartPageSocket(const Request& req);
  // A page's report of the window (page_script.js): browser, screen, frame rate.
  void TakePageFacts(const Request& req, std::string_view query);

  // Sends `res` with the common headers; HEAD answers carry no body. Reads
  // the next request afterwards when `keep_alive`.
  void Reply(Response res, bool head, bool keep_alive);
  void ReplyPlain(const Request& req, boost::beast::http::status status, std::string body);

  std::shared_ptr<const Site> site_;
  std::shared_ptr<RunClaim> claim_;
  std::shared_ptr<NavigationState> navigation_;
  std::shared_ptr<EventStreams> streams_;
  std::shared_ptr<PageSockets> sockets_;
  boost::beast::tcp_stream stream_;
  boost::beast::flat_buffer buffer_;
  std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> parser_;
  std::string set_cookie_;  // for the answer to the request that claimed the run
};

}  // namespace browser
