#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/posix/stream_descriptor.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>

#include "online/pages.hpp"
#include "online/record.hpp"
#include "online/router.hpp"
#include "online/serve.hpp"

extern char** environ;

namespace online {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;

// A request head larger than this is refused; one slower than kHeadTime closed.
constexpr std::size_t kHeadLimit = 8 * 1024;
constexpr auto kHeadTime = 10s;
// A relayed connection with no bytes either way for this long is closed.
constexpr auto kRelayIdle = 10min;
// Connections one client address may hold at once (a browser opens six per
// host, a game page adds its socket and event stream).
constexpr int kConnectionsPerClient = 16;
// How long a game process has to say where it listens.
constexpr auto kStartLimit = 30s;
// After the finishing limit: how long a game has to end once asked to.
constexpr auto kTermGrace = 5s;

struct Game;
class Connection;

// The console: one line per participant event, never an address.
void Say(std::ostream& out, const std::string& line) {
  out << RecordTime() << ' ' << line << std::endl;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

struct Tally {
  int started = 0, completed = 0, abandoned = 0, failed = 0;
};

struct Game {
  pid_t pid = -1;
  std::string id, condition, link, started;
  std::string prefix, start_path;
  int port = 0;
  bool ready = false;
  std::unique_ptr<asio::posix::stream_descriptor> output;
  std::string line;
  std::unique_ptr<asio::steady_timer> start_timer;
  std::vector<std::shared_ptr<Connection>> waiting;  // for the start page's address
};

class Server {
 public:
  Server(asio::io_context& io, const ServeOptions& options, std::ostream& out, std::ostream& err)
      : io_(io),
        options_(options),
        out_(out),
        err_(err),
        acceptor_(io),
        minute_(io),
        stop_signals_(io, SIGINT, SIGTERM),
        child_signals_(io, SIGCHLD),
        finish_timer_(io),
        random_(std::random_device{}()) {
    state_.id_params = options.id_params;
    state_.conditions = options.conditions;
    state_.allow_condition_param = options.allow_condition_param;
    state_.allow_repeat = options.allow_repeat;
    state_.max_games = options.max_games;
    state_.max_new_per_minute = options.max_new_per_minute;
    state_.trusted_proxies = options.trusted_proxies;
    for (const std::string& c : options.conditions) tally_[c];
  }

  // Binds the listening address; false with the reason on `err`.
  bool Listen(const tcp::endpoint& endpoint) {
    boost::system::error_code ec;
    acceptor_.open(endpoint.protocol(), ec);
    if (!ec) acceptor_.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec) acceptor_.bind(endpoint, ec);
    if (!ec) acceptor_.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
      err_ << "volleta serve: cannot listen on " << options_.listen << ": " << ec.message()
           << std::endl;
      return false;
    }
    ::fcntl(acceptor_.native_handle(), F_SETFD, FD_CLOEXEC);
    return true;
  }

  tcp::endpoint Bound() const { return acceptor_.local_endpoint(); }

  void Start() {
    Accept();
    WaitChildren();
    stop_signals_.async_wait([this](boost::system::error_code ec, int) {
      if (!ec) Stop();
    });
    Minute();
  }

  int status() const { return status_; }

  // The router's view, and what a connection does with its decision.
  RouterState& state() { return state_; }
  void Handle(const std::shared_ptr<Connection>& connection, Decision decision);
  int RelayPort(const std::string& prefix) const {
    const auto game = games_.find(state_.game_by_prefix.find(prefix)->second);
    return game == games_.end() ? 0 : game->second->port;
  }
  std::string origin() const { return origin_; }
  void set_origin(std::string origin) { origin_ = std::move(origin); }
  const ServeOptions& options() const { return options_; }

 private:
  void Accept();
  void WaitChildren();
  void Minute();
  void Stop();
  void Finish();
  void StartGame(const std::shared_ptr<Connection>& connection, const Decision& decision,
                 const std::string& condition);
  void ReadStartLine(const std::shared_ptr<Game>& game);
  void GameEnded(const std::shared_ptr<Game>& game, int status);
  void Refuse(const std::shared_ptr<Connection>& connection, const Decision& decision);

