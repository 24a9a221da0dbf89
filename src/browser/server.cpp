#include "browser/server.hpp"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <algorithm>
#include <array>
#include <cctype>
#include <deque>
#include <iostream>
#include <list>
#include <map>
#include <random>
#include <sstream>
#include <system_error>

#include "browser/page_script.hpp"
#include "platform/program.hpp"
#include "platform/text_file.hpp"

namespace browser {
namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace fs = std::filesystem;
using tcp = net::ip::tcp;

constexpr std::size_t kHeaderLimit = 8 * 1024;
constexpr std::size_t kBodyLimit = 1024;
constexpr std::size_t kMaxConnections = 64;
constexpr std::size_t kMaxQueuedMessages = 64;
constexpr std::size_t kMaxPending = 32;
constexpr auto kRequestTimeout = std::chrono::seconds(30);
constexpr auto kHeartbeat = std::chrono::seconds(15);

std::string RandomPrefix() {
  std::random_device device;
  std::string prefix;
  static constexpr char kHex[] = "0123456789abcdef";
  for (int i = 0; i < 32; ++i) prefix += kHex[device() % 16];
  return prefix;
}

bool IsUnreserved(unsigned char c) {
  return std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~';
}

std::string PercentEncodeSegment(const std::string& segment) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : segment) {
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes %XX escapes; nullopt for a malformed escape or a NUL byte.
std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int hi = HexValue(text[i + 1]);
      const int lo = HexValue(text[i + 2]);
      if (hi < 0 || lo < 0) return std::nullopt;
      c = static_cast<char>(hi * 16 + lo);
      i += 2;
    }
    if (c == '\0') return std::nullopt;
    out += c;
  }
  return out;
}

bool IEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string ContentType(const fs::path& file) {
  static const std::map<std::string, std::string> kTypes = {
      {".htm", "text/html"},        {".html", "text/html"},      {".gif", "image/gif"},
      {".png", "image/png"},        {".jpg", "image/jpeg"},      {".jpeg", "image/jpeg"},
      {".bmp", "image/bmp"},        {".webp", "image/webp"},     {".svg", "image/svg+xml"},
      {".ico", "image/x-icon"},     {".css", "text/css"},        {".js", "text/javascript"},
      {".txt", "text/plain"},       {".wav", "audio/wav"},       {".mp3", "audio/mpeg"},
      {".json", "application/json"}};
  const auto it = kTypes.find(platform::AsciiLower(file.extension().string()));
  return it == kTypes.end() ? "application/octet-stream" : it->second;
}

// Whether `path` lies inside `root` (both canonical), by whole components.
bool IsWithin(const fs::path& path, const fs::path& root) {
  auto p = path.begin();
  for (auto r = root.begin(); r != root.end(); ++r, ++p) {
    if (r->empty()) continue;  // a trailing separator of the root
    if (p == path.end() || *p != *r) return false;
  }
  return true;
}

const char kNotFoundPage[] =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Not found</title></head>\n"
    "<body style=\"font-family: sans-serif\"><p>This page was not found.</p></body></html>\n";

class HttpSession;
class EventStream;

}  // namespace

struct Server::Impl : std::enable_shared_from_this<Impl> {
  Impl(net::io_context& io_context, BrowserEvents& sink, fs::path folder)
      : io(io_context), events(&sink), acceptor(io_context), prefix(RandomPrefix()) {
    std::error_code ec;
    html_root = fs::absolute(folder, ec).lexically_normal();
    html_canonical = fs::weakly_canonical(html_root, ec);
    if (ec) html_canonical = html_root;
    const tcp::endpoint endpoint(net::ip::make_address_v4("127.0.0.1"), 0);
    acceptor.open(endpoint.protocol());
    acceptor.bind(endpoint);
    acceptor.listen(net::socket_base::max_listen_connections);
    port = acceptor.local_endpoint().port();
  }

  void Accept();
  void Shutdown();

  std::optional<std::string> RelativeKey(const fs::path& page) const;
  std::string UrlPath(const std::string& key) const {
    std::string url = "/" + prefix + "/html";
    std::stringstream segments(key);
    std::string segment;
    while (std::getline(segments, segment, '/')) url += "/" + PercentEncodeSegment(segment);
    return url;
  }

  void Navigate(const fs::path& page);
  void Remember(const std::string& key, std::uint64_t number);
  std::uint64_t SeqForDocument(const std::string& key) {
    const auto it = pending.find(key);
    if (it == pending.end()) return seq;
    const std::uint64_t number = it->second;
    pending.erase(it);
    return number;
  }

