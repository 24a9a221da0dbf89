#pragma once
// The shown pages' event streams (server-sent events): the server pushes
// navigations and the quit over them, and their number tells whether a page
// is still shown.
#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <cstddef>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <string>

namespace browser {

class EventStreams;

// One page's event stream, on the socket its request came on. The page sends
// nothing more; the stream ends when the page goes away, on a write error, or
// when too much is queued for a page that does not read.
class EventStream : public std::enable_shared_from_this<EventStream> {
 public:
  EventStream(std::weak_ptr<EventStreams> streams, boost::asio::ip::tcp::socket socket);

  // Sends the response header (and the reconnection delay), then keeps the
  // stream alive with a heartbeat.
  void Start(std::string header);
  // Queues one event, already in the event-stream format.
  void Send(std::string message);
  // Closes the stream once what is queued has been written.
  void CloseWhenSent();
  void Close();

 private:
  void WriteNext();
  void WatchClose();
  void Beat();

  std::weak_ptr<EventStreams> streams_;
  boost::asio::ip::tcp::socket socket_;
  boost::asio::steady_timer heartbeat_;
  std::deque<std::string> queue_;
  std::array<char, 256> scratch_{};
  bool closing_ = false;
  bool closed_ = false;
};

// The open event streams.
class EventStreams {
 public:
  // Takes in a started stream; after CloseAll it is closed at once.
  void Add(const std::shared_ptr<EventStream>& stream);
  // Forgets a stream that closed.
  void Remove(const EventStream* stream);

  void Broadcast(const std::string& message);
  // Tells every page that the program is ending and closes the streams.
  void Quit();
  // Closes every stream now and takes in no more.
  void CloseAll();

  std::size_t Count() const { return streams_.size(); }
  bool EverConnected() const { return ever_connected_; }
  // Called with the number of open streams whenever it changes.
  void OnChanged(std::function<void(std::size_t)> callback) { on_changed_ = std::move(callback); }

 private:
  void Changed();

  std::list<std::shared_ptr<EventStream>> streams_;
  bool ever_connected_ = false;
  bool closed_ = false;
  std::function<void(std::size_t)> on_changed_;
};

}  // namespace browser
