#include "browser/page_socket.hpp"

#include <algorithm>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/websocket.hpp>
#include <boost/json/src.hpp>
#include <chrono>
#include <cmath>
#include <iostream>
#include <system_error>

#include "browser/navigation_reply.hpp"
#include "platform/clock.hpp"
#include "platform/event_loop.hpp"
#include "platform/fields.hpp"

namespace browser {
namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
namespace json = boost::json;
using tcp = net::ip::tcp;

constexpr std::size_t kMaxQueued = 64;
constexpr std::size_t kMaxEarlyOnsets = 64;
// The pictures one page may ask to keep at hand.
constexpr std::size_t kMaxPictures = 64;

std::string Header(json::object object) { return json::serialize(object) + "\n"; }

const json::string* StringField(const json::object& object, std::string_view name) {
  const json::value* value = object.if_contains(name);
  return value != nullptr ? value->if_string() : nullptr;
}

std::optional<double> NumberField(const json::object& object, std::string_view name) {
  const json::value* value = object.if_contains(name);
  if (value == nullptr) return std::nullopt;
  double number;
  if (value->is_double()) {
    number = value->get_double();
  } else if (value->is_int64()) {
    number = static_cast<double>(value->get_int64());
  } else if (value->is_uint64()) {
    number = static_cast<double>(value->get_uint64());
  } else {
    return std::nullopt;
  }
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

bool IsPicture(const std::filesystem::path& file) {
  const std::string ext = platform::AsciiLower(file.extension().string());
  return ext == ".gif" || ext == ".png" || ext == ".jpg" || ext == ".jpeg" || ext == ".webp";
}

}  // namespace

PageSocket::PageSocket(tcp::socket socket, std::shared_ptr<const Site> site,
                       std::shared_ptr<NavigationState> navigation,
                       std::weak_ptr<PageSockets> sockets)
    : site_(std::move(site)),
      navigation_(std::move(navigation)),
      sockets_(std::move(sockets)),
      ws_(std::move(socket)),
      ping_timer_(ws_.get_executor()) {}

void PageSocket::Start(const http::request<http::string_body>& upgrade) {
  host_ = std::string(upgrade[http::field::host]);
  ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
  ws_.set_option(websocket::stream_base::decorator(
      [](websocket::response_type& res) { res.set(http::field::server, "volleta"); }));
  ws_.read_message_max(kMaxMessage);
  ws_.auto_fragment(false);
  ws_.async_accept(upgrade, [self = shared_from_this()](beast::error_code ec) {
    if (ec) {
      self->Close();
      return;
    }
    self->SendPing();
    self->Read();
  });
}

void PageSocket::Close() {
  if (closed_) return;
  closed_ = true;
  ready_ = false;
  ping_timer_.cancel();
  // What was reported goes with the best measure there is.
  if (clock_.Offset()) {
    const auto early = std::move(early_onsets_);
    early_onsets_.clear();
    for (const auto& [number, time] : early) {
      platform::RunHandler([this, number = number, time = time] {
        navigation_->RaisePresented(number, clock_.ToOurs(time));
      });
    }
  }
  beast::error_code ignored;
  beast::get_lowest_layer(ws_).socket().shutdown(tcp::socket::shutdown_both, ignored);
  beast::get_lowest_layer(ws_).close();
  if (const auto sockets = sockets_.lock()) sockets->Remove(this);
}

void PageSocket::Read() {
  ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
    if (self->closed_) return;
    if (ec) {
      if (ec == websocket::error::message_too_big) {
        self->Drop("a message over " + std::to_string(kMaxMessage) + " bytes; socket closed");
      }
      self->Close();
      return;
    }
    const bool text = self->ws_.got_text();
    std::string message = beast::buffers_to_string(self->buffer_.data());
    self->buffer_.consume(self->buffer_.size());
    if (text) {
      self->OnMessage(message);
    } else {
      self->Drop("a binary message");
    }
    if (!self->closed_) self->Read();
  });
}

