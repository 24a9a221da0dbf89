// Any request target, method and forwarding header through the router: it
// never fails, a new game only ever gets an ID it could accept, and a relay
// only ever goes to a running game's prefix.
#include <cstdint>
#include <string>
#include <string_view>

#include "online/router.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // method NUL target NUL X-Forwarded-For
  const std::size_t a = input.find('\0');
  const std::size_t b = a == std::string_view::npos ? a : input.find('\0', a + 1);
  const std::string_view method = a == std::string_view::npos ? "GET" : input.substr(0, a);
  const std::string_view target =
      a == std::string_view::npos ? input : input.substr(a + 1, b == input.npos ? b : b - a - 1);
  const std::string_view forwarded = b == std::string_view::npos ? "" : input.substr(b + 1);

  online::RouterState state;
  state.conditions = {"a.txt", "b.txt"};
  state.allow_condition_param = size % 2 == 0;
  state.game_by_prefix["0123456789abcdef0123456789abcdef"] = "P1";
  state.start_by_id["P1"] = "/0123456789abcdef0123456789abcdef/html/start.htm";
  state.started_ids.insert("P0");
  state.trusted_proxies = {"127.0.0.1"};
  state.max_new_per_minute = 3;
  const online::Decision d = online::RouteRequest({method, target, forwarded, "127.0.0.1"}, state);
  switch (d.route) {
    case online::Route::kNewGame:
      if (d.id.empty() || d.id.size() > 4 * online::kMaxIdLength || d.id == "P0" ||
          d.id.find_first_of(std::string_view("\0\r\n\x7f", 4)) != std::string::npos) {
        __builtin_trap();
      }
      if (!d.condition.empty() && d.condition != "a.txt" && d.condition != "b.txt") {
        __builtin_trap();
      }
      break;
    case online::Route::kRelay:
      if (!state.game_by_prefix.contains(d.prefix)) __builtin_trap();
      break;
    default:
      break;
  }
  std::string decoded;
  if (online::DecodeQueryComponent(online::EncodeQueryComponent(target), &decoded) &&
      decoded != target) {
    __builtin_trap();
  }
  return 0;
}
