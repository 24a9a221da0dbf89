#include "browser/http_session.hpp"

#include <algorithm>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/websocket/rfc6455.hpp>
#include <chrono>
#include <map>
#include <sstream>
#include <system_error>
#include <utility>

#include "browser/navigation_reply.hpp"
#include "browser/page_script.hpp"
#include "browser/url_path.hpp"
#include "platform/event_loop.hpp"
#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"

namespace browser {
namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace fs = std::filesystem;
using tcp = net::ip::tcp;

constexpr std::size_t kHeaderLimit = 8 * 1024;
constexpr std::size_t kBodyLimit = 1024;
constexpr auto kRequestTimeout = std::chrono::seconds(30);

const char kNotFoundPage[] =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Not found</title></head>\n"
    "<body style=\"font-family: sans-serif\"><p>This page was not found.</p></body></html>\n";

bool IEquals(std::string_view a, std::string_view b) {
  return platform::AsciiLower(a) == platform::AsciiLower(b);
}

std::string ContentType(const fs::path& file) {
  static const std::map<std::string, std::string> kTypes = {
      {".htm", "text/html"},        {".html", "text/html"},  {".gif", "image/gif"},
      {".png", "image/png"},        {".jpg", "image/jpeg"},  {".jpeg", "image/jpeg"},
      {".bmp", "image/bmp"},        {".webp", "image/webp"}, {".svg", "image/svg+xml"},
      {".ico", "image/x-icon"},     {".css", "text/css"},    {".js", "text/javascript"},
      {".txt", "text/plain"},       {".wav", "audio/wav"},   {".mp3", "audio/mpeg"},
      {".json", "application/json"}};
  const auto it = kTypes.find(platform::AsciiLower(file.extension().string()));
  return it == kTypes.end() ? "application/octet-stream" : it->second;
}

// A page request: a document by its Sec-Fetch-Dest or, without that header,
// by its Accept.
bool IsDocument(const http::request<http::string_body>& req) {
  const std::string_view dest = req["Sec-Fetch-Dest"];
  if (!dest.empty()) return IEquals(dest, "document");
  return platform::AsciiLower(req[http::field::accept]).find("text/html") != std::string::npos;
}

// The leading digits of a number the page sent, capped far below overflow.
std::uint64_t ParseCount(std::string_view text) {
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'), 1ull << 62);
  }
  return value;
}

}  // namespace

HttpSession::HttpSession(tcp::socket socket, std::shared_ptr<const Site> site,
                         std::shared_ptr<RunClaim> claim,
                         std::shared_ptr<NavigationState> navigation,
                         std::shared_ptr<EventStreams> streams,
                         std::shared_ptr<PageSockets> sockets)
    : site_(std::move(site)),
      claim_(std::move(claim)),
      navigation_(std::move(navigation)),
      streams_(std::move(streams)),
      sockets_(std::move(sockets)),
      stream_(std::move(socket)),
      buffer_(kHeaderLimit + kBodyLimit) {}

void HttpSession::Close() {
  beast::error_code ignored;
  stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
  stream_.close();
}

void HttpSession::Read() {
  parser_.emplace();
  parser_->header_limit(kHeaderLimit);
  parser_->body_limit(kBodyLimit);
  stream_.expires_after(kRequestTimeout);
  http::async_read(
      stream_, buffer_, *parser_,
      [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnRead(ec); });
}

void HttpSession::OnRead(beast::error_code ec) {
  // Closed by the server shutting down.
  if (!stream_.socket().is_open()) return;
  if (ec == http::error::end_of_stream || ec == beast::error::timeout ||
      ec == net::error::operation_aborted || ec == net::error::connection_reset) {
    Close();
    return;
  }
  if (ec) {
    // A malformed or oversized request: answer it once and hang up.
    const bool too_large = ec == http::error::header_limit || ec == http::error::body_limit ||
                           ec == http::error::buffer_overflow;
    Response res{too_large ? http::status::payload_too_large : http::status::bad_request, 11};
    res.set(http::field::content_type, "text/plain; charset=utf-8");
    res.body() = "Bad request\n";
    Reply(std::move(res), false, false);
    return;
  }
  Route(parser_->release());
}

