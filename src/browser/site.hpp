#pragma once
// What the server's sessions, streams and sockets serve; fixed for the run.
#include <cstdint>
#include <string>
#include <string_view>

#include "browser/page_script.hpp"
#include "browser/url_path.hpp"

namespace browser {

struct Site {
  std::string prefix;  // 32 lowercase hex digits
  std::uint16_t port;
  HtmlFolder html;
  DisplayOptions display;
  std::string page_extra;  // added to every HTML page after the page script (a pilot's participant)
  // The origin the browser sees when a relay in front of the server rewrites
  // Host to the loopback ("https://study.example.org"); empty: none.
  std::string public_origin;

  // The origin of the pages a request with Host `host` was served under.
  std::string OriginFor(std::string_view host) const {
    return public_origin.empty() ? "http://" + std::string(host) : public_origin;
  }
};

}  // namespace browser