  asio::io_context& io_;
  const ServeOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  tcp::acceptor acceptor_;
  asio::steady_timer minute_;
  asio::signal_set stop_signals_;
  asio::signal_set child_signals_;
  asio::steady_timer finish_timer_;
  std::mt19937_64 random_;
  RouterState state_;
  std::string origin_;
  std::map<std::string, std::shared_ptr<Game>> games_;  // by ID
  // Open connections by client address; shared with the connections, which
  // may outlive the server as the event loop ends.
  std::shared_ptr<std::map<std::string, int>> connections_ =
      std::make_shared<std::map<std::string, int>>();
  std::map<std::string, Tally, std::less<>> tally_;  // by condition
  bool stopping_ = false, finished_ = false;
  int status_ = 0;
};

// One client connection: its request head read and routed, then a page of
// serve's own or the bytes piped to and from its game.
class Connection : public std::enable_shared_from_this<Connection> {
 public:
  Connection(tcp::socket socket, Server& server, std::string client,
             std::shared_ptr<std::map<std::string, int>> counts)
      : stream_(std::move(socket)),
        upstream_(stream_.get_executor()),
        server_(server),
        client_(std::move(client)),
        counts_(std::move(counts)) {}
  ~Connection() {
    if (!client_.empty() && --(*counts_)[client_] <= 0) counts_->erase(client_);
  }