void HttpSession::Route(const Request& req) {
  const bool head = req.method() == http::verb::head;
  if (req.method() != http::verb::get && !head) {
    Response res{http::status::forbidden, req.version()};
    res.set(http::field::content_type, "text/plain; charset=utf-8");
    res.body() = "Forbidden\n";
    Reply(std::move(res), false, false);
    return;
  }
  // Only this machine's own names for the server: a page of another site
  // that resolves its name to 127.0.0.1 is refused.
  const std::string_view host = req[http::field::host];
  const std::string port = ":" + std::to_string(site_->port);
  if (!IEquals(host, "127.0.0.1" + port) && !IEquals(host, "localhost" + port)) {
    ReplyPlain(req, http::status::forbidden, "Forbidden\n");
    return;
  }

  const std::string_view target = req.target();
  const std::size_t question = target.find('?');
  const std::string_view path = target.substr(0, question);
  const std::string_view query =
      question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
  const std::string events_path = "/" + site_->prefix + "/events";
  const std::string html_path = "/" + site_->prefix + "/html/";
  const bool events = path == events_path && !head;
  const bool socket = path == "/" + site_->prefix + "/socket" && !head;
  const bool facts = path == "/" + site_->prefix + "/facts" && !head;
  const bool document = !events && !socket && !facts && !head && IsDocument(req);
  if ((events || socket || facts || path.starts_with(html_path)) && !FromTheWindow(req, document)) {
    ReplyPlain(req, http::status::forbidden, "Forbidden\n");
  } else if (events) {
    StartEventStream(req, query);
  } else if (socket) {
    StartPageSocket(req);
  } else if (facts) {
    TakePageFacts(req, query);
  } else if (path.starts_with(html_path)) {
    ServeHtml(req, path.substr(html_path.size()));
  } else {
    ReplyPlain(req, http::status::not_found, "Not found\n");
  }
}

std::string HttpSession::FullUrl(const Request& req) const {
  return site_->OriginFor(req[http::field::host]) + std::string(req.target());
}

void HttpSession::ServeHtml(const Request& req, std::string_view escaped) {
  const std::optional<std::string> key = KeyFromUrlPath(escaped);
  const std::optional<fs::path> file = key ? site_->html.FileFor(*key) : std::nullopt;
  if (!file) {
    ReplyPlain(req, http::status::not_found, "Not found\n");
    return;
  }
  const bool document = IsDocument(req);
  const bool head = req.method() == http::verb::head;
  if (document && !head && !navigation_->TakeApproved(FullUrl(req)) && RaiseNavigation(req)) {
    return;
  }
  ServeFile(req, *file, *key, document);
}

bool HttpSession::FromTheWindow(const Request& req, bool document) {
  switch (claim_->Admit(req[http::field::cookie], document)) {
    case RunClaim::Admission::kRefused:
      return false;
    case RunClaim::Admission::kWindow:
      return true;
    case RunClaim::Admission::kClaims:
      set_cookie_ = claim_->SetCookie();
      return true;
  }
  return false;
}

bool HttpSession::RaiseNavigation(const Request& req) {
  // Handled to its end before anything else.
  std::optional<NavigationState::Answer> answer;
  bool handled = false;
  platform::RunHandler([&] {
    answer = navigation_->RaiseBeforeNavigate(FullUrl(req));
    handled = true;
  });
  if (handled && !stream_.socket().is_open()) return true;  // the handler shut the server down
  // A handler that failed part-way (and was reported) leaves the shown page;
  // with no one to ask, the page is served.
  const NavigationReply reply = !handled ? NavigationReply{NavigationReply::kStay, {}}
                                : answer ? ReplyTo(*answer, site_->prefix, std::nullopt)
                                         : NavigationReply{NavigationReply::kLoad, {}};
  switch (reply.kind) {
    case NavigationReply::kLoad:
      return false;
    case NavigationReply::kGoTo:
    case NavigationReply::kSwap: {  // never without a socket
      Response res{http::status::see_other, req.version()};
      res.set(http::field::location, reply.location);
      Reply(std::move(res), false, req.keep_alive());
      return true;
    }
    case NavigationReply::kStay:
      Reply(Response{http::status::no_content, req.version()}, false, req.keep_alive());
      return true;
  }
  return false;
}

