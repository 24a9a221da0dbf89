#include "game/online_return.hpp"

#include <algorithm>
#include <map>
#include <optional>

#include "browser/url_path.hpp"

namespace game {
namespace {

// The link's parameters by name; the first of a repeated name counts.
std::map<std::string, std::string, std::less<>> LinkParameters(std::string_view query) {
  std::map<std::string, std::string, std::less<>> parameters;
  while (!query.empty()) {
    const std::size_t amp = std::min(query.find('&'), query.size());
    std::string pair(query.substr(0, amp));
    query.remove_prefix(std::min(amp + 1, query.size()));
    std::replace(pair.begin(), pair.end(), '+', ' ');
    const std::size_t eq = pair.find('=');
    const std::optional<std::string> name = browser::PercentDecode(pair.substr(0, eq));
    const std::optional<std::string> value =
        eq == std::string::npos ? std::string() : browser::PercentDecode(pair.substr(eq + 1));
    if (name && value && !name->empty()) parameters.emplace(*name, *value);
  }
  return parameters;
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string ReturnUrl(std::string_view pattern, std::string_view subject, std::string_view link) {
  const auto parameters = LinkParameters(link);
  std::string url;
  while (!pattern.empty()) {
    const std::size_t open = pattern.find('{');
    const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open + 1);
    if (close == std::string_view::npos) break;
    url += pattern.substr(0, open);
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    const auto found = parameters.find(name);
    if (name == "id") {
      url += browser::PercentEncodeSegment(subject);
    } else if (found != parameters.end()) {
      url += browser::PercentEncodeSegment(found->second);
    } else {
      url += pattern.substr(open, close - open + 1);
    }
    pattern.remove_prefix(close + 1);
  }
  return url + std::string(pattern);
}

std::string ReturnSnippet(std::string_view url, int after_seconds) {
  // `top`, not `window`: the page's scripts may run with a window whose
  // location the page script keeps within the game.
  return "\n<p id=\"volleta-return\" style=\"text-align: center\"><a href=\"" + HtmlEscape(url) +
         "\">Continue</a></p>\n<script>setTimeout(function () { "
         "top.location.replace(document.querySelector(\"#volleta-return a\").href); }, " +
         std::to_string(std::max(after_seconds, 0) * 1000) + ");</script>\n";
}

}  // namespace game
