#include "online/serve.hpp"

namespace online {

std::string OriginOf(const std::string& url) {
  std::size_t start = 0;
  if (url.starts_with("https://")) {
    start = 8;
  } else if (url.starts_with("http://")) {
    start = 7;
  } else {
    return {};
  }
  const std::size_t end = url.find_first_of("/?#", start);
  const std::string host = url.substr(start, end == std::string::npos ? end : end - start);
  if (host.empty() || host.find_first_of("@ \\") != std::string::npos) return {};
  return url.substr(0, start) + host;
}

}  // namespace online
