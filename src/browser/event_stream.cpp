#include "browser/event_stream.hpp"

#include <algorithm>
#include <boost/asio/write.hpp>
#include <chrono>

namespace browser {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;
using error_code = boost::system::error_code;

constexpr std::size_t kMaxQueuedMessages = 64;
constexpr auto kHeartbeat = std::chrono::seconds(15);

}  // namespace

EventStream::EventStream(std::weak_ptr<EventStreams> streams, tcp::socket socket)
    : streams_(std::move(streams)),
      socket_(std::move(socket)),
      heartbeat_(socket_.get_executor()) {}

void EventStream::Start(std::string header) {
  Send(std::move(header));
  Send("retry: 200\n\n");
  WatchClose();
  Beat();
}

void EventStream::Send(std::string message) {
  if (closed_) return;
  if (queue_.size() >= kMaxQueuedMessages) {
    Close();
    return;
  }
  queue_.push_back(std::move(message));
  if (queue_.size() == 1) WriteNext();
}

void EventStream::CloseWhenSent() {
  closing_ = true;
  if (queue_.empty()) Close();
}

void EventStream::Close() {
  if (closed_) return;
  closed_ = true;
  error_code ignored;
  socket_.shutdown(tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
  heartbeat_.cancel();
  if (const auto streams = streams_.lock()) streams->Remove(this);
}

void EventStream::WriteNext() {
  net::async_write(socket_, net::buffer(queue_.front()),
                   [self = shared_from_this()](error_code ec, std::size_t) {
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

void EventStream::WatchClose() {
  // A read ends only when the page goes away.
  socket_.async_read_some(net::buffer(scratch_),
                          [self = shared_from_this()](error_code ec, std::size_t) {
                            if (ec) {
                              self->Close();
                            } else {
                              self->WatchClose();
                            }
                          });
}

void EventStream::Beat() {
  heartbeat_.expires_after(kHeartbeat);
  heartbeat_.async_wait([self = shared_from_this()](error_code ec) {
    if (ec || self->closed_) return;
    self->Send(":\n\n");
    self->Beat();
  });
}

void EventStreams::Add(const std::shared_ptr<EventStream>& stream) {
  if (closed_) {
    stream->Close();
    return;
  }
  streams_.push_back(stream);
  ever_connected_ = true;
  Changed();
}

void EventStreams::Remove(const EventStream* stream) {
  const auto it = std::find_if(streams_.begin(), streams_.end(),
                               [stream](const auto& s) { return s.get() == stream; });
  if (it == streams_.end()) return;
  streams_.erase(it);
  Changed();
}

void EventStreams::Broadcast(const std::string& message) {
  // Sending may close a stream, which removes it from the list.
  const auto open = streams_;
  for (const auto& stream : open) stream->Send(message);
}

void EventStreams::Quit() {
  Broadcast("event: quit\ndata: \n\n");
  const auto open = streams_;
  for (const auto& stream : open) stream->CloseWhenSent();
}

void EventStreams::CloseAll() {
  closed_ = true;
  on_changed_ = nullptr;
  const auto open = std::move(streams_);
  streams_.clear();
  for (const auto& stream : open) stream->Close();
}

void EventStreams::Changed() {
  if (on_changed_) on_changed_(streams_.size());
}

}  // namespace browser
