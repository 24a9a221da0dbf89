#pragma once
// What the server's sessions, streams and sockets serve; fixed for the run.
#include <cstdint>
#include <string>

#include "browser/page_script.hpp"
#include "browser/url_path.hpp"

namespace browser {

struct Site {
  std::string prefix;  // 32 lowercase hex digits
  std::uint16_t port;
  HtmlFolder html;
  DisplayOptions display;
  std::string page_extra;  // added to every HTML page after the page script (a pilot's participant)
};

}  // namespace browser
