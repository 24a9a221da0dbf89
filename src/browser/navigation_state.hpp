#pragma once
// Where the program has sent the window, shared by the server and the HTTP
// sessions it accepted.
//
// Navigations are numbered. A page is served with the number of the last
// navigation it accounts for; its event stream then receives only newer ones.
// While a page request's before-navigate event is being handled, Navigate2
// and Stop instead decide that request's answer.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
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

  // The number a document served for `key` accounts for: that of a
  // navigation issued to it, or the newest.
  std::uint64_t SeqForDocument(const std::string& key);
  std::uint64_t Seq() const { return seq_; }
  // The event owed to a page whose stream opens knowing `known` navigations.
  std::optional<std::string> CatchUp(std::uint64_t known) const;

  // No more before-navigate events (after the window was told to quit).
  void DetachEvents() { events_ = nullptr; }

 private:
  void Remember(const std::string& key, std::uint64_t number);

  BrowserEvents* events_;
  // The newest navigation issued outside a page request: number and URL path.
  std::uint64_t seq_ = 0;
  std::string latest_;
  // Pages a navigation was issued to and the number a page served for it
  // starts from, so that a later navigation issued while it was loading
  // still reaches it.
  std::map<std::string, std::uint64_t> pending_;
  // The page request whose before-navigate event is being handled.
  bool in_document_ = false;
  bool stop_called_ = false;
  std::optional<std::string> redirect_;
};

}  // namespace browser
