#pragma once
// volleta serve: the study's link for participants in their own browsers.
// Each participant's game is a program process of its own on the loopback,
// started here and relayed to; nothing else is ever relayed to.
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace online {

struct ServeOptions {
  std::filesystem::path folder;      // the study folder
  std::filesystem::path executable;  // the program the games run in
  std::string listen = "127.0.0.1:8080";
  std::string public_url;  // what participants' browsers see, when behind a proxy
  std::vector<std::string> id_params;
  std::vector<std::string> conditions;
  bool balanced = true;  // --assign balanced (else random)
  bool allow_condition_param = false;
  bool allow_repeat = false;
  std::size_t max_games = 200;
  int max_new_per_minute = 0;
  std::vector<std::string> trusted_proxies;
  std::string return_url;
  int return_after = 5;
  int abandon_after = 60;
  int finish_within = 600;  // on SIGINT/SIGTERM: how long running games may go on
};

// The origin of an http(s) URL ("https://host[:port]"), or empty when the
// URL is not one.
std::string OriginOf(const std::string& url);

// Runs serve until SIGINT or SIGTERM and the end of its games. `out` gets the
// link and the participant events, `err` the faults. Returns the exit status.
int Serve(const ServeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace online