  void AddStream(const std::shared_ptr<EventStream>& stream, std::uint64_t known);
  void RemoveStream(EventStream* stream);
  void Broadcast(const std::string& message);
  void StreamsChanged() {
    if (on_streams_changed) on_streams_changed(streams.size());
  }

  net::io_context& io;
  BrowserEvents* events;
  fs::path html_root;
  fs::path html_canonical;
  tcp::acceptor acceptor;
  std::string prefix;
  std::uint16_t port = 0;
  bool shut_down = false;

  // Navigations issued by the program: the newest one's number and URL path.
  std::uint64_t seq = 0;
  std::string latest;
  // Pages a navigation was issued to (html-relative, decoded) and the number
  // a page served for it starts from, so that a later navigation issued
  // while it was loading still reaches it.
  std::map<std::string, std::uint64_t> pending;

  // The document request being handled, while its event handler runs.
  bool in_document = false;
  bool stop_called = false;
  std::optional<std::string> redirect;  // URL path

  std::list<std::weak_ptr<HttpSession>> sessions;
  std::list<std::shared_ptr<EventStream>> streams;
  bool ever_connected = false;
  std::function<void(std::size_t)> on_streams_changed;
};

namespace {

// One page's event stream. It holds the socket once the request asked for it.
class EventStream : public std::enable_shared_from_this<EventStream> {
 public:
  EventStream(std::shared_ptr<Server::Impl> server, tcp::socket socket)
      : server_(std::move(server)), socket_(std::move(socket)), heartbeat_(socket_.get_executor()) {}

  void Start(std::string header) {
    Send(std::move(header));
    Send("retry: 200\n\n");
    WatchClose();
    Beat();
  }

  void Send(std::string message) {
    if (closed_) return;
    if (queue_.size() >= kMaxQueuedMessages) {
      Close();
      return;
    }
    queue_.push_back(std::move(message));
    if (queue_.size() == 1) WriteNext();
  }

  // Closes the stream once what is queued has been written.
  void CloseWhenSent() {
    closing_ = true;
    if (queue_.empty()) Close();
  }

  void Close() {
    if (closed_) return;
    closed_ = true;
    boost::system::error_code ignored;
    socket_.shutdown(tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
    heartbeat_.cancel();
    server_->RemoveStream(this);
  }

 private:
  void WriteNext() {
    net::async_write(socket_, net::buffer(queue_.front()),
                     [self = shared_from_this()](beast::error_code ec, std::size_t) {
                       if (ec) {
                         self->Close();
                         return;
                       }
                       self->queue_.pop_front();
                       if (!self->queue_.empty()) {
                         self->WriteNext();
                       } else if (self->closing_) {
                         self->Close();
                       }
                     });
  }

  // The page sends nothing more; a read ends only when it goes away.
  void WatchClose() {
    socket_.async_read_some(net::buffer(scratch_),
                            [self = shared_from_this()](beast::error_code ec, std::size_t) {
                              if (ec) {
                                self->Close();
                              } else {
                                self->WatchClose();
                              }
                            });
  }

  void Beat() {
    heartbeat_.expires_after(kHeartbeat);
    heartbeat_.async_wait([self = shared_from_this()](beast::error_code ec) {
      if (ec || self->closed_) return;
      self->Send(":\n\n");
      self->Beat();
    });
  }

  std::shared_ptr<Server::Impl> server_;
  tcp::socket socket_;
  net::steady_timer heartbeat_;
  std::deque<std::string> queue_;
  std::array<char, 256> scratch_{};
  bool closing_ = false;
  bool closed_ = false;
};

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(std::shared_ptr<Server::Impl> server, tcp::socket socket)
      : server_(std::move(server)), stream_(std::move(socket)) {}

  void Start() { Read(); }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.close();
  }

 private:
  using Response = http::response<http::string_body>;

