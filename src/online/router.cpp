#include "online/router.hpp"

#include <algorithm>
#include <optional>
#include <utility>

namespace online {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool Trusted(std::string_view address, const std::vector<std::string>& proxies) {
  return std::find(proxies.begin(), proxies.end(), address) != proxies.end();
}

// Code points in valid UTF-8 without control characters, or nullopt.
std::optional<std::size_t> PrintableLength(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t more = 0;
    char32_t point = c;
    if (c >= 0xf0 && c <= 0xf4) {
      more = 3, point = c & 0x07;
    } else if (c >= 0xe0) {
      more = 2, point = c & 0x0f;
    } else if (c >= 0xc2 && c < 0xe0) {
      more = 1, point = c & 0x1f;
    } else if (c >= 0x80) {
      return std::nullopt;
    }
    if (i + more >= text.size()) return std::nullopt;
    for (std::size_t k = 1; k <= more; ++k) {
      const auto d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xc0) != 0x80) return std::nullopt;
      point = (point << 6) | (d & 0x3f);
    }
    const char32_t least = more == 1 ? 0x80 : more == 2 ? 0x800 : more == 3 ? 0x10000 : 0;
    if (point < least || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff)) {
      return std::nullopt;
    }
    // C0, DEL and C1 controls, and the line and paragraph separators.
    if (point < 0x20 || (point >= 0x7f && point < 0xa0) || point == 0x2028 || point == 0x2029) {
      return std::nullopt;
    }
    i += more + 1;
  }
  return count;
}

Decision Refused(Refusal refusal, int status, std::string id = {}) {
  Decision d;
  d.route = Route::kRefuse;
  d.status = status;
  d.refusal = refusal;
  d.id = std::move(id);
  return d;
}

}  // namespace

bool DecodeQueryComponent(std::string_view text, std::string* out) {
  out->clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      *out += ' ';
    } else if (text[i] == '%') {
      if (i + 2 >= text.size()) return false;
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high < 0 || low < 0) return false;
      *out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      *out += text[i];
    }
  }
  return true;
}

std::string EncodeQueryComponent(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '_' || c == '.' || c == '~') {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string ClientAddress(std::string_view peer, std::string_view forwarded_for,
                          const std::vector<std::string>& trusted_proxies) {
  if (!Trusted(peer, trusted_proxies)) return std::string(peer);
  // Each proxy appends the address it had the request from: the first from
  // the right that is not one of ours is the client as far as ours can tell.
  std::string_view rest = forwarded_for;
  while (!rest.empty()) {
    const std::size_t comma = rest.rfind(',');
    const std::string_view hop =
        Trim(comma == std::string_view::npos ? rest : rest.substr(comma + 1));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(0, comma);
    if (hop.empty()) continue;
    if (!Trusted(hop, trusted_proxies)) return std::string(hop);
  }
  return std::string(peer);
}

std::string_view RefusalOutcome(Refusal refusal) {
  switch (refusal) {
    case Refusal::kBadId:
      return "refused: bad ID";
    case Refusal::kAlreadyStarted:
      return "refused: already started";
    default:
      return {};
  }
}

Decision RouteRequest(const RequestView& request, const RouterState& state) {
  std::string_view target = request.target;
  if (target.empty() || target.front() != '/') return {};
  const std::size_t question = target.find('?');
  const std::string_view path = target.substr(0, question);
  const std::string_view query =
      question == std::string_view::npos ? std::string_view() : target.substr(question + 1);

  if (path != "/") {
    const std::size_t slash = path.find('/', 1);
    if (slash == std::string_view::npos) return {};
    const auto game = state.game_by_prefix.find(path.substr(1, slash - 1));
    if (game == state.game_by_prefix.end()) return {};
    Decision d;
    d.route = Route::kRelay;
    d.status = 200;
    d.prefix = game->first;
    d.id = game->second;
    return d;
  }
  if (request.method != "GET" && request.method != "HEAD") return {};

  // The link's parameters, decoded; the ID's and the condition's taken out.
  std::vector<std::pair<std::string, std::string>> parameters;
  std::string_view rest = query;
  while (!rest.empty()) {
    const std::size_t amp = rest.find('&');
    const std::string_view pair = rest.substr(0, amp);
    rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
    if (pair.empty()) continue;
    const std::size_t eq = pair.find('=');
    std::string name, value;
    if (!DecodeQueryComponent(pair.substr(0, eq), &name) ||
        !DecodeQueryComponent(eq == std::string_view::npos ? "" : pair.substr(eq + 1), &value)) {
      return Refused(Refusal::kBadId, 400);
    }
    parameters.emplace_back(std::move(name), std::move(value));
  }
  std::vector<std::string> id_params = state.id_params;
  if (id_params.empty()) id_params.assign(std::begin(kDefaultIdParams), std::end(kDefaultIdParams));
  std::string id_name;
  for (const std::string& name : id_params) {
    if (std::any_of(parameters.begin(), parameters.end(),
                    [&](const auto& p) { return p.first == name; })) {
      id_name = name;
      break;
    }
  }
  Decision d;
  d.client = ClientAddress(request.peer, request.forwarded_for, state.trusted_proxies);
  int ids = 0;
  bool pinned = false;
  for (const auto& [name, value] : parameters) {
    if (name == id_name) {
      ++ids;
      d.id = value;
    } else if (name == "condition") {
      pinned = true;
      d.condition = value;
    } else {
      if (!d.link.empty()) d.link += '&';
      d.link += EncodeQueryComponent(name) + '=' + EncodeQueryComponent(value);
    }
  }
  // Two values for the ID would leave the record unsure whose game it was.
  const std::optional<std::size_t> length = PrintableLength(d.id);
  if (ids != 1 || !length || *length == 0 || *length > kMaxIdLength) {
    return Refused(Refusal::kBadId, 400);
  }
  if (const auto running = state.start_by_id.find(d.id); running != state.start_by_id.end()) {
    d.route = Route::kRedirect;
    d.status = 303;
    d.location = running->second;
    return d;
  }
  if (!state.allow_repeat && state.started_ids.contains(d.id)) {
    return Refused(Refusal::kAlreadyStarted, 200, d.id);
  }
  if (pinned &&
      (!state.allow_condition_param || std::find(state.conditions.begin(), state.conditions.end(),
                                                 d.condition) == state.conditions.end())) {
    return Refused(Refusal::kUnknownCondition, 400, d.id);
  }
  if (!state.accepting) {
    Decision full = Refused(Refusal::kStopping, 503, d.id);
    full.route = Route::kFull;
    return full;
  }
  if (state.games >= state.max_games) {
    Decision full = Refused(Refusal::kNone, 503, d.id);
    full.route = Route::kFull;
    return full;
  }
  if (state.max_new_per_minute > 0) {
    const auto recent = state.new_this_minute.find(d.client);
    if (recent != state.new_this_minute.end() && recent->second >= state.max_new_per_minute) {
      Decision slow = Refused(Refusal::kTooMany, 429, d.id);
      slow.client = d.client;
      return slow;
    }
  }
  d.route = Route::kNewGame;
  d.status = 303;
  return d;
}

}  // namespace online