  void Run() {
    parser_.emplace();
    parser_->header_limit(kHeadLimit);
    stream_.expires_after(kHeadTime);
    http::async_read_header(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnHead(ec); });
  }

  // serve's own answer: a page with `status`, then the connection closes.
  void Answer(int status, std::string body, std::string location = {}, int retry_after = 0) {
    auto response =
        std::make_shared<http::response<http::string_body>>(static_cast<http::status>(status), 11);
    response->set(http::field::content_type, "text/html; charset=utf-8");
    response->set(http::field::cache_control, "no-store");
    if (!location.empty()) response->set(http::field::location, location);
    if (retry_after > 0) response->set(http::field::retry_after, std::to_string(retry_after));
    response->keep_alive(false);
    if (!head_only_) response->body() = std::move(body);
    response->prepare_payload();
    if (head_only_) response->content_length(0);
    stream_.expires_after(kHeadTime);
    http::async_write(
        stream_, *response,
        [self = shared_from_this(), response](beast::error_code, std::size_t) { self->Close(); });
  }

  // Pipes the request, its head rewritten for the game on `port`, and
  // everything after it both ways.
  void Relay(int port) {
    const auto& request = parser_->get();
    const bool upgrade = beast::iequals(request[http::field::upgrade], "websocket");
    std::string head = std::string(request.method_string()) + " " + std::string(request.target()) +
                       " HTTP/1.1\r\n";
    for (const auto& field : request) {
      const auto name = field.name();
      if (name == http::field::host) continue;
      // Every request gets a connection of its own: the game checks each
      // request's Host, which only the first of a kept-alive one would carry.
      if (name == http::field::connection && !upgrade) continue;
      if (name == http::field::keep_alive) continue;
      head += std::string(field.name_string()) + ": " + std::string(field.value()) + "\r\n";
    }
    head += "Host: 127.0.0.1:" + std::to_string(port) + "\r\n";
    if (!upgrade) head += "Connection: close\r\n";
    head += "\r\n";
    const auto rest = buffer_.data();
    head.append(static_cast<const char*>(rest.data()), rest.size());
    buffer_.consume(buffer_.size());
    out_bytes_ = std::move(head);
    stream_.expires_never();
    upstream_.expires_after(kHeadTime);
    upstream_.async_connect(
        tcp::endpoint(asio::ip::address_v4::loopback(), static_cast<unsigned short>(port)),
        [self = shared_from_this()](beast::error_code ec) {
          if (ec) return self->Answer(502, Page(PageKind::kGameGone));
          asio::async_write(self->upstream_.socket(), asio::buffer(self->out_bytes_),
                            [self](beast::error_code ec, std::size_t) {
                              if (ec) return self->Close();
                              self->Pump(self->stream_, self->upstream_, self->down_);
                              self->Pump(self->upstream_, self->stream_, self->up_);
                            });
        });
  }

  const std::string& client() const { return client_; }

 private:
  void OnHead(beast::error_code ec) {
    if (ec) {
      // An oversized head gets its status; a slow or broken one is closed.
      if (ec == http::error::header_limit) return Answer(431, Page(PageKind::kNotFound));
      return Close();
    }
    const auto& request = parser_->get();
    head_only_ = request.method() == http::verb::head;
    const std::string method(request.method_string());
    const std::string target(request.target());
    const std::string forwarded(request["X-Forwarded-For"]);
    boost::system::error_code peer_ec;
    const auto peer = stream_.socket().remote_endpoint(peer_ec);
    const std::string peer_text = peer_ec ? "" : peer.address().to_string();
    server_.Handle(shared_from_this(),
                   RouteRequest({method, target, forwarded, peer_text}, server_.state()));
  }

  // One direction: what `from` reads goes to `to`; its end ends `to`'s sending.
  void Pump(beast::tcp_stream& from, beast::tcp_stream& to, std::array<char, 16384>& bytes) {
    from.expires_after(kRelayIdle);
    from.async_read_some(asio::buffer(bytes), [self = shared_from_this(), &from, &to, &bytes](
                                                  beast::error_code ec, std::size_t n) {
      if (ec) {
        boost::system::error_code ignored;
        to.socket().shutdown(tcp::socket::shutdown_send, ignored);
        if (ec != asio::error::eof || ++self->ended_ == 2) self->Close();
        return;
      }
      asio::async_write(to, asio::buffer(bytes.data(), n),
                        [self, &from, &to, &bytes](beast::error_code ec, std::size_t) {
                          if (ec) return self->Close();
                          self->Pump(from, to, bytes);
                        });
    });
  }

  void Close() {
    boost::system::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.close();
    upstream_.close();
  }

  beast::tcp_stream stream_;
  beast::tcp_stream upstream_;
  beast::flat_buffer buffer_{kHeadLimit};
  std::optional<http::request_parser<http::empty_body>> parser_;
  Server& server_;
  std::string client_;
  std::shared_ptr<std::map<std::string, int>> counts_;
  bool head_only_ = false;
  std::string out_bytes_;
  std::array<char, 16384> up_{}, down_{};
  int ended_ = 0;
};

void Server::Accept() {
  acceptor_.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
    if (ec == asio::error::operation_aborted) return;
    if (!ec) {
      ::fcntl(socket.native_handle(), F_SETFD, FD_CLOEXEC);
      boost::system::error_code peer_ec;
      const auto peer = socket.remote_endpoint(peer_ec);
      std::string client = peer_ec ? "" : peer.address().to_string();
      // A proxy holds every participant's connections: its own are not capped.
      const bool proxy = std::find(options_.trusted_proxies.begin(), options_.trusted_proxies.end(),
                                   client) != options_.trusted_proxies.end();
      if (proxy) client.clear();
      if (!client.empty() && (*connections_)[client] >= kConnectionsPerClient) {
        socket.close(peer_ec);
      } else {
        if (!client.empty()) ++(*connections_)[client];
        std::make_shared<Connection>(std::move(socket), *this, client, connections_)->Run();
      }
    }
    Accept();
  });
}

