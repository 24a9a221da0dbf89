#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/shell_quote.hpp"

namespace platform {

std::string ShellQuoted(const std::string& text) {
  constexpr std::string_view kPlain = "/._-:\\";
  if (std::all_of(text.begin(), text.end(), [&](unsigned char c) {
        return std::isalnum(c) || kPlain.find(static_cast<char>(c)) != std::string_view::npos;
      })) {
    return text;
  }
  // A path can't hold a double quote, so quoting it whole is enough.
  return '"' + text + '"';
}

}  // namespace platform
