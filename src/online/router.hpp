#pragma once
// Where serve sends each request it reads: a new game for the study link, a
// running game for a path under that game's prefix, a page or status for
// anything else. A free function of the request and a snapshot of serve's
// state, so that it decides without a socket and can be fuzzed.
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace online {

// The ID parameters a link is read with when --id-param names none, the
// first present winning: Prolific, MTurk, SONA.
inline constexpr std::string_view kDefaultIdParams[] = {"PROLIFIC_PID", "workerId", "id"};
// The longest ID taken.
inline constexpr std::size_t kMaxIdLength = 64;

// The part of serve's state a request is routed by.
struct RouterState {
  std::vector<std::string> id_params;   // empty: kDefaultIdParams
  std::vector<std::string> conditions;  // the settings files serve runs
  bool allow_condition_param = false;
  bool allow_repeat = false;
  bool accepting = true;  // false once serve is stopping
  std::size_t games = 0;  // running and starting
  std::size_t max_games = 200;
  int max_new_per_minute = 0;                                      // per client address; 0: no cap
  std::map<std::string, int, std::less<>> new_this_minute;         // by client address
  std::map<std::string, std::string, std::less<>> game_by_prefix;  // prefix -> ID
  std::map<std::string, std::string, std::less<>> start_by_id;     // ID -> its start page path
  std::set<std::string, std::less<>> started_ids;  // IDs this serve has seen start a game
  std::vector<std::string> trusted_proxies;        // peers whose X-Forwarded-For is believed
};

// The request as it came.
struct RequestView {
  std::string_view method;
  std::string_view target;
  std::string_view forwarded_for;  // the X-Forwarded-For header, if any
  std::string_view peer;           // the connection's remote address
};

enum class Route {
  kNewGame,   // start a game for `id` (in `condition` when the link pinned one)
  kRelay,     // relay to the game of `prefix`
  kRedirect,  // 303 to `location` (the ID's running game)
  kRefuse,    // a page, with `status`, and a record row with `outcome` when set
  kNotFound,  // 404
  kFull,      // 503 with Retry-After and the full page
};

// Why a link was refused (the page each gets).
enum class Refusal { kNone, kBadId, kAlreadyStarted, kUnknownCondition, kTooMany, kStopping };

struct Decision {
  Route route = Route::kNotFound;
  int status = 404;
  Refusal refusal = Refusal::kNone;
  std::string id;         // the participant's ID (new game, refusal of a good ID)
  std::string condition;  // a pinned condition, else empty
  std::string link;       // the link's other parameters, as a query string
  std::string prefix;     // the game relayed to
  std::string location;   // where a redirect goes
  std::string client;     // the client's address (rate limits only; never shown)
};

// The client's address: the peer's, or with a trusted proxy as the peer the
// last address X-Forwarded-For names that is not a trusted proxy itself.
std::string ClientAddress(std::string_view peer, std::string_view forwarded_for,
                          const std::vector<std::string>& trusted_proxies);

// Decides what `request` gets.
Decision RouteRequest(const RequestView& request, const RouterState& state);

// The record outcome of a refusal ("refused: bad ID", ...), empty when the
// refusal is not recorded.
std::string_view RefusalOutcome(Refusal refusal);

// Percent-decoding of a query component ('+' is a space). Returns false on a
// malformed escape.
bool DecodeQueryComponent(std::string_view text, std::string* out);
// Percent-encoding of everything but unreserved characters.
std::string EncodeQueryComponent(std::string_view text);

}  // namespace online
