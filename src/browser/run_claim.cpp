#include "browser/run_claim.hpp"

#include <algorithm>
#include <utility>

namespace browser {

RunClaim::RunClaim(std::string token, std::string_view prefix, bool secure)
    : cookie_("volleta=" + std::move(token)),
      path_("/" + std::string(prefix) + "/"),
      secure_(secure) {}

RunClaim::Admission RunClaim::Admit(std::string_view cookies, bool page_request) {
  // "a=1; b=2": whole pairs only.
  while (!cookies.empty()) {
    const std::size_t end = std::min(cookies.find(';'), cookies.size());
    std::string_view pair = cookies.substr(0, end);
    while (pair.starts_with(' ')) pair.remove_prefix(1);
    if (pair == cookie_) return Admission::kWindow;
    cookies.remove_prefix(std::min(end + 1, cookies.size()));
  }
  if (claimed_ || !page_request) return Admission::kRefused;
  claimed_ = true;
  return Admission::kClaims;
}

std::string RunClaim::SetCookie() const {
  return cookie_ + "; Path=" + path_ + "; HttpOnly; SameSite=Strict" + (secure_ ? "; Secure" : "");
}

}  // namespace browser