void Server::Handle(const std::shared_ptr<Connection>& connection, Decision decision) {
  switch (decision.route) {
    case Route::kRelay:
      if (const int port = RelayPort(decision.prefix); port > 0) {
        return connection->Relay(port);
      }
      return connection->Answer(404, Page(PageKind::kNotFound));
    case Route::kRedirect:
      return connection->Answer(303, "", decision.location);
    case Route::kNotFound:
      return connection->Answer(404, Page(PageKind::kNotFound));
    case Route::kFull:
      if (decision.refusal != Refusal::kStopping) {
        RecordRefusal(options_.folder / "log", decision.id, decision.link, "refused: full");
        Say(out_, "ID " + Quoted(decision.id) + ": refused: full");
      }
      return connection->Answer(
          503, Page(decision.refusal == Refusal::kStopping ? PageKind::kStopping : PageKind::kFull),
          {}, 60);
    case Route::kRefuse:
      return Refuse(connection, decision);
    case Route::kNewGame:
      break;
  }
  ++state_.new_this_minute[decision.client];
  ClaimRequest request;
  request.id = decision.id;
  request.pinned = decision.condition;
  request.conditions = options_.conditions;
  request.balanced = options_.balanced;
  request.allow_repeat = options_.allow_repeat;
  request.link = decision.link;
  request.draw = std::uniform_real_distribution<double>(0, 1)(random_);
  const Claim claim = ClaimGame(options_.folder / "log", request);
  if (!claim.recorded) {
    err_ << "volleta serve: the session record could not be appended to (" << claim.reason
         << "); no game was started" << std::endl;
    return connection->Answer(503, Page(PageKind::kStopping), {}, 60);
  }
  state_.started_ids.insert(decision.id);
  if (!claim.granted) {
    Say(out_, "ID " + Quoted(decision.id) + ": refused: already started");
    return connection->Answer(200, AlreadyPage(options_.folder));
  }
  StartGame(connection, decision, claim.condition);
}

void Server::Refuse(const std::shared_ptr<Connection>& connection, const Decision& decision) {
  const std::string_view outcome = RefusalOutcome(decision.refusal);
  // A bad ID is neither kept nor shown: it may be anything.
  const std::string id = decision.refusal == Refusal::kBadId ? "" : decision.id;
  if (!outcome.empty()) {
    RecordRefusal(options_.folder / "log", id, decision.link, outcome);
    Say(out_, (id.empty() ? "" : "ID " + Quoted(id) + ": ") + std::string(outcome));
  }
  switch (decision.refusal) {
    case Refusal::kAlreadyStarted:
      return connection->Answer(200, AlreadyPage(options_.folder));
    case Refusal::kUnknownCondition:
      return connection->Answer(400, Page(PageKind::kUnknownCondition));
    case Refusal::kTooMany:
      return connection->Answer(429, Page(PageKind::kFull), {}, 60);
    default:
      return connection->Answer(400, Page(PageKind::kBadId));
  }
}

void Server::StartGame(const std::shared_ptr<Connection>& connection, const Decision& decision,
                       const std::string& condition) {
  auto game = std::make_shared<Game>();
  game->id = decision.id;
  game->condition = condition;
  game->link = decision.link;
  game->started = RecordTime();
  std::vector<std::string> args = {options_.executable.string(),
                                   "--folder=" + options_.folder.string(),
                                   "--online-game",
                                   "--subject=" + decision.id,
                                   "--public-origin=" + origin_,
                                   "--abandon-after=" + std::to_string(options_.abandon_after)};
  if (!options_.return_url.empty()) {
    args.push_back("--return-url=" + options_.return_url);
    args.push_back("--return-after=" + std::to_string(options_.return_after));
  }
  if (!decision.link.empty()) args.push_back("--link=" + decision.link);
  args.push_back(condition);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int pipe_fds[2];
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // A group of its own: Ctrl+C at serve's terminal reaches serve alone, which
  // lets running games finish.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  bool spawned = false;
  if (::pipe2(pipe_fds, O_CLOEXEC) == 0) {
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    spawned = ::posix_spawn(&game->pid, argv[0], &actions, &attributes, argv.data(), environ) == 0;
    ::close(pipe_fds[1]);
    if (!spawned) ::close(pipe_fds[0]);
  }
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (!spawned) {
    err_ << "volleta serve: cannot start a game process (" << options_.executable.string() << ")"
         << std::endl;
    CloseGame(options_.folder / "log", game->id, condition, game->link, game->started,
              kCrashedOutcome);
    return connection->Answer(503, Page(PageKind::kGameGone));
  }
  game->output = std::make_unique<asio::posix::stream_descriptor>(io_, pipe_fds[0]);
  game->waiting.push_back(connection);
  game->start_timer = std::make_unique<asio::steady_timer>(io_, kStartLimit);
  game->start_timer->async_wait([game](boost::system::error_code ec) {
    if (!ec && !game->ready) ::kill(game->pid, SIGKILL);
  });
  games_[game->id] = game;
  state_.games = games_.size();
  ++tally_[condition].started;
  Say(out_, "ID " + Quoted(game->id) + ": started (" + condition + ")");
  ReadStartLine(game);
}

