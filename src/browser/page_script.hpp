#pragma once
// The script appended to every HTML page the server sends (page_script.js):
// it holds the page's event stream and follows the navigations pushed over it.
#include <cstdint>
#include <string>
#include <string_view>

namespace browser {

// The script as a <script> element for a page under `prefix` that accounts
// for the navigations up to number `seq`.
std::string PageScript(std::string_view prefix, std::uint64_t seq);

}  // namespace browser
