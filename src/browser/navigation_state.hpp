#pragma once
// Where the program has sent the window, shared by the server and the HTTP
// sessions it accepted.
//
// Navigations are counted twice. Their sequence number orders the pushes: a
// page is served with the sequence number of the last navigation it accounts
// for, and its event stream then receives only newer ones. Every Navigate2
// also gets a number of its own (a redirect shares its request's sequence
// number but not this one), by which the page reports when it was presented.
// While a page request's before-navigate event is being handled, Navigate2
// and Stop instead decide that request's answer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "browser/browser.hpp"

namespace browser {

class NavigationState {
 public:
  // `events` receives the before-navigate event; it must outlive this
  // object or be detached first.
  explicit NavigationState(BrowserEvents& events) : events_(&events) {}

  // A navigation to the page `key` at URL path `url`. Returns the event to
  // push to the shown pages, or nullopt when it answers the page request
  // being handled.
  std::optional<std::string> Navigate(const std::string& key, const std::string& url);
  // Abandons the page request being handled; outside one it does nothing.
  void Stop();

  // How a page request is answered after its before-navigate event.
  struct Answer {
    enum Kind { kServe, kRedirect, kNoContent } kind;
    std::string location;  // URL path, for kRedirect
  };
  // Raises the before-navigate event for `url` and returns how the request
  // is answered; nullopt when no one receives the event. What the handler
  // throws is passed on.
  std::optional<Answer> RaiseBeforeNavigate(const std::string& url);

  // What a document served (or swapped in) for `key` accounts for: the
  // sequence number of a navigation issued to it, or the newest, and that
  // navigation's own number (0 when none was issued to it).
  struct Served {
    std::uint64_t seq = 0;
    std::uint64_t number = 0;
  };
  Served TakeDocument(const std::string& key);
  // When the document of navigation `number` was taken to be served or
  // swapped in, on the precise clock: the page received it later.
  std::optional<double> IssuedAt(std::uint64_t number) const;
  std::uint64_t SeqForDocument(const std::string& key) { return TakeDocument(key).seq; }
  std::uint64_t Seq() const { return seq_; }
  // The number of the last navigation issued.
  std::uint64_t Number() const { return number_; }

  // A page request the page asked for after its before-navigate event was
  // raised another way (over the page's socket): the next document request
  // for `url` (a URL path) is served without raising it again.
  void Approve(const std::string& url);
  bool TakeApproved(const std::string& url);

  // Raises the presented event; nothing once detached. What the handler
  // throws is passed on.
  void RaisePresented(std::uint64_t number, double time);
  // Raises the stage-timed event; false once detached.
  bool RaiseStageTimed(std::uint64_t stage, double at) {
    return events_ != nullptr && events_->Sink_StageTimed(stage, at);
  }
  // Raises the page-facts event; nothing once detached.
  void RaisePageFacts(const PageFacts& facts) {
    if (events_ != nullptr) events_->Sink_PageFacts(facts);
  }
  // The event owed to a page whose stream opens knowing `known` navigations.
  std::optional<std::string> CatchUp(std::uint64_t known) const;

  // The bytes the program composed for the page `key`, shown in place of its
  // file from now on.
  void Provide(const std::string& key, std::string bytes) { provided_[key] = std::move(bytes); }
  // What the window is shown for `key`: the composed bytes, else the file's
  // (nullopt when it can't be read).
  std::optional<std::string> PageBytes(const std::string& key,
                                       const std::filesystem::path& file) const;

  // No more before-navigate events (after the window was told to quit).
  void DetachEvents() { events_ = nullptr; }

 private:
  void Remember(const std::string& key, Served served);

  BrowserEvents* events_;
  std::uint64_t number_ = 0;
  std::set<std::string> approved_;
  std::set<std::uint64_t> presented_;
  std::map<std::uint64_t, double> issued_at_;
  // The newest navigation issued outside a page request: number and URL path.
  std::uint64_t seq_ = 0;
  std::string latest_;
  // Pages a navigation was issued to and the number a page served for it
  // starts from, so that a later navigation issued while it was loading
  // still reaches it.
  std::map<std::string, Served> pending_;
  std::map<std::string, std::string> provided_;
  // The page request whose before-navigate event is being handled.
  bool in_document_ = false;
  bool stop_called_ = false;
  std::optional<std::string> redirect_;
};

}  // namespace browser