void Server::ReadStartLine(const std::shared_ptr<Game>& game) {
  asio::async_read_until(
      *game->output, asio::dynamic_buffer(game->line, 4096), '\n',
      [this, game](boost::system::error_code ec, std::size_t n) {
        if (ec) return;     // the process's end is seen by its reaping
        if (game->ready) {  // nothing more is expected; drained so it never blocks
          game->line.clear();
          return ReadStartLine(game);
        }
        // http://127.0.0.1:PORT/PREFIX/html/...
        const std::string line = game->line.substr(0, n - 1);
        game->line.erase(0, n);
        constexpr std::string_view kLoopback = "http://127.0.0.1:";
        const std::size_t path = line.find('/', kLoopback.size());
        const std::size_t second = path == std::string::npos ? path : line.find('/', path + 1);
        int port = 0;
        if (line.starts_with(kLoopback) && second != std::string::npos) {
          port = std::atoi(line.substr(kLoopback.size(), path - kLoopback.size()).c_str());
        }
        if (port <= 0 || port > 65535) {
          err_ << "volleta serve: a game process said " << Quoted(line) << std::endl;
          ::kill(game->pid, SIGKILL);
          return;
        }
        game->port = port;
        game->prefix = line.substr(path + 1, second - path - 1);
        game->start_path = line.substr(path);
        game->ready = true;
        game->start_timer->cancel();
        state_.game_by_prefix[game->prefix] = game->id;
        state_.start_by_id[game->id] = game->start_path;
        for (const auto& connection : game->waiting) connection->Answer(303, "", game->start_path);
        game->waiting.clear();
        ReadStartLine(game);
      });
}

void Server::WaitChildren() {
  child_signals_.async_wait([this](boost::system::error_code ec, int) {
    if (ec) return;
    std::vector<std::pair<std::shared_ptr<Game>, int>> ended;
    for (const auto& [id, game] : games_) {
      int status = 0;
      if (::waitpid(game->pid, &status, WNOHANG) == game->pid) ended.emplace_back(game, status);
    }
    for (const auto& [game, status] : ended) GameEnded(game, status);
    WaitChildren();
  });
}

void Server::GameEnded(const std::shared_ptr<Game>& game, int status) {
  games_.erase(game->id);
  state_.games = games_.size();
  state_.game_by_prefix.erase(game->prefix);
  state_.start_by_id.erase(game->id);
  if (game->start_timer) game->start_timer->cancel();
  game->output.reset();
  for (const auto& connection : game->waiting) connection->Answer(502, Page(PageKind::kGameGone));
  game->waiting.clear();

  const bool exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  const std::string missing =
      stopping_ && finished_ ? std::string("stopped: serve ended") : std::string(kCrashedOutcome);
  const std::string outcome = CloseGame(options_.folder / "log", game->id, game->condition,
                                        game->link, game->started, missing);
  Tally& tally = tally_[game->condition];
  if (outcome == "completed") {
    ++tally.completed;
  } else if (outcome.starts_with("abandoned")) {
    ++tally.abandoned;
  } else {
    ++tally.failed;
  }
  std::string line = "ID " + Quoted(game->id) + ": " + outcome;
  if (!exited) {
    line += WIFSIGNALED(status) ? " (signal " + std::to_string(WTERMSIG(status)) + ")"
                                : " (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
  }
  Say(out_, line);
  if (stopping_ && games_.empty()) {
    io_.stop();
  }
}