void HttpSession::ServeFile(const Request& req, const fs::path& file, const std::string& key,
                            bool document) {
  const bool head = req.method() == http::verb::head;
  std::optional<std::string> bytes = navigation_->PageBytes(key, file);
  const NavigationState::Served served = document && !head
                                             ? navigation_->TakeDocument(key)
                                             : NavigationState::Served{navigation_->Seq(), 0};
  const PageScriptSettings script{site_->prefix, served.seq, served.number, site_->display};
  if (!bytes) {
    if (!document) {
      ReplyPlain(req, http::status::not_found, "Not found\n");
      return;
    }
    // The window can still be led on from here.
    Response res{http::status::not_found, req.version()};
    res.set(http::field::content_type, "text/html; charset=utf-8");
    res.body() = kNotFoundPage + PageScript(script);
    Reply(std::move(res), head, req.keep_alive());
    return;
  }
  const std::string type = ContentType(file);
  Response res{http::status::ok, req.version()};
  res.set(http::field::content_type, type);
  res.body() = std::move(*bytes);
  if (type == "text/html") res.body() += PageScript(script) + site_->page_extra;
  // Stylesheets and still pictures can't change during a run and every run has
  // its own prefix, so the window may keep them. Animations are fetched anew,
  // so that each throw plays from its first frame.
  if (type == "text/css" || type == "image/png" || type == "image/jpeg") {
    res.set(http::field::cache_control, "private, max-age=86400");
  }
  Reply(std::move(res), head, req.keep_alive());
}

PageFacts ParsePageFacts(std::string_view query) {
  PageFacts facts;
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    const std::size_t eq = pair.find('=');
    if (eq == std::string_view::npos) continue;
    std::optional<std::string> value = PercentDecode(pair.substr(eq + 1));
    if (!value) continue;
    std::erase_if(*value, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
    if (value->size() > 100) value->resize(100);
    const std::string_view name = pair.substr(0, eq);
    if (name == "browser") facts.browser = std::move(*value);
    if (name == "screen") facts.screen = std::move(*value);
    if (name == "hz") facts.frame_rate = std::move(*value);
  }
  return facts;
}

void HttpSession::TakePageFacts(const Request& req, std::string_view query) {
  const PageFacts facts = ParsePageFacts(query);
  platform::RunHandler([&] { navigation_->RaisePageFacts(facts); });
  if (!stream_.socket().is_open()) return;  // the handler shut the server down
  Reply(Response{http::status::no_content, req.version()}, false, req.keep_alive());
}

void HttpSession::StartEventStream(const Request& req, std::string_view query) {
  // The page's own count of navigations, from the query or, on the
  // browser's own reconnection, the last event id it saw.
  std::uint64_t known = 0;
  if (query.starts_with("seq=")) known = ParseCount(query.substr(4));
  known = std::max(known, ParseCount(req["Last-Event-ID"]));

  http::response<http::empty_body> res{http::status::ok, req.version()};
  res.set(http::field::content_type, "text/event-stream");
  res.set(http::field::cache_control, "no-store");
  res.set(http::field::server, "volleta");
  res.set(http::field::connection, "close");
  std::ostringstream header;
  header << res.base();

  stream_.expires_never();
  auto stream = std::make_shared<EventStream>(streams_, stream_.release_socket());
  stream->Start(header.str());
  if (const std::optional<std::string> missed = navigation_->CatchUp(known)) stream->Send(*missed);
  streams_->Add(stream);
}

void HttpSession::StartPageSocket(const Request& req) {
  // Host was checked already; the page must be one of ours too, or a page of
  // any other site could drive the game.
  const std::string origin = site_->OriginFor(req[http::field::host]);
  if (!beast::websocket::is_upgrade(req) || !IEquals(req[http::field::origin], origin)) {
    ReplyPlain(req, http::status::forbidden, "Forbidden\n");
    return;
  }
  stream_.expires_never();
  auto socket =
      std::make_shared<PageSocket>(stream_.release_socket(), site_, navigation_, sockets_);
  sockets_->Add(socket);
  socket->Start(req);
}

void HttpSession::Reply(Response res, bool head, bool keep_alive) {
  if (res.find(http::field::cache_control) == res.end()) {
    res.set(http::field::cache_control, "no-store");
  }
  res.set(http::field::server, "volleta");
  res.set("X-Content-Type-Options", "nosniff");
  if (!set_cookie_.empty()) res.set(http::field::set_cookie, std::exchange(set_cookie_, {}));
  res.keep_alive(keep_alive);
  res.content_length(res.body().size());
  // A HEAD answer has the GET answer's headers and no body.
  if (head) res.body().clear();
  auto message = std::make_shared<Response>(std::move(res));
  stream_.expires_after(kRequestTimeout);
  http::async_write(
      stream_, *message,
      [self = shared_from_this(), message, keep_alive](beast::error_code ec, std::size_t) {
        if (ec || !keep_alive) {
          self->Close();
          return;
        }
        self->Read();
      });
}

void HttpSession::ReplyPlain(const Request& req, http::status status, std::string body) {
  Response res{status, req.version()};
  res.set(http::field::content_type, "text/plain; charset=utf-8");
  res.body() = std::move(body);
  Reply(std::move(res), req.method() == http::verb::head, req.keep_alive());
}

}  // namespace browser