  void Read() {
    parser_.emplace();
    parser_->header_limit(kHeaderLimit);
    parser_->body_limit(kBodyLimit);
    stream_.expires_after(kRequestTimeout);
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](beast::error_code ec, std::size_t) {
                       self->OnRead(ec);
                     });
  }

  void OnRead(beast::error_code ec) {
    if (server_->shut_down) return;
    if (ec == http::error::end_of_stream || ec == beast::error::timeout ||
        ec == net::error::operation_aborted || ec == net::error::connection_reset) {
      Close();
      return;
    }
    if (ec) {
      // A malformed or oversized request: answer it once and hang up.
      const bool too_large = ec == http::error::header_limit || ec == http::error::body_limit ||
                             ec == http::error::buffer_overflow;
      Reply(Plain(too_large ? http::status::payload_too_large : http::status::bad_request, 11,
                  false, "Bad request\n"),
            false, false);
      return;
    }
    Handle(parser_->release());
  }

  static Response Plain(http::status status, unsigned version, bool keep_alive, std::string body) {
    Response res{status, version};
    res.set(http::field::content_type, "text/plain; charset=utf-8");
    res.body() = std::move(body);
    res.keep_alive(keep_alive);
    return res;
  }

  void Handle(http::request<http::string_body> req);
  void Serve(const http::request<http::string_body>& req, const fs::path& file,
             const std::string& key, bool document);
  void StartStream(const http::request<http::string_body>& req, std::string_view query);

  void Reply(Response res, bool head, bool keep_alive) {
    if (res.find(http::field::cache_control) == res.end()) {
      res.set(http::field::cache_control, "no-store");
    }
    res.set(http::field::server, "volleta");
    res.set("X-Content-Type-Options", "nosniff");
    res.keep_alive(keep_alive);
    res.content_length(res.body().size());
    // A HEAD answer has the GET answer's headers and no body.
    if (head) res.body().clear();
    auto message = std::make_shared<Response>(std::move(res));
    stream_.expires_after(kRequestTimeout);
    http::async_write(stream_, *message,
                      [self = shared_from_this(), message, keep_alive](beast::error_code ec,
                                                                       std::size_t) {
                        if (ec || !keep_alive) {
                          self->Close();
                          return;
                        }
                        self->Read();
                      });
  }

  std::shared_ptr<Server::Impl> server_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{kHeaderLimit + kBodyLimit};
  std::optional<http::request_parser<http::string_body>> parser_;
};

void HttpSession::Handle(http::request<http::string_body> req) {
  Server::Impl& server = *server_;
  const unsigned version = req.version();
  const bool keep_alive = req.keep_alive();
  const bool head = req.method() == http::verb::head;
  if (req.method() != http::verb::get && !head) {
    Reply(Plain(http::status::forbidden, version, false, "Forbidden\n"), false, false);
    return;
  }

  // Only this machine's own names for the server: a page of another site
  // that resolves its name to 127.0.0.1 is refused.
  const std::string host(req[http::field::host]);
  const std::string port = ":" + std::to_string(server.port);
  if (!IEquals(host, "127.0.0.1" + port) && !IEquals(host, "localhost" + port)) {
    Reply(Plain(http::status::forbidden, version, keep_alive, "Forbidden\n"), head, keep_alive);
    return;
  }

  const std::string target(req.target());
  const std::size_t question = target.find('?');
  const std::string_view path = std::string_view(target).substr(0, question);
  const std::string_view query =
      question == std::string::npos ? std::string_view() : std::string_view(target).substr(question + 1);
  const std::string events_path = "/" + server.prefix + "/events";
  const std::string html_path = "/" + server.prefix + "/html/";

  if (path == events_path && !head) {
    StartStream(req, query);
    return;
  }
  if (path.substr(0, html_path.size()) != html_path) {
    Reply(Plain(http::status::not_found, version, keep_alive, "Not found\n"), head, keep_alive);
    return;
  }

  // The file: whole segments only, no "." or "..", and after resolving
  // symbolic links still inside the html folder.
  const std::optional<std::string> decoded = PercentDecode(path.substr(html_path.size()));
  std::string key;
  bool refused = !decoded.has_value();
  if (decoded) {
    std::stringstream segments(*decoded);
    std::string segment;
    while (std::getline(segments, segment, '/')) {
      if (segment.empty()) continue;
      if (segment == "." || segment == ".." || segment.find('\\') != std::string::npos) {
        refused = true;
        break;
      }
      key += (key.empty() ? "" : "/") + segment;
    }
  }
  fs::path file;
  if (!refused) {
    std::error_code ec;
    file = fs::weakly_canonical(server.html_root / fs::path(key), ec);
    refused = ec || !IsWithin(file, server.html_canonical);
  }
  if (refused) {
    Reply(Plain(http::status::not_found, version, keep_alive, "Not found\n"), head, keep_alive);
    return;
  }

  const std::string dest(req["Sec-Fetch-Dest"]);
  const bool document = !dest.empty()
                            ? IEquals(dest, "document")
                            : platform::AsciiLower(req[http::field::accept]).find("text/html") !=
                                  std::string::npos;
  if (document && !head && server.events != nullptr) {
    // The before-navigate event, handled to its end before anything else.
    struct Scope {
      Server::Impl& s;
      explicit Scope(Server::Impl& impl) : s(impl) {
        s.in_document = true;
        s.stop_called = false;
        s.redirect.reset();
      }
      ~Scope() { s.in_document = false; }
    } scope(server);
    try {
      server.events->Sink_BeforeNavigate2("http://" + host + target);
    } catch (const platform::ProgramEnd&) {
      throw;
    } catch (...) {
      // The handler failed part-way: the shown page stays (the loop reports
      // the failure and goes on).
      Reply(Response{http::status::no_content, version}, false, keep_alive);
      throw;
    }
    if (server_->shut_down) return;
    if (server.redirect) {
      Response res{http::status::see_other, version};
      res.set(http::field::location, *server.redirect);
      Reply(std::move(res), false, keep_alive);
      return;
    }
    if (server.stop_called) {
      Reply(Response{http::status::no_content, version}, false, keep_alive);
      return;
    }
  }
  Serve(req, file, key, document);
}

