#pragma once
// How the window is led on after a navigation it asked for (a page request,
// or a link followed over the page's socket) raised the before-navigate
// event: one rule for both ways of asking.
#include <optional>
#include <string>
#include <string_view>

#include "browser/navigation_state.hpp"

namespace browser {

struct NavigationReply {
  enum Kind {
    kStay,  // the page shown stays (HTTP: 204 No Content)
    kLoad,  // the page asked for is loaded
    kGoTo,  // the window goes to `location` instead (HTTP: 303 See Other)
    kSwap,  // the page shown is swapped for itself as now composed, over its socket
  } kind;
  std::string location;  // URL path, for kGoTo and kSwap
  bool operator==(const NavigationReply&) const = default;
};

// The reply to the handler's `answer`. `swappable` is the key of the page
// shown when it can be swapped, `prefix` the run's.
NavigationReply ReplyTo(const NavigationState::Answer& answer, std::string_view prefix,
                        const std::optional<std::string>& swappable);

}  // namespace browser
