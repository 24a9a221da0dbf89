#pragma once
// The shown pages' WebSockets. Over its socket a page
//  - says which page it is, gets the pictures to keep at hand, and says when
//    it holds them ("ready": from then on it can be swapped);
//  - answers the server's pings, which measure its clock against ours
//    (clock_offset.hpp); onsets reported before that settled wait for it;
//  - reports when a navigation's page was presented (raised as the presented
//    event, on our clock);
//  - sends the URL of a link it was told to follow: the before-navigate event
//    is raised as for a page request and answered with a swap or a navigation
//    (navigation_reply.hpp);
//  - with --display staged, prepares the page the game will show next
//    ("stage", with its due time on the page's clock), answers with the frame
//    it can present it in ("staged": a version number and that frame's
//    predicted presentation on its clock, sent again when its frames' phase
//    moves), and shows it in that frame only once the program answered "go"
//    for that version: the game then fires the event that shows it at that
//    moment, and its swap, bytes equal, confirms what the page shows;
//  - with --display staged, prepares the pages its links lead to ("choice",
//    with the link's file name), shows one on its link's click and follows
//    the link: the game's swap, bytes equal, confirms it.
// The server sends a page swaps and stages (a binary message: one JSON line, then the
// page file's bytes), navigations and pings.
//
// Pages send JSON text messages of at most kMaxMessage bytes; anything else
// is dropped and logged on standard error.
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/websocket/stream.hpp>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "browser/clock_offset.hpp"
#include "browser/navigation_state.hpp"
#include "browser/site.hpp"

namespace browser {

class PageSockets;

class PageSocket : public std::enable_shared_from_this<PageSocket> {
 public:
  static constexpr std::size_t kMaxMessage = 8 * 1024;

  PageSocket(boost::asio::ip::tcp::socket socket, std::shared_ptr<const Site> site,
             std::shared_ptr<NavigationState> navigation, std::weak_ptr<PageSockets> sockets);

  // Completes the WebSocket handshake of `upgrade`, then reads messages.
  void Start(const boost::beast::http::request<boost::beast::http::string_body>& upgrade);
  void Close();

  // The key of the page shown, once it said; whether it can be swapped.
  const std::string& Key() const { return key_; }
  bool Ready() const { return ready_; }

  // Sends the page file `bytes` to be swapped in as navigation `served`.
  void SendSwap(const NavigationState::Served& served, const std::string& bytes);
  // Sends the page the stage held for it, once it is ready and its clock known.
  void OfferStage();

 private:
  void Read();
  void OnMessage(const std::string& text);
  void OnHello(const std::string& path, const std::string& picture);
  void OnPong(double page_time);
  void OnOnset(std::uint64_t number, double page_time, std::optional<double> received);
  void OnFollow(const std::string& url);
  void OnStaged(std::uint64_t stage, double version, double page_time);
  void SendPing();
  void PingLater();
  void Send(std::string message, bool binary);
  void WriteNext();
  void Drop(const std::string& why);

  using Stream = boost::beast::websocket::stream<boost::beast::tcp_stream>;
  std::shared_ptr<const Site> site_;
  std::shared_ptr<NavigationState> navigation_;
  std::weak_ptr<PageSockets> sockets_;
  Stream ws_;
  std::string host_;  // the Host the page was served under
  boost::beast::flat_buffer buffer_;
  struct Out {
    std::string data;
    bool binary;
  };
  std::deque<Out> queue_;
  std::string key_;
  bool ready_ = false;
  bool closed_ = false;
  boost::asio::steady_timer ping_timer_;
  ClockOffset clock_;
  std::uint64_t offered_ = 0;          // the last stage sent
  std::uint64_t offered_choices_ = 0;  // the last choices sent
  // Onsets reported before the estimate settled.
  std::vector<std::pair<std::uint64_t, double>> early_onsets_;
};

class PageSockets {
 public:
  // Takes in a started socket; after CloseAll it is closed at once.
  void Add(const std::shared_ptr<PageSocket>& socket);
  void Remove(const PageSocket* socket);

  // Swaps the page `key` (file `file`) in as navigation `served` on every
  // ready socket showing `key`: the bytes the program composed for it, else
  // the file's. False, sending nothing, when there is none or the file can't
  // be read.
  bool SwapIn(const std::string& key, const std::filesystem::path& file,
              NavigationState& navigation);

  // What the game will show next on the page `key`, due at `due` on our
  // clock: offered to its ready sockets now and to those ready before then.
  struct Staged {
    std::uint64_t number = 0;
    std::string key;
    std::string bytes;
    double due = 0;
  };
  std::uint64_t Stage(const std::string& key, std::string bytes, double due);
  void StageChoices(const std::string& key, Browser::Choices choices);
  // The stage for `socket`'s page still ahead, if any.
  const Staged* StageFor(const PageSocket& socket) const;

  void CloseAll();
  std::size_t Count() const { return sockets_.size(); }

 private:
  Staged staged_;
  std::uint64_t choices_number_ = 0;
  std::string choices_key_;
  Browser::Choices choices_;

  friend class PageSocket;
  std::list<std::shared_ptr<PageSocket>> sockets_;
  bool closed_ = false;
};

}  // namespace browser