void HttpSession::Serve(const http::request<http::string_body>& req, const fs::path& file,
                        const std::string& key, bool document) {
  Server::Impl& server = *server_;
  const unsigned version = req.version();
  const bool keep_alive = req.keep_alive();
  const bool head = req.method() == http::verb::head;

  std::error_code ec;
  std::optional<std::string> bytes;
  if (fs::is_regular_file(file, ec)) bytes = platform::ReadFileBytes(file);
  const std::uint64_t number = document && !head ? server.SeqForDocument(key) : server.seq;
  if (!bytes) {
    if (document) {
      // The window can still be led on from here.
      Response res{http::status::not_found, version};
      res.set(http::field::content_type, "text/html; charset=utf-8");
      res.body() = kNotFoundPage + PageScript(server.prefix, number);
      Reply(std::move(res), head, keep_alive);
    } else {
      Reply(Plain(http::status::not_found, version, keep_alive, "Not found\n"), head, keep_alive);
    }
    return;
  }
  const std::string type = ContentType(file);
  Response res{http::status::ok, version};
  res.set(http::field::content_type, type);
  res.body() = std::move(*bytes);
  if (type == "text/html") res.body() += PageScript(server.prefix, number);
  // Stylesheets and still pictures can't change during a run and every run has
  // its own prefix, so the window may keep them. Animations are fetched anew,
  // so that each throw plays from its first frame.
  if (type == "text/css" || type == "image/png" || type == "image/jpeg") {
    res.set(http::field::cache_control, "private, max-age=86400");
  }
  Reply(std::move(res), head, keep_alive);
}

void HttpSession::StartStream(const http::request<http::string_body>& req, std::string_view query) {
  // The page's own count of navigations, from the query or, on the
  // browser's own reconnection, the last event id it saw.
  std::uint64_t known = 0;
  const auto parse = [](std::string_view text) -> std::uint64_t {
    std::uint64_t value = 0;
    for (char c : text) {
      if (c < '0' || c > '9') break;
      value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'), 1ull << 62);
    }
    return value;
  };
  if (query.substr(0, 4) == "seq=") known = parse(query.substr(4));
  known = std::max(known, parse(req["Last-Event-ID"]));

  http::response<http::empty_body> res{http::status::ok, req.version()};
  res.set(http::field::content_type, "text/event-stream");
  res.set(http::field::cache_control, "no-store");
  res.set(http::field::server, "volleta");
  res.set(http::field::connection, "close");
  std::ostringstream header;
  header << res.base();

  stream_.expires_never();
  auto stream = std::make_shared<EventStream>(server_, stream_.release_socket());
  stream->Start(header.str());
  server_->AddStream(stream, known);
}

}  // namespace

void Server::Impl::Accept() {
  acceptor.async_accept([self = shared_from_this()](beast::error_code ec, tcp::socket socket) {
    if (self->shut_down) return;
    if (!ec) {
      self->sessions.remove_if([](const std::weak_ptr<HttpSession>& s) { return s.expired(); });
      if (self->sessions.size() + self->streams.size() >= kMaxConnections) {
        beast::error_code ignored;
        socket.close(ignored);
      } else {
        socket.set_option(tcp::no_delay(true), ec);
        auto session = std::make_shared<HttpSession>(self, std::move(socket));
        self->sessions.push_back(session);
        session->Start();
      }
    }
    self->Accept();
  });
}

