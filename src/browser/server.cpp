#include "browser/server.hpp"

#include <iostream>
#include <list>
#include <random>

#include "browser/event_stream.hpp"
#include "browser/http_session.hpp"
#include "browser/navigation_state.hpp"
#include "browser/page_socket.hpp"
#include "browser/run_claim.hpp"
#include "browser/url_path.hpp"

namespace browser {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;

constexpr std::size_t kMaxConnections = 64;

// 32 random hex digits.
std::string RandomHex() {
  std::random_device device;
  std::string prefix;
  static constexpr char kHex[] = "0123456789abcdef";
  for (int i = 0; i < 32; ++i) prefix += kHex[device() % 16];
  return prefix;
}

}  // namespace

// The accepting end. The sessions and streams share the navigation state and
// the stream list with it, so that they outlive a server shut down by the
// handler of the request they are answering.
struct Server::Impl : std::enable_shared_from_this<Impl> {
  Impl(net::io_context& io, BrowserEvents& events, const std::filesystem::path& folder,
       DisplayOptions display, std::string page_extra, std::string public_origin)
      : acceptor(io),
        navigation(std::make_shared<NavigationState>(events)),
        streams(std::make_shared<EventStreams>()),
        sockets(std::make_shared<PageSockets>()) {
    const tcp::endpoint endpoint(net::ip::make_address_v4("127.0.0.1"), 0);
    acceptor.open(endpoint.protocol());
    acceptor.bind(endpoint);
    acceptor.listen(net::socket_base::max_listen_connections);
    site = std::make_shared<const Site>(Site{RandomHex(), acceptor.local_endpoint().port(),
                                             HtmlFolder(folder), display, std::move(page_extra),
                                             std::move(public_origin)});
    claim = std::make_shared<RunClaim>(RandomHex(), site->prefix,
                                       site->public_origin.starts_with("https://"));
  }

  void Accept() {
    acceptor.async_accept(
        [self = shared_from_this()](boost::system::error_code ec, tcp::socket socket) {
          if (self->shut_down) return;
          if (!ec) self->Admit(std::move(socket));
          self->Accept();
        });
  }

  void Admit(tcp::socket socket) {
    sessions.remove_if([](const std::weak_ptr<HttpSession>& s) { return s.expired(); });
    if (sessions.size() + streams->Count() + sockets->Count() >= kMaxConnections) {
      boost::system::error_code ignored;
      socket.close(ignored);
      return;
    }
    boost::system::error_code ignored;
    socket.set_option(tcp::no_delay(true), ignored);
    auto session =
        std::make_shared<HttpSession>(std::move(socket), site, claim, navigation, streams, sockets);
    sessions.push_back(session);
    session->Start();
  }

  void Shutdown() {
    if (shut_down) return;
    shut_down = true;
    navigation->DetachEvents();
    boost::system::error_code ignored;
    acceptor.close(ignored);
    for (const auto& weak : sessions) {
      if (auto session = weak.lock()) session->Close();
    }
    sessions.clear();
    streams->CloseAll();
    sockets->CloseAll();
  }

  tcp::acceptor acceptor;
  std::shared_ptr<const Site> site;
  std::shared_ptr<RunClaim> claim;
  std::shared_ptr<NavigationState> navigation;
  std::shared_ptr<EventStreams> streams;
  std::shared_ptr<PageSockets> sockets;
  std::list<std::weak_ptr<HttpSession>> sessions;
  bool shut_down = false;
};

Server::Server(boost::asio::io_context& io, BrowserEvents& events,
               std::filesystem::path html_folder, DisplayOptions display, std::string page_extra,
               std::string public_origin)
    : impl_(std::make_shared<Impl>(io, events, html_folder, display, std::move(page_extra),
                                   std::move(public_origin))) {
  impl_->Accept();
}

Server::~Server() { impl_->Shutdown(); }

void Server::Navigate2(const std::filesystem::path& page) {
  const std::optional<std::string> key = impl_->site->html.KeyOf(page);
  if (!key) {
    std::cerr << "volleta: cannot show " << page.string() << ": it is not in the html folder"
              << std::endl;
    return;
  }
  const std::string url = UrlPathForKey(impl_->site->prefix, *key);
  const std::optional<std::string> event = impl_->navigation->Navigate(*key, url);
  if (!event) return;  // it answers the page request being handled
  if (impl_->site->display.Swaps()) {
    const std::optional<std::filesystem::path> file = impl_->site->html.FileFor(*key);
    if (file && impl_->sockets->SwapIn(*key, *file, *impl_->navigation)) return;
  }
  impl_->streams->Broadcast(*event);
}

std::uint64_t Server::NavigationNumber() const { return impl_->navigation->Number(); }

void Server::Stop() { impl_->navigation->Stop(); }

void Server::Provide(const std::filesystem::path& page, std::string bytes) {
  if (const std::optional<std::string> key = impl_->site->html.KeyOf(page)) {
    impl_->navigation->Provide(*key, std::move(bytes));
  }
}

std::uint64_t Server::Stage(const std::filesystem::path& page, std::string bytes, double due) {
  const std::optional<std::string> key = impl_->site->html.KeyOf(page);
  if (!key || !impl_->site->display.Stages()) return 0;
  return impl_->sockets->Stage(*key, std::move(bytes), due);
}

void Server::StageChoices(const std::filesystem::path& page, Choices choices) {
  const std::optional<std::string> key = impl_->site->html.KeyOf(page);
  if (key && impl_->site->display.Stages()) impl_->sockets->StageChoices(*key, std::move(choices));
}

void Server::Quit() { impl_->streams->Quit(); }

std::uint16_t Server::Port() const { return impl_->site->port; }
const std::string& Server::Prefix() const { return impl_->site->prefix; }
std::string Server::Origin() const { return "http://127.0.0.1:" + std::to_string(Port()); }

std::optional<std::string> Server::UrlFor(const std::filesystem::path& page) const {
  const std::optional<std::string> key = impl_->site->html.KeyOf(page);
  if (!key) return std::nullopt;
  return Origin() + UrlPathForKey(impl_->site->prefix, *key);
}

std::size_t Server::OpenStreams() const { return impl_->streams->Count(); }
std::size_t Server::OpenSockets() const { return impl_->sockets->Count(); }
bool Server::EverConnected() const { return impl_->streams->EverConnected(); }

void Server::OnStreamsChanged(std::function<void(std::size_t)> callback) {
  impl_->streams->OnChanged(std::move(callback));
}

void Server::DetachEvents() { impl_->navigation->DetachEvents(); }

}  // namespace browser