void PageSocket::Drop(const std::string& why) {
  std::cerr << "volleta: page socket: dropped " << why << std::endl;
}

void PageSocket::OnMessage(const std::string& text) {
  boost::system::error_code ec;
  const json::value value = json::parse(text, ec);
  const json::object* object = ec ? nullptr : value.if_object();
  const json::string* type = object != nullptr ? StringField(*object, "type") : nullptr;
  if (type == nullptr) {
    Drop("a message that is not a JSON object with a type");
    return;
  }
  if (*type == "hello") {
    const json::string* path = StringField(*object, "path");
    const json::string* picture = StringField(*object, "picture");
    if (path == nullptr) return Drop("a hello without its path");
    OnHello(std::string(*path), picture != nullptr ? std::string(*picture) : std::string());
  } else if (*type == "ready") {
    if (key_.empty()) return Drop("a ready before the hello");
    ready_ = site_->display.Swaps();
    OfferStage();
  } else if (*type == "staged") {
    const std::optional<double> stage = NumberField(*object, "id");
    const std::optional<double> version = NumberField(*object, "n");
    const std::optional<double> at = NumberField(*object, "at");
    if (!stage || !version || !at || *stage < 1 || *stage != std::floor(*stage)) {
      return Drop("a staged without its stage, version and time");
    }
    OnStaged(static_cast<std::uint64_t>(*stage), *version, *at);
  } else if (*type == "pong") {
    const std::optional<double> time = NumberField(*object, "time");
    if (!time) return Drop("a pong without its time");
    OnPong(*time);
  } else if (*type == "onset") {
    const std::optional<double> number = NumberField(*object, "number");
    const std::optional<double> time = NumberField(*object, "time");
    const std::optional<double> received = NumberField(*object, "received");
    if (!number || !time || *number < 1 || *number != std::floor(*number) ||
        *number > static_cast<double>(navigation_->Number())) {
      return Drop("an onset without a navigation's number and a time");
    }
    OnOnset(static_cast<std::uint64_t>(*number), *time, received);
  } else if (*type == "follow") {
    const json::string* url = StringField(*object, "url");
    if (url == nullptr) return Drop("a follow without its URL");
    OnFollow(std::string(*url));
  } else {
    Drop("a message of unknown type \"" + std::string(type->subview().substr(0, 40)) + "\"");
  }
}

void PageSocket::OnHello(const std::string& path, const std::string& picture) {
  const std::string html = "/" + site_->prefix + "/html/";
  const std::optional<std::string> key =
      path.starts_with(html) ? KeyFromUrlPath(path.substr(html.size())) : std::nullopt;
  if (!key) return Drop("a hello from a page outside the html folder");
  key_ = *key;
  // The pictures beside the page's own (its throw animation's folder).
  json::array pictures;
  const std::optional<std::string> picture_key =
      picture.starts_with(html) ? KeyFromUrlPath(picture.substr(html.size())) : std::nullopt;
  const std::optional<std::filesystem::path> file =
      picture_key ? site_->html.FileFor(*picture_key) : std::nullopt;
  if (file) {
    const std::string folder_key = picture_key->substr(0, picture_key->rfind('/') + 1);
    std::error_code ec;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file->parent_path(), ec)) {
      if (entry.is_regular_file(ec) && IsPicture(entry.path())) {
        names.push_back(entry.path().filename().string());
      }
    }
    std::sort(names.begin(), names.end());
    if (names.size() > kMaxPictures) names.resize(kMaxPictures);
    for (const std::string& name : names) {
      pictures.emplace_back(UrlPathForKey(site_->prefix, folder_key + name));
    }
  }
  Send(json::serialize(json::object{{"type", "pictures"}, {"urls", std::move(pictures)}}), false);
}