void Server::Impl::Shutdown() {
  if (shut_down) return;
  shut_down = true;
  events = nullptr;
  on_streams_changed = nullptr;
  beast::error_code ignored;
  acceptor.close(ignored);
  for (const auto& weak : sessions) {
    if (auto session = weak.lock()) session->Close();
  }
  sessions.clear();
  auto open = std::move(streams);
  for (const auto& stream : open) stream->Close();
}

std::optional<std::string> Server::Impl::RelativeKey(const fs::path& page) const {
  // Accept the classic backslash form of the program's paths as well.
  std::string text = page.string();
  std::replace(text.begin(), text.end(), '\\', '/');
  std::error_code ec;
  const fs::path normal = fs::absolute(fs::path(text), ec).lexically_normal();
  for (const fs::path& root : {html_root, html_canonical}) {
    const fs::path rel = normal.lexically_relative(root);
    if (rel.empty() || rel == ".") continue;
    if (*rel.begin() == "..") continue;
    return rel.generic_string();
  }
  return std::nullopt;
}

void Server::Impl::Remember(const std::string& key, std::uint64_t number) {
  pending[key] = number;
  while (pending.size() > kMaxPending) {
    const auto oldest = std::min_element(pending.begin(), pending.end(), [](const auto& a, const auto& b) {
      return a.second < b.second;
    });
    pending.erase(oldest);
  }
}

void Server::Impl::Navigate(const fs::path& page) {
  const std::optional<std::string> key = RelativeKey(page);
  if (!key) {
    std::cerr << "volleta: cannot show " << page.string() << ": it is not in the html folder"
              << std::endl;
    return;
  }
  const std::string url = UrlPath(*key);
  if (in_document) {
    // Answered in the response to the request being handled.
    redirect = url;
    Remember(*key, seq);
    return;
  }
  ++seq;
  latest = url;
  Remember(*key, seq);
  Broadcast("id: " + std::to_string(seq) + "\nevent: navigate\ndata: " + url + "\n\n");
}

void Server::Impl::AddStream(const std::shared_ptr<EventStream>& stream, std::uint64_t known) {
  if (shut_down) {
    stream->Close();
    return;
  }
  streams.push_back(stream);
  ever_connected = true;
  // A page that was still loading when the newest navigation was issued.
  if (known < seq) {
    stream->Send("id: " + std::to_string(seq) + "\nevent: navigate\ndata: " + latest + "\n\n");
  }
  StreamsChanged();
}

void Server::Impl::RemoveStream(EventStream* stream) {
  const auto it = std::find_if(streams.begin(), streams.end(),
                               [stream](const auto& s) { return s.get() == stream; });
  if (it == streams.end()) return;
  streams.erase(it);
  StreamsChanged();
}

void Server::Impl::Broadcast(const std::string& message) {
  // Sending may close a stream, which removes it from the list.
  const auto open = streams;
  for (const auto& stream : open) stream->Send(message);
}

Server::Server(boost::asio::io_context& io, BrowserEvents& events, std::filesystem::path html_folder)
    : impl_(std::make_shared<Impl>(io, events, std::move(html_folder))) {
  impl_->Accept();
}

Server::~Server() { impl_->Shutdown(); }

void Server::Navigate2(const std::filesystem::path& page) { impl_->Navigate(page); }

void Server::Stop() {
  // Outside a document request there is no navigation of ours to abandon.
  if (impl_->in_document) impl_->stop_called = true;
}

void Server::Quit() {
  impl_->Broadcast("event: quit\ndata: \n\n");
  const auto open = impl_->streams;
  for (const auto& stream : open) stream->CloseWhenSent();
}

std::uint16_t Server::Port() const { return impl_->port; }
const std::string& Server::Prefix() const { return impl_->prefix; }
std::string Server::Origin() const { return "http://127.0.0.1:" + std::to_string(impl_->port); }

std::optional<std::string> Server::UrlFor(const std::filesystem::path& page) const {
  const std::optional<std::string> key = impl_->RelativeKey(page);
  if (!key) return std::nullopt;
  return Origin() + impl_->UrlPath(*key);
}

std::size_t Server::OpenStreams() const { return impl_->streams.size(); }
bool Server::EverConnected() const { return impl_->ever_connected; }

void Server::OnStreamsChanged(std::function<void(std::size_t)> callback) {
  impl_->on_streams_changed = std::move(callback);
}

void Server::DetachEvents() { impl_->events = nullptr; }

}  // namespace browser
