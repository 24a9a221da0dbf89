#include "browser/navigation_reply.hpp"

#include "browser/url_path.hpp"

namespace browser {

NavigationReply ReplyTo(const NavigationState::Answer& answer, std::string_view prefix,
                        const std::optional<std::string>& swappable) {
  switch (answer.kind) {
    case NavigationState::Answer::kServe:
      return {NavigationReply::kLoad, {}};
    case NavigationState::Answer::kNoContent:
      return {NavigationReply::kStay, {}};
    case NavigationState::Answer::kRedirect:
      break;
  }
  // A throw leads back to the page shown: swap in its new picture.
  const std::string own = "/" + std::string(prefix) + "/html/";
  const std::optional<std::string> target =
      answer.location.starts_with(own)
          ? KeyFromUrlPath(std::string_view(answer.location).substr(own.size()))
          : std::nullopt;
  const bool swap = swappable && target && *target == *swappable;
  return {swap ? NavigationReply::kSwap : NavigationReply::kGoTo, answer.location};
}

}  // namespace browser