void PageSocket::SendPing() {
  if (closed_) return;
  clock_.PingSent(platform::PreciseMilliseconds());
  Send(json::serialize(json::object{{"type", "ping"}}), false);
}

void PageSocket::PingLater() {
  ping_timer_.expires_after(clock_.PingInterval());
  ping_timer_.async_wait([self = shared_from_this()](beast::error_code ec) {
    if (!ec) self->SendPing();
  });
}

void PageSocket::OnPong(double page_time) {
  if (!clock_.PongReceived(page_time, platform::PreciseMilliseconds())) {
    return Drop("a pong without a ping");
  }
  PingLater();
  if (!clock_.Settled()) return;
  OfferStage();
  const auto early = std::move(early_onsets_);
  early_onsets_.clear();
  for (const auto& [number, time] : early) OnOnset(number, time, std::nullopt);
}

void PageSocket::OnOnset(std::uint64_t number, double page_time, std::optional<double> received) {
  // The page received what it shows after the navigation was issued: under
  // load that caps an estimate late pongs made too large.
  if (received) {
    if (const std::optional<double> issued = navigation_->IssuedAt(number)) {
      clock_.Bound(*received, *issued);
    }
  }
  if (!clock_.Settled()) {
    if (early_onsets_.size() < kMaxEarlyOnsets) early_onsets_.emplace_back(number, page_time);
    return;
  }
  const double time = clock_.ToOurs(page_time);
  platform::RunHandler([&] { navigation_->RaisePresented(number, time); });
}

void PageSocket::OnFollow(const std::string& url) {
  const std::string html = site_->OriginFor(host_) + "/" + site_->prefix + "/html/";
  std::string_view rest = url;
  if (!rest.starts_with(html)) return Drop("a follow outside the html folder");
  rest.remove_prefix(html.size());
  rest = rest.substr(0, rest.find_first_of("?#"));
  const std::optional<std::string> key = KeyFromUrlPath(rest);
  if (!key || !site_->html.FileFor(*key)) return Drop("a follow to a file that is not there");

  std::optional<NavigationState::Answer> answer;
  bool handled = false;
  const auto self = shared_from_this();  // the handler may close this socket
  platform::RunHandler([&] {
    answer = navigation_->RaiseBeforeNavigate(url);
    handled = true;
  });
  // A failed handler (reported) or a detached window leaves the page as it is.
  if (!handled || closed_ || !answer) return;
  const NavigationReply reply =
      ReplyTo(*answer, site_->prefix, ready_ ? std::optional(key_) : std::nullopt);
  switch (reply.kind) {
    case NavigationReply::kStay:
      return;
    case NavigationReply::kLoad:
      navigation_->Approve(url);
      Send(json::serialize(
               json::object{{"type", "navigate"}, {"url", url.substr(url.find('/', 7))}}),
           false);
      return;
    case NavigationReply::kSwap:
      if (const std::optional<std::filesystem::path> file = site_->html.FileFor(key_)) {
        if (const std::optional<std::string> bytes = navigation_->PageBytes(key_, *file)) {
          SendSwap(navigation_->TakeDocument(key_), *bytes);
          return;
        }
      }
      [[fallthrough]];  // sent by a navigation instead
    case NavigationReply::kGoTo:
      Send(json::serialize(json::object{{"type", "navigate"}, {"url", reply.location}}), false);
      return;
  }
}

void PageSocket::OfferStage() {
  const auto sockets = sockets_.lock();
  if (closed_ || !ready_ || !clock_.Settled() || !sockets) return;
  if (sockets->choices_number_ != offered_choices_ && sockets->choices_key_ == key_) {
    offered_choices_ = sockets->choices_number_;
    for (const auto& [link, bytes] : sockets->choices_) {
      Send(Header({{"type", "choice"}, {"id", offered_choices_}, {"link", link}}) + bytes, true);
    }
  }
  const PageSockets::Staged* staged = sockets->StageFor(*this);
  if (staged == nullptr || staged->number == offered_) return;
  offered_ = staged->number;
  Send(
      Header({{"type", "stage"}, {"id", staged->number}, {"due", staged->due + *clock_.Offset()}}) +
          staged->bytes,
      true);
}