void Server::Minute() {
  minute_.expires_after(60s);
  minute_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    state_.new_this_minute.clear();
    for (const auto& [condition, t] : tally_) {
      int running = 0;
      for (const auto& [id, game] : games_) running += game->condition == condition ? 1 : 0;
      Say(out_, Quoted(condition) + ": " + std::to_string(t.started) + " started, " +
                    std::to_string(running) + " running, " + std::to_string(t.completed) +
                    " completed, " + std::to_string(t.abandoned) + " abandoned, " +
                    std::to_string(t.failed) + " failed");
    }
    Minute();
  });
}

void Server::Stop() {
  if (stopping_) return Finish();  // a second signal: end now
  stopping_ = true;
  state_.accepting = false;
  if (games_.empty()) {
    Say(out_, "stopping: no game running");
    io_.stop();
    return;
  }
  Say(out_, "stopping: " + std::to_string(games_.size()) +
                " games running; new participants are turned away; waiting up to " +
                std::to_string(options_.finish_within) + " s (signal again to end them now)");
  stop_signals_.async_wait([this](boost::system::error_code ec, int) {
    if (!ec) Finish();
  });
  finish_timer_.expires_after(std::chrono::seconds(options_.finish_within));
  finish_timer_.async_wait([this](boost::system::error_code ec) {
    if (!ec) Finish();
  });
}

// Ends the games still running: asked first, then killed.
void Server::Finish() {
  if (finished_) return;
  finished_ = true;
  for (const auto& [id, game] : games_) ::kill(game->pid, SIGTERM);
  finish_timer_.expires_after(kTermGrace);
  finish_timer_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    for (const auto& [id, game] : games_) ::kill(game->pid, SIGKILL);
  });
}

// "host:port", "[v6]:port" or ":port".
std::optional<tcp::endpoint> ParseListen(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos) return std::nullopt;
  std::string host = text.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  if (host.empty()) host = "127.0.0.1";
  const std::string port_text = text.substr(colon + 1);
  if (port_text.empty() || port_text.size() > 5 ||
      port_text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const int port = std::stoi(port_text);
  boost::system::error_code ec;
  const auto address = asio::ip::make_address(host, ec);
  if (ec || port > 65535) return std::nullopt;
  return tcp::endpoint(address, static_cast<unsigned short>(port));
}

}  // namespace

int Serve(const ServeOptions& options, std::ostream& out, std::ostream& err) {
  const std::optional<tcp::endpoint> endpoint = ParseListen(options.listen);
  if (!endpoint) {
    err << "volleta serve: --listen: not an address and port: " << options.listen << std::endl;
    return 2;
  }
  // The games take page sockets from one origin only: the browsers' own.
  if (endpoint->address().is_unspecified() && options.public_url.empty()) {
    err << "volleta serve: --listen " << options.listen
        << " takes every address: name the one participants' browsers use with --public-url"
        << std::endl;
    return 2;
  }
  asio::io_context io;
  Server server(io, options, out, err);
  if (!server.Listen(*endpoint)) return 2;
  const tcp::endpoint bound = server.Bound();
  std::string own = "http://" +
                    (bound.address().is_v6() ? "[" + bound.address().to_string() + "]"
                                             : bound.address().to_string()) +
                    ":" + std::to_string(bound.port());
  std::string link_base = options.public_url.empty() ? own + "/" : options.public_url;
  server.set_origin(options.public_url.empty() ? own : OriginOf(options.public_url));
  const std::string param =
      options.id_params.empty() ? std::string(kDefaultIdParams[0]) : options.id_params.front();
  link_base += link_base.find('?') == std::string::npos ? '?' : '&';
  out << "Study link: " << link_base << param << "=ID" << std::endl;
  out << "Listening on " << own << " (" << options.conditions.size() << " conditions, at most "
      << options.max_games << " games at once)" << std::endl;
  server.Start();
  io.run();
  return server.status();
}

}  // namespace online
