#pragma once
// A run's one window. The first page request claims the run and is given a
// cookie (HttpOnly, SameSite=Strict, for the run's prefix only); from then on
// a request without it is refused, so a second client that learned the
// address (it is on the browser's command line) can read and drive nothing.
#include <string>
#include <string_view>

namespace browser {

class RunClaim {
 public:
  // `token`: a secret sent only in the cookie; `prefix`: the run's URL prefix;
  // `secure`: the browser reaches the run over https only.
  RunClaim(std::string token, std::string_view prefix, bool secure = false);

  enum class Admission {
    kRefused,
    kWindow,  // it carries the cookie
    kClaims,  // the page request that claims the run: answer it with SetCookie()
  };
  // A request with the Cookie header `cookies`; `page_request` when it asks
  // for a page (only that may claim the run).
  Admission Admit(std::string_view cookies, bool page_request);

  // The Set-Cookie value that gives the window its cookie.
  std::string SetCookie() const;

 private:
  std::string cookie_;  // "volleta=<token>"
  std::string path_;
  bool secure_ = false;
  bool claimed_ = false;
};

}  // namespace browser