void PageSocket::OnStaged(std::uint64_t stage, double version, double page_time) {
  if (!clock_.Offset()) return Drop("a staged before the clock was measured");
  const double at = clock_.ToOurs(page_time);
  bool go = false;
  const auto self = shared_from_this();
  platform::RunHandler([&] { go = navigation_->RaiseStageTimed(stage, at); });
  if (go && !closed_) {
    Send(json::serialize(json::object{{"type", "go"}, {"id", stage}, {"n", version}}), false);
  }
}

void PageSocket::SendSwap(const NavigationState::Served& served, const std::string& bytes) {
  Send(Header({{"type", "swap"}, {"seq", served.seq}, {"number", served.number}}) + bytes, true);
}

void PageSocket::Send(std::string message, bool binary) {
  if (closed_) return;
  if (queue_.size() >= kMaxQueued) {
    Close();  // a page that does not read
    return;
  }
  queue_.push_back({std::move(message), binary});
  if (queue_.size() == 1) WriteNext();
}

void PageSocket::WriteNext() {
  ws_.binary(queue_.front().binary);
  ws_.async_write(net::buffer(queue_.front().data),
                  [self = shared_from_this()](beast::error_code ec, std::size_t) {
                    if (self->closed_) return;
                    if (ec) {
                      self->Close();
                      return;
                    }
                    self->queue_.pop_front();
                    if (!self->queue_.empty()) self->WriteNext();
                  });
}

void PageSockets::Add(const std::shared_ptr<PageSocket>& socket) {
  if (closed_) {
    socket->Close();
    return;
  }
  sockets_.push_back(socket);
}

void PageSockets::Remove(const PageSocket* socket) {
  sockets_.remove_if([socket](const auto& s) { return s.get() == socket; });
}

bool PageSockets::SwapIn(const std::string& key, const std::filesystem::path& file,
                         NavigationState& navigation) {
  std::vector<std::shared_ptr<PageSocket>> showing;
  for (const auto& socket : sockets_) {
    if (socket->Ready() && socket->Key() == key) showing.push_back(socket);
  }
  if (showing.empty()) return false;
  // The page as this run composed it, never as another run left its file.
  const std::optional<std::string> bytes = navigation.PageBytes(key, file);
  if (!bytes) return false;
  const NavigationState::Served served = navigation.TakeDocument(key);
  for (const auto& socket : showing) socket->SendSwap(served, *bytes);
  return true;
}

void PageSockets::StageChoices(const std::string& key, Browser::Choices choices) {
  staged_.key.clear();
  choices_number_ += 1;
  choices_key_ = key;
  choices_ = std::move(choices);
  const auto sockets = sockets_;  // a failed send removes its socket
  for (const auto& socket : sockets) socket->OfferStage();
}

std::uint64_t PageSockets::Stage(const std::string& key, std::string bytes, double due) {
  choices_.clear();
  staged_ = {staged_.number + 1, key, std::move(bytes), due};
  const auto sockets = sockets_;  // a failed send removes its socket
  for (const auto& socket : sockets) socket->OfferStage();
  return staged_.number;
}

const PageSockets::Staged* PageSockets::StageFor(const PageSocket& socket) const {
  if (staged_.number == 0 || staged_.key.empty() || socket.Key() != staged_.key) return nullptr;
  // Too late to prepare: the game shows it by a swap.
  if (staged_.due < platform::PreciseMilliseconds()) return nullptr;
  return &staged_;
}

void PageSockets::CloseAll() {
  closed_ = true;
  const auto open = std::move(sockets_);
  sockets_.clear();
  for (const auto& socket : open) socket->Close();
}

}  // namespace browser
